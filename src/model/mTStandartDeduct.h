#pragma once

#include "storage/Money.h"

#include <array>
#include <cstdint>

namespace zizaza {

class mTDocumentStorage;

// The deduction for the taxpayer himself. The file keeps the value as an integer.
enum class PersonalDeductionCode : int32_t {
    None = 103,
    Code104 = 104,
    Code105 = 105,
    ChangedDuringYear = 110,  // the months say which
};

// Who claims the children's deductions. The file keeps the value as an integer.
enum class ChildDeductionStatus : int32_t {
    Parent = 101,
    SingleParent = 102,
    ChangedDuringYear = 103,  // the months say when single
};

// Standard deductions ("Стандартные налоговые вычеты"). Every monthly array is addressed by the
// month's index 0 to 11 (January is 0).
class mTStandartDeduct {
public:
    bool operator==(const mTStandartDeduct&) const = default;
    using MonthlyCounts = std::array<int32_t, 12>;

    bool Granted = true;  // "Предоставить стандартные вычеты"
    PersonalDeductionCode PersonalCode = PersonalDeductionCode::None;
    ChildDeductionStatus ChildStatus = ChildDeductionStatus::Parent;
    bool ChildrenConstant = true;
    int32_t ChildrenCount = 0;
    MonthlyCounts MonthlyChildren{};
    bool DisabledConstant = true;
    int32_t DisabledCount = 0;
    MonthlyCounts MonthlyDisabled{};
    bool ThirdConstant = true;  // children from the third on
    int32_t ThirdCount = 0;
    MonthlyCounts MonthlyThird{};
    bool EntrepreneurMonthsPresent = false;
    std::array<Money, 12> MonthlyIncomes{};
    std::array<Money, 12> MonthlyExpenses{};
    std::array<bool, 12> MonthMarks{};
    bool MonthlyCodesPresent = false;
    MonthlyCounts MonthlyPersonalCodes{};  // 0 none, 1 code 104, 2 code 105
    bool MonthlyStatusPresent = false;
    MonthlyCounts MonthlySingleParentMarks{};  // 0 single parent that month, 1 not
    bool Guardian = false;

    // Setting a count sets its constant flag; setting one month clears it.
    void SetChildrenCount(int32_t n);
    void SetMonthlyChildren(int monthIndex, int32_t n);
    void SetDisabledCount(int32_t n);
    void SetMonthlyDisabled(int monthIndex, int32_t n);
    void SetThirdCount(int32_t n);
    void SetMonthlyThird(int monthIndex, int32_t n);

    // monthIndex 0 to 11.
    Money MonthlyIncome(int monthIndex) const;
    void SetMonthlyIncome(int monthIndex, Money v);
    Money MonthlyExpense(int monthIndex) const;
    void SetMonthlyExpense(int monthIndex, Money v);
    bool MonthMark(int monthIndex) const;
    void SetMonthMark(int monthIndex, bool v);
    int32_t MonthlyPersonalCode(int monthIndex) const;
    void SetMonthlyPersonalCode(int monthIndex, int32_t v);
    int32_t MonthlySingleParentMark(int monthIndex) const;
    void SetMonthlySingleParentMark(int monthIndex, int32_t v);

    void SaveToStorage(mTDocumentStorage& storage) const;
    void LoadFromStorage(mTDocumentStorage& storage);
    uint64_t ComputeSize() const;
};

}  // namespace zizaza
