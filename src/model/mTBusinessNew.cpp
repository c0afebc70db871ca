#include "model/mTBusinessNew.h"

namespace zizaza {

void mTBusinessNew::Clear() {
    ActivityKind.clear();
    OkvedCode = "..";
    Itemized = true;
    Income = ExpensesTotal = MaterialExpenses = Depreciation = Labour = LabourContracts = OtherExpenses = Money();
    FurtherExpenses.fill(Money());
    NormExpenses = Money();
}

}  // namespace zizaza
