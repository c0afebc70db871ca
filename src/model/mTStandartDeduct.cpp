#include "model/mTStandartDeduct.h"

#include <stdexcept>
#include <string>

namespace zizaza {
namespace {

size_t monthIndex(int index) {
    if (index < 0 || index > 11)
        throw std::out_of_range("month index " + std::to_string(index));
    return static_cast<size_t>(index);
}

size_t monthNumber(int month) {
    if (month < 1 || month > 12)
        throw std::out_of_range("month " + std::to_string(month));
    return static_cast<size_t>(month - 1);
}

}  // namespace

void mTStandartDeduct::SetChildrenCount(int32_t n) {
    ChildrenCount = n;
    ChildrenConstant = true;
}

void mTStandartDeduct::SetMonthlyChildren(int i, int32_t n) {
    MonthlyChildren[monthIndex(i)] = n;
    ChildrenConstant = false;
}

void mTStandartDeduct::SetDisabledCount(int32_t n) {
    DisabledCount = n;
    DisabledConstant = true;
}

void mTStandartDeduct::SetMonthlyDisabled(int i, int32_t n) {
    MonthlyDisabled[monthIndex(i)] = n;
    DisabledConstant = false;
}

void mTStandartDeduct::SetThirdCount(int32_t n) {
    ThirdCount = n;
    ThirdConstant = true;
}

void mTStandartDeduct::SetMonthlyThird(int i, int32_t n) {
    MonthlyThird[monthIndex(i)] = n;
    ThirdConstant = false;
}

Money mTStandartDeduct::MonthlyIncome(int month) const { return MonthlyIncomes[monthNumber(month)]; }
void mTStandartDeduct::SetMonthlyIncome(int month, Money v) { MonthlyIncomes[monthNumber(month)] = v; }
Money mTStandartDeduct::MonthlyExpense(int month) const { return MonthlyExpenses[monthNumber(month)]; }
void mTStandartDeduct::SetMonthlyExpense(int month, Money v) { MonthlyExpenses[monthNumber(month)] = v; }

bool mTStandartDeduct::MonthMark(int i) const { return MonthMarks[monthIndex(i)]; }
void mTStandartDeduct::SetMonthMark(int i, bool v) { MonthMarks[monthIndex(i)] = v; }
int32_t mTStandartDeduct::MonthlyPersonalCode(int i) const { return MonthlyPersonalCodes[monthIndex(i)]; }
void mTStandartDeduct::SetMonthlyPersonalCode(int i, int32_t v) { MonthlyPersonalCodes[monthIndex(i)] = v; }
int32_t mTStandartDeduct::MonthlySingleParentMark(int i) const { return MonthlySingleParentMarks[monthIndex(i)]; }
void mTStandartDeduct::SetMonthlySingleParentMark(int i, int32_t v) { MonthlySingleParentMarks[monthIndex(i)] = v; }

}  // namespace zizaza
