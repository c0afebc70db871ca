#include "calc/kTSvodSumPrilJ.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddSource13;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct OperationLine {
    int32_t incomeCode;
    int64_t income;
    int32_t deductionCode;
    int64_t deduction;
};

std::unique_ptr<mTDeclaration> withOperations(const std::vector<OperationLine>& lines) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    mTThirteenPercent& broker = AddSource13(*doc, "45000000", Rub(0), false, "АО \"Брокер\"");
    for (const OperationLine& l : lines)
        AddLine(broker, l.incomeCode, Rub(l.income), 12, l.deductionCode, Rub(l.deduction));
    return doc;
}

// The traded securities group with losses of earlier years, one figure per column.
struct TradedCase {
    std::string name;
    std::vector<OperationLine> lines;
    int64_t earlierLosses;  // securities, spread over 2014 to 2016
    int64_t investmentDeduction;
    // expected
    int64_t base, loss, investmentUsed, earlierUsed, taxable, carried, remainder, carriedTotal, reduction;
};

class TradedSecurities : public testing::TestWithParam<TradedCase> {};

TEST_P(TradedSecurities, BaseEarlierLossesAndCarriedLosses) {
    const TradedCase& c = GetParam();
    auto doc = withOperations(c.lines);
    doc->SecuritiesDeductions.SecuritiesLoss(2014) = Rub(c.earlierLosses / 3);
    doc->SecuritiesDeductions.SecuritiesLoss(2015) = Rub(c.earlierLosses / 3);
    doc->SecuritiesDeductions.SecuritiesLoss(2016) = Rub(c.earlierLosses - 2 * (c.earlierLosses / 3));
    doc->InvestmentDeductionZ = Rub(c.investmentDeduction);
    kTSvodSumPrilJ j;
    ASSERT_TRUE(j.Compute(*doc));
    const kTSecuritiesTraded& t = j.ДохОперЦБОрг;
    EXPECT_EQ(t.НалБазаОпер, Rub(c.base));
    EXPECT_EQ(t.УбытРезОпер, Rub(c.loss));
    EXPECT_EQ(t.ИнвВычУмФР, Rub(c.investmentUsed));
    EXPECT_EQ(t.УбытПрПерУмНБ, Rub(c.earlierUsed));
    EXPECT_EQ(t.ДоходОбл, Rub(c.taxable));
    EXPECT_EQ(t.УбытУмНББуд, Rub(c.carried));
    EXPECT_EQ(j.ОстУбытНачВс.СуммаЦБ, Rub(c.earlierLosses));
    EXPECT_EQ(j.НалБазаПер.СуммаЦБ, Rub(c.base));
    EXPECT_EQ(j.СумУмНБПер.СуммаЦБ, Rub(c.earlierUsed));
    EXPECT_EQ(j.ОстУбытКонВс.СуммаЦБ, Rub(c.remainder));
    EXPECT_EQ(j.УбытПрхПер.УбытОперЦБОбр, Rub(c.carriedTotal));
    EXPECT_EQ(j.IncomeReduction(), Rub(c.reduction));
}

INSTANTIATE_TEST_SUITE_P(
    PrilJ, TradedSecurities,
    testing::Values(
        // 500000 − 300000 = 200000; the 150000 of earlier years are used in full: 50000 taxable.
        TradedCase{"EarlierLossesUsedInFull",
                   {{1530, 500000, 201, 300000}},
                   150000,
                   0,
                   200000,
                   0,
                   0,
                   150000,
                   50000,
                   0,
                   0,
                   0,
                   450000},
        // 600000 of expenses: a loss of 100000, carried with the unused 150000.
        TradedCase{"LossCarriedWithEarlierLosses",
                   {{1530, 500000, 201, 600000}},
                   150000,
                   0,
                   0,
                   100000,
                   0,
                   0,
                   0,
                   100000,
                   150000,
                   250000,
                   500000},
        // Base 50000 against 150000 of earlier losses: 100000 remain.
        TradedCase{"EarlierLossesAboveTheBase",
                   {{1530, 500000, 201, 450000}},
                   150000,
                   0,
                   50000,
                   0,
                   0,
                   50000,
                   0,
                   0,
                   100000,
                   100000,
                   500000},
        // The investment deduction comes first: 200000 − 120000, then 80000 of earlier losses.
        TradedCase{"InvestmentDeductionBeforeEarlierLosses",
                   {{1530, 500000, 201, 300000}},
                   150000,
                   120000,
                   200000,
                   0,
                   120000,
                   80000,
                   0,
                   0,
                   70000,
                   70000,
                   500000},
        TradedCase{"InvestmentDeductionLimitedToTheBase",
                   {{1530, 500000, 201, 300000}},
                   0,
                   900000,
                   200000,
                   0,
                   200000,
                   0,
                   0,
                   0,
                   0,
                   0,
                   500000},
        // Interest on short positions is an expense of the group.
        TradedCase{"InterestExpenses",
                   {{1530, 500000, 201, 300000}, {1530, 0, 218, 50000}},
                   0,
                   0,
                   150000,
                   0,
                   0,
                   0,
                   150000,
                   0,
                   0,
                   0,
                   350000},
        // A line without a deduction code is not an operation of the sheet.
        TradedCase{"LineWithoutDeductionCodeIgnored",
                   {{1530, 100000, 0, 0}, {1530, 50000, 201, 10000}},
                   0,
                   0,
                   40000,
                   0,
                   0,
                   0,
                   40000,
                   0,
                   0,
                   0,
                   10000},
        TradedCase{"IisCodesIgnoredOnOrdinaryAccount", {{1544, 100000, 225, 10000}}, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<TradedCase>& info) { return info.param.name; });

TEST(PrilJ, DerivativeLossUsedByOtherBaseThenByTradedSecurities) {
    auto doc = withOperations({{1530, 300000, 201, 250000}, {1532, 10000, 201, 110000}, {1535, 70000, 201, 40000}});
    doc->SecuritiesDeductions.SecuritiesLoss(2016) = Rub(20000);
    doc->SecuritiesDeductions.DerivativesLoss(2012) = Rub(10000);
    doc->InvestmentDeductionZ = Rub(5000);
    kTSvodSumPrilJ j;
    j.Compute(*doc);
    const kTSecuritiesTraded& t = j.ДохОперЦБОрг;
    const kTDerivativesSecuritiesBase& d = j.ДохПФИОргЦБ;
    const kTDerivativesOtherBase& o = j.ДохПФИОргНеЦБ;
    // Traded: base 50000, deduction 5000, earlier losses 20000 (of 45000 open).
    EXPECT_EQ(t.НалБазаОпер, Rub(50000));
    EXPECT_EQ(t.ИнвВычУмФР, Rub(5000));
    EXPECT_EQ(t.УбытПрПерУмНБ, Rub(20000));
    // Other base: 30000, earlier derivative losses 10000, then 20000 of the derivative loss.
    EXPECT_EQ(o.НалБазаОпер, Rub(30000));
    EXPECT_EQ(o.УбытПрПерУмНБ, Rub(10000));
    EXPECT_EQ(o.УбытУмНБ_4_9, Rub(20000));
    EXPECT_EQ(o.ДоходОбл, Rub(0));
    // Securities base: loss 100000, 20000 to the other base, 25000 to traded securities, 55000 on.
    EXPECT_EQ(d.УбытРезОпер, Rub(100000));
    EXPECT_EQ(d.УбытУмНБ_5_6, Rub(20000));
    EXPECT_EQ(d.УбытУмНБ_1_10, Rub(25000));
    EXPECT_EQ(t.УбытУмНБ_4_10, Rub(25000));
    EXPECT_EQ(d.УбытУмНББуд, Rub(55000));
    EXPECT_EQ(t.ДоходОбл, Rub(0));
    EXPECT_EQ(j.СумУмНБПер, (kTLossPair{Rub(20000), Rub(10000)}));
    EXPECT_EQ(j.ОстУбытКонВс, (kTLossPair{Rub(0), Rub(0)}));
    EXPECT_EQ(j.НалБазаПер, (kTLossPair{Rub(50000), Rub(30000)}));
    EXPECT_EQ(j.УбытПрхПер, (kTLossesCarried{Rub(0), Rub(55000)}));
    EXPECT_EQ(j.ИтогСовОпер, (kTSecuritiesTotals{Rub(380000), Rub(0), Rub(380000)}));
}

TEST(PrilJ, OtherBaseAndTradedLossesUsedBySecuritiesBaseDerivatives) {
    auto doc = withOperations({{1530, 100000, 201, 180000},
                               {1536, 50000, 201, 20000},
                               {1532, 200000, 201, 100000},
                               {1535, 10000, 201, 40000}});
    doc->SecuritiesDeductions.DerivativesLoss(2015) = Rub(15000);
    kTSvodSumPrilJ j;
    j.Compute(*doc);
    const kTSecuritiesTraded& t = j.ДохОперЦБОрг;
    const kTSecuritiesSecondTraded& s = j.ДохОперЦБОргНеОрг;
    const kTDerivativesSecuritiesBase& d = j.ДохПФИОргЦБ;
    const kTDerivativesOtherBase& o = j.ДохПФИОргНеЦБ;
    // Securities base 100000: earlier 15000, other-base loss 30000, then traded loss 50000.
    EXPECT_EQ(d.НалБазаОпер, Rub(100000));
    EXPECT_EQ(d.УбытПрПерУмНБ, Rub(15000));
    EXPECT_EQ(o.УбытУмНБ_4_7, Rub(30000));
    EXPECT_EQ(d.УбытУмНБ_5_8, Rub(30000));
    EXPECT_EQ(o.УбытУмНББуд, Rub(0));
    // Traded loss 80000: 30000 to the second group first, 50000 to the derivatives.
    EXPECT_EQ(t.УбытРезОпер, Rub(80000));
    EXPECT_EQ(t.УбытУч_2_3, Rub(30000));
    EXPECT_EQ(s.УбытУмФР_1_13, Rub(30000));
    EXPECT_EQ(t.УбытУч_4_6, Rub(50000));
    EXPECT_EQ(d.УбытУмНБ_1_14, Rub(50000));
    EXPECT_EQ(t.УбытУмНББуд, Rub(0));
    EXPECT_EQ(s.ДоходОбл, Rub(0));
    EXPECT_EQ(d.ДоходОбл, Rub(5000));
    EXPECT_EQ(j.УбытПрхПер, (kTLossesCarried{Rub(0), Rub(0)}));
    EXPECT_EQ(j.ИтогСовОпер, (kTSecuritiesTotals{Rub(360000), Rub(5000), Rub(355000)}));
}

TEST(PrilJ, SecondTradedGroupTakesNoMoreThanTheTradedLoss) {
    auto doc = withOperations({{1530, 100000, 201, 110000}, {1536, 50000, 201, 20000}});
    kTSvodSumPrilJ j;
    j.Compute(*doc);
    // A loss of 10000 against 30000 open: 20000 stay taxable, nothing is carried.
    EXPECT_EQ(j.ДохОперЦБОрг.УбытУч_2_3, Rub(10000));
    EXPECT_EQ(j.ДохОперЦБОргНеОрг.УбытУмФР_1_13, Rub(10000));
    EXPECT_EQ(j.ДохОперЦБОргНеОрг.ДоходОбл, Rub(20000));
    EXPECT_EQ(j.ДохОперЦБОрг.УбытУмНББуд, Rub(0));
    EXPECT_EQ(j.ИтогСовОпер, (kTSecuritiesTotals{Rub(150000), Rub(20000), Rub(130000)}));
}

TEST(PrilJ, RepoAndLendingLossesAssignedToTheSecuritiesGroups) {
    auto doc = withOperations({{1530, 100000, 201, 50000},
                               {1530, 0, 218, 1000},
                               {1531, 80000, 202, 20000},
                               {1537, 1000, 211, 5000},
                               {9537, 3000, 211, 1000},
                               {1538, 0, 215, 3000},
                               {9538, 0, 215, 1000}});
    kTSvodSumPrilJ j;
    j.Compute(*doc, Rub(30000));
    const kTSecuritiesRepo& repo = j.ДохРЕПО;
    EXPECT_EQ(repo.ДохЗаймРЕПО, Rub(4000));
    EXPECT_EQ(repo.РасхЗаймРЕПО, Rub(6000));
    EXPECT_EQ(repo.УбытРезОпер, Rub(2000));
    EXPECT_EQ(repo.ДоходОбл, Rub(0));
    // The traded part lost 4000, but the operations as a whole only 2000.
    EXPECT_EQ(repo.УбытРЕПООбр, Rub(2000));
    EXPECT_EQ(repo.УбытРЕПОНеОбр, Rub(0));
    EXPECT_EQ(j.ДохЗаймЦБ.УбытРезОпер, Rub(4000));
    EXPECT_EQ(j.ДохЗаймЦБ.УбытЗаймЦБОбр, Rub(3000));
    EXPECT_EQ(j.ДохЗаймЦБ.УбытЗаймЦБНеОбр, Rub(1000));

    const kTSecuritiesTraded& t = j.ДохОперЦБОрг;
    EXPECT_EQ(t.УбытРЕПОУмДох, Rub(2000));
    EXPECT_EQ(t.УбытЗаймУмДох, Rub(3000));
    EXPECT_EQ(t.РасхУмДохРеалЦБ, Rub(56000));  // 50000 + 2000 + 3000 + 1000 of interest
    EXPECT_EQ(t.ДоходОбл, Rub(44000));
    const kTSecuritiesNonTraded& n = j.ДохОперЦБНеОрг;
    EXPECT_EQ(n.УбытВыхИТ, Rub(30000));  // the partnership exit loss
    EXPECT_EQ(n.РасхУмДохРеалЦБ, Rub(51000));
    EXPECT_EQ(n.ДоходОбл, Rub(29000));
    EXPECT_EQ(j.ИтогСовОпер, (kTSecuritiesTotals{Rub(184000), Rub(73000), Rub(111000)}));
}

TEST(PrilJ, RepoLossNotAssignedToGroupsWithoutIncome) {
    auto doc = withOperations({{1537, 1000, 211, 5000}, {1531, 0, 202, 10}});
    kTSvodSumPrilJ j;
    j.Compute(*doc);
    EXPECT_EQ(j.ДохРЕПО.УбытРезОпер, Rub(4000));
    EXPECT_EQ(j.ДохРЕПО.УбытРЕПООбр, Rub(0));
    EXPECT_EQ(j.ДохОперЦБОрг.РасхУмДохРеалЦБ, Rub(0));
}

TEST(PrilJ, OffExchangeDerivativesAndForeignLines) {
    auto doc = withOperations({{1533, 40000, 201, 10000}});
    AddForeignIncome(*doc, 13, 1530, Rub(60000), Rub(0), 201, Rub(20000));
    AddForeignIncome(*doc, 13, 1530, Rub(99999), Rub(0));  // no deduction code
    kTSvodSumPrilJ j;
    j.Compute(*doc);
    EXPECT_EQ(j.ДохПФИНеОрг, (kTDerivativesOffExchange{Rub(40000), Rub(10000), Rub(30000)}));
    EXPECT_EQ(j.ДохОперЦБОрг.ДохСовОпер, Rub(60000));
    EXPECT_EQ(j.ДохОперЦБОрг.ДоходОбл, Rub(40000));
    EXPECT_EQ(j.ИтогСовОпер, (kTSecuritiesTotals{Rub(100000), Rub(70000), Rub(30000)}));
}

TEST(PrilJ, IndividualInvestmentAccountUsesItsOwnCodesAndLosses) {
    auto doc = withOperations(
        {{1544, 500000, 225, 300000}, {1544, 0, 233, 10000}, {1530, 100000, 201, 10000}, {1545, 50000, 226, 60000}});
    doc->IisDeductions.SecuritiesLoss(2016) = Rub(40000);
    doc->SecuritiesDeductions.SecuritiesLoss(2016) = Rub(99999);
    doc->InvestmentDeductionZ = Rub(50000);
    kTSvodSumPrilJ iis(kTSvodSumPrilJ::Account::Iis);
    ASSERT_TRUE(iis.Compute(*doc, Rub(30000)));
    const kTSecuritiesTraded& t = iis.ДохОперЦБОрг;
    EXPECT_EQ(t.ДохСовОпер, Rub(500000));
    EXPECT_EQ(t.РасхУмДохРеалЦБ, Rub(310000));
    EXPECT_EQ(t.ИнвВычУмФР, Rub(0));  // the investment deduction is the ordinary account's
    EXPECT_EQ(t.УбытПрПерУмНБ, Rub(40000));
    EXPECT_EQ(t.ДоходОбл, Rub(150000));
    EXPECT_EQ(iis.ДохОперЦБНеОрг.УбытВыхИТ, Rub(0));  // the partnership loss is the ordinary account's
    EXPECT_EQ(iis.ДохОперЦБНеОрг.ДоходОбл, Rub(0));
    EXPECT_EQ(iis.ОстУбытНачВс.СуммаЦБ, Rub(40000));
    EXPECT_EQ(iis.ИтогСовОпер, (kTSecuritiesTotals{Rub(550000), Rub(150000), Rub(400000)}));
}

TEST(PrilJ, EarlierLossesWithoutOperationsAreCarriedOn) {
    auto doc = NewDeclaration();
    doc->IisDeductions.SecuritiesLoss(2015) = Rub(7000);
    doc->IisDeductions.DerivativesLoss(2016) = Rub(3000);
    kTSvodSumPrilJ iis(kTSvodSumPrilJ::Account::Iis);
    iis.Compute(*doc);
    EXPECT_EQ(iis.ОстУбытНачВс, (kTLossPair{Rub(7000), Rub(3000)}));
    EXPECT_EQ(iis.ОстУбытКонВс, (kTLossPair{Rub(7000), Rub(3000)}));
    EXPECT_EQ(iis.УбытПрхПер, (kTLossesCarried{Rub(7000), Rub(3000)}));
    EXPECT_EQ(iis.ИтогСовОпер, kTSecuritiesTotals());
}

}  // namespace
}  // namespace zizaza
