#include "calc/kTSvodSumPrilE1.h"

#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <algorithm>

namespace zizaza {
namespace {

constexpr auto kPersonalChanged = PersonalDeductionCode::ChangedDuringYear;

constexpr auto kChildTwoParents = ChildDeductionStatus::Parent;
constexpr auto kChildSingleParent = ChildDeductionStatus::SingleParent;
constexpr auto kChildChanged = ChildDeductionStatus::ChangedDuringYear;

struct ChildGroup {
    bool constant;
    int32_t count;
    const std::array<int32_t, 12>& monthly;
    Money amount;  // two parents, per child and month
    Money* twoParentsTotal;
    Money* singleParentTotal;
};

}  // namespace

bool EntrepreneurMonthsCount(const mTDeclaration& doc) {
    return (doc.IncomeFlags() & (kIncomeBusiness | kIncomeUnused)) != 0;
}

void kTSvodSumPrilE1::Reset() {
    *this = kTSvodSumPrilE1();
}

bool kTSvodSumPrilE1::Compute(const mTDeclaration& doc) {
    Reset();
    const mTStandartDeduct& sd = doc.StandardDeductions;
    if (!sd.Granted || doc.DeclarationForm != kForm3Ndfl)
        return true;

    const IncomeMonths incomeMonths = sd.EntrepreneurMonthsPresent && EntrepreneurMonthsCount(doc)
                                          ? takeEntrepreneurMonths(sd)
                                          : takeWorkplaceMonths(doc);
    const DeductionMonths months = deductionMonths(incomeMonths);
    computePersonal(sd, months);
    computeChildren(sd, months);

    Money total = ВычСт218_1_1 + ВычСт218_1_2 + Code103Total + ВычСтРеб + ВычСтРебЕд + ВычСтРебИнв + ВычСтРебИнвЕд;
    total = Min(total, CumulativeIncomes[11]);
    ОбщВычСтанд = Max(total, Money());
    return true;
}

// An entrepreneur's months as typed on the tab; a loss of one month is carried into the next ones
// until it is covered.
kTSvodSumPrilE1::IncomeMonths kTSvodSumPrilE1::takeEntrepreneurMonths(const mTStandartDeduct& sd) {
    IncomeMonths incomeMonth{};
    Money carried;
    Money previous;
    for (int m = 0; m < 12; ++m) {
        MonthlyIncomes[m] = sd.MonthlyIncome(m);
        MonthlyExpenses[m] = sd.MonthlyExpense(m);
        incomeMonth[m] = sd.MonthMark(m);
        Money net = MonthlyIncomes[m] - MonthlyExpenses[m];
        if (m > 0)
            net = net - carried + previous;
        carried = Money();
        if (net < Money()) {
            carried = -net;
            net = Money();
        }
        CumulativeIncomes[m] = net;
        previous = net;
    }
    return incomeMonth;
}

// The income lines of the workplace sources, less their deductions, by their month of receipt.
kTSvodSumPrilE1::IncomeMonths kTSvodSumPrilE1::takeWorkplaceMonths(const mTDeclaration& doc) {
    IncomeMonths incomeMonth{};
    for (const mTThirteenPercent& source : doc.ResidentIncomes13()) {
        if (!source.WorkplaceFlag)
            continue;
        for (const mTSourseIncome& line : source.Lines()) {
            if (line.Month < 1 || line.Month > 12)
                continue;
            incomeMonth[line.Month - 1] = true;
            MonthlyIncomes[line.Month - 1] += line.IncomeAmount - line.DeductionAmount;
        }
    }
    Money sum;
    for (int m = 0; m < 12; ++m) {
        sum += MonthlyIncomes[m];
        CumulativeIncomes[m] = sum;
    }
    return incomeMonth;
}

// The deductions are given for each month of the tax period from the first month with income to
// the last, months without income between them included (art. 218 p. 1; Minfin 04.09.2017
// No. 03-04-06/56583); the children's end before the month the income passes the threshold.
kTSvodSumPrilE1::DeductionMonths kTSvodSumPrilE1::deductionMonths(const IncomeMonths& incomeMonth) {
    DeductionMonths months;
    for (int m = 0; m < 12; ++m) {
        if (!incomeMonth[m])
            continue;
        if (months.first < 0)
            months.first = m;
        months.last = m;
    }
    int lastMonth = -1;
    for (int m = 0; m < 12 && CumulativeIncomes[m] <= kChildDeductionIncomeLimit; ++m)
        lastMonth = m;
    months.lastChild = std::min(lastMonth, months.last);
    if (months.first >= 0 && months.lastChild >= months.first)
        DeductionMonthsWithin350000 = months.lastChild - months.first + 1;
    return months;
}

// Codes 104 and 105 for every deduction month; with the code changed during the year, each month's
// own code. Code 103 or any other gives no personal deduction.
void kTSvodSumPrilE1::computePersonal(const mTStandartDeduct& sd, const DeductionMonths& months) {
    const int deductionMonths = months.first < 0 ? 0 : months.last - months.first + 1;
    if (static_cast<int>(sd.PersonalCode) == kPersonalDeduction104.Code) {
        ВычСт218_1_2 = kPersonalDeduction104.Monthly * deductionMonths;
    } else if (static_cast<int>(sd.PersonalCode) == kPersonalDeduction105.Code) {
        ВычСт218_1_1 = kPersonalDeduction105.Monthly * deductionMonths;
    } else if (sd.PersonalCode == kPersonalChanged && months.first >= 0) {
        for (int m = months.first; m <= months.last; ++m) {
            if (sd.MonthlyPersonalCode(m) == 2)
                ВычСт218_1_1 += kPersonalDeduction105.Monthly;
            else if (sd.MonthlyPersonalCode(m) == 1)
                ВычСт218_1_2 += kPersonalDeduction104.Monthly;
        }
    }
}

// The children's deductions of the three groups, doubled for a single parent: with constant counts
// and status for all deduction months at once, else month by month.
void kTSvodSumPrilE1::computeChildren(const mTStandartDeduct& sd, const DeductionMonths& months) {
    if (static_cast<int32_t>(sd.ChildStatus) == 0 || months.first < 0)
        return;
    const ChildGroup groups[] = {
        {sd.ChildrenConstant, sd.ChildrenCount, sd.MonthlyChildren, kChildDeductionFirstChildren, &ВычСтРеб,
         &ВычСтРебЕд},
        {sd.ThirdConstant, sd.ThirdCount, sd.MonthlyThird, kChildDeductionThirdChildren, &ВычСтРеб, &ВычСтРебЕд},
        {sd.DisabledConstant, sd.DisabledCount, sd.MonthlyDisabled,
         sd.Guardian ? kChildDeductionDisabledGuardian : kChildDeductionDisabledParent, &ВычСтРебИнв, &ВычСтРебИнвЕд},
    };
    for (const ChildGroup& g : groups) {
        if (g.constant && (sd.ChildStatus == kChildTwoParents || sd.ChildStatus == kChildSingleParent)) {
            Money* total = sd.ChildStatus == kChildSingleParent ? g.singleParentTotal : g.twoParentsTotal;
            const int factor = sd.ChildStatus == kChildSingleParent ? kChildDeductionSingleParentFactor : 1;
            *total += g.amount * factor * g.count * DeductionMonthsWithin350000;
            continue;
        }
        for (int m = months.first; m <= months.lastChild; ++m) {
            const bool single = sd.ChildStatus == kChildSingleParent ||
                                (sd.ChildStatus == kChildChanged && sd.MonthlySingleParentMark(m) == 0);
            const int32_t count = g.constant ? g.count : g.monthly[m];
            *(single ? g.singleParentTotal : g.twoParentsTotal) +=
                g.amount * (single ? kChildDeductionSingleParentFactor : 1) * count;
        }
    }
}

}  // namespace zizaza
