#include "calc/kTSvodSumPrilA35.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::AddSource35;
using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

TEST(PrilA35, SourcesGetTheirTaxableAmountAndTax) {
    auto doc = NewDeclaration();
    AddSource35(*doc, "45000000", 2610, Amount("10001.43"), Rub(3000));
    AddSource35(*doc, "46000000", 2740, Rub(10000), Rub(0), 502, Rub(4000));
    kTSvodSumPrilA35 a35;
    ASSERT_TRUE(a35.Compute(*doc));
    EXPECT_EQ(a35.KindCodes.Of(SourceList::Incomes35, 0), "10");
    EXPECT_EQ(a35.Source(0).TaxableAmount, Amount("10001.43"));
    EXPECT_EQ(a35.Source(0).TaxComputed, Rub(3501));     // 3500.5005
    EXPECT_EQ(a35.Source(1).TaxableAmount, Rub(10000));  // the prize exemption is the exempt sheet's
    EXPECT_EQ(a35.Source(1).TaxComputed, Rub(3500));
    EXPECT_EQ(a35.TotalIncome, Amount("20001.43"));
    EXPECT_EQ(a35.TaxWithheld, Rub(3000));
    EXPECT_EQ(a35.TaxWithheld2620, Rub(0));
}

TEST(PrilA35, Code2620ContributesOnlyItsTaxWithheld) {
    auto doc = NewDeclaration();
    AddSource35(*doc, "45000000", 2620, Rub(50000), Rub(17500));
    kTSvodSumPrilA35 a35;
    ASSERT_TRUE(a35.Compute(*doc));
    EXPECT_EQ(a35.TotalIncome, Rub(0));
    EXPECT_EQ(a35.TaxWithheld, Rub(0));
    EXPECT_EQ(a35.TaxWithheld2620, Rub(17500));
    EXPECT_EQ(a35.KindCodes.Of(SourceList::Incomes35, 0), "");
    EXPECT_EQ(a35.Source(0), kTSourceTax35());
}

TEST(PrilA35, NonResidentSheetStaysZeroAndSourcesUntouched) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    AddSource35(*doc, "45000000", 2610, Rub(10000), Rub(3500));
    AddSource35(*doc, "45000000", 2620, Rub(10000), Rub(3500));
    kTSvodSumPrilA35 a35;
    ASSERT_TRUE(a35.Compute(*doc));
    EXPECT_EQ(a35.TotalIncome, Rub(0));
    EXPECT_EQ(a35.TaxWithheld, Rub(0));
    EXPECT_EQ(a35.TaxWithheld2620, Rub(0));
    EXPECT_EQ(a35.Source(0).TaxableAmount, Rub(0));
    EXPECT_EQ(a35.KindCodes.Of(SourceList::Incomes35, 0), "");
    EXPECT_EQ(a35.Source(1).TaxComputed, Rub(0));
}

}  // namespace
}  // namespace zizaza
