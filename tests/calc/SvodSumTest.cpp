#include "calc/kTSvodSum.h"

#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilE2.h"
#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddBusiness;
using testsupport::AddDividendSource;
using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddNonResidentSource13;
using testsupport::AddSource13;
using testsupport::AddSource9;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct Line {
    std::string kbk, oktmo, sign;
    Money amount;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.kbk << " " << l.oktmo << " " << l.sign << " " << l.amount.ToText();
}

std::vector<Line> linesOf(const kTSvodSum& sum) {
    std::vector<Line> out;
    for (const bmTList1& l : sum.List6().Lines)
        out.push_back({l.КБК, l.ОКТМО, l.ПрУплВозв, l.Amount});
    return out;
}

const std::string kAgent = kKbkAgentRefund;
const std::string kBusiness = kKbkBusiness;
const std::string kOther = kKbkOther;
const std::string kCfc = kKbkCfc;

TEST(SvodSum, FourNdflComputesNothing) {
    auto doc = NewDeclaration(kForm4Ndfl);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2000, Rub(100000), 1);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List6().Count(), 0u);
    EXPECT_EQ(sum.List1().Ставка, "");
    EXPECT_EQ(sum.PrilA13().TotalIncome, Rub(0));
}

TEST(SvodSum, ResidentWithoutIncomesGetsTheNothingLine) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia, "45380000");
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kOther, "45380000", "3", Rub(0)}}));
    EXPECT_EQ(sum.List1().Ставка, "13");
    EXPECT_EQ(sum.ListKIK().Ставка, "13");
    EXPECT_EQ(sum.ListDiv().Ставка, "13");
    EXPECT_EQ(sum.List2().Ставка, "30");
    EXPECT_EQ(sum.List3().Ставка, "35");
    EXPECT_EQ(sum.List4().Ставка, "09");
    EXPECT_EQ(sum.List5().Ставка, "");
    EXPECT_EQ(sum.List1().НалБаза, Rub(0));
    EXPECT_EQ(sum.List1().ПодлВозв, Rub(0));
}

TEST(SvodSum, NothingLineCodeFollowsTheTaxpayerCategory) {
    const std::pair<uint16_t, const char*> cases[] = {{0, kKbkBusiness}, {1, kKbkBusiness}, {2, kKbkBusiness},
                                                      {3, kKbkBusiness}, {5, kKbkOther},    {6, kKbkBusiness},
                                                      {4, kKbkOther}};
    for (auto [category, kbk] : cases) {
        auto doc = NewDeclaration();
        doc->TaxpayerCategory = static_cast<TaxpayerCategory>(category);
        kTSvodSum sum;
        EXPECT_FALSE(sum.Compute(*doc));
        ASSERT_EQ(sum.List6().Count(), 1u);
        EXPECT_EQ(sum.List6().Line(0).КБК, kbk) << "category " << category;
    }
}

// A 13% refund of 30000 is taken first from source A (26000 withheld), the rest from source B.
TEST(SvodSum, RefundSplitOverSourcesByOktmo) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Rub(26000)), 2000, Rub(200000), 3);
    AddLine(AddSource13(*doc, "46000000", Rub(10000)), 2000, Rub(100000), 4);
    auto& sd = doc->SocialDeductions;
    sd.Granted = true;
    sd.Medical = Rub(120000);
    sd.ExpensiveMedical = Amount("133846.15");  // base 46153.85, tax 6000
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().НалБаза, Amount("46153.85"));
    EXPECT_EQ(sum.List1().Исчисл, Rub(6000));
    EXPECT_EQ(sum.List1().ПодлВозв, Rub(30000));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kAgent, "45000000", "2", Rub(26000)}, {kAgent, "46000000", "2", Rub(4000)}}));
}

TEST(SvodSum, RefundsOfTwoRatesToOneOktmoMerge) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Rub(14000)), 2000, Rub(100000), 3);  // 1000 over
    AddSource9(*doc, "45000000", Rub(10000), Rub(1000));                       // 100 over
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List4().Исчисл, Rub(900));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kAgent, "45000000", "2", Rub(1100)}}));
}

TEST(SvodSum, DeductionsNeverTakeTheBaseBelowZero) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Rub(6500)), 2000, Rub(50000), 3);
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.ExpensiveMedical = Rub(80000);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().СумНалВыч, Rub(50000));
    EXPECT_EQ(sum.List1().НалБаза, Rub(0));
    EXPECT_EQ(sum.List1().ПодлВозв, Rub(6500));
}

struct BaseCase {
    const char* name;
    const char* base;
    int rate;
    int64_t withheld, withheld2620, advance, fixed, foreign, tradeFee, patent;
    int64_t tax, toPay, toRefund;
};

class BaseSteps : public testing::TestWithParam<BaseCase> {};

TEST_P(BaseSteps, TaxPayAndRefund) {
    const BaseCase& c = GetParam();
    kTSvodSumList1 b;
    b.ДоходОбщ = b.ДоходОбщНал = Amount(c.base);
    b.УдержОбщ = Rub(c.withheld);
    b.УдержОбщМВ = Rub(c.withheld2620);
    b.УплАвФакт = Rub(c.advance);
    b.ОбщАвУплЗач227_1 = Rub(c.fixed);
    b.УплИнПодлЗач = Rub(c.foreign);
    b.ТСУплПерЗач = Rub(c.tradeFee);
    b.УплПатентЗач = Rub(c.patent);
    b.ApplyBaseSteps(c.rate);
    EXPECT_EQ(b.НалБаза, Amount(c.base));
    EXPECT_EQ(b.Исчисл, Rub(c.tax));
    EXPECT_EQ(b.ПодлУпл, Rub(c.toPay));
    EXPECT_EQ(b.ПодлВозв, Rub(c.toRefund));
}

const BaseCase kBaseCases[] = {
    {"Exact", "100000", 13, 0, 0, 0, 0, 0, 0, 0, 13000, 13000, 0},
    {"HalfRoundsUp", "100003.85", 13, 0, 0, 0, 0, 0, 0, 0, 13001, 13001, 0},
    {"BelowHalfRoundsDown", "100003.80", 13, 0, 0, 0, 0, 0, 0, 0, 13000, 13000, 0},
    {"CreditsReducePayment", "100000", 13, 5000, 0, 2000, 1000, 500, 300, 0, 13000, 4200, 0},
    {"PatentReducesPaymentOnly", "100000", 13, 5000, 0, 0, 0, 0, 0, 10000, 13000, 0, 0},
    {"RefundLimitedToTaxPaid", "100000", 13, 10000, 0, 2000, 50000, 0, 0, 0, 13000, 0, 12000},
    {"RefundIncludes2620", "10000", 35, 1000, 4000, 0, 0, 0, 0, 0, 3500, 0, 1500},
    {"NineOfOneRouble", "100.50", 9, 0, 0, 0, 0, 0, 0, 0, 9, 9, 0},
};

INSTANTIATE_TEST_SUITE_P(SvodSum, BaseSteps, testing::ValuesIn(kBaseCases),
                         [](const testing::TestParamInfo<BaseCase>& i) { return std::string(i.param.name); });

TEST(SvodSum, BusinessTaxGoesUnderItsOwnCode) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    doc->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2000, Rub(100000), 3);
    AddBusiness(*doc, Rub(1000000), Rub(200000));
    doc->ActualPrepayments = Rub(50000);
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().ДоходОбщ, Rub(1100000));
    EXPECT_EQ(sum.List1().СумНалВыч, Rub(200000));
    EXPECT_EQ(sum.List1().УплАвФакт, Rub(50000));
    EXPECT_EQ(sum.List1().ПодлУпл, Rub(67000));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kBusiness, "45000000", "1", Rub(54000)}, {kOther, "45000000", "1", Rub(13000)}}));
}

// The trade fee reduced the business tax, so the business line carries only what it left.
TEST(SvodSum, TradeFeeLeavesTheBusinessPartOfThePayment) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    doc->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2000, Rub(100000), 3);
    AddBusiness(*doc, Rub(100000), Rub(20000), false);
    doc->TradeFee = Rub(5000);
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().ПодлУпл, Rub(18400));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kBusiness, "45000000", "1", Rub(5400)}, {kOther, "45000000", "1", Rub(13000)}}));
}

TEST(SvodSum, BusinessAdvanceRefundedFirst) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    AddLine(AddSource13(*doc, "46000000", Rub(13000)), 2000, Rub(100000), 3);
    AddBusiness(*doc, Rub(100000), Rub(100000));
    doc->ActualPrepayments = Rub(20000);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    // Tax 13000 against 13000 withheld and 20000 advances.
    EXPECT_EQ(sum.List1().ПодлВозв, Rub(20000));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kBusiness, "45000000", "2", Rub(20000)}}));
}

TEST(SvodSum, CfcProfitAndForeignDividends) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddForeignIncome(*doc, 99, 1000, Rub(100000), Rub(5000));
    AddForeignIncome(*doc, 14, 1010, Rub(10000), Amount("500.50"));
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(sum.ListKIK().СумДохДивКИК, Rub(100000));
    EXPECT_EQ(sum.ListKIK().НалБаза, Rub(100000));
    EXPECT_EQ(sum.ListKIK().Исчисл, Rub(13000));
    EXPECT_EQ(sum.ListKIK().УплИнПодлЗач, Rub(5000));
    EXPECT_EQ(sum.ListKIK().ПодлУпл, Rub(8000));
    EXPECT_EQ(sum.ListDiv().ДоходОбщ, Rub(10000));
    EXPECT_EQ(sum.ListDiv().УплИнПодлЗач, Rub(501));  // the credit rounded to whole roubles
    EXPECT_EQ(sum.ListDiv().ПодлУпл, Rub(799));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kOther, "45000000", "1", Rub(799)}, {kCfc, "45000000", "1", Rub(8000)}}));
}

TEST(SvodSum, ResidentDividendRefundGoesToTheirSources) {
    auto doc = NewDeclaration();
    AddDividendSource(*doc, "47000000", Rub(100000), Rub(100000), Rub(13000), Rub(15000));
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.ListDiv().ПодлВозв, Rub(2000));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kAgent, "47000000", "2", Rub(2000)}}));
}

TEST(SvodSum, NonResidentPaymentsOfTwoRatesMerge) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddLine(AddSource13(*doc, "45000000", Rub(0)), 2000, Rub(100000), 3);  // 30%
    AddDividendSource(*doc, "45000000", Rub(10000), Amount("10000.40"), Rub(0), Rub(0));
    AddLine(AddNonResidentSource13(*doc, "46000000", Rub(13000)), 2000, Rub(100000), 3);
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().Исчисл, Rub(13000));
    EXPECT_EQ(sum.List2().Исчисл, Rub(30000));
    EXPECT_EQ(sum.List5().Исчисл, Rub(1500));
    EXPECT_EQ(sum.List5().Ставка, "15");
    EXPECT_EQ(sum.List3().Ставка, "");
    EXPECT_EQ(sum.List4().Ставка, "");
    EXPECT_EQ(sum.ListKIK().ПодлУпл, Rub(0));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kOther, "45000000", "1", Rub(31500)}}));
}

TEST(SvodSum, NonResident30RefundGoesToTheSourcesOfThe30List) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddLine(AddSource13(*doc, "48000000", Rub(35000)), 2000, Rub(100000), 3);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List2().ПодлВозв, Rub(5000));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kAgent, "48000000", "2", Rub(5000)}}));
}

// The 30% tax of a non-resident includes what the partnerships withheld, so its refund reaches
// them too and is never lost.
TEST(SvodSum, NonResident30RefundReachesThePartnerships) {
    auto doc = NewDeclaration(kForm3NdflNonResident, kIncomeRussia | kIncomeInvestTov);
    AddSource13(*doc, "48000000", Rub(2000));
    mTInvestTov& p = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    p.Oktmo = "49000000";
    p.TaxWithheld = Rub(8000);
    mTInvestTovIncome line;
    line.OperationKind = 5;
    line.Income = Rub(10000);
    p.AddLine(line);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List2().Исчисл, Rub(3000));
    EXPECT_EQ(sum.List2().ПодлВозв, Rub(7000));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kAgent, "48000000", "2", Rub(2000)}, {kAgent, "49000000", "2", Rub(5000)}}));
}

// Rules of the 13% block that span several sheets.
struct Block13Case {
    const char* name;
    DeclarationForm form;
    uint16_t flags;
    std::function<void(mTDeclaration&)> fill;
    int64_t taxableIncome, deductions, base, tax, tradeFee, toPay, toRefund;
};

class Block13Rules : public testing::TestWithParam<Block13Case> {};

TEST_P(Block13Rules, Figures) {
    const Block13Case& c = GetParam();
    auto doc = NewDeclaration(c.form, c.flags);
    c.fill(*doc);
    kTSvodSum sum;
    sum.Compute(*doc);
    const kTSvodSumList1& b = sum.List1();
    EXPECT_EQ(b.ДоходОбщНал, Rub(c.taxableIncome));
    EXPECT_EQ(b.СумНалВыч, Rub(c.deductions));
    EXPECT_EQ(b.НалБаза, Rub(c.base));
    EXPECT_EQ(b.Исчисл, Rub(c.tax));
    EXPECT_EQ(b.ТСУплПерЗач, Rub(c.tradeFee));
    EXPECT_EQ(b.ПодлУпл, Rub(c.toPay));
    EXPECT_EQ(b.ПодлВозв, Rub(c.toRefund));
}

void salaryAndBusiness(mTDeclaration& doc, int64_t fee) {
    AddLine(AddSource13(doc, "45000000", Rub(13000)), 2000, Rub(100000), 3);
    AddBusiness(doc, Rub(100000), Rub(20000), false);
    doc.TradeFee = Rub(fee);
}

const uint16_t kBusinessFlags = kIncomeRussia | kIncomeBusiness;

const Block13Case kBlock13Cases[] = {
    // The trade fee is credited up to 13% of the business income less its expenses.
    {"TradeFeeUpToTheBusinessTax", kForm3Ndfl, kBusinessFlags, [](mTDeclaration& d) { salaryAndBusiness(d, 20000); },
     200000, 20000, 180000, 23400, 10400, 0, 0},
    {"TradeFeeBelowTheBusinessTax", kForm3Ndfl, kBusinessFlags, [](mTDeclaration& d) { salaryAndBusiness(d, 5000); },
     200000, 20000, 180000, 23400, 5000, 5400, 0},
    {"TradeFeeNeverAboveTheBlockTax", kForm3Ndfl, kIncomeBusiness,
     [](mTDeclaration& d) {
         AddBusiness(d, Rub(100000), Rub(20000), false);
         d.TradeFee = Rub(20000);
         d.SocialDeductions.Granted = true;
         d.SocialDeductions.ExpensiveMedical = Rub(75000);
     },
     100000, 95000, 5000, 650, 650, 0, 0},
    // No deductions of art. 218-221 for a non-resident, professional ones included.
    {"NonResidentWithoutDeductions", kForm3NdflNonResident, kIncomeRussia,
     [](mTDeclaration& d) {
         mTThirteenPercent& s = AddNonResidentSource13(d, "45000000", Rub(20000));
         AddLine(s, 2010, Rub(200000), 3, 403, Rub(50000));
         AddLine(s, 2000, Rub(100000), 4);
         d.ForeignerFixedPayments = Rub(10000);
     },
     300000, 0, 300000, 39000, 0, 9000, 0},
    // Birth aid claimed above the aid itself leaves a taxable income of 0, not below.
    {"BirthAidClaimAboveTheAid", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) { AddLine(AddSource13(d, "45000000", Rub(0)), 2762, Rub(30000), 3, 508, Rub(50000)); }, 0, 0,
     0, 0, 0, 0, 0},
    {"IisDeductionAtMost400000", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) {
         AddLine(AddSource13(d, "45000000", Rub(130000)), 2000, Rub(1000000), 3);
         d.InvestmentDeductionE2 = Rub(650000);
     },
     1000000, 400000, 600000, 78000, 0, 0, 52000},
    // Tax withheld is counted in whole roubles, rounded half up.
    {"WithheldKopecksBelowHalf", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) { AddLine(AddSource13(d, "45000000", Amount("13000.40")), 2000, Rub(100000), 3); }, 100000, 0,
     100000, 13000, 0, 0, 0},
    {"WithheldKopecksHalf", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) { AddLine(AddSource13(d, "45000000", Amount("13000.50")), 2000, Rub(100000), 3); }, 100000, 0,
     100000, 13000, 0, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(SvodSum, Block13Rules, testing::ValuesIn(kBlock13Cases),
                         [](const testing::TestParamInfo<Block13Case>& i) { return std::string(i.param.name); });

TEST(SvodSum, RefundOfKopeckWithholdingIsWhole) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Amount("1000.50")), 2000, Rub(5000), 3);
    AddLine(AddSource13(*doc, "46000000", Amount("99.70")), 2000, Rub(500), 4);
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.ExpensiveMedical = Rub(10000);  // base 0: all withheld is refunded
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(sum.List1().УдержОбщ, Rub(1101));
    EXPECT_EQ(linesOf(sum),
              (std::vector<Line>{{kAgent, "45000000", "2", Rub(1001)}, {kAgent, "46000000", "2", Rub(100)}}));
}

TEST(SvodSum, ComputeAgainGivesTheSameLines) {
    auto doc = NewDeclaration();
    AddLine(AddSource13(*doc, "45000000", Rub(14000)), 2000, Rub(100000), 3);
    kTSvodSum sum;
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_TRUE(sum.Compute(*doc));
    EXPECT_EQ(linesOf(sum), (std::vector<Line>{{kAgent, "45000000", "2", Rub(1000)}}));
    EXPECT_EQ(sum.PrilA13().TotalIncome, Rub(100000));
}

TEST(SvodSum, WithoutIncomeFlagsOnlyTheIncomeSheetsRun) {
    auto doc = NewDeclaration(kForm3Ndfl, 0);
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.AddChildEducation(Rub(70000));
    kTSvodSum sum;
    EXPECT_FALSE(sum.Compute(*doc));
    EXPECT_EQ(sum.PrilE2().СумОбучБезЛим, Rub(0));
    EXPECT_EQ(doc->SocialDeductions.ChildEducation(0), Rub(70000));
}

}  // namespace
}  // namespace zizaza
