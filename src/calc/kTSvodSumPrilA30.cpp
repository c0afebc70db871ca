#include "calc/kTSvodSumPrilA30.h"

#include "calc/SheetMath.h"
#include "calc/kTSvodSumPrilA13.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA30::Reset() {
    *this = kTSvodSumPrilA30();
}

bool kTSvodSumPrilA30::Compute(const mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3NdflNonResident)
        return true;
    // A non-resident's ResidentIncomes13 holds the sources of incomes at 30%.
    for (size_t i = 0; i < declaration.ResidentIncome13Count(); ++i) {
        const mTThirteenPercent& source = declaration.ResidentIncome13(i);
        KindCodes.Set(SourceList::ResidentIncomes13, i, kTSvodSumPrilA13::ClassifySource(source, CadastralItems));
        TotalIncome += source.TotalIncome();
        TaxableAmount += source.TaxableAmount;
        TaxComputed += source.TaxComputed;
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    for (size_t i = 0; i < declaration.InvestPartnershipIncomeCount(); ++i) {
        const mTInvestTov& partnership = declaration.InvestPartnershipIncome(i);
        KindCodes.Set(SourceList::InvestPartnerships, i, "03");
        TotalIncome += partnership.TotalIncome();
        TaxableAmount += partnership.TaxableAmount;
        TaxComputed += partnership.TaxComputed;
        TaxWithheld += WholeRoubles(partnership.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
