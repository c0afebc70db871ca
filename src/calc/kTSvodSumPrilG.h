#pragma once

#include "calc/kTProfDeductionSheet.h"

namespace zizaza {

class mTDeclaration;

// Professional deductions on incomes from Russian sources. A resident's sheet takes every line of
// ResidentIncomes13; a non-resident's only the lines 2010/403 of NonResidentIncomes13.
class kTSvodSumPrilG : public kTProfDeductionSheet {
public:
    // The shared limit of the deduction codes 905 and 907, in both professional-deduction sheets.
    static constexpr Money kLimit905907 = Money::Roubles(250000);

    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);

    // What is left of the 905/907 limit for the foreign sheet: 250000 minus Total905907.
    Money RemainingLimit905907() const { return kLimit905907 - Total905907; }
};

}  // namespace zizaza
