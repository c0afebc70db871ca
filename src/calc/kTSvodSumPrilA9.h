#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;

// Incomes of a resident at 9% (Incomes9). A non-resident's sheet stays 0. Every source it takes
// gets the income kind code "10".
class kTSvodSumPrilA9 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    Money TaxComputed;
    Money TaxableAmount;

    void Reset();
    // Always succeeds. Writes only IncomeKindCode of the sources it takes.
    bool Compute(mTDeclaration& declaration);
};

}  // namespace zizaza
