#include "calc/kTSvodSumPrilZ.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace zizaza {
namespace {

using testsupport::AddPropertyObject;
using testsupport::NewDeclaration;
using testsupport::Rub;

struct ObjectSpec {
    int64_t cost;
    int year;
    int32_t numerator = 1, denominator = 1;
    bool byInvestment = false;
};

struct ZLimitCase {
    const char* name;
    std::vector<ObjectSpec> objects;
    int64_t totalCost;
    std::vector<int64_t> assigned;
    std::vector<int32_t> markers;
};

class PrilZLimits : public testing::TestWithParam<ZLimitCase> {};

TEST_P(PrilZLimits, CostLimitedAndDistributed) {
    const ZLimitCase& c = GetParam();
    auto doc = NewDeclaration();
    doc->PropertyDeductions.Granted = true;
    for (const ObjectSpec& s : c.objects) {
        auto& o = AddPropertyObject(*doc, Rub(s.cost), Rub(0), s.year, s.numerator, s.denominator);
        o.ByInvestment = s.byInvestment;
        if (s.byInvestment) {
            o.TransferActDate = o.OwnershipRegistrationDate;
            o.OwnershipRegistrationDate = Date::Ymd(2017, 1, 1);
        }
    }
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(10000000);
    kTSvodSumPrilZ z;
    ASSERT_TRUE(z.Compute(*doc, in));
    EXPECT_EQ(z.TotalCost, Rub(c.totalCost));
    for (size_t i = 0; i < c.objects.size(); ++i) {
        EXPECT_EQ(z.Object(i).AssignedDeduction, Rub(c.assigned[i])) << "object " << i;
        EXPECT_EQ(z.Object(i).RuleMarker, c.markers[i]) << "object " << i;
    }
}

const ZLimitCase kZLimitCases[] = {
    // From 2014 the limit is the taxpayer's whatever the share; before, the share divides it.
    {"HalfShareOf2015Flat", {{3500000, 2015, 1, 2}}, 2000000, {2000000}, {0}},
    {"HalfShareOf2015FlatBelowTheLimit", {{1750000, 2015, 1, 2}}, 1750000, {1750000}, {0}},
    {"HalfShareOf2013Flat", {{3500000, 2013, 1, 2}}, 1000000, {1000000}, {-1}},
    {"HalfShareOf2006Flat", {{3500000, 2006, 1, 2}}, 500000, {500000}, {-1}},
    {"WholeFlat2012MarkedEarlierRules", {{1500000, 2012}}, 1500000, {1500000}, {-1}},
    {"ByInvestmentUsesTheTransferAct", {{3000000, 2007, 1, 1, true}}, 1000000, {1000000}, {-1}},
    {"DenominatorZeroCountsAsWhole", {{3000000, 2012, 0, 0}}, 2000000, {2000000}, {-1}},
    {"TwoObjectsBothWithCosts", {{1500000, 2016, 1, 2}, {1000000, 2015, 1, 4}}, 2000000, {1500000, 500000}, {0, 0}},
    // An object of the rules before 2014 was the one purchase of a life: a later object gets nothing
    // and the earlier one keeps its own limit times its share.
    {"FlatOf2012ThenFlatOf2016", {{1200000, 2012}, {3000000, 2016}}, 1200000, {1200000, 0}, {-1, 0}},
    {"LaterFlatListedFirst", {{1500000, 2016, 1, 2}, {1000000, 2005, 1, 4}}, 250000, {0, 250000}, {0, -1}},
    {"EarlierRulesAmongThree",
     {{800000, 2016}, {3000000, 2010, 1, 2}, {700000, 2016}},
     1000000,
     {0, 1000000, 0},
     {0, -1, 0}},
    {"TwoObjectsSecondWithoutCost", {{3000000, 2016, 1, 2}, {0, 2005}}, 2000000, {2000000, 0}, {0, 0}},
    {"OldFlatAndAnInterestOnlyObject", {{1500000, 2007}, {0, 2016}}, 1000000, {1000000, 0}, {-1, 0}},
    {"TwoObjectsFirstWithoutCost", {{0, 2016}, {3000000, 2005, 1, 2}}, 500000, {0, 500000}, {0, -1}},
    {"ThreeObjectsWholeLimit",
     {{1000000, 2015, 1, 4}, {800000, 2016}, {700000, 2016}},
     2000000,
     {1000000, 800000, 200000},
     {0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(PurchaseDeduction, PrilZLimits, testing::ValuesIn(kZLimitCases),
                         [](const testing::TestParamInfo<ZLimitCase>& i) { return std::string(i.param.name); });

TEST(PrilZ, ThirdShareIsRoundedToKopecks) {
    auto doc = NewDeclaration();
    doc->PropertyDeductions.Granted = true;
    AddPropertyObject(*doc, Rub(3000000), Rub(0), 2012, 1, 3);
    kTSvodSumPrilZ z;
    z.Compute(*doc, {});
    EXPECT_EQ(z.TotalCost, testsupport::Amount("666666.67"));
    EXPECT_DOUBLE_EQ(z.ShareFactor, 1.0 / 3);
}

TEST(PrilZ, CarryOverWhenIncomeIsShort) {
    auto doc = NewDeclaration();
    doc->PropertyDeductions.Granted = true;
    AddPropertyObject(*doc, Rub(2500000), Rub(100000), 2016);
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(352000);
    in.StandardDeductions = Rub(2000);
    in.SocialDeductionsDue = Rub(50000);  // 300000 left
    kTSvodSumPrilZ z;
    z.Compute(*doc, in);
    EXPECT_EQ(z.НалБаз13БезВыч, Rub(300000));
    EXPECT_EQ(z.РасхНовВычНД, Rub(300000));
    EXPECT_EQ(z.ПроцВычНД, Rub(0));
    EXPECT_EQ(z.ОстИВБезПроц, Rub(1700000));
    EXPECT_EQ(z.ОстИВУплПроц, Rub(100000));
}

TEST(PrilZ, PreviousYearsAndAgentReduceThisYear) {
    auto doc = NewDeclaration();
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(500000);
    pd.PreviousYearsInterest = Rub(20000);
    pd.AgentPurchase = Rub(100000);
    pd.AgentInterest = Rub(10000);
    pd.FirstCarried = Rub(11);
    pd.SecondCarried = Rub(22);
    AddPropertyObject(*doc, Rub(2000000), Rub(150000), 2016);
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(1000000);
    in.BusinessIncome = Rub(200000);
    in.BusinessExpenses = Rub(100000);
    kTSvodSumPrilZ z;
    z.Compute(*doc, in);
    // 1000000 + 200000 - 100000 - the agent's 110000
    EXPECT_EQ(z.НалБаз13БезВыч, Rub(990000));
    EXPECT_EQ(z.ВычНовЗачПред, Rub(500000));
    EXPECT_EQ(z.ВычНАУвед, Rub(100000));
    EXPECT_EQ(z.FirstCarried, Rub(11));
    EXPECT_EQ(z.SecondCarried, Rub(22));
    EXPECT_EQ(z.РасхНовВычНД, Rub(990000));  // of 1400000
    EXPECT_EQ(z.ПроцВычНД, Rub(0));
    EXPECT_EQ(z.ОстИВБезПроц, Rub(410000));
    EXPECT_EQ(z.ОстИВУплПроц, Rub(120000));

    in.Income13 = Rub(2000000);  // 1990000 available: all of both this year
    z.Compute(*doc, in);
    EXPECT_EQ(z.РасхНовВычНД, Rub(1400000));
    EXPECT_EQ(z.ПроцВычНД, Rub(120000));
    EXPECT_EQ(z.ОстИВБезПроц, Rub(0));
    EXPECT_EQ(z.ОстИВУплПроц, Rub(0));
}

TEST(PrilZ, InterestTakesWhatThePurchaseLeaves) {
    auto doc = NewDeclaration();
    doc->PropertyDeductions.Granted = true;
    AddPropertyObject(*doc, Rub(200000), Rub(300000), 2016);
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(350000);
    kTSvodSumPrilZ z;
    z.Compute(*doc, in);
    EXPECT_EQ(z.РасхНовВычНД, Rub(200000));
    EXPECT_EQ(z.ПроцВычНД, Rub(150000));
    EXPECT_EQ(z.ОстИВУплПроц, Rub(150000));
}

// The purchase is taken in earlier years; this year's income goes to the interest.
struct ZInterestCase {
    const char* name;
    int year;
    int64_t interest, previousInterest, income;
    int64_t totalInterest, interestThisYear, interestRemainder;
};

class PrilZInterest : public testing::TestWithParam<ZInterestCase> {};

TEST_P(PrilZInterest, CappedFrom2014) {
    const ZInterestCase& c = GetParam();
    auto doc = NewDeclaration();
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(2000000);
    pd.PreviousYearsInterest = Rub(c.previousInterest);
    AddPropertyObject(*doc, Rub(2000000), Rub(c.interest), c.year);
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(c.income);
    kTSvodSumPrilZ z;
    z.Compute(*doc, in);
    EXPECT_EQ(z.РасхНовВычНД, Rub(0));
    EXPECT_EQ(z.TotalInterest, Rub(c.totalInterest));
    EXPECT_EQ(z.ПроцВычНД, Rub(c.interestThisYear));
    EXPECT_EQ(z.ОстИВУплПроц, Rub(c.interestRemainder));
}

const ZInterestCase kZInterestCases[] = {
    {"RemainderFromTheCappedTotal", 2016, 4000000, 0, 650000, 3000000, 650000, 2350000},
    {"EarlierYearsCountAgainstTheCap", 2015, 4000000, 2800000, 1000000, 3000000, 200000, 0},
    {"CapReachedInEarlierYears", 2014, 3500000, 3000000, 1000000, 3000000, 0, 0},
    {"ObjectBefore2014HasNoCap", 2013, 4000000, 0, 5000000, 4000000, 4000000, 0},
};

INSTANTIATE_TEST_SUITE_P(PurchaseDeduction, PrilZInterest, testing::ValuesIn(kZInterestCases),
                         [](const testing::TestParamInfo<ZInterestCase>& i) { return std::string(i.param.name); });

// The interest deduction is given for one object (art. 220 p. 11): that whose interest was taken
// in earlier years, else the first with interest; the other's interest counts nothing.
struct ZOneInterestCase {
    const char* name;
    int64_t previousInterest;
    int firstUse0, firstUse1;
    int64_t totalInterest, interestThisYear;
    int64_t objectInterest0, objectInterest1;
};

class PrilZOneInterest : public testing::TestWithParam<ZOneInterestCase> {};

TEST_P(PrilZOneInterest, OneObjectCarriesTheInterest) {
    const ZOneInterestCase& c = GetParam();
    auto doc = NewDeclaration();
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(2000000);
    pd.PreviousYearsInterest = Rub(c.previousInterest);
    AddPropertyObject(*doc, Rub(1000000), Rub(100000), 2015).FirstYearOfUse = Date::Ymd(c.firstUse0, 1, 1);
    AddPropertyObject(*doc, Rub(1000000), Rub(120000), 2015).FirstYearOfUse = Date::Ymd(c.firstUse1, 1, 1);
    kTSvodSumPrilZ::Inputs in;
    in.Income13 = Rub(1000000);
    kTSvodSumPrilZ z;
    z.Compute(*doc, in);
    EXPECT_EQ(z.TotalInterest, Rub(c.totalInterest));
    EXPECT_EQ(z.ПроцВычНД, Rub(c.interestThisYear));
    EXPECT_EQ(z.Object(0).Interest, Rub(c.objectInterest0));
    EXPECT_EQ(z.Object(1).Interest, Rub(c.objectInterest1));
}

const ZOneInterestCase kZOneInterestCases[] = {
    {"FirstObjectTakenEarlier", 0, 2016, 2017, 100000, 100000, 100000, 0},
    {"NoneTakenEarlierFirstInTheList", 0, 2017, 2016, 100000, 100000, 100000, 0},
    {"SecondObjectTakenEarlier", 50000, 2017, 2016, 120000, 70000, 0, 120000},
};

INSTANTIATE_TEST_SUITE_P(PurchaseDeduction, PrilZOneInterest, testing::ValuesIn(kZOneInterestCases),
                         [](const testing::TestParamInfo<ZOneInterestCase>& i) { return std::string(i.param.name); });

TEST(PrilZ, NothingWithoutGrantObjectsOrResidence) {
    for (int variant = 0; variant < 3; ++variant) {
        auto doc = NewDeclaration(variant == 2 ? kForm3NdflNonResident : kForm3Ndfl);
        doc->PropertyDeductions.Granted = variant != 0;
        if (variant != 1)
            AddPropertyObject(*doc, Rub(1000000), Rub(0), 2016);
        kTSvodSumPrilZ::Inputs in;
        in.Income13 = Rub(1000000);
        kTSvodSumPrilZ z;
        EXPECT_TRUE(z.Compute(*doc, in));
        EXPECT_EQ(z.TotalCost, Rub(0)) << variant;
        EXPECT_EQ(z.РасхНовВычНД, Rub(0)) << variant;
        if (variant != 1) {
            EXPECT_EQ(z.Object(0).AssignedDeduction, Rub(0)) << variant;
        }
    }
}

}  // namespace
}  // namespace zizaza
