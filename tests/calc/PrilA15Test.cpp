#include "calc/SheetMath.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA9.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace zizaza {
namespace {

using testsupport::AddDividendSource;
using testsupport::AddSource9;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct RoundingCase {
    std::string name;
    const char* amount;
    int64_t percent;
    const char* wholeRoubles;  // PercentInWholeRoubles
    const char* kopecks;       // PercentInKopecks
};

class PercentRounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(PercentRounding, WholeRoublesAndKopecks) {
    const RoundingCase& c = GetParam();
    EXPECT_EQ(PercentInWholeRoubles(Amount(c.amount), c.percent), Amount(c.wholeRoubles));
    EXPECT_EQ(PercentInKopecks(Amount(c.amount), c.percent), Amount(c.kopecks));
}

INSTANTIATE_TEST_SUITE_P(PrilA15, PercentRounding,
                         testing::Values(
                             // 1500.06 and 1500.06
                             RoundingCase{"DividendOfTenThousandForty", "10000.40", 15, "1500", "1500.06"},
                             // 150.075: the kopeck half goes up
                             RoundingCase{"ThousandFifty", "1000.50", 15, "150", "150.08"},
                             RoundingCase{"ThousandThreeForty", "1003.40", 15, "151", "150.51"},
                             // 13000.5005 and 13000.494
                             RoundingCase{"JustAboveAHalf", "100003.85", 13, "13001", "13000.50"},
                             RoundingCase{"JustBelowAHalf", "100003.80", 13, "13000", "13000.49"},
                             // 1.5 exactly
                             RoundingCase{"ExactHalf", "10", 15, "2", "1.5"},
                             // -1.5 and -0.015: negative values are truncated toward zero
                             RoundingCase{"NegativeTruncates", "-10", 15, "-1", "-1.5"},
                             RoundingCase{"NegativeKopecksTruncate", "-0.10", 15, "0", "-0.01"},
                             RoundingCase{"Zero", "0", 35, "0", "0"},
                             // far beyond what a double holds to the ten-thousandth
                             RoundingCase{"Large", "900000000000.0001", 35, "315000000000", "315000000000"}),
                         [](const testing::TestParamInfo<RoundingCase>& info) { return info.param.name; });

TEST(PrilA15, NonResidentDividendsAtFifteenPercentOfEachSource) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    // The sources' own tax computed (at 13%) is not used.
    AddDividendSource(*doc, "45000000", Amount("10000.40"), Amount("10000.40"), Rub(1300), Rub(1300));
    AddDividendSource(*doc, "46000000", Amount("1000.50"), Amount("1000.50"), Rub(130), Rub(0));
    kTSvodSumPrilA15 a15;
    ASSERT_TRUE(a15.Compute(*doc));
    EXPECT_EQ(a15.TotalIncome, Amount("11000.90"));
    EXPECT_EQ(a15.TaxableAmount, Amount("11000.90"));
    // 1500 + 150 source by source; 15% of the sum would give 1650.135 rounded the same here, so
    // the next case tells them apart.
    EXPECT_EQ(a15.TaxComputed, Rub(1650));
    EXPECT_EQ(a15.TaxWithheld, Rub(1300));
    EXPECT_EQ(a15.KindCodes.Of(SourceList::Incomes30, 0), "08");
    EXPECT_EQ(a15.KindCodes.Of(SourceList::Incomes30, 1), "08");
    EXPECT_EQ(doc->Income30(0).TaxComputed, Rub(1300));
}

TEST(PrilA15, RoundsEachSourceOnItsOwn) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    // 15% of 10 roubles each is 1.5, rounded to 2 each: 6; 15% of the sum would be 4.5, i.e. 5.
    for (int i = 0; i < 3; ++i)
        AddDividendSource(*doc, "45000000", Rub(10), Rub(10), Rub(0), Rub(0));
    kTSvodSumPrilA15 a15;
    a15.Compute(*doc);
    EXPECT_EQ(a15.TaxComputed, Rub(6));
}

TEST(PrilA15, ResidentSheetStaysZero) {
    auto doc = NewDeclaration();
    AddDividendSource(*doc, "45000000", Rub(10000), Rub(10000), Rub(1300), Rub(1300));
    kTSvodSumPrilA15 a15;
    ASSERT_TRUE(a15.Compute(*doc));
    EXPECT_EQ(a15.TotalIncome, Rub(0));
    EXPECT_EQ(a15.TaxComputed, Rub(0));
    EXPECT_EQ(a15.KindCodes.Of(SourceList::Incomes30, 0), "");
}

TEST(PrilA9, ResidentSourcesWithCode10) {
    auto doc = NewDeclaration();
    mTThirtyPercent& first = AddSource9(*doc, "45000000", Rub(50000), Rub(4500));
    first.TaxComputed = Rub(4500);
    mTThirtyPercent& second = AddSource9(*doc, "46000000", Amount("20000.30"), Rub(0));
    second.TaxComputed = Rub(1800);
    kTSvodSumPrilA9 a9;
    ASSERT_TRUE(a9.Compute(*doc));
    EXPECT_EQ(a9.TotalIncome, Amount("70000.30"));
    EXPECT_EQ(a9.TaxableAmount, Amount("70000.30"));
    EXPECT_EQ(a9.TaxComputed, Rub(6300));
    EXPECT_EQ(a9.TaxWithheld, Rub(4500));
    EXPECT_EQ(a9.KindCodes.Of(SourceList::Incomes9, 0), "10");
    EXPECT_EQ(a9.KindCodes.Of(SourceList::Incomes9, 1), "10");
}

TEST(PrilA9, NonResidentSheetStaysZero) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddSource9(*doc, "45000000", Rub(50000), Rub(4500));
    kTSvodSumPrilA9 a9;
    ASSERT_TRUE(a9.Compute(*doc));
    EXPECT_EQ(a9.TotalIncome, Rub(0));
    EXPECT_EQ(a9.TaxWithheld, Rub(0));
}

}  // namespace
}  // namespace zizaza
