#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA30.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddDividendSource;
using testsupport::AddLine;
using testsupport::AddNonResidentSource13;
using testsupport::AddSource13;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct LineSpec {
    int32_t code;
    int64_t income = 100000;
    bool acquiredAfter2016 = false;
    int64_t contractPrice = 0;
};

struct KindCase {
    std::string name;
    std::vector<LineSpec> lines;
    std::string expected;
    int64_t taxComputed = 0;
    int64_t taxWithheld = 0;
};

mTSourseIncome saleLine(const LineSpec& given) {
    mTSourseIncome line;
    line.IncomeCode = given.code;
    line.IncomeAmount = Rub(given.income);
    line.Month = 5;
    line.AcquiredAfter2016 = given.acquiredAfter2016;
    line.CadastralNumber = "77:01:0004011:1234";
    line.CadastralValue = Rub(4000000);
    line.ContractPrice = Rub(given.contractPrice);
    return line;
}

class IncomeKindCodes : public testing::TestWithParam<KindCase> {};

TEST_P(IncomeKindCodes, OfResidentSource) {
    const KindCase& c = GetParam();
    auto doc = NewDeclaration();
    mTThirteenPercent& source = AddSource13(*doc, "45000000", Rub(c.taxWithheld));
    source.TaxComputed = Rub(c.taxComputed);
    for (const LineSpec& given : c.lines)
        source.AddLine(saleLine(given));
    kTSvodSumPrilA13 a13;
    // A code left from an earlier computation of another document.
    auto earlier = NewDeclaration();
    AddLine(AddSource13(*earlier, "45000000", Rub(0)), 2720, Rub(1000), 1);
    ASSERT_TRUE(a13.Compute(*earlier));
    ASSERT_EQ(a13.KindCodes.Of(SourceList::ResidentIncomes13, 0), "05");
    ASSERT_TRUE(a13.Compute(*doc));
    EXPECT_EQ(a13.KindCodes.Of(SourceList::ResidentIncomes13, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PrilA13, IncomeKindCodes,
    testing::Values(
        KindCase{"NoLinesGivesEmptyCode", {}, ""}, KindCase{"SalaryThenRoyaltyStays06", {{2000}, {1400}}, "06"},
        KindCase{"RoyaltyThenSalaryBecomes06", {{1400}, {2000}}, "06"}, KindCase{"CivilContractIs06", {{2010}}, "06"},
        KindCase{"RentAndPropertySaleGive10", {{1400}, {1520}}, "10"},
        KindCase{"RoyaltiesOfBothCodesAre04", {{1400}, {2400}}, "04"}, KindCase{"SecuritiesOnlyIs03", {{1530}}, "03"},
        KindCase{"ProgramSecuritiesCodeIs03", {{9537}, {1553}}, "03"},
        KindCase{"CodeOutsideSecuritiesRangesIs10", {{1540}}, "10"}, KindCase{"PropertyRightsAre02", {{1520}}, "02"},
        KindCase{"GiftsAndAidAre05", {{2720}, {2790}, {2220}}, "05"}, KindCase{"OtherIncomeIs10", {{4800}}, "10"},
        KindCase{"OtherThenSalaryIs06", {{4800}, {2000}}, "06"},
        KindCase{"SalaryUnderwithheldIs07", {{2000}}, "07", 13000, 12000},
        KindCase{"SalaryFullyWithheldStays06", {{2000}}, "06", 13000, 13000},
        KindCase{"UnderwithheldOtherIncomeStays10", {{4800}}, "10", 13000, 12000},
        KindCase{"CadastralSaleAtContractPriceIs01", {{1511, 3000000, true, 3000000}}, "01"},
        KindCase{"CadastralSaleAboveContractPriceIs09", {{1511, 3500000, true, 3000000}}, "09"},
        KindCase{"SaleNotMarkedIs01WhateverThePrice", {{1510, 3500000, false, 3000000}}, "01"},
        KindCase{"CadastralAndOrdinarySaleGive10", {{1512, 3500000, true, 3000000}, {1510}}, "10"},
        KindCase{"TwoOrdinarySalesAre01", {{1510}, {1512}}, "01"}),
    [](const testing::TestParamInfo<KindCase>& info) { return info.param.name; });

struct CadastralCase {
    std::string name;
    const char* value;
    const char* expected70;
};

class CadastralValue70 : public testing::TestWithParam<CadastralCase> {};

// Seventy percent is rounded half up to kopecks, exactly: a kopeck half always goes up.
TEST_P(CadastralValue70, RoundedToKopecks) {
    const CadastralCase& c = GetParam();
    auto doc = NewDeclaration();
    mTSourseIncome line = saleLine({1511, 3000000, true, 3000000});
    line.CadastralValue = Amount(c.value);
    AddSource13(*doc, "45000000", Rub(0)).AddLine(line);
    kTSvodSumPrilA13 a13;
    a13.Compute(*doc);
    ASSERT_EQ(a13.CadastralItemCount(), 1u);
    EXPECT_EQ(a13.CadastralItems[0].CadastralValue70, Amount(c.expected70));
}

INSTANTIATE_TEST_SUITE_P(PrilA13, CadastralValue70,
                         testing::Values(CadastralCase{"Whole", "4000000", "2800000"},
                                         CadastralCase{"KopeckHalfUp", "0.05", "0.04"},
                                         CadastralCase{"ThirdDecimalHalf", "1000000.15", "700000.11"},
                                         CadastralCase{"ThirdDecimalBelowHalf", "4285714.29", "3000000"},
                                         CadastralCase{"TenThousandths", "1.0007", "0.7"}),
                         [](const testing::TestParamInfo<CadastralCase>& info) { return info.param.name; });

TEST(PrilA13, CadastralItemsFollowTheSaleLinesInOrder) {
    auto doc = NewDeclaration();
    mTThirteenPercent& first = AddSource13(*doc, "45000000", Rub(0));
    first.AddLine(saleLine({1511, 3000000, true, 3000000}));
    first.AddLine(saleLine({1510, 2000000, false, 2000000}));  // acquired earlier: no item
    mTSourseIncome second = saleLine({1512, 3500000, true, 2500000});
    second.CadastralNumber = "50:21:0010101:77";
    second.CadastralValue = Rub(5000000);
    AddSource13(*doc, "46000000", Rub(0)).AddLine(second);

    kTSvodSumPrilA13 a13;
    a13.Compute(*doc);
    ASSERT_EQ(a13.CadastralItemCount(), 2u);
    EXPECT_EQ(a13.CadastralItems[0],
              (mbPrilA{"77:01:0004011:1234", Rub(4000000), Rub(3000000), Rub(2800000), Rub(3000000)}));
    EXPECT_EQ(a13.CadastralItems[1],
              (mbPrilA{"50:21:0010101:77", Rub(5000000), Rub(2500000), Rub(3500000), Rub(3500000)}));

    // A second computation starts afresh.
    a13.Compute(*doc);
    EXPECT_EQ(a13.CadastralItemCount(), 2u);
}

TEST(PrilA13, ResidentTotalsOfSourcesDividendsAndPartnerships) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeInvestTov);
    doc->ForeignerFixedPayments = Rub(12000);
    mTThirteenPercent& work = AddSource13(*doc, "45000000", Rub(26000));
    AddLine(work, 2000, Rub(100000), 1);
    AddLine(work, 2000, Amount("100000.55"), 2);
    work.TaxableAmount = Amount("200000.55");
    work.TaxComputed = Rub(26000);
    mTThirteenPercent& rent = AddSource13(*doc, "46000000", Rub(0));
    AddLine(rent, 1400, Rub(50000), 3);
    rent.TaxableAmount = Rub(50000);
    rent.TaxComputed = Rub(6500);
    AddDividendSource(*doc, "45000000", Rub(10000), Rub(10000), Rub(1300), Rub(1200));
    mTInvestTov& partnership = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    partnership.AddLine(mTInvestTovIncome{1, Rub(30000), Rub(5000), Rub(0), Rub(0), Rub(0)});
    partnership.AddLine(mTInvestTovIncome{6, Rub(20000), Rub(25000), Rub(0), Rub(0), Rub(0)});
    partnership.TaxableAmount = Rub(25000);
    partnership.TaxComputed = Rub(3250);
    partnership.TaxWithheld = Rub(3000);

    kTSvodSumPrilA13 a13;
    ASSERT_TRUE(a13.Compute(*doc));
    // 200000.55 + 50000 + the partnership's 30000 + 20000.
    EXPECT_EQ(a13.TotalIncome, Amount("300000.55"));
    EXPECT_EQ(a13.TaxableAmount, Amount("275000.55"));
    EXPECT_EQ(a13.TaxComputed, Rub(35750));
    EXPECT_EQ(a13.TaxWithheld, Rub(29000));
    EXPECT_EQ(a13.DividendTaxableAmount, Rub(10000));
    EXPECT_EQ(a13.DividendTaxComputed, Rub(1300));
    EXPECT_EQ(a13.DividendTaxWithheld, Rub(1200));
    EXPECT_EQ(a13.ForeignerFixedPayments, Rub(12000));
    EXPECT_EQ(a13.KindCodes.Of(SourceList::Incomes30, 0), "08");
    EXPECT_EQ(a13.KindCodes.Of(SourceList::InvestPartnerships, 0), "03");
}

TEST(PrilA13, NonResidentTakesOnlyItsThirteenPercentSources) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    mTThirteenPercent& paid = AddNonResidentSource13(*doc, "45000000", Rub(13000));
    AddLine(paid, 2000, Rub(100000), 1);
    paid.TaxableAmount = Rub(100000);
    paid.TaxComputed = Rub(13000);
    mTThirteenPercent& owing = AddNonResidentSource13(*doc, "45000000", Rub(1000));
    AddLine(owing, 4800, Rub(20000), 2);  // the code does not matter for a non-resident
    owing.TaxableAmount = Rub(20000);
    owing.TaxComputed = Rub(2600);
    AddLine(AddSource13(*doc, "45000000", Rub(9000)), 2000, Rub(30000), 1);  // at 30%
    AddDividendSource(*doc, "45000000", Rub(10000), Rub(10000), Rub(1300), Rub(1500));

    kTSvodSumPrilA13 a13;
    ASSERT_TRUE(a13.Compute(*doc));
    EXPECT_EQ(a13.KindCodes.Of(SourceList::NonResidentIncomes13, 0), "06");
    EXPECT_EQ(a13.KindCodes.Of(SourceList::NonResidentIncomes13, 1), "07");
    EXPECT_EQ(a13.TotalIncome, Rub(120000));
    EXPECT_EQ(a13.TaxableAmount, Rub(120000));
    EXPECT_EQ(a13.TaxComputed, Rub(15600));
    EXPECT_EQ(a13.TaxWithheld, Rub(14000));
    EXPECT_EQ(a13.DividendTaxableAmount, Rub(0));
    EXPECT_EQ(a13.DividendTaxWithheld, Rub(0));
    EXPECT_EQ(a13.CadastralItemCount(), 0u);
}

TEST(PrilA30, NonResidentThirtyPercentSourcesAndPartnerships) {
    auto doc = NewDeclaration(kForm3NdflNonResident, kIncomeRussia | kIncomeInvestTov);
    mTThirteenPercent& sale = AddSource13(*doc, "45000000", Rub(0));
    sale.AddLine(saleLine({1511, 3500000, true, 3000000}));
    sale.TaxableAmount = Rub(3500000);
    sale.TaxComputed = Rub(1050000);
    mTThirteenPercent& work = AddSource13(*doc, "45000000", Rub(30000));
    AddLine(work, 2000, Rub(100000), 1);
    work.TaxableAmount = Rub(100000);
    work.TaxComputed = Rub(30000);
    mTInvestTov& partnership = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    partnership.AddLine(mTInvestTovIncome{2, Rub(10000), Rub(0), Rub(0), Rub(0), Rub(0)});
    partnership.TaxableAmount = Rub(10000);
    partnership.TaxComputed = Rub(3000);
    partnership.TaxWithheld = Rub(3000);

    kTSvodSumPrilA30 a30;
    ASSERT_TRUE(a30.Compute(*doc));
    EXPECT_EQ(a30.KindCodes.Of(SourceList::ResidentIncomes13, 0), "09");
    EXPECT_EQ(a30.KindCodes.Of(SourceList::ResidentIncomes13, 1), "06");
    EXPECT_EQ(a30.KindCodes.Of(SourceList::InvestPartnerships, 0), "03");
    EXPECT_EQ(a30.TotalIncome, Rub(3610000));
    EXPECT_EQ(a30.TaxableAmount, Rub(3610000));
    EXPECT_EQ(a30.TaxComputed, Rub(1083000));
    EXPECT_EQ(a30.TaxWithheld, Rub(33000));
    ASSERT_EQ(a30.CadastralItemCount(), 1u);
    EXPECT_EQ(a30.CadastralItems[0].CadastralValue70, Rub(2800000));

    // The 13% sheet of a non-resident lists no cadastral sales of these sources.
    kTSvodSumPrilA13 a13;
    a13.Compute(*doc);
    EXPECT_EQ(a13.CadastralItemCount(), 0u);
    EXPECT_EQ(a13.TotalIncome, Rub(0));
}

TEST(PrilA30, ResidentSheetStaysZero) {
    auto doc = NewDeclaration();
    mTThirteenPercent& work = AddSource13(*doc, "45000000", Rub(13000));
    AddLine(work, 2000, Rub(100000), 1);
    kTSvodSumPrilA30 a30;
    ASSERT_TRUE(a30.Compute(*doc));
    EXPECT_EQ(a30.TotalIncome, Rub(0));
    EXPECT_EQ(a30.TaxWithheld, Rub(0));
    EXPECT_EQ(a30.CadastralItemCount(), 0u);
}

}  // namespace
}  // namespace zizaza
