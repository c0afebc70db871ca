#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::NewDeclaration;
using testsupport::Rub;

mTInvestTovIncome operation(int32_t kind, int64_t income, int64_t share, int64_t management = 0,
                            int64_t pastLosses = 0) {
    return mTInvestTovIncome{kind, Rub(income), Rub(share), Rub(management), Rub(pastLosses), Rub(0)};
}

std::unique_ptr<mTDeclaration> partnershipDeclaration() {
    return NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeInvestTov);
}

TEST(PrilI, KindsAcrossPartnerships) {
    auto doc = partnershipDeclaration();
    mTInvestTov& first = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    first.AddLine(operation(1, 60000, 20000, 5000, 10000));
    first.AddLine(operation(2, 10000, 15000, 1000));
    first.AddLine(operation(6, 50000, 80000));
    first.AddLine(operation(7, 99999, 0));  // no such kind
    mTInvestTov& second = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    second.AddLine(operation(1, 40000, 0));
    second.AddLine(operation(3, 30000, 10000, 0, 25000));
    second.AddLine(operation(5, 5000, 1000));
    doc->InvestmentDeductionI = Rub(15000);

    kTSvodSumPrilI i;
    ASSERT_TRUE(i.Compute(*doc));
    // Kind 1: 100000 − 20000 − 5000 − 10000 = 65000, of which 15000 investment deduction.
    EXPECT_EQ(i.ДохЦБОбрИТ, (kTPartnershipKind{Rub(100000), Rub(20000), Rub(5000), Rub(10000), Rub(65000), Rub(15000),
                                               Rub(50000), Rub(0)}));
    // Kind 2: a loss of 6000 of the year.
    EXPECT_EQ(i.ДохЦБНеОбрИТ,
              (kTPartnershipKind{Rub(10000), Rub(15000), Rub(1000), Rub(0), Rub(0), Rub(0), Rub(0), Rub(6000)}));
    // Kind 3: past losses take the result to 0 but make no loss of the year.
    EXPECT_EQ(i.ДохПФИНеОбрИТ,
              (kTPartnershipKind{Rub(30000), Rub(10000), Rub(0), Rub(25000), Rub(0), Rub(0), Rub(0), Rub(0)}));
    EXPECT_EQ(i.ДохУстКапИТ, kTPartnershipKind());
    EXPECT_EQ(i.ДохПрочИТ.ДоходОбл, Rub(4000));
    EXPECT_EQ(i.РасчДохВыхИТ, (kTPartnershipExit{Rub(50000), Rub(80000), Rub(0), Rub(30000)}));
    EXPECT_EQ(i.ExitLoss(), Rub(30000));
    // Incomes 100000 + 10000 + 30000 + 5000 + 50000; taxable 50000 + 4000.
    EXPECT_EQ(i.ИтогСовОпер, (kTPartnershipTotals{Rub(195000), Rub(54000), Rub(141000)}));
    EXPECT_EQ(i.IncomeReduction(), Rub(141000));
}

TEST(PrilI, InvestmentDeductionLimitedToTheResult) {
    auto doc = partnershipDeclaration();
    mTInvestTov& p = doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome());
    p.AddLine(operation(1, 50000, 10000));
    p.AddLine(operation(6, 80000, 50000));
    doc->InvestmentDeductionI = Rub(100000);
    kTSvodSumPrilI i;
    i.Compute(*doc);
    EXPECT_EQ(i.ДохЦБОбрИТ.РазмерФинРез, Rub(40000));
    EXPECT_EQ(i.ДохЦБОбрИТ.ИнвВычУмФР, Rub(40000));
    EXPECT_EQ(i.ДохЦБОбрИТ.ДоходОбл, Rub(0));
    EXPECT_EQ(i.РасчДохВыхИТ, (kTPartnershipExit{Rub(80000), Rub(50000), Rub(30000), Rub(0)}));
    EXPECT_EQ(i.ИтогСовОпер, (kTPartnershipTotals{Rub(130000), Rub(30000), Rub(100000)}));
}

TEST(PrilI, ExitLossBecomesTheOrdinarySecuritiesLoss) {
    auto doc = partnershipDeclaration();
    doc->InvestPartnershipIncome(doc->AddInvestPartnershipIncome()).AddLine(operation(6, 50000, 80000));
    testsupport::AddLine(testsupport::AddSource13(*doc, "45000000", Rub(0)), 1531, Rub(100000), 12, 202, Rub(40000));
    kTSvodSumPrilI i;
    i.Compute(*doc);
    kTSvodSumPrilJ j;
    j.Compute(*doc, i.ExitLoss());
    EXPECT_EQ(j.ДохОперЦБНеОрг.УбытВыхИТ, Rub(30000));
    EXPECT_EQ(j.ДохОперЦБНеОрг.РасхУмДохРеалЦБ, Rub(70000));
    EXPECT_EQ(j.ДохОперЦБНеОрг.ДоходОбл, Rub(30000));
}

TEST(PrilI, KindNumbersOutsideOneToFiveThrow) {
    kTSvodSumPrilI i;
    EXPECT_THROW(i.Kind(0), std::out_of_range);
    EXPECT_THROW(i.Kind(6), std::out_of_range);
}

}  // namespace
}  // namespace zizaza
