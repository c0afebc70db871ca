#pragma once

#include "calc/kTIncomeKindCodes.h"
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
    kTIncomeKindCodes KindCodes;  // of the sources it takes

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
};

}  // namespace zizaza
