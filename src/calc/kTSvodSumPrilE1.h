#pragma once

#include "storage/Money.h"

#include <array>
#include <cstdint>

namespace zizaza {

class mTDeclaration;
class mTStandartDeduct;

// Standard deductions of a resident, month by month: the personal deductions of codes 104 and 105
// and the deductions for children, for the months from the first to the last with income; the
// children's stop in the month the cumulative income passes kChildDeductionIncomeLimit.
// Arrays run from January (index 0) to December.
class kTSvodSumPrilE1 {
public:
    int32_t MonthsWithin40000 = 0;  // no longer used by the 2017 rules; always 0
    // Months of the children's deductions: from the first month with income to the last, and no
    // later than the last month within the threshold.
    int32_t DeductionMonthsWithin350000 = 0;
    std::array<Money, 12> MonthlyIncomes{};     // workplace incomes, or an entrepreneur's incomes
    std::array<Money, 12> MonthlyExpenses{};    // an entrepreneur's expenses
    std::array<Money, 12> CumulativeIncomes{};  // December holds the year's income

    Money ВычСт218_1_1;   // ВычСт218.1.1: personal code 105
    Money ВычСт218_1_2;   // ВычСт218.1.2: personal code 104
    Money Code103Total;   // always 0
    Money ВычСтРеб;       // children, two parents
    Money ВычСтРебЕд;     // children, single parent
    Money ВычСтРебИнв;    // disabled children, two parents
    Money ВычСтРебИнвЕд;  // disabled children, single parent
    Money ОбщВычСтанд;    // the standard deductions total

    void Reset();
    // Resets, then computes when the standard deductions are granted on a resident declaration.
    // Always succeeds.
    bool Compute(const mTDeclaration& doc);

private:
    using IncomeMonths = std::array<bool, 12>;
    // Month indexes, -1 where there is none.
    struct DeductionMonths {
        int first = -1;      // the first month with income
        int last = -1;       // the last month with income
        int lastChild = -1;  // the last month of the children's deductions
    };
    IncomeMonths takeEntrepreneurMonths(const mTStandartDeduct& sd);
    IncomeMonths takeWorkplaceMonths(const mTDeclaration& doc);
    DeductionMonths deductionMonths(const IncomeMonths& incomeMonth);
    void computePersonal(const mTStandartDeduct& sd, const DeductionMonths& months);
    void computeChildren(const mTStandartDeduct& sd, const DeductionMonths& months);
};

// Whether the declaration has entrepreneurial income: only then do the monthly incomes, expenses and
// marks of an entrepreneur on the standard deductions tab count. Months kept from a time when the
// business income was ticked never replace a salaried person's income months.
bool EntrepreneurMonthsCount(const mTDeclaration& doc);

}  // namespace zizaza
