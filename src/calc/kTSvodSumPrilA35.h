#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;

// Incomes of a resident at 35% (Incomes35). A non-resident's sheet stays 0. A source of income
// code 2620 only adds its tax withheld to TaxWithheld2620. Every other source gets the code "10",
// its taxable amount set to its total income and its tax computed to 35% of it in whole roubles.
class kTSvodSumPrilA35 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    Money TaxWithheld2620;  // tax withheld on income code 2620 (УдержОбщМВ of the 35% block)

    void Reset();
    // Always succeeds. Writes IncomeKindCode, TaxableAmount and TaxComputed of the 35% sources
    // other than code 2620, nothing else.
    bool Compute(mTDeclaration& declaration);
};

}  // namespace zizaza
