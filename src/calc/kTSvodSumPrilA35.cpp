#include "calc/kTSvodSumPrilA35.h"

#include "calc/SheetMath.h"
#include "model/IncomeCodes.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA35::Reset() {
    *this = kTSvodSumPrilA35();
}

bool kTSvodSumPrilA35::Compute(mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3Ndfl)
        return true;
    for (size_t i = 0; i < declaration.Income35Count(); ++i) {
        mTThirtyFivePercent& source = declaration.Income35(i);
        // The economy on interest for new housing is not taxed; only what was withheld counts.
        if (source.IncomeCode == kIncomeCodeMaterialBenefit) {
            TaxWithheld2620 += WholeRoubles(source.TaxWithheld);
            continue;
        }
        source.IncomeKindCode = "10";
        source.TaxableAmount = source.TotalIncome;
        source.TaxComputed = PercentInWholeRoubles(source.TaxableAmount, 35);
        TotalIncome += source.TotalIncome;
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
