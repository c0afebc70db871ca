#include "calc/kTSvodSumPrilH1.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddSource13;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct SaleLine {
    bool foreign;
    int32_t incomeCode, deductionCode;
    int64_t income, deduction;
};

struct H1Case {
    const char* name;
    std::vector<SaleLine> lines;
    // Expected deductions of the pairs in order, then the total.
    std::vector<int64_t> deductions;
    int64_t total;
};

class PrilH1Cases : public testing::TestWithParam<H1Case> {};

TEST_P(PrilH1Cases, Deductions) {
    const H1Case& c = GetParam();
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    mTThirteenPercent& s = AddSource13(*doc, "45000000", Rub(0));
    for (const SaleLine& l : c.lines) {
        if (l.foreign)
            AddForeignIncome(*doc, 13, l.incomeCode, Rub(l.income), Rub(0), l.deductionCode, Rub(l.deduction));
        else
            AddLine(s, l.incomeCode, Rub(l.income), 5, l.deductionCode, Rub(l.deduction));
    }
    kTSvodSumPrilH1 h1;
    ASSERT_TRUE(h1.Compute(*doc));
    const kTSaleDeductionPair* pairs[] = {&h1.СумИмущ,         &h1.СумДолИмущ, &h1.СумИмущДок,   &h1.СумИнНедИмущ,
                                          &h1.СумИнНедИмущДок, &h1.СумИнИмущ,  &h1.СумИнИмущДок, &h1.СумИзтИмущ,
                                          &h1.СумЛиквИО,       &h1.СумИмущКИК};
    ASSERT_EQ(c.deductions.size(), 10u);
    for (size_t i = 0; i < 10; ++i)
        EXPECT_EQ(pairs[i]->НалВычет, Rub(c.deductions[i])) << "pair " << i + 1;
    EXPECT_EQ(h1.ВычетОбщ, Rub(c.total));
}

const H1Case kH1Cases[] = {
    {"TwoHousingSalesShareTheLimit",
     {{false, 1510, 901, 600000, 0}, {false, 1510, 901, 700000, 0}},
     {1000000, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1000000},
    {"OneHousingSaleBelowLimit", {{false, 1510, 901, 300000, 0}}, {300000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 300000},
    // The shared limit falls by the deduction each line takes: 1000000, 700000, 400000, then 0.
    {"LimitReducedByTheDeductionTaken",
     {{false, 1510, 901, 300000, 0}, {false, 1510, 901, 300000, 0}, {false, 1511, 904, 500000, 400000}},
     {600000, 400000, 0, 0, 0, 0, 0, 0, 0, 0},
     1000000},
    // A share's claim above its income takes only the income from the limit.
    {"ShareClaimAboveIncomeTakesOnlyTheIncome",
     {{false, 1511, 904, 200000, 300000}, {false, 1510, 901, 900000, 0}},
     {800000, 200000, 0, 0, 0, 0, 0, 0, 0, 0},
     1000000},
    {"ForeignHousingSaleSharesTheLimit",
     {{false, 1510, 901, 800000, 0}, {true, 1510, 901, 500000, 0}, {true, 1511, 904, 100000, 100000}},
     {1000000, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     1000000},
    {"OtherRealEstateLimit", {{false, 1512, 902, 500000, 400000}}, {0, 0, 0, 250000, 0, 0, 0, 0, 0, 0}, 250000},
    {"OtherPropertyLimit", {{false, 1520, 906, 300000, 280000}}, {0, 0, 0, 0, 0, 250000, 0, 0, 0, 0}, 250000},
    {"ExpensesLimitedToIncome",
     {{false, 1510, 903, 2000000, 2500000}, {false, 1512, 903, 100000, 150000}, {false, 1520, 903, 50000, 40000}},
     {0, 0, 2000000, 0, 100000, 0, 40000, 0, 0, 0},
     2140000},
    {"ShareSoldWithExpensesCappedPerLine",
     {{false, 1511, 903, 100000, 150000}, {false, 1510, 903, 500000, 100000}},
     {0, 0, 200000, 0, 0, 0, 0, 0, 0, 0},
     200000},
    {"ForeignShareTakesTheSmallerOfIncomeAndClaim",
     {{true, 1511, 904, 300000, 500000}, {false, 1511, 904, 900000, 900000}},
     {0, 1000000, 0, 0, 0, 0, 0, 0, 0, 0},
     1000000},
    {"ForeignOtherPropertyLimitedAtOnce",
     {{true, 1520, 906, 100000, 200000}, {true, 1520, 906, 100000, 0}},
     {0, 0, 0, 0, 0, 100000, 0, 0, 0, 0},
     100000},
    {"TakenForStateNeedsLiquidationCfc",
     {{false, 4900, 908, 800000, 800000}, {true, 4910, 910, 50000, 60000}, {false, 4920, 912, 70000, 30000}},
     {0, 0, 0, 0, 0, 0, 0, 800000, 50000, 30000},
     880000},
    // Each object's expenses reduce only its own income (art. 220 p. 2 pp. 2).
    {"LossAbroadDoesNotCoverTheGainAtHome",
     {{true, 1510, 903, 6000000, 6752556}, {false, 1510, 903, 1752556, 752556}},
     {0, 0, 6752556, 0, 0, 0, 0, 0, 0, 0},
     6752556},
    {"OtherRealEstateClaimsPerObject",
     {{false, 1512, 902, 100000, 150000}, {false, 1512, 902, 300000, 50000}},
     {0, 0, 0, 150000, 0, 0, 0, 0, 0, 0},
     150000},
    {"ForeignOtherRealEstateExpensesPerObject",
     {{true, 1512, 903, 100000, 300000}, {false, 1512, 903, 200000, 0}},
     {0, 0, 0, 0, 100000, 0, 0, 0, 0, 0},
     100000},
    {"UnknownPairsIgnored",
     {{false, 1510, 902, 100000, 100000}, {false, 2000, 0, 100000, 0}},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     0},
};

INSTANTIATE_TEST_SUITE_P(SaleDeductions, PrilH1Cases, testing::ValuesIn(kH1Cases),
                         [](const testing::TestParamInfo<H1Case>& i) { return std::string(i.param.name); });

TEST(PrilH1, IncomesAddedInFull) {
    auto doc = NewDeclaration();
    mTThirteenPercent& s = AddSource13(*doc, "45000000", Rub(0));
    AddLine(s, 1510, Rub(600000), 3, 901);
    AddLine(s, 1510, Rub(700000), 4, 901);
    AddLine(s, 1512, Rub(500000), 4, 902, Rub(400000));
    kTSvodSumPrilH1 h1;
    h1.Compute(*doc);
    EXPECT_EQ(h1.СумИмущ.ДохВсехИст, Rub(1300000));
    EXPECT_EQ(h1.СумИнНедИмущ.ДохВсехИст, Rub(500000));
    EXPECT_EQ(h1.СумИнНедИмущ.РасхДок(), h1.СумИнНедИмущ.НалВычет);
}

// Other property gets what the company shares (905, 907) left of the one 250000.
TEST(PrilH1, OtherPropertyTakesWhatTheCompanySharesLeft) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 1520, Rub(300000), 4, 906, Rub(250000));
    kTSvodSumPrilH1 h1;
    for (auto [left, deduction] : {std::pair{250000, 250000}, {50000, 50000}, {0, 0}, {-10, 0}}) {
        h1.Compute(*doc, Rub(left));
        EXPECT_EQ(h1.СумИнИмущ.НалВычет, Rub(deduction)) << left;
    }
}

TEST(PrilH1, NonResidentStaysZero) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 1510, Rub(600000), 3, 901);
    kTSvodSumPrilH1 h1;
    EXPECT_TRUE(h1.Compute(*doc));
    EXPECT_EQ(h1.ВычетОбщ, Rub(0));
    EXPECT_EQ(h1.СумИмущ.ДохВсехИст, Rub(0));
}

}  // namespace
}  // namespace zizaza
