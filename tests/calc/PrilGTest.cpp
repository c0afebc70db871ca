#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddNonResidentSource13;
using testsupport::AddSource13;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct ProfLine {
    int32_t incomeCode;
    int64_t income;
    int32_t deductionCode;
    int64_t deduction;
};

struct RowCase {
    std::string name;
    std::vector<ProfLine> lines;
    int row;
    int64_t income;
    int64_t deduction;
};

class ProfessionalRows : public testing::TestWithParam<RowCase> {};

TEST_P(ProfessionalRows, RussianLines) {
    const RowCase& c = GetParam();
    auto doc = NewDeclaration();
    mTThirteenPercent& source = AddSource13(*doc, "45000000", Rub(0));
    for (const ProfLine& l : c.lines)
        AddLine(source, l.incomeCode, Rub(l.income), 3, l.deductionCode, Rub(l.deduction));
    kTSvodSumPrilG g;
    ASSERT_TRUE(g.Compute(*doc));
    EXPECT_EQ(g.Row(c.row), (kTProfDeductionPair{Rub(c.income), Rub(c.deduction)}));
    EXPECT_EQ(g.РасходОбщИт, Rub(c.deduction));
}

INSTANTIATE_TEST_SUITE_P(
    PrilG, ProfessionalRows,
    testing::Values(
        RowCase{"CivilContractLimitedToIncome", {{2010, 100000, 403, 120000}}, 1, 100000, 100000},
        RowCase{"CivilContractWithoutItsCode", {{2010, 100000, 0, 0}}, 1, 0, 0},
        RowCase{"AuthorsFactual", {{2201, 50000, 404, 10000}, {2209, 30000, 404, 5000}}, 2, 80000, 15000},
        RowCase{"AuthorsByNorm", {{2205, 50000, 405, 15000}}, 3, 50000, 15000},
        RowCase{"CapitalSharesFactual", {{1540, 400000, 315, 300000}, {1542, 100000, 316, 50000}}, 4, 500000, 350000},
        // Two 905 deductions of 200000 and 150000 share the 250000 limit.
        RowCase{
            "CapitalShares905Limited", {{1540, 500000, 905, 200000}, {1540, 500000, 905, 150000}}, 4, 1000000, 250000},
        RowCase{
            "Row4LimitedAfter905Joins", {{1540, 100000, 315, 60000}, {1542, 100000, 907, 90000}}, 4, 200000, 150000},
        // A company share is property sold: each line's deduction stays within its own income.
        RowCase{"Row4LinesNotAboveTheirIncome",
                {{1540, 100000, 315, 60000}, {1542, 50000, 907, 200000}, {1540, 30000, 315, 50000}},
                4,
                180000,
                140000},
        RowCase{"Row5", {{1560, 10000, 317, 4000}}, 5, 10000, 4000},
        RowCase{"ForeignRow5CodeIsNotRussian", {{1544, 10000, 317, 4000}}, 5, 0, 0},
        RowCase{"Row6", {{1570, 10000, 318, 12000}}, 6, 10000, 10000},
        RowCase{"Row7", {{1550, 70000, 314, 30000}}, 7, 70000, 30000}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

TEST(PrilG, Limit905907SharedWithTheForeignSheet) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    mTThirteenPercent& source = AddSource13(*doc, "45000000", Rub(0));
    AddLine(source, 1540, Rub(300000), 3, 905, Rub(200000));
    AddLine(source, 1540, Rub(300000), 4, 905, Rub(150000));
    AddForeignIncome(*doc, 13, 1540, Rub(200000), Rub(0), 905, Rub(100000));
    kTSvodSumPrilG g;
    g.Compute(*doc);
    EXPECT_EQ(g.Total905907, Rub(250000));
    EXPECT_EQ(g.RemainingLimit905907(), Rub(0));
    kTSvodSumPrilG_In gIn;
    ASSERT_TRUE(gIn.Compute(*doc, g.RemainingLimit905907()));
    EXPECT_EQ(gIn.РасхФактУстКап, (kTProfDeductionPair{Rub(200000), Rub(0)}));
    EXPECT_EQ(gIn.РасходОбщИт, Rub(0));
}

TEST(PrilG, ForeignSheetGetsWhatIsLeftOfTheLimit) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 1542, Rub(300000), 3, 907, Rub(180000));
    AddForeignIncome(*doc, 13, 1540, Rub(150000), Rub(0), 905, Rub(100000));
    AddForeignIncome(*doc, 13, 1540, Rub(50000), Rub(0), 315, Rub(40000));
    kTSvodSumPrilG g;
    g.Compute(*doc);
    kTSvodSumPrilG_In gIn;
    gIn.Compute(*doc, g.RemainingLimit905907());
    EXPECT_EQ(gIn.Total905907, Rub(70000));
    EXPECT_EQ(gIn.РасхФактУстКап, (kTProfDeductionPair{Rub(200000), Rub(110000)}));
    EXPECT_EQ(gIn.РасходОбщИт, Rub(110000));
}

TEST(PrilG, ForeignRowsUseTheirOwnCodes) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeForeign);
    AddForeignIncome(*doc, 13, 1544, Rub(10000), Rub(0), 317, Rub(4000));
    AddForeignIncome(*doc, 13, 1545, Rub(10000), Rub(0), 318, Rub(12000));
    AddForeignIncome(*doc, 13, 1560, Rub(10000), Rub(0), 317, Rub(4000));  // a Russian code: no row
    AddForeignIncome(*doc, 13, 2010, Rub(10000), Rub(0), 403, Rub(2000));
    kTSvodSumPrilG_In gIn;
    gIn.Compute(*doc, Rub(250000));
    EXPECT_EQ(gIn.РасхФактПрдчСр, (kTProfDeductionPair{Rub(10000), Rub(4000)}));
    EXPECT_EQ(gIn.РасхФактУмДолУКО, (kTProfDeductionPair{Rub(10000), Rub(10000)}));
    EXPECT_EQ(gIn.РасхФактДогГПХ, (kTProfDeductionPair{Rub(10000), Rub(2000)}));
    EXPECT_EQ(gIn.РасходОбщИт, Rub(16000));
}

TEST(PrilG, ForeignSheetWithoutBit2AndNegativeLimit) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddForeignIncome(*doc, 13, 1540, Rub(50000), Rub(0), 905, Rub(10000));
    kTSvodSumPrilG_In gIn;
    gIn.Compute(*doc, Rub(-5000));  // nothing is left: the deduction is not reduced below 0
    EXPECT_EQ(gIn.РасхФактУстКап.Deduction, Rub(0));
    doc->SetIncomeFlags(kIncomeRussia);
    gIn.Compute(*doc, Rub(250000));
    EXPECT_EQ(gIn.РасхФактУстКап.Income, Rub(0));
}

// A non-resident's 13% income takes no deductions of art. 218-221, professional ones included.
TEST(PrilG, NonResidentHasNone) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddLine(AddNonResidentSource13(*doc, "45000000", Rub(0)), 2010, Rub(100000), 3, 403, Rub(30000));
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2010, Rub(100000), 3, 403, Rub(30000));
    kTSvodSumPrilG g;
    g.Compute(*doc);
    EXPECT_EQ(g.РасхФактДогГПХ, kTProfDeductionPair());
    EXPECT_EQ(g.РасходОбщИт, Rub(0));
}

TEST(PrilG, RowNumbersOutsideOneToSevenThrow) {
    kTSvodSumPrilG g;
    EXPECT_THROW(g.Row(0), std::out_of_range);
    EXPECT_THROW(g.Row(8), std::out_of_range);
}

}  // namespace
}  // namespace zizaza
