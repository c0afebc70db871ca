// The course of a check run: section 1 and its answers, the navigation code, one dialog at most
// outside section 1, and the listing of every problem.
#include "DeclarationCheckTestSupport.h"

#include <gtest/gtest.h>

namespace zizaza::checktest {
namespace {

using Strings = std::vector<std::string>;

TEST(DeclarationCheckFlow, CleanDeclarationShowsNothing) {
    auto doc = CleanDeclaration();
    CheckResult r = RunCheck(*doc, {}, true);
    EXPECT_TRUE(r.shown.empty());
    EXPECT_EQ(r.Item(), kNavigationNoProblem);
    EXPECT_EQ(DecideCheckOutcome(r.code), CheckOutcome::Passed);
}

TEST(DeclarationCheckFlow, FreshDeclarationAsksForTheInspectionFirst) {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    CheckResult fixed = RunCheck(*doc, {Fix});
    ASSERT_EQ(fixed.shown.size(), 1u);
    EXPECT_EQ(fixed.shown[0].sectionTitle, "Задание условий");
    EXPECT_EQ(fixed.shown[0].message, "Не введен номер инспекции");
    EXPECT_EQ(fixed.shown[0].Line(), "Проверка: Задание условий: Не введен номер инспекции");
    EXPECT_EQ(fixed.code, MakeNavigationCode(1, 1));
    EXPECT_EQ(fixed.code, 0x00010001u);
    EXPECT_EQ(DecideCheckOutcome(fixed.code), CheckOutcome::FixRequested);

    // "Отмена" stays within section 1: the empty surname of section 2 is not shown.
    CheckResult cancelled = RunCheck(*doc, {Cancel});
    EXPECT_EQ(cancelled.Messages(), Strings{"Не введен номер инспекции"});
    EXPECT_EQ(cancelled.code, MakeNavigationCode(1, kNavigationNotFixed));
    EXPECT_EQ(DecideCheckOutcome(cancelled.code), CheckOutcome::GaveUp);
}

struct SignerCase {
    const char* name;
    uint16_t signerKind;
    bool withInspection;
    std::vector<CheckAnswer> answers;
    Strings expected;
    uint16_t item;
};

void PrintTo(const SignerCase& c, std::ostream* os) {
    *os << c.name;
}

class SignerChecks : public ::testing::TestWithParam<SignerCase> {};

TEST_P(SignerChecks, CancelGoesOnFixEndsTheSection) {
    const SignerCase& c = GetParam();
    auto doc = CleanDeclaration();
    doc->SignerKind = static_cast<SignerKind>(c.signerKind);
    doc->RepresentativeName = "  ";  // blank counts as missing
    if (!c.withInspection)
        doc->InspectionCode.clear();
    CheckResult r = RunCheck(*doc, c.answers);
    EXPECT_EQ(r.Messages(), c.expected);
    EXPECT_EQ(r.Screen(), kScreenInitialData);
    EXPECT_EQ(r.Item(), c.item);
}

const char* kNoName = "Не указаны ФИО подписанта-представителя";
const char* kNoDocument = "Не указан документ, подтверждающий полномочия представителя";
const char* kNoOrganization = "Не указано наименование Юр.лица-представителя";

INSTANTIATE_TEST_SUITE_P(
    DeclarationCheckFlow, SignerChecks,
    ::testing::Values(
        SignerCase{"CancelThenFix", 1, true, {Cancel, Fix}, {kNoName, kNoDocument}, 4},
        SignerCase{"FixFirst", 1, true, {Fix}, {kNoName}, 3},
        SignerCase{"CancelAll", 1, true, {Cancel, Cancel}, {kNoName, kNoDocument}, kNavigationNotFixed},
        SignerCase{"OrganizationCancelAll", 2, true, {}, {kNoName, kNoDocument, kNoOrganization}, kNavigationNotFixed},
        SignerCase{"OrganizationFixLast", 2, true, {Cancel, Cancel, Fix}, {kNoName, kNoDocument, kNoOrganization}, 5},
        SignerCase{"InspectionFixedEndsSection", 2, false, {Fix}, {"Не введен номер инспекции"}, 1},
        SignerCase{"InspectionCancelledGoesOn",
                   1,
                   false,
                   {Cancel, Cancel, Fix},
                   {"Не введен номер инспекции", kNoName, kNoDocument},
                   4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeclarationCheckFlow, RepresentativeWithNameAndDocumentPasses) {
    auto doc = CleanDeclaration();
    doc->SignerKind = SignerKind::Representative;
    doc->RepresentativeName = "Петров Петр Петрович";
    doc->RepresentativeDocument = "Доверенность №1";
    EXPECT_TRUE(RunCheck(*doc).shown.empty());
    doc->SignerKind = SignerKind::RepresentativeOrganization;
    EXPECT_EQ(RunCheck(*doc).Messages(), Strings{kNoOrganization});
}

// A declaration that fails in every section after the first.
std::unique_ptr<mTDeclaration> FailingEverywhere() {
    auto doc = CleanDeclaration();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign | kIncomeBusiness);
    doc->Person.Name.Surname.clear();
    doc->AddResidentIncome13();                                        // no income lines
    doc->AddCurrencyIncome();                                          // no currency code
    doc->BusinessIncome(doc->AddBusinessIncome()).ActivityKind = "1";  // OKVED ".."
    doc->SocialDeductions.Granted = true;                              // nothing entered
    doc->Person.Address.Oktmo = "123";
    return doc;
}

TEST(DeclarationCheckFlow, AtMostOneDialogAfterSectionOne) {
    auto doc = FailingEverywhere();
    for (CheckAnswer answer : {Cancel, Fix}) {
        CheckResult r = RunCheck(*doc, {answer});
        ASSERT_EQ(r.shown.size(), 1u);
        EXPECT_EQ(r.shown[0].message, "Не введена фамилия");
        EXPECT_EQ(r.Screen(), kScreenPerson);
    }
    // Fixing the surname moves the single dialog on to the next failing section.
    doc->Person.Name.Surname = "Иванов";
    CheckResult r = RunCheck(*doc);
    EXPECT_EQ(r.Messages(), Strings{"По данному источнику не указаны доходы"});
    EXPECT_EQ(r.code, MakeNavigationCode(kScreenRussianIncome13, kNavigationNotFixed));
}

TEST(DeclarationCheckFlow, ListAllGoesThroughEverySection) {
    auto doc = FailingEverywhere();
    CheckResult r = RunCheck(*doc, {}, false, true);
    EXPECT_EQ(r.Messages(), (Strings{
                                "Не введена фамилия",
                                "По данному источнику не указаны доходы",
                                "По данному источнику выплаты не указан код валюты",
                                "По данному источнику выплаты не указан курс валюты",
                                "По данному источнику выплаты не указан код дохода",
                                "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку",
                                "Не введены данные по социальным налоговым вычетам",
                                "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов",
                            }));
    EXPECT_EQ(r.code, MakeNavigationCode(kScreenInitialData, kNavigationNotFixed));
    std::vector<std::string> titles;
    for (const auto& s : r.shown)
        titles.push_back(s.sectionTitle);
    EXPECT_EQ(titles, (Strings{"Сведения о декларанте", "Доходы, облагаемые ставкой 13%", "Доходы в валюте",
                               "Доходы в валюте", "Доходы в валюте", "Доходы от предпринимательской деятельности",
                               "Социальные вычеты", "Задание условий"}));
}

TEST(DeclarationCheckFlow, ListAllNamesEveryFailingRecord) {
    auto doc = CleanDeclaration();
    AddSource(*doc);
    doc->AddResidentIncome13();
    doc->AddResidentIncome13();
    CheckResult one = RunCheck(*doc);
    ASSERT_EQ(one.shown.size(), 1u);
    EXPECT_EQ(one.code, MakeNavigationCode(kScreenRussianIncome13, kNavigationNotFixed));
    CheckResult all = RunCheck(*doc, {}, false, true);
    EXPECT_EQ(all.shown.size(), 2u);
}

TEST(NavigationCode, DecisionAndTarget) {
    EXPECT_EQ(DecideCheckOutcome(MakeNavigationCode(7, 0)), CheckOutcome::Passed);
    EXPECT_EQ(DecideCheckOutcome(MakeNavigationCode(7, 65535)), CheckOutcome::GaveUp);
    EXPECT_EQ(DecideCheckOutcome(MakeNavigationCode(7, 3)), CheckOutcome::FixRequested);
    EXPECT_EQ(static_cast<int>(CheckOutcome::GaveUp), 2);

    struct Case {
        uint16_t screen;
        NavigationTarget::Container container;
        uint16_t subScreen;
    };
    using C = NavigationTarget::Container;
    for (Case c : {Case{1, C::None, 0}, Case{2, C::None, 0}, Case{3, C::None, 0}, Case{4, C::RussianIncome, 0},
                   Case{6, C::RussianIncome, 2}, Case{7, C::None, 0}, Case{8, C::None, 0}, Case{9, C::Deductions, 0},
                   Case{10, C::Deductions, 1}, Case{11, C::Deductions, 2}, Case{12, C::None, 0},
                   Case{13, C::RussianIncome, 3}, Case{14, C::RussianIncome, 4}}) {
        NavigationTarget t = ResolveNavigation(MakeNavigationCode(c.screen, 300));
        EXPECT_EQ(t.screen, c.screen);
        EXPECT_EQ(t.item, 300);
        EXPECT_EQ(t.container, c.container) << c.screen;
        EXPECT_EQ(t.subScreen, c.subScreen) << c.screen;
    }
}

}  // namespace
}  // namespace zizaza::checktest
