#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTDeclaration;

// Dividends of a non-resident at 15% (Incomes30). A resident's sheet stays 0. Every source it
// takes gets the income kind code "08".
class kTSvodSumPrilA15 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    // Sum over the sources of 15% of each taxable amount rounded half up to whole roubles; the
    // sources' own tax computed is not used.
    Money TaxComputed;
    Money TaxableAmount;
    // Each source's tax at 15%, in the order of Incomes30: what the export writes for the source.
    std::vector<Money> SourceTax;
    kTIncomeKindCodes KindCodes;  // of the sources it takes

    Money SourceTaxOf(size_t index) const { return index < SourceTax.size() ? SourceTax[index] : Money(); }

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
};

}  // namespace zizaza
