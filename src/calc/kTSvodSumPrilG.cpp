#include "calc/kTSvodSumPrilG.h"

#include "model/mTDeclaration.h"

namespace zizaza {

bool kTSvodSumPrilG::Compute(const mTDeclaration& declaration) {
    Reset();
    // A non-resident's incomes take no deductions of art. 218-221 (art. 210 p. 4, art. 224 p. 3).
    if (declaration.DeclarationForm == kForm3Ndfl) {
        for (const mTThirteenPercent& source : declaration.ResidentIncomes13())
            for (const mTSourseIncome& line : source.Lines())
                addLine(line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount, false);
    }
    Total905907 = Min(Total905907, kOtherPropertySaleLimit);
    РасхФактУстКап.Deduction += Total905907;
    limitRowsToIncome();
    sumTotal();
    return true;
}

}  // namespace zizaza
