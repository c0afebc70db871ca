#pragma once

#include "storage/Money.h"

#include <cstdint>

namespace zizaza {

// One operation line of an investment partnership.
struct mTInvestTovIncome {
    bool operator==(const mTInvestTovIncome&) const = default;
    // 1 to 6: the items of "Вид операций" (points 1 to 6 of sheet И).
    int32_t OperationKind = 0;
    Money Income;        // "Сумма доходов"
    Money ExpenseShare;  // "Доля расходов"; for kind 6 the contributions ("Сумма вкладов")
    Money ManagementExpenses;  // "Расходы на управляющих товарищей"
    Money PastLosses;          // "Убыток прошлых лет"
    Money SixthValue;          // kept in its place only
};

}  // namespace zizaza
