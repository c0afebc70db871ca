#pragma once

#include "calc/kTProfDeductionSheet.h"

namespace zizaza {

class mTDeclaration;

// Professional deductions on incomes received abroad (the records of CurrencyIncomes, with bit 2
// of IncomeFlags).
class kTSvodSumPrilG_In : public kTProfDeductionSheet {
public:
    // limit905907: what the Russian sheet left of the 905/907 limit (its RemainingLimit905907);
    // a negative limit counts as 0. Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration, Money limit905907);
};

}  // namespace zizaza
