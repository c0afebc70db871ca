#include "calc/kTSvodSumPrilA35.h"
#include "calc/kTSvodSumPrilM.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddSource13;
using testsupport::AddSource35;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct ExemptLine {
    int32_t incomeCode;
    int64_t income;
    int32_t deductionCode;
    int64_t deduction;
};

struct ExemptCase {
    std::string name;
    std::vector<ExemptLine> lines;
    kTExemptIncome kTSvodSumPrilM::*kind;
    int64_t income;
    int64_t exempt;
};

class ExemptKinds : public testing::TestWithParam<ExemptCase> {};

TEST_P(ExemptKinds, LimitedPerLineAndPerKind) {
    const ExemptCase& c = GetParam();
    auto doc = NewDeclaration();
    mTThirteenPercent& source = AddSource13(*doc, "45000000", Rub(0));
    for (const ExemptLine& l : c.lines)
        AddLine(source, l.incomeCode, Rub(l.income), 6, l.deductionCode, Rub(l.deduction));
    kTSvodSumPrilM m;
    ASSERT_TRUE(m.Compute(*doc));
    EXPECT_EQ(m.*c.kind, (kTExemptIncome{Rub(c.income), Rub(c.exempt)}));
    EXPECT_EQ(m.ДохНеНалОбщ, Rub(c.exempt));
}

INSTANTIATE_TEST_SUITE_P(
    PrilM, ExemptKinds,
    testing::Values(
        ExemptCase{"TwoGiftsShareTheLimit",
                   {{2720, 3000, 501, 3000}, {2720, 3000, 501, 3000}},
                   &kTSvodSumPrilM::ПодарНП,
                   6000,
                   4000},
        ExemptCase{"GiftBelowTheLimit", {{2720, 2500, 501, 2500}}, &kTSvodSumPrilM::ПодарНП, 2500, 2500},
        ExemptCase{"GiftWithoutItsDeduction", {{2720, 2500, 0, 0}}, &kTSvodSumPrilM::ПодарНП, 2500, 0},
        ExemptCase{"GiftWithAnotherDeduction", {{2720, 2500, 503, 2500}}, &kTSvodSumPrilM::ПодарНП, 2500, 0},
        // The line's income, not its deduction amount, is limited.
        ExemptCase{"AidToEmployeesTakesIncome", {{2760, 3000, 503, 100}}, &kTSvodSumPrilM::МатПомРаб, 3000, 3000},
        ExemptCase{"BirthAidTakesTheDeduction", {{2762, 80000, 508, 50000}}, &kTSvodSumPrilM::МатПомРожд, 80000, 50000},
        ExemptCase{
            "BirthAidExemptNeverAboveTheAid", {{2762, 30000, 508, 50000}}, &kTSvodSumPrilM::МатПомРожд, 30000, 30000},
        ExemptCase{"BirthAidExemptAtMost50000", {{2762, 90000, 508, 70000}}, &kTSvodSumPrilM::МатПомРожд, 90000, 50000},
        ExemptCase{"BirthAidForTwoChildren",
                   {{2762, 50000, 508, 50000}, {2762, 50000, 508, 50000}},
                   &kTSvodSumPrilM::МатПомРожд,
                   100000,
                   100000},
        ExemptCase{"PensionContributions12000", {{1211, 20000, 510, 20000}}, &kTSvodSumPrilM::ДопСВПенс, 20000, 12000},
        ExemptCase{"AidToDisabled", {{2761, 5000, 506, 5000}}, &kTSvodSumPrilM::МатПомИнв, 5000, 4000},
        ExemptCase{"CompetitionPrizes",
                   {{2730, 1000, 502, 1000}, {2730, 4000, 502, 4000}},
                   &kTSvodSumPrilM::ПризНП,
                   5000,
                   4000},
        ExemptCase{"Medicines", {{2770, 3999, 504, 3999}}, &kTSvodSumPrilM::ВозмМед, 3999, 3999},
        ExemptCase{"VeteransAid10000",
                   {{2790, 7000, 507, 7000}, {2790, 7000, 507, 7000}},
                   &kTSvodSumPrilM::ПомПодар,
                   14000,
                   10000}),
    [](const testing::TestParamInfo<ExemptCase>& info) { return info.param.name; });

TEST(PrilM, ForeignIncomesJoinTheRussianOnes) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2720, Rub(3000), 6, 501, Rub(3000));
    AddForeignIncome(*doc, 13, 2720, Rub(2000), Rub(0), 501, Rub(2000));
    AddForeignIncome(*doc, 13, 2760, Rub(1000), Rub(0), 503, Rub(1000));
    kTSvodSumPrilM m;
    m.Compute(*doc);
    EXPECT_EQ(m.ПодарНП, (kTExemptIncome{Rub(5000), Rub(4000)}));
    EXPECT_EQ(m.МатПомРаб, (kTExemptIncome{Rub(1000), Rub(1000)}));
    EXPECT_EQ(m.ДохНеНалОбщ, Rub(5000));
    EXPECT_EQ(m.НатОплСХ, kTExemptIncome());
}

TEST(PrilM, ForeignIncomesAloneAreCounted) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeForeign);
    AddForeignIncome(*doc, 13, 2770, Rub(1500), Rub(0), 504, Rub(1500));
    kTSvodSumPrilM m;
    m.Compute(*doc);
    EXPECT_EQ(m.ВозмМед, (kTExemptIncome{Rub(1500), Rub(1500)}));
}

TEST(PrilM, ResidentPrizesShareOneLimitInListOrder) {
    auto doc = NewDeclaration();
    AddSource35(*doc, "45000000", 2740, Rub(10000), Rub(0), 502, Rub(3000));
    AddSource35(*doc, "45000000", 2610, Rub(5000), Rub(0), 502, Rub(3000));
    AddSource35(*doc, "45000000", 2740, Amount("10000.50"), Rub(0), 502, Rub(3000));
    AddSource35(*doc, "45000000", 2740, Rub(7000), Rub(0));
    AddSource35(*doc, "45000000", 2740, Rub(2000), Rub(0), 502, Rub(2000));
    // The figures of the 35% income sheet, which the prizes replace.
    kTSvodSumPrilA35 a35;
    a35.Sources.assign(5, kTSourceTax35());
    a35.Sources[3].TaxableAmount = Rub(7000);
    kTSvodSumPrilM m;
    ASSERT_TRUE(m.Compute(*doc, &a35));
    EXPECT_EQ(a35.Source(0).TaxableAmount, Rub(7000));
    EXPECT_EQ(a35.Source(0).TaxComputed, Rub(2450));
    // What is left of the 4000 is 1000; 35% of 9000.50 is 3150.175.
    EXPECT_EQ(a35.Source(2).TaxableAmount, Amount("9000.50"));
    EXPECT_EQ(a35.Source(2).TaxComputed, Rub(3150));
    EXPECT_EQ(a35.Source(4).TaxableAmount, Rub(2000));
    EXPECT_EQ(a35.Source(4).TaxComputed, Rub(700));
    EXPECT_EQ(a35.Source(3).TaxableAmount, Rub(7000));
    EXPECT_EQ(a35.Source(3).TaxComputed, Rub(0));
    EXPECT_EQ(a35.Source(1).TaxableAmount, Rub(0));
    EXPECT_EQ(m.ПризРекл, (kTExemptIncome{Amount("22000.50"), Rub(4000)}));
    EXPECT_EQ(m.ДохНеНалОбщ, Rub(0));  // prizes are apart from the other exempt incomes
}

TEST(PrilM, ResidentPrizeExemptNeverAboveItsIncome) {
    auto doc = NewDeclaration();
    AddSource35(*doc, "45000000", 2740, Rub(1000), Rub(0), 502, Rub(3000));
    AddSource35(*doc, "45000000", 2740, Rub(5000), Rub(0), 502, Rub(5000));
    kTSvodSumPrilA35 a35;
    a35.Compute(*doc);
    kTSvodSumPrilM m;
    m.Compute(*doc, &a35);
    EXPECT_EQ(a35.Source(0).TaxableAmount, Rub(0));
    EXPECT_EQ(a35.Source(1).TaxableAmount, Rub(2000));
    EXPECT_EQ(m.ПризРекл.ДоходНеНал, Rub(4000));
}

TEST(PrilM, NonResidentPrizesFromThirtyPercentLines) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    mTThirteenPercent& source = AddSource13(*doc, "45000000", Rub(0));
    AddLine(source, 2740, Rub(3000), 6, 502, Rub(3000));
    AddLine(source, 2740, Rub(2000), 7, 502, Rub(2000));
    AddLine(source, 2740, Rub(9000), 8);  // no deduction code: not a prize of this sheet
    AddLine(source, 2720, Rub(3000), 8, 501, Rub(3000));
    AddSource35(*doc, "45000000", 2740, Rub(10000), Rub(0), 502, Rub(3000));
    kTSvodSumPrilA35 a35;
    a35.Sources.assign(1, kTSourceTax35());
    kTSvodSumPrilM m;
    m.Compute(*doc, &a35);
    EXPECT_EQ(m.ПризРекл, (kTExemptIncome{Rub(5000), Rub(4000)}));
    EXPECT_EQ(m.ПодарНП, (kTExemptIncome{Rub(3000), Rub(3000)}));
    EXPECT_EQ(a35.Source(0).TaxableAmount, Rub(0));  // 35% sources are a resident's
}

TEST(PrilM, NonResidentPrizeExemptNeverAboveItsIncome) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2740, Rub(1000), 6, 502, Rub(3000));
    kTSvodSumPrilM m;
    m.Compute(*doc);
    EXPECT_EQ(m.ПризРекл, (kTExemptIncome{Rub(1000), Rub(1000)}));
}

}  // namespace
}  // namespace zizaza
