#include "calc/kTSvodSumPrilV1.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::AddBusiness;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

TEST(PrilV1, ItemizedAndNormExpensesAddUp) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    AddBusiness(*doc, Rub(500000), Rub(200000), true);
    mTBusinessNew& norm = AddBusiness(*doc, Amount("100000.50"), Rub(20000), false);
    norm.ExpensesTotal = Rub(99999);  // not itemized: the total is not used
    doc->ActualPrepayments = Rub(15000);
    doc->AccruedPrepayments = Rub(18000);
    doc->TradeFee = Rub(3000);
    kTSvodSumPrilV1 v1;
    ASSERT_TRUE(v1.Compute(*doc));
    EXPECT_EQ(v1.BusinessIncome, Amount("600000.50"));
    EXPECT_EQ(v1.BusinessExpenses, Rub(220000));
    EXPECT_EQ(v1.ActualPrepayments, Rub(15000));
    EXPECT_EQ(v1.AccruedPrepayments, Rub(18000));
    EXPECT_EQ(v1.TradeFee, Rub(3000));
}

TEST(PrilV1, ExpensesNeverExceedTheIncome) {
    auto doc = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    AddBusiness(*doc, Rub(100000), Rub(120000), false);
    kTSvodSumPrilV1 v1;
    v1.Compute(*doc);
    EXPECT_EQ(v1.BusinessIncome, Rub(100000));
    EXPECT_EQ(v1.BusinessExpenses, Rub(100000));
}

TEST(PrilV1, WithoutBusinessTakesNoTradeFeeNorPatentPayments) {
    auto doc = NewDeclaration();
    doc->TradeFee = Rub(3000);
    doc->PatentPayments = Rub(12000);
    doc->ActualPrepayments = Rub(15000);
    kTSvodSumPrilV1 v1;
    ASSERT_TRUE(v1.Compute(*doc));
    EXPECT_EQ(v1.TradeFee, Rub(0));
    EXPECT_EQ(v1.PatentPayments, Rub(0));
    EXPECT_EQ(doc->TradeFee, Rub(3000));
    EXPECT_EQ(doc->ActualPrepayments, Rub(15000));
    EXPECT_EQ(v1.ActualPrepayments, Rub(0));
    EXPECT_EQ(v1.BusinessIncome, Rub(0));
}

}  // namespace
}  // namespace zizaza
