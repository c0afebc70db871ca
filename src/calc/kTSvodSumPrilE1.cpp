#include "calc/kTSvodSumPrilE1.h"

#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

constexpr int kPersonal104 = 104;
constexpr int kPersonal105 = 105;
constexpr int kPersonalChanged = 110;

constexpr int kChildTwoParents = 101;
constexpr int kChildSingleParent = 102;
constexpr int kChildChanged = 103;

// Monthly amount per child for two parents; a single parent gets twice as much.
constexpr Money kFirstChildren = Money::Roubles(1400);
constexpr Money kThirdChildren = Money::Roubles(3000);
constexpr Money kDisabledChild = Money::Roubles(6000);

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

    std::array<bool, 12> incomeMonth{};
    if (sd.EntrepreneurMonthsPresent && EntrepreneurMonthsCount(doc)) {
        // A loss of one month is carried into the next ones until it is covered.
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
    } else {
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
    }

    // Months from January while the cumulative income stays within the threshold.
    int lastMonth = -1;
    for (int m = 0; m < 12 && CumulativeIncomes[m] <= kChildDeductionIncomeLimit; ++m) {
        lastMonth = m;
        if (incomeMonth[m])
            ++IncomeMonthsWithin350000;
    }

    int incomeMonths = 0;
    for (bool b : incomeMonth)
        incomeMonths += b ? 1 : 0;
    switch (sd.PersonalCode) {
        case kPersonal104:
            ВычСт218_1_2 = Money::Roubles(500) * incomeMonths;
            break;
        case kPersonal105:
            ВычСт218_1_1 = Money::Roubles(3000) * incomeMonths;
            break;
        case kPersonalChanged:
            for (int m = 0; m < 12; ++m) {
                if (!incomeMonth[m])
                    continue;
                if (sd.MonthlyPersonalCode(m) == 2)
                    ВычСт218_1_1 += Money::Roubles(3000);
                else if (sd.MonthlyPersonalCode(m) == 1)
                    ВычСт218_1_2 += Money::Roubles(500);
            }
            break;
        default:  // 103: no personal deduction
            break;
    }

    if (sd.ChildStatus != 0) {
        const int disabledFactor = sd.Guardian ? 1 : 2;
        const ChildGroup groups[] = {
            {sd.ChildrenConstant, sd.ChildrenCount, sd.MonthlyChildren, kFirstChildren, &ВычСтРеб, &ВычСтРебЕд},
            {sd.ThirdConstant, sd.ThirdCount, sd.MonthlyThird, kThirdChildren, &ВычСтРеб, &ВычСтРебЕд},
            {sd.DisabledConstant, sd.DisabledCount, sd.MonthlyDisabled, kDisabledChild * disabledFactor, &ВычСтРебИнв,
             &ВычСтРебИнвЕд},
        };
        for (const ChildGroup& g : groups) {
            if (g.constant && (sd.ChildStatus == kChildTwoParents || sd.ChildStatus == kChildSingleParent)) {
                Money* total = sd.ChildStatus == kChildSingleParent ? g.singleParentTotal : g.twoParentsTotal;
                const int factor = sd.ChildStatus == kChildSingleParent ? 2 : 1;
                *total += g.amount * factor * g.count * IncomeMonthsWithin350000;
                continue;
            }
            for (int m = 0; m <= lastMonth; ++m) {
                if (!incomeMonth[m])
                    continue;
                const bool single = sd.ChildStatus == kChildSingleParent ||
                                    (sd.ChildStatus == kChildChanged && sd.MonthlySingleParentMark(m) == 0);
                const int32_t count = g.constant ? g.count : g.monthly[m];
                *(single ? g.singleParentTotal : g.twoParentsTotal) += g.amount * (single ? 2 : 1) * count;
            }
        }
    }

    Money total = ВычСт218_1_1 + ВычСт218_1_2 + Code103Total + ВычСтРеб + ВычСтРебЕд + ВычСтРебИнв + ВычСтРебИнвЕд;
    total = Min(total, CumulativeIncomes[11]);
    ОбщВычСтанд = Max(total, Money());
    return true;
}

}  // namespace zizaza
