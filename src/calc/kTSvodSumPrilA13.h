#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "calc/mbPrilA.h"
#include "storage/Money.h"

#include <string>
#include <vector>

namespace zizaza {

class mTDeclaration;
class mTThirteenPercent;

// Incomes at 13% from sources in Russia. A resident's sheet takes ResidentIncomes13, the
// dividends of Incomes30 (their own part) and the investment partnerships; a non-resident's
// takes NonResidentIncomes13. Derives the income kind code of every source it takes.
class kTSvodSumPrilA13 {
public:
    Money TotalIncome;  // sum of the lines' incomes (sources with lines, partnerships)
    Money TaxWithheld;
    Money DividendTaxWithheld;  // Incomes30 of a resident
    Money TaxComputed;
    Money TaxableAmount;
    Money DividendTaxableAmount;          // Incomes30 of a resident
    Money DividendTaxComputed;            // Incomes30 of a resident
    Money ForeignerFixedPayments;         // the document's ForeignerFixedPayments
    std::vector<mbPrilA> CadastralItems;  // sales compared with the cadastral value, in line order
    kTIncomeKindCodes KindCodes;          // of the sources it takes

    size_t CadastralItemCount() const { return CadastralItems.size(); }

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);

    // The income kind code ("01" to "10") of a source from its lines, in line order; it appends a
    // cadastral item for every line of a sale marked acquired after 2016. A source without lines
    // has an empty code. Shared with the 30% sheet of a non-resident.
    static std::string ClassifySource(const mTThirteenPercent& source, std::vector<mbPrilA>& cadastralItems);
};

}  // namespace zizaza
