#include "calc/kTSvodSumPrilV1.h"

#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilV1::Reset() {
    *this = kTSvodSumPrilV1();
}

bool kTSvodSumPrilV1::Compute(const mTDeclaration& declaration) {
    Reset();
    // The trade fee and the patent payments are credited against business tax only; left over
    // from an earlier choice they would reduce the tax of a non-entrepreneur.
    if (!declaration.HasIncome(kIncomeBusiness))
        return true;
    TradeFee = declaration.TradeFee;
    PatentPayments = declaration.PatentPayments;
    for (const mTBusinessNew& record : declaration.BusinessIncomes()) {
        BusinessIncome += record.Income;
        BusinessExpenses += record.Itemized ? record.ExpensesTotal : record.NormExpenses;
    }
    ActualPrepayments = declaration.ActualPrepayments;
    AccruedPrepayments = declaration.AccruedPrepayments;
    if (BusinessIncome < BusinessExpenses)
        BusinessExpenses = BusinessIncome;
    return true;
}

}  // namespace zizaza
