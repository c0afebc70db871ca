#pragma once

#include "calc/mbPrilA.h"
#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTDeclaration;
class mTThirteenPercent;

// Incomes at 13% from sources in Russia. A resident's sheet takes ResidentIncomes13, the
// dividends of Incomes30 (their own part) and the investment partnerships; a non-resident's
// takes NonResidentIncomes13. Writes the income kind code of every source it takes.
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

    size_t CadastralItemCount() const { return CadastralItems.size(); }

    void Reset();
    // Always succeeds. Writes only IncomeKindCode of the sources it takes.
    bool Compute(mTDeclaration& declaration);

    // Sets the income kind code ("01" to "10") of a source from its lines, in line order, and
    // appends a cadastral item for every line of a sale marked acquired after 2016. A source
    // without lines gets an empty code. Shared with the 30% sheet of a non-resident.
    static void ClassifySource(mTThirteenPercent& source, std::vector<mbPrilA>& cadastralItems);
};

}  // namespace zizaza
