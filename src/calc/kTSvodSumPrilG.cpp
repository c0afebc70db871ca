#include "calc/kTSvodSumPrilG.h"

#include "model/mTDeclaration.h"

namespace zizaza {

bool kTSvodSumPrilG::Compute(const mTDeclaration& declaration) {
    Reset();
    if (declaration.DeclarationForm == kForm3Ndfl) {
        for (const mTThirteenPercent& source : declaration.ResidentIncomes13())
            for (const mTSourseIncome& line : source.Lines())
                addLine(line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount, false);
    } else if (declaration.DeclarationForm == kForm3NdflNonResident) {
        // A non-resident at 13% has professional deductions on civil contracts only.
        for (const mTThirteenPercent& source : declaration.NonResidentIncomes13())
            for (const mTSourseIncome& line : source.Lines())
                if (line.IncomeCode == 2010 && line.DeductionCode == 403)
                    addLine(line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount, false);
    }
    Total905907 = Min(Total905907, kLimit905907);
    РасхФактУстКап.Deduction += Total905907;
    limitRowsToIncome();
    sumTotal();
    return true;
}

}  // namespace zizaza
