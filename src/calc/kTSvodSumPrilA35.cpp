#include "calc/kTSvodSumPrilA35.h"

#include "calc/SheetMath.h"
#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA35::Reset() {
    *this = kTSvodSumPrilA35();
}

bool kTSvodSumPrilA35::Compute(const mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3Ndfl)
        return true;
    Sources.resize(declaration.Income35Count());
    for (size_t i = 0; i < declaration.Income35Count(); ++i) {
        const mTThirtyFivePercent& source = declaration.Income35(i);
        // The economy on interest for new housing is not taxed; only what was withheld counts.
        if (source.IncomeCode == kIncomeCodeMaterialBenefit) {
            TaxWithheld2620 += WholeRoubles(source.TaxWithheld);
            continue;
        }
        KindCodes.Set(SourceList::Incomes35, i, "10");
        Sources[i].TaxableAmount = source.TotalIncome;
        Sources[i].TaxComputed = PercentInWholeRoubles(source.TotalIncome, kRatePercent35);
        TotalIncome += source.TotalIncome;
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
