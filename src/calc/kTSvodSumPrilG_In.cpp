#include "calc/kTSvodSumPrilG_In.h"

#include "calc/SheetMath.h"
#include "model/mTDeclaration.h"

namespace zizaza {

bool kTSvodSumPrilG_In::Compute(const mTDeclaration& declaration, Money limit905907) {
    Reset();
    if (declaration.HasIncome(kIncomeForeign))
        for (const mTCurrencyIncome& record : declaration.CurrencyIncomes())
            addLine(record.IncomeCode, record.DeductionCode, record.IncomeInRoubles, record.DeductionAmount, true);
    limitRowsToIncome();
    // What the Russian sheet left of the shared limit; it joins row 4 after the row was limited.
    Total905907 = Min(Total905907, AtLeastZero(limit905907));
    РасхФактУстКап.Deduction += Total905907;
    sumTotal();
    return true;
}

}  // namespace zizaza
