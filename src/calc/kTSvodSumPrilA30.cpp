#include "calc/kTSvodSumPrilA30.h"

#include "calc/SheetMath.h"
#include "calc/kTSvodSumPrilA13.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA30::Reset() {
    *this = kTSvodSumPrilA30();
}

bool kTSvodSumPrilA30::Compute(mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3NdflNonResident)
        return true;
    // A non-resident's ResidentIncomes13 holds the sources of incomes at 30%.
    for (size_t i = 0; i < declaration.ResidentIncome13Count(); ++i) {
        mTThirteenPercent& source = declaration.ResidentIncome13(i);
        kTSvodSumPrilA13::ClassifySource(source, CadastralItems);
        for (const mTSourseIncome& line : source.Lines())
            TotalIncome += line.IncomeAmount;
        TaxableAmount += source.TaxableAmount;
        TaxComputed += source.TaxComputed;
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    for (size_t i = 0; i < declaration.InvestPartnershipIncomeCount(); ++i) {
        mTInvestTov& partnership = declaration.InvestPartnershipIncome(i);
        partnership.IncomeKindCode = "03";
        for (const mTInvestTovIncome& line : partnership.Lines())
            TotalIncome += line.Income;
        TaxableAmount += partnership.TaxableAmount;
        TaxComputed += partnership.TaxComputed;
        TaxWithheld += WholeRoubles(partnership.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
