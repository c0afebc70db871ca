#pragma once

#include "calc/kTProfDeductionSheet.h"
#include "model/TaxFacts.h"

namespace zizaza {

class mTDeclaration;

// Professional deductions on incomes from Russian sources. A resident's sheet takes every line of
// ResidentIncomes13; a non-resident's only the lines 2010/403 of NonResidentIncomes13.
class kTSvodSumPrilG : public kTProfDeductionSheet {
public:
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);

    // What is left of the 905/907 limit for the foreign sheet: the limit minus Total905907.
    Money RemainingLimit905907() const { return kOtherPropertySaleLimit - Total905907; }
};

}  // namespace zizaza
