#include "calc/kTSvodSumPrilB.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

std::unique_ptr<mTDeclaration> foreignDeclaration() {
    return NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
}

struct RateCase {
    std::string name;
    int32_t rateCode;
    int32_t incomeCode;
    int sheetRate;  // 0: no sheet takes it
};

class ForeignRateCodes : public testing::TestWithParam<RateCase> {};

TEST_P(ForeignRateCodes, GoToTheirSheet) {
    const RateCase& c = GetParam();
    auto doc = foreignDeclaration();
    AddForeignIncome(*doc, c.rateCode, c.incomeCode, Rub(10000), Rub(0));
    for (int rate : {13, 9, 35}) {
        kTSvodSumPrilB b(rate);
        ASSERT_TRUE(b.Compute(*doc));
        EXPECT_EQ(b.LineCount(), rate == c.sheetRate ? 1u : 0u) << "sheet " << rate;
    }
}

INSTANTIATE_TEST_SUITE_P(PrilB, ForeignRateCodes,
                         testing::Values(RateCase{"Rate13", 13, 4800, 13}, RateCase{"Dividends14", 14, 1010, 13},
                                         RateCase{"CfcProfit99", 99, 1000, 13}, RateCase{"Rate9", 9, 4800, 9},
                                         RateCase{"Rate10", 10, 1011, 9}, RateCase{"Rate35", 35, 2610, 35},
                                         RateCase{"Rate36", 36, 2610, 35}, RateCase{"Rate30", 30, 4800, 0},
                                         RateCase{"Rate15", 15, 1010, 0}, RateCase{"Code2620Excluded", 35, 2620, 0},
                                         RateCase{"Code2620ExcludedAt13", 13, 2620, 0}),
                         [](const testing::TestParamInfo<RateCase>& info) { return info.param.name; });

struct TaxCase {
    std::string name;
    int32_t incomeCode;
    const char* income;
    const char* foreignTax;
    const char* deduction;
    const char* russianTax;
    const char* credit;
};

class ForeignTaxAndCredit : public testing::TestWithParam<TaxCase> {};

TEST_P(ForeignTaxAndCredit, AtThirteenPercent) {
    const TaxCase& c = GetParam();
    auto doc = foreignDeclaration();
    AddForeignIncome(*doc, 13, c.incomeCode, Amount(c.income), Amount(c.foreignTax), c.deduction[0] ? 201 : 0,
                     Amount(c.deduction[0] ? c.deduction : "0"));
    kTSvodSumPrilB b(13);
    b.Compute(*doc);
    ASSERT_EQ(b.LineCount(), 1u);
    EXPECT_EQ(b.Lines[0].RussianTaxComputed, Amount(c.russianTax));
    EXPECT_EQ(b.Lines[0].Credit, Amount(c.credit));
}

INSTANTIATE_TEST_SUITE_P(PrilB, ForeignTaxAndCredit,
                         testing::Values(TaxCase{"DividendLowForeignTax", 1010, "10000", "500", "", "1300", "500"},
                                         TaxCase{"DividendHighForeignTax", 1010, "10000", "2000", "", "1300", "1300"},
                                         TaxCase{"EqualTaxes", 4800, "10000", "1300", "", "1300", "1300"},
                                         TaxCase{"DeductionAboveIncome", 4800, "100", "10", "150", "0", "0"},
                                         TaxCase{"DeductionReducesBase", 4800, "10000", "2000", "4000", "780", "780"},
                                         // 13 × 1000.05 = 13000.65 kopecks: rounded half up to kopecks
                                         TaxCase{"RoundedToKopecks", 4800, "1000.05", "500", "", "130.01", "130.01"},
                                         TaxCase{"LiquidationBearsNoTax", 1001, "10000", "500", "", "0", "0"},
                                         TaxCase{"CfcDividendsBearNoTax", 1012, "10000", "500", "", "0", "0"}),
                         [](const testing::TestParamInfo<TaxCase>& info) { return info.param.name; });

TEST(PrilB, TotalsByKindOfIncome) {
    auto doc = foreignDeclaration();
    AddForeignIncome(*doc, 99, 1000, Rub(100000), Rub(5000));  // CFC profit: tax 13000
    AddForeignIncome(*doc, 14, 1010, Rub(10000), Rub(500));    // dividends: tax 1300
    AddForeignIncome(*doc, 14, 1012, Rub(20000), Rub(1000));   // CFC dividends: no tax
    AddForeignIncome(*doc, 13, 1001, Rub(30000), Rub(0));      // liquidation: no tax
    AddForeignIncome(*doc, 13, 4800, Rub(40000), Rub(6000));   // other: tax 5200
    AddForeignIncome(*doc, 9, 4800, Rub(1000000), Rub(0));     // another sheet's
    kTSvodSumPrilB b(13);
    ASSERT_TRUE(b.Compute(*doc));
    ASSERT_EQ(b.LineCount(), 5u);
    EXPECT_EQ(b.CfcIncome, Rub(100000));
    EXPECT_EQ(b.CfcCredit, Rub(5000));
    EXPECT_EQ(b.DividendIncome, Rub(30000));
    EXPECT_EQ(b.DividendTaxComputed, Rub(1300));
    EXPECT_EQ(b.DividendCredit, Rub(500));
    EXPECT_EQ(b.OtherIncome, Rub(70000));  // 1001 is among the other incomes
    EXPECT_EQ(b.OtherCredit, Rub(5200));
    EXPECT_EQ(b.ForeignTax, Rub(12500));
    EXPECT_EQ(b.LiquidationIncome, Rub(30000));
    EXPECT_EQ(b.CfcDividendIncome, Rub(20000));
    EXPECT_EQ(b.Lines[0].IncomeKind, "1");
    EXPECT_EQ(b.Lines[1].IncomeKind, "2");
    EXPECT_EQ(b.Lines[2].CfcDividendIncome, Rub(20000));
    EXPECT_EQ(b.Lines[2].LiquidationIncome, Rub(0));
    EXPECT_EQ(b.Lines[3].LiquidationIncome, Rub(30000));
}

TEST(PrilB, LineCopiesTheRecordWithRateTexts) {
    auto doc = foreignDeclaration();
    mTCurrencyIncome& r = AddForeignIncome(*doc, 13, 4800, Rub(0), Rub(0), 403, Rub(10));
    r.IncomeRate = Amount("6420.25");
    r.IncomeUnits = 100;
    r.SetIncomeInCurrency(Amount("250.129"));  // 16058.9...; the text keeps two decimals, cut off
    r.TaxRate = Amount("59.8761");
    r.TaxUnits = 0;  // no rate known: no rate text, no tax in roubles
    r.SetTaxInCurrency(Rub(10));
    r.IncomeDate = Date::Ymd(2017, 3, 15);
    r.TaxPaymentDate = Date::Ymd(2017, 4, 1);
    r.CfcNumber = "7";
    r.CfcProfitRule = static_cast<CfcProfitRule>(0x0102);
    kTSvodSumPrilB b(13);
    b.Compute(*doc);
    ASSERT_EQ(b.LineCount(), 1u);
    const DohodCur& line = b.Lines[0];
    EXPECT_EQ(line.CountryCode, "840");
    EXPECT_EQ(line.CurrencyCode, "840");
    EXPECT_EQ(line.CurrencyName, "Доллар США");
    EXPECT_EQ(line.SourceName, "Foreign Payer Ltd");
    EXPECT_EQ(line.IncomeDate, Date::Ymd(2017, 3, 15));
    EXPECT_EQ(line.TaxPaymentDate, Date::Ymd(2017, 4, 1));
    EXPECT_EQ(line.IncomeRateText, "64.2025");
    EXPECT_EQ(line.IncomeInCurrency, "250.12");
    EXPECT_EQ(line.IncomeInRoubles, r.IncomeInRoubles);
    EXPECT_EQ(line.TaxRateText, "");
    EXPECT_EQ(line.TaxInCurrency, "10.00");
    EXPECT_EQ(line.TaxInRoubles, Rub(0));
    EXPECT_EQ(line.IncomeCode, 4800);
    EXPECT_EQ(line.DeductionCode, 403);
    EXPECT_EQ(line.DeductionAmount, Rub(10));
    EXPECT_EQ(line.CfcNumber, "7");
    EXPECT_EQ(line.CfcProfitRule, 2);
    EXPECT_EQ(line.Credit, Rub(0));
}

TEST(PrilB, NothingWithoutForeignIncomes) {
    auto doc = foreignDeclaration();
    AddForeignIncome(*doc, 13, 4800, Rub(10000), Rub(0));
    // Clearing bit 2 frees the records; the sheet looks at the bit in any case.
    doc->SetIncomeFlags(kIncomeRussia);
    kTSvodSumPrilB b(13);
    ASSERT_TRUE(b.Compute(*doc));
    EXPECT_EQ(b.LineCount(), 0u);
    EXPECT_EQ(b.OtherIncome, Rub(0));
}

}  // namespace
}  // namespace zizaza
