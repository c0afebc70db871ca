#include "calc/kTSvodSumPrilE1.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zizaza {
namespace {

using testsupport::AddLine;
using testsupport::AddMonthlyLines;
using testsupport::AddSource13;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct E1Case {
    std::string name;
    std::function<void(mTDeclaration&)> setUp;
    // Expected totals, in roubles.
    int64_t code105, code104, children, childrenSingle, disabled, disabledSingle, total;
    int32_t monthsWithinThreshold;
};

// A workplace paying the same amount every month.
void salary(mTDeclaration& doc, int64_t monthly, uint16_t first = 1, uint16_t last = 12) {
    AddMonthlyLines(AddSource13(doc, "45000000", Rub(0), true), 2000, Rub(monthly), first, last);
}

// An entrepreneur's January of 10000 typed on the standard deductions tab.
void entrepreneurJanuary(mTDeclaration& doc) {
    auto& sd = doc.StandardDeductions;
    sd.EntrepreneurMonthsPresent = true;
    sd.SetMonthlyIncome(0, Rub(10000));
    sd.SetMonthMark(0, true);
    sd.PersonalCode = PersonalDeductionCode::Code105;
}

class PrilE1Cases : public testing::TestWithParam<E1Case> {};

TEST_P(PrilE1Cases, Totals) {
    const E1Case& c = GetParam();
    auto doc = NewDeclaration();
    doc->StandardDeductions.ChildStatus = ChildDeductionStatus::Parent;
    c.setUp(*doc);
    kTSvodSumPrilE1 e1;
    ASSERT_TRUE(e1.Compute(*doc));
    EXPECT_EQ(e1.ВычСт218_1_1, Rub(c.code105));
    EXPECT_EQ(e1.ВычСт218_1_2, Rub(c.code104));
    EXPECT_EQ(e1.Code103Total, Rub(0));
    EXPECT_EQ(e1.ВычСтРеб, Rub(c.children));
    EXPECT_EQ(e1.ВычСтРебЕд, Rub(c.childrenSingle));
    EXPECT_EQ(e1.ВычСтРебИнв, Rub(c.disabled));
    EXPECT_EQ(e1.ВычСтРебИнвЕд, Rub(c.disabledSingle));
    EXPECT_EQ(e1.ОбщВычСтанд, Rub(c.total));
    EXPECT_EQ(e1.DeductionMonthsWithin350000, c.monthsWithinThreshold);
    EXPECT_EQ(e1.MonthsWithin40000, 0);
}

const E1Case kE1Cases[] = {
    {"Code104AllYear",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code104;
     },
     0, 6000, 0, 0, 0, 0, 6000, 8},
    {"Code105AllYear",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     36000, 0, 0, 0, 0, 0, 36000, 8},
    {"Code105OnlyIncomeMonths",
     [](mTDeclaration& d) {
         salary(d, 10000, 3, 7);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     15000, 0, 0, 0, 0, 0, 15000, 5},
    // Every month of the tax period from the first to the last with income counts, months without
    // income between them too (art. 218 p. 1): January to November, when the income passes 350000.
    {"MonthsWithoutIncomeBetweenIncomeMonthsCount",
     [](mTDeclaration& d) {
         salary(d, 40000, 1, 3);
         AddMonthlyLines(d.ResidentIncome13(0), 2000, Rub(40000), 7, 12);
         d.StandardDeductions.SetChildrenCount(1);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code104;
     },
     0, 12 * 500, 11 * 1400, 0, 0, 0, 21400, 11},
    {"Code105FromTheFirstToTheLastIncomeMonth",
     [](mTDeclaration& d) {
         AddLine(AddSource13(d, "45000000", Rub(0), true), 2000, Rub(10000), 2);
         AddLine(d.ResidentIncome13(0), 2000, Rub(10000), 5);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     4 * 3000, 0, 0, 0, 0, 0, 12000, 4},
    {"TotalLimitedToYearIncome",
     [](mTDeclaration& d) {
         salary(d, 800, 1, 11);
         AddLine(d.ResidentIncome13(0), 2000, Rub(1200), 12);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     36000, 0, 0, 0, 0, 0, 10000, 12},
    {"NoWorkplaceSourceNothing",
     [](mTDeclaration& d) {
         AddMonthlyLines(AddSource13(d, "45000000", Rub(0), false), 2000, Rub(40000));
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
         d.StandardDeductions.SetChildrenCount(2);
     },
     0, 0, 0, 0, 0, 0, 0, 0},
    {"TwoChildrenTwoParentsStopInSeptember",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.SetChildrenCount(2);
     },
     0, 0, 22400, 0, 0, 0, 22400, 8},
    {"TwoChildrenSingleParent",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.ChildStatus = ChildDeductionStatus::SingleParent;
         d.StandardDeductions.SetChildrenCount(2);
     },
     0, 0, 0, 44800, 0, 0, 44800, 8},
    {"StatusChangedAfterMarch",
     [](mTDeclaration& d) {
         salary(d, 40000);
         auto& sd = d.StandardDeductions;
         sd.ChildStatus = ChildDeductionStatus::ChangedDuringYear;
         sd.SetChildrenCount(2);
         sd.MonthlyStatusPresent = true;
         for (int m = 0; m < 12; ++m)
             sd.SetMonthlySingleParentMark(m, m < 3 ? 0 : 1);
     },
     0, 0, 14000, 16800, 0, 0, 30800, 8},
    {"ThirdChildTwoParents",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.SetChildrenCount(2);
         d.StandardDeductions.SetThirdCount(1);
     },
     0, 0, 22400 + 24000, 0, 0, 0, 46400, 8},
    {"DisabledChildOfParents",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.SetDisabledCount(1);
     },
     0, 0, 0, 0, 96000, 0, 96000, 8},
    {"DisabledChildOfGuardian",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.SetDisabledCount(1);
         d.StandardDeductions.Guardian = true;
     },
     0, 0, 0, 0, 48000, 0, 48000, 8},
    {"DisabledChildSingleGuardian",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.ChildStatus = ChildDeductionStatus::SingleParent;
         d.StandardDeductions.SetDisabledCount(1);
         d.StandardDeductions.Guardian = true;
     },
     0, 0, 0, 0, 0, 96000, 96000, 8},
    {"MonthlyChildCounts",
     [](mTDeclaration& d) {
         salary(d, 40000);
         for (int m = 0; m < 12; ++m)
             d.StandardDeductions.SetMonthlyChildren(m, m < 6 ? 1 : 2);
     },
     0, 0, 6 * 1400 + 2 * 2800, 0, 0, 0, 14000, 8},
    {"ThresholdReachedExactlyInDecemberCounts",
     [](mTDeclaration& d) {
         salary(d, 30000, 1, 11);
         AddLine(d.ResidentIncome13(0), 2000, Rub(20000), 12);  // 350000 in December
         d.StandardDeductions.SetChildrenCount(1);
     },
     0, 0, 12 * 1400, 0, 0, 0, 16800, 12},
    {"JanuaryAboveThresholdNoChildren",
     [](mTDeclaration& d) {
         salary(d, 400000, 1, 1);
         d.StandardDeductions.SetChildrenCount(1);
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code104;
     },
     0, 500, 0, 0, 0, 0, 500, 0},
    {"LineDeductionReducesMonthIncome",
     [](mTDeclaration& d) {
         auto& s = AddSource13(d, "45000000", Rub(0), true);
         for (uint16_t m = 1; m <= 12; ++m)
             AddLine(s, 2000, Rub(50000), m, 403, Rub(10000));  // 40000 net a month
         d.StandardDeductions.SetChildrenCount(1);
     },
     0, 0, 8 * 1400, 0, 0, 0, 11200, 8},
    {"CodeChangedMonthly",
     [](mTDeclaration& d) {
         salary(d, 10000);
         auto& sd = d.StandardDeductions;
         sd.PersonalCode = PersonalDeductionCode::ChangedDuringYear;
         sd.MonthlyCodesPresent = true;
         for (int m = 0; m < 12; ++m)
             sd.SetMonthlyPersonalCode(m, m < 4 ? 1 : (m < 10 ? 2 : 0));
     },
     6 * 3000, 4 * 500, 0, 0, 0, 0, 20000, 12},
    {"EntrepreneurMonthsReplaceTheSalaryMonths",
     [](mTDeclaration& d) {
         salary(d, 40000);
         entrepreneurJanuary(d);
         d.SetIncomeFlags(kIncomeRussia | kIncomeBusiness);
     },
     3000, 0, 0, 0, 0, 0, 3000, 1},
    {"EntrepreneurMonthsIgnoredWithoutBusinessIncome",
     [](mTDeclaration& d) {
         salary(d, 40000);
         entrepreneurJanuary(d);
     },
     36000, 0, 0, 0, 0, 0, 36000, 8},
    {"NotGranted",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.StandardDeductions.Granted = false;
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     0, 0, 0, 0, 0, 0, 0, 0},
    {"NonResidentNothing",
     [](mTDeclaration& d) {
         salary(d, 40000);
         d.DeclarationForm = kForm3NdflNonResident;
         d.StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
     },
     0, 0, 0, 0, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(StandardDeductions, PrilE1Cases, testing::ValuesIn(kE1Cases),
                         [](const testing::TestParamInfo<E1Case>& i) { return i.param.name; });

// An entrepreneur's loss in a month is carried until covered; the marked months are the income months.
TEST(PrilE1, EntrepreneurMonthsCarryLosses) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeBusiness);
    auto& sd = doc->StandardDeductions;
    sd.EntrepreneurMonthsPresent = true;
    sd.SetMonthlyIncome(0, Rub(10000));
    sd.SetMonthlyExpense(0, Rub(30000));  // loss 20000
    sd.SetMonthlyIncome(1, Rub(15000));   // still 5000 short
    sd.SetMonthlyIncome(2, Rub(50000));
    sd.SetMonthlyIncome(3, Rub(400000));
    for (int m = 0; m < 4; ++m)
        sd.SetMonthMark(m, true);
    sd.SetChildrenCount(1);
    kTSvodSumPrilE1 e1;
    e1.Compute(*doc);
    EXPECT_EQ(e1.CumulativeIncomes[0], Rub(0));
    EXPECT_EQ(e1.CumulativeIncomes[1], Rub(0));
    EXPECT_EQ(e1.CumulativeIncomes[2], Rub(45000));
    EXPECT_EQ(e1.CumulativeIncomes[3], Rub(445000));
    EXPECT_EQ(e1.CumulativeIncomes[11], Rub(445000));
    EXPECT_EQ(e1.DeductionMonthsWithin350000, 3);
    EXPECT_EQ(e1.ВычСтРеб, Rub(3 * 1400));
    EXPECT_EQ(e1.MonthlyExpenses[0], Rub(30000));
}

TEST(PrilE1, ComputeAgainStartsFromZero) {
    auto doc = NewDeclaration();
    salary(*doc, 40000);
    doc->StandardDeductions.PersonalCode = PersonalDeductionCode::Code105;
    kTSvodSumPrilE1 e1;
    e1.Compute(*doc);
    e1.Compute(*doc);
    EXPECT_EQ(e1.ОбщВычСтанд, Rub(36000));
    EXPECT_EQ(e1.CumulativeIncomes[11], Rub(480000));
}

}  // namespace
}  // namespace zizaza
