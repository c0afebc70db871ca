// Whole declarations computed by hand against the 2017 Tax Code where a rule spans sheets: the
// figures of the section 2 block they end in.
#include "calc/kTSvodSum.h"

#include "calc/kTSvodSumPrilE1.h"
#include "calc/kTSvodSumPrilZ.h"
#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zizaza {
namespace {

using testsupport::AddForeignIncome;
using testsupport::AddLine;
using testsupport::AddMonthlyLines;
using testsupport::AddPropertyObject;
using testsupport::AddSource13;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct RuleCase {
    std::string name;
    DeclarationForm form;
    uint16_t incomeFlags;
    std::function<void(mTDeclaration&)> setUp;
    // The 13% block of a resident, the 30% block of a non-resident.
    int64_t deductions, base, tax, toPay, toRefund;
};

// 80000 a month with 13% withheld: 960000 and 124800.
void salary(mTDeclaration& d, bool workplace = false) {
    AddMonthlyLines(AddSource13(d, "45000000", Rub(124800), workplace), 2000, Rub(80000));
}

class TaxCodeRules : public testing::TestWithParam<RuleCase> {};

TEST_P(TaxCodeRules, Section2) {
    const RuleCase& c = GetParam();
    auto doc = NewDeclaration(c.form, c.incomeFlags);
    c.setUp(*doc);
    kTSvodSum sum;
    sum.Compute(*doc);
    const kTSvodSumList& b = c.form == kForm3Ndfl ? static_cast<const kTSvodSumList&>(sum.List1()) : sum.List2();
    EXPECT_EQ(b.СумНалВыч, Rub(c.deductions));
    EXPECT_EQ(b.НалБаза, Rub(c.base));
    EXPECT_EQ(b.Исчисл, Rub(c.tax));
    EXPECT_EQ(b.ПодлУпл, Rub(c.toPay));
    EXPECT_EQ(b.ПодлВозв, Rub(c.toRefund));
}

const RuleCase kRuleCases[] = {
    // A 2012 flat took the one purchase of a life (art. 220 p. 1 pp. 2 until 2014): of its
    // 1200000, 900000 were received before; the 2016 flat gets nothing.
    {"OnePurchaseUnderTheEarlierRules", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) {
         salary(d);
         d.PropertyDeductions.Granted = true;
         d.PropertyDeductions.PreviousYearsPurchase = Rub(900000);
         AddPropertyObject(d, Rub(1200000), Rub(0), 2012);
         AddPropertyObject(d, Rub(3000000), Rub(0), 2016);
     },
     300000, 660000, 85800, 0, 39000},
    // Interest of one object (art. 220 p. 11): the first, whose interest was taken before.
    {"InterestOfOneObject", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) {
         salary(d);
         d.PropertyDeductions.Granted = true;
         d.PropertyDeductions.PreviousYearsPurchase = Rub(2000000);
         AddPropertyObject(d, Rub(1000000), Rub(100000), 2015).FirstYearOfUse = Date::Ymd(2016, 1, 1);
         AddPropertyObject(d, Rub(1000000), Rub(120000), 2015).FirstYearOfUse = Date::Ymd(2017, 1, 1);
     },
     100000, 860000, 111800, 0, 13000},
    // The expenses of the flat abroad exceed its price; they do not reduce the gain on the flat in
    // Russia (art. 220 p. 2 pp. 2).
    {"SaleExpensesOfEachObject", kForm3Ndfl, kIncomeRussia | kIncomeForeign,
     [](mTDeclaration& d) {
         AddForeignIncome(d, 13, 1510, Rub(6000000), Rub(0), 903, Rub(6752556));
         AddLine(AddSource13(d, "", Rub(0)), 1510, Rub(1752556), 5, 903, Rub(752556));
     },
     6752556, 1000000, 130000, 130000, 0},
    // A car and a share in a company share one 250000 (art. 220 p. 2 pp. 1).
    {"OneLimitForACarAndACompanyShare", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) {
         mTThirteenPercent& buyer = AddSource13(d, "", Rub(0));
         AddLine(buyer, 1520, Rub(300000), 4, 906, Rub(250000));
         AddLine(buyer, 1540, Rub(400000), 6, 905, Rub(250000));
     },
     250000, 450000, 58500, 58500, 0},
    // Salary in January to March and July to December, one child: January to November count.
    {"ChildDeductionByMonthOfThePeriod", kForm3Ndfl, kIncomeRussia,
     [](mTDeclaration& d) {
         mTThirteenPercent& work = AddSource13(d, "45000000", Rub(46800), true);
         AddMonthlyLines(work, 2000, Rub(40000), 1, 3);
         AddMonthlyLines(work, 2000, Rub(40000), 7, 12);
         d.StandardDeductions.ChildStatus = ChildDeductionStatus::Parent;
         d.StandardDeductions.SetChildrenCount(1);
     },
     15400, 344600, 44798, 0, 2002},
    // A non-resident's securities losses of earlier years reduce nothing (art. 210 p. 4).
    {"NonResidentCarriesNoSecuritiesLoss", kForm3NdflNonResident, kIncomeRussia,
     [](mTDeclaration& d) {
         AddLine(AddSource13(d, "45000000", Rub(0)), 1530, Rub(300000), 6, 201, Rub(0));
         d.SecuritiesDeductions.SecuritiesLoss(2016) = Rub(20000);
     },
     0, 300000, 90000, 90000, 0},
};

INSTANTIATE_TEST_SUITE_P(Year2017, TaxCodeRules, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase>& i) { return i.param.name; });

}  // namespace
}  // namespace zizaza
