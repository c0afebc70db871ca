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
    // What the Russian sheet left of the shared limit joins row 4. The row is limited to its
    // income once more: a deduction above the income it belongs to would reduce other incomes.
    Total905907 = Min(Total905907, AtLeastZero(limit905907));
    РасхФактУстКап.Deduction = Min(РасхФактУстКап.Deduction + Total905907, РасхФактУстКап.Income);
    sumTotal();
    return true;
}

}  // namespace zizaza
