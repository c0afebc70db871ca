#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTDeclaration;

// The taxable amount and the tax the calculation derives for one 35% source.
struct kTSourceTax35 {
    Money TaxableAmount;
    Money TaxComputed;
    bool operator==(const kTSourceTax35&) const = default;
};

// Incomes of a resident at 35% (Incomes35). A non-resident's sheet stays 0. A source of income
// code 2620 only adds its tax withheld to TaxWithheld2620. Every other source gets the code "10",
// its taxable amount set to its total income and its tax computed to 35% of it in whole roubles.
class kTSvodSumPrilA35 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    Money TaxWithheld2620;  // tax withheld on income code 2620 (УдержОбщМВ of the 35% block)
    kTIncomeKindCodes KindCodes;
    // One per source of Incomes35 in list order (0 for code 2620); the exempt sheet replaces
    // those of the prizes.
    std::vector<kTSourceTax35> Sources;

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
    // The figures of a source; 0 for a source the sheet did not take.
    kTSourceTax35 Source(size_t index) const { return index < Sources.size() ? Sources[index] : kTSourceTax35(); }
};

}  // namespace zizaza
