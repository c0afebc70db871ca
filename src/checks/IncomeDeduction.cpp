#include "checks/IncomeDeduction.h"

#include "model/IncomeCodes.h"

namespace zizaza {

bool IncomeDeduction::DeductionExceedsIncome() const {
    const bool securities = IsSecuritiesIncomeCode(IncomeCode) && IsSecuritiesExpenseCode(DeductionCode);
    return !securities && Deduction > Income;
}

bool IncomeDeduction::PropertySaleDeduction() const {
    return DeductionCode >= 901 && DeductionCode <= 912;
}

}  // namespace zizaza
