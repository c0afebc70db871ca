#pragma once

#include <cstdint>

#include "storage/Money.h"

namespace zizaza {

// An income with the deduction taken from it, as the income dialogs and the foreign incomes
// screen enter them: the income code and amount, the deduction code (0: none) and amount. The
// records keep the four values in fields of their own names; the screens bind them as one.
struct IncomeDeduction {
    int32_t IncomeCode = 0;
    Money Income;
    int32_t DeductionCode = 0;
    Money Deduction;

    // "Сумма вычета превышает сумму дохода": a deduction cannot be larger than its income, except
    // the expenses of securities operations, whose loss is carried.
    bool DeductionExceedsIncome() const;
    // The deductions of a property sold (codes 901 to 912): each reduces only its own income.
    bool PropertySaleDeduction() const;

    bool operator==(const IncomeDeduction&) const = default;
};

inline constexpr const char* kDeductionExceedsIncome = "Сумма вычета превышает сумму дохода";

}  // namespace zizaza
