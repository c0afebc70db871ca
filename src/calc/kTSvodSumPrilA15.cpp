#include "calc/kTSvodSumPrilA15.h"

#include "calc/SheetMath.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA15::Reset() {
    *this = kTSvodSumPrilA15();
}

bool kTSvodSumPrilA15::Compute(const mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3NdflNonResident)
        return true;
    // A non-resident's dividends (Incomes30) are taxed at 15%, whatever the source computed.
    for (size_t i = 0; i < declaration.Income30Count(); ++i) {
        const mTThirtyPercent& source = declaration.Income30(i);
        KindCodes.Set(SourceList::Incomes30, i, "08");
        TotalIncome += source.TotalIncome;
        TaxableAmount += source.TaxableAmount;
        SourceTax.push_back(PercentInWholeRoubles(source.TaxableAmount, kRatePercent15));
        TaxComputed += SourceTax.back();
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
