#include "calc/kTSvodSumPrilE2.h"
#include "calc/kTSvodSumPrilE3.h"

#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zizaza {
namespace {

using testsupport::Amount;
using testsupport::NewDeclaration;
using testsupport::Rub;

void addContract(mTDeclaration& doc, int32_t kind, int64_t contribution, int64_t agent = 0) {
    mTPens& c = doc.SocialDeductions.Contract(doc.SocialDeductions.AddContract());
    c.ContractKind = kind;
    c.OrganizationName = "НПФ \"Будущее\"";
    c.Inn = "7701000001";
    c.Kpp = "770101001";
    c.ContractNumber = "N-" + std::to_string(kind);
    c.ContractDate = Date::Ymd(2015, 2, 3);
    c.Contribution = Rub(contribution);
    c.AgentDeduction = Rub(agent);
}

TEST(PrilE3, ContractsShareTheCommonLimitInListOrder) {
    auto doc = NewDeclaration();
    doc->SocialDeductions.Granted = true;
    addContract(*doc, 1, 70000, 80000);  // the agent deduction is limited to the contribution
    addContract(*doc, 4, 30000, 5000);
    addContract(*doc, 3, 40000);
    addContract(*doc, 7, 99000);  // unknown kind: not listed
    kTSvodSumPrilE3 e3;
    ASSERT_TRUE(e3.Compute(*doc));

    ASSERT_EQ(e3.ContractCount(), 2u);
    ASSERT_EQ(e3.AdditionalContributionCount(), 1u);
    EXPECT_EQ(e3.Contracts[0].СумВзносВыч, Rub(70000));
    EXPECT_EQ(e3.Contracts[0].AgentDeduction, Rub(70000));
    EXPECT_EQ(e3.Contracts[0].Наим, "НПФ \"Будущее\"");
    EXPECT_EQ(e3.Contracts[0].НомДогНПО, "N-1");
    EXPECT_EQ(e3.Contracts[1].СумВзносВыч, Rub(20000));  // what the first two left
    EXPECT_EQ(e3.AdditionalContributions[0].ВидДоговор, 2);
    EXPECT_EQ(e3.AdditionalContributions[0].СумВзносВыч, Rub(30000));

    EXPECT_EQ(e3.ContributionsKinds1To3, Rub(110000));
    EXPECT_EQ(e3.DeductibleKinds1To3, Rub(90000));
    EXPECT_EQ(e3.РасчДопСВВыч.СумВзносУпл, Rub(30000));
    EXPECT_EQ(e3.РасчДопСВВыч.СумВзносВыч, Rub(30000));
    EXPECT_EQ(e3.ОбщВзносВыч, Rub(120000));
    EXPECT_EQ(e3.AgentPensionDeductions, Rub(75000));
}

TEST(PrilE3, InvestmentValuesTakenOverEvenForANonResident) {
    auto doc = NewDeclaration(kForm3NdflNonResident);
    doc->SocialDeductions.Granted = true;
    addContract(*doc, 1, 50000);
    doc->InvestmentDeductionE2 = Rub(400000);
    doc->InvestmentDeductionReturn = Rub(52000);
    kTSvodSumPrilE3 e3;
    e3.Compute(*doc);
    EXPECT_EQ(e3.ContractCount(), 0u);
    EXPECT_EQ(e3.ОбщВзносВыч, Rub(0));
    EXPECT_EQ(e3.СумИнвВыч219, Rub(400000));
    EXPECT_EQ(e3.ИнвВычПредВосст, Rub(52000));
}

TEST(PrilE3, InvestmentAccountDeductionAtMost400000) {
    for (auto [entered, taken] : {std::pair{Amount("399999.99"), Amount("399999.99")},
                                  {Rub(400000), Rub(400000)},
                                  {Rub(650000), Rub(400000)}}) {
        auto doc = NewDeclaration();
        doc->InvestmentDeductionE2 = entered;
        kTSvodSumPrilE3 e3;
        e3.Compute(*doc);
        EXPECT_EQ(e3.СумИнвВыч219, taken) << entered.ToText();
    }
}

struct E2Case {
    const char* name;
    int64_t charity, ownEducation, medical, expensiveMedical, insurance, qualification, agentSocial;
    std::vector<int64_t> children;
    int64_t income13;
    // Expected.
    int64_t charityDue, withoutLimit, withinLimit, byAgents, due;
};

class PrilE2Cases : public testing::TestWithParam<E2Case> {};

TEST_P(PrilE2Cases, Totals) {
    const E2Case& c = GetParam();
    auto doc = NewDeclaration();
    mTSocialDeduct& sd = doc->SocialDeductions;
    sd.Granted = true;
    sd.Charity = Rub(c.charity);
    sd.OwnEducation = Rub(c.ownEducation);
    sd.Medical = Rub(c.medical);
    sd.ExpensiveMedical = Rub(c.expensiveMedical);
    sd.VoluntaryInsurance = Rub(c.insurance);
    sd.QualificationAssessment = Rub(c.qualification);
    sd.AgentSocialDeductions = Rub(c.agentSocial);
    for (int64_t a : c.children)
        sd.AddChildEducation(Rub(a));
    kTSvodSumPrilE3 e3;
    e3.Compute(*doc);
    kTSvodSumPrilE2 e2;
    kTSvodSumPrilE2::Inputs in;
    in.Income13 = Rub(c.income13);
    ASSERT_TRUE(e2.Compute(*doc, e3, in));
    EXPECT_EQ(e2.СумБлагЦел, Rub(c.charityDue));
    EXPECT_EQ(e2.ИтогВычСоциал, Rub(c.withoutLimit));
    EXPECT_EQ(e2.ОбщСумРасх, Rub(c.withinLimit));
    EXPECT_EQ(e2.ОбщСНВОтчПерНА, Rub(c.byAgents));
    EXPECT_EQ(e2.ОбщВычСоциал, Rub(c.due));
}

const E2Case kE2Cases[] = {
    {"InsuranceAndMedicalWithinLimit", 0, 0, 50000, 0, 100000, 0, 0, {}, 1000000, 0, 0, 120000, 0, 120000},
    {"CharityQuarterOfIncome", 50000, 0, 0, 0, 0, 0, 0, {}, 100000, 25000, 25000, 0, 0, 25000},
    {"CharityWithinQuarterKept", 25000, 0, 0, 0, 0, 0, 0, {}, 100000, 25000, 25000, 0, 0, 25000},
    {"ChildEducationCappedPerChild", 0, 0, 0, 0, 0, 0, 0, {60000, 30000}, 1000000, 0, 80000, 0, 0, 80000},
    {"ExpensiveMedicalOutsideLimit", 0, 100000, 30000, 500000, 0, 0, 0, {}, 1000000, 0, 500000, 120000, 0, 620000},
    {"AgentDeductionsSubtracted", 0, 50000, 0, 0, 0, 0, 20000, {}, 1000000, 0, 0, 50000, 20000, 30000},
    {"AgentDeductionsLimitedToWhatIsDue", 0, 10000, 0, 0, 0, 0, 30000, {}, 1000000, 0, 0, 10000, 10000, 0},
    {"QualificationInsideLimit", 0, 0, 0, 0, 0, 7000, 0, {}, 1000000, 0, 0, 7000, 0, 7000},
};

INSTANTIATE_TEST_SUITE_P(SocialDeductions, PrilE2Cases, testing::ValuesIn(kE2Cases),
                         [](const testing::TestParamInfo<E2Case>& i) { return std::string(i.param.name); });

TEST(PrilE2, ChildEducationCappedPerChildLeavesTheDocumentUnchanged) {
    auto doc = NewDeclaration();
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.AddChildEducation(Rub(60000));
    doc->SocialDeductions.AddChildEducation(Rub(45000));
    kTSvodSumPrilE3 e3;
    kTSvodSumPrilE2 e2;
    e2.Compute(*doc, e3, {});
    EXPECT_EQ(doc->SocialDeductions.ChildEducation(0), Rub(60000));
    EXPECT_EQ(doc->SocialDeductions.ChildEducation(1), Rub(45000));
    EXPECT_EQ(e2.СумОбучБезЛим, Rub(95000));
}

// The charity limit income counts every 13% income less the liquidation and exempt incomes;
// a quarter of it is cut to kopecks.
TEST(PrilE2, CharityIncomeBaseAndKopecks) {
    auto doc = NewDeclaration();
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.Charity = Rub(90000);
    doc->InvestmentDeductionReturn = Rub(1000);
    kTSvodSumPrilE3 e3;
    e3.Compute(*doc);
    kTSvodSumPrilE2::Inputs in;
    in.Income13 = testsupport::Amount("100000.03");
    in.ForeignOtherIncome13 = Rub(20000);
    in.BusinessIncome = Rub(30000);
    in.ForeignLiquidationIncome13 = Rub(5000);
    in.ExemptTotal = Rub(4000);
    kTSvodSumPrilE2 e2;
    e2.Compute(*doc, e3, in);
    // (100000.03 + 20000 + 30000 + 1000 - 5000 - 4000) / 4 = 35500.0075
    EXPECT_EQ(e2.СумБлагЦел, testsupport::Amount("35500"));

    in.ExemptTotal = Rub(200000);  // no income left: no charity deduction at all
    e2.Compute(*doc, e3, in);
    EXPECT_EQ(e2.СумБлагЦел, Rub(0));
}

TEST(PrilE2, PensionContributionsShareTheLimit) {
    auto doc = NewDeclaration();
    doc->SocialDeductions.Granted = true;
    addContract(*doc, 2, 90000, 10000);
    doc->SocialDeductions.Medical = Rub(50000);
    kTSvodSumPrilE3 e3;
    e3.Compute(*doc);
    kTSvodSumPrilE2 e2;
    kTSvodSumPrilE2::Inputs in;
    in.Income13 = Rub(1000000);
    e2.Compute(*doc, e3, in);
    EXPECT_EQ(e2.СумПенсСтрах, Rub(90000));
    EXPECT_EQ(e2.ОбщСумРасх, Rub(120000));
    EXPECT_EQ(e2.ОбщСНВОтчПерНА, Rub(10000));
    EXPECT_EQ(e2.ОбщВычСоциал, Rub(110000));
}

TEST(PrilE2, NotGrantedOrNonResidentLeavesZeroAndDocumentUnchanged) {
    for (DeclarationForm form : {kForm3Ndfl, kForm3NdflNonResident}) {
        auto doc = NewDeclaration(form);
        doc->SocialDeductions.Granted = form != kForm3Ndfl;
        doc->SocialDeductions.Medical = Rub(10000);
        doc->SocialDeductions.AddChildEducation(Rub(70000));
        kTSvodSumPrilE3 e3;
        kTSvodSumPrilE2 e2;
        e2.Compute(*doc, e3, {});
        EXPECT_EQ(e2.ОбщВычСоциал, Rub(0));
        EXPECT_EQ(e2.СумЛечен, Rub(0));
        EXPECT_EQ(doc->SocialDeductions.ChildEducation(0), Rub(70000));
    }
}

}  // namespace
}  // namespace zizaza
