#include "calc/kTSvodSumPrilA9.h"

#include "calc/SheetMath.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilA9::Reset() {
    *this = kTSvodSumPrilA9();
}

bool kTSvodSumPrilA9::Compute(const mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm != kForm3Ndfl)
        return true;
    for (size_t i = 0; i < declaration.Income9Count(); ++i) {
        const mTThirtyPercent& source = declaration.Income9(i);
        KindCodes.Set(SourceList::Incomes9, i, "10");
        TotalIncome += source.TotalIncome;
        TaxableAmount += source.TaxableAmount;
        TaxComputed += source.TaxComputed;
        TaxWithheld += WholeRoubles(source.TaxWithheld);
    }
    return true;
}

}  // namespace zizaza
