// The taxpayer's data (screen 2) and the OKTMO of the place of residence (screen 1, item 10).
#include "DeclarationCheckTestSupport.h"

#include <functional>

#include <gtest/gtest.h>

namespace zizaza::checktest {
namespace {

struct PersonCase {
    const char* name;
    std::function<void(mTDeclaration&)> change;
    const char* message;  // nullptr: nothing is shown
    uint16_t item;
};

void PrintTo(const PersonCase& c, std::ostream* os) {
    *os << c.name;
}

class PersonChecks : public ::testing::TestWithParam<PersonCase> {};

TEST_P(PersonChecks, OneProblemOrNone) {
    const PersonCase& c = GetParam();
    auto doc = CleanDeclaration();
    c.change(*doc);
    CheckResult r = RunCheck(*doc, {Fix});
    if (c.message == nullptr) {
        EXPECT_TRUE(r.shown.empty()) << r.shown.front().message;
        return;
    }
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0].sectionTitle, "Сведения о декларанте");
    EXPECT_EQ(r.shown[0].message, c.message);
    EXPECT_EQ(r.code, MakeNavigationCode(kScreenPerson, c.item));
}

void NoInn(mTDeclaration& d) {
    d.Person.Name.Inn = " ";
}
void Passport(mTDeclaration& d, Date born, Date issued) {
    d.Person.Document.KindCode = 21;
    d.Person.Document.SeriesNumber = "45 01 123456";
    d.Person.Document.IssuedBy = "ОВД района Арбат";
    d.Person.Document.BirthDate = born;
    d.Person.Document.IssueDate = issued;
}

const char* kFourteen = "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет";
const char* kNoBirthPlace = "Не указано место рождения";
const char* kNoDocument = "Не указан документ, удостоверяющий личность";
const char* kInnForBusiness = "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН";

INSTANTIATE_TEST_SUITE_P(
    DeclarationCheckPerson, PersonChecks,
    ::testing::Values(
        PersonCase{"NoSurname", [](auto& d) { d.Person.Name.Surname.clear(); }, "Не введена фамилия", 1},
        PersonCase{"NoFirstName", [](auto& d) { d.Person.Name.FirstName.clear(); }, "Не введено имя", 2},
        PersonCase{"NeitherNameSurnameFirst",
                   [](auto& d) {
                       d.Person.Name.Surname.clear();
                       d.Person.Name.FirstName.clear();
                       d.Person.Name.Inn = "1";
                   },
                   "Не введена фамилия", 1},
        PersonCase{"InnOfTenDigits", [](auto& d) { d.Person.Name.Inn = "1234567894"; },
                   "Длина ИНН должна быть равна 12 цифрам", 4},
        PersonCase{"InnOfZeros", [](auto& d) { d.Person.Name.Inn = "000000000000"; }, "Номер ИНН введен неверно", 4},
        PersonCase{"InnWrongControlDigit", [](auto& d) { d.Person.Name.Inn = "123456789048"; },
                   "Номер ИНН введен неверно", 4},
        PersonCase{"InnWithBlanksAround", [](auto& d) { d.Person.Name.Inn = " 123456789047 "; }, nullptr, 0},
        PersonCase{"NoInnWithBusinessIncome",
                   [](auto& d) {
                       NoInn(d);
                       d.SetIncomeFlags(kIncomeRussia | kIncomeBusiness);
                   },
                   kInnForBusiness, 4},
        PersonCase{"NoInnEntrepreneur",
                   [](auto& d) {
                       NoInn(d);
                       d.TaxpayerCategory = TaxpayerCategory::Entrepreneur;
                   },
                   kInnForBusiness, 4},
        PersonCase{"NoInnIn4Ndfl",
                   [](auto& d) {
                       NoInn(d);
                       d.DeclarationForm = kForm4Ndfl;
                   },
                   "Не указан ИНН", 4},
        PersonCase{"NoInnAsksForBirthPlace", NoInn, kNoBirthPlace, 9},
        PersonCase{"NoInnAsksForDocument",
                   [](auto& d) {
                       NoInn(d);
                       d.Person.Document.BirthPlace = "г. Москва";
                   },
                   kNoDocument, 5},
        PersonCase{"NoInnWithBirthPlaceAndPassport",
                   [](auto& d) {
                       NoInn(d);
                       d.Person.Document.BirthPlace = "г. Москва";
                       Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(2000, 5, 5));
                   },
                   nullptr, 0},
        PersonCase{"ValidInnMakesBirthPlaceAndDocumentOptional", [](auto&) {}, nullptr, 0},
        PersonCase{"ChosenDocumentNeedsSeries",
                   [](auto& d) {
                       Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(2000, 5, 5));
                       d.Person.Document.SeriesNumber.clear();
                   },
                   "Не указаны серия и номер документа, удостоверяющего личность", 6},
        PersonCase{"ChosenDocumentNeedsIssuerEvenWithValidInn",
                   [](auto& d) {
                       Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(2000, 5, 5));
                       d.Person.Document.IssuedBy.clear();
                   },
                   "Не указано, кем выдан документ, удостоверяющий личность", 8},
        PersonCase{"IssuedBeforeBirth", [](auto& d) { Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(1980, 5, 4)); },
                   "Дата выдачи документа не может быть меньше даты рождения", 7},
        PersonCase{"IssuedOnBirthDayOfFourteen",
                   [](auto& d) { Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(1994, 5, 5)); }, nullptr, 0},
        PersonCase{"IssuedDayBeforeFourteen",
                   [](auto& d) { Passport(d, Date::Ymd(1980, 5, 5), Date::Ymd(1994, 5, 4)); }, kFourteen, 7},
        PersonCase{"LeapDayBirthMeasuredFrom28February",
                   [](auto& d) { Passport(d, Date::Ymd(2000, 2, 29), Date::Ymd(2014, 2, 28)); }, nullptr, 0},
        PersonCase{"LeapDayBirthOneDayShort",
                   [](auto& d) { Passport(d, Date::Ymd(2000, 2, 29), Date::Ymd(2014, 2, 27)); }, kFourteen, 7},
        PersonCase{"TimeOfDayDoesNotCount",
                   [](auto& d) {
                       Passport(d, Date::Ymd(1980, 5, 5), Date(Date::Ymd(1994, 5, 5).days() + 0.25));
                       d.Person.Document.BirthDate = Date(Date::Ymd(1980, 5, 5).days() + 0.75);
                   },
                   nullptr, 0},
        PersonCase{"BirthCertificateHasNoAgeLimit",
                   [](auto& d) {
                       Passport(d, Date::Ymd(2010, 5, 5), Date::Ymd(2010, 6, 1));
                       d.Person.Document.KindCode = 3;
                   },
                   nullptr, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeclarationCheckPerson, EveryKindWithTheAgeLimit) {
    for (uint16_t kind : {7, 8, 21, 24, 10}) {
        auto doc = CleanDeclaration();
        Passport(*doc, Date::Ymd(1990, 1, 10), Date::Ymd(2000, 1, 10));
        doc->Person.Document.KindCode = kind;
        bool limited = kind != 10;
        EXPECT_EQ(RunCheck(*doc).shown.size(), limited ? 1u : 0u) << kind;
    }
}

TEST(DeclarationCheckPerson, ListAllShowsEveryPersonProblem) {
    auto doc = CleanDeclaration();
    doc->Person.Name.Surname.clear();
    doc->Person.Name.FirstName.clear();
    NoInn(*doc);
    Passport(*doc, Date::Ymd(1980, 5, 5), Date::Ymd(1980, 5, 1));
    doc->Person.Document.SeriesNumber.clear();
    doc->Person.Document.IssuedBy.clear();
    CheckResult r = RunCheck(*doc, {}, false, true);
    EXPECT_EQ(r.Messages(), (std::vector<std::string>{"Не введена фамилия", "Не введено имя", kNoBirthPlace,
                                                      "Не указаны серия и номер документа, удостоверяющего личность",
                                                      "Дата выдачи документа не может быть меньше даты рождения",
                                                      "Не указано, кем выдан документ, удостоверяющий личность"}));
}

struct OktmoCase {
    const char* oktmo;
    bool required;
    DeclarationForm form;
    const char* message;
};

TEST(DeclarationCheckOktmo, LengthAndPresence) {
    const char* kLength = "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов";
    const char* kMissing = "Не введен код ОКТМО(8 или 11 симв.) по месту жительства";
    for (const OktmoCase& c : {
             OktmoCase{"45000000", true, kForm3Ndfl, nullptr},
             OktmoCase{"45301000001", true, kForm3Ndfl, nullptr},
             OktmoCase{" 45000000 ", false, kForm3Ndfl, nullptr},
             OktmoCase{"4500000", false, kForm3Ndfl, kLength},
             OktmoCase{"450000000", true, kForm3Ndfl, kLength},
             OktmoCase{"", false, kForm3Ndfl, nullptr},
             OktmoCase{"   ", false, kForm3NdflNonResident, nullptr},
             OktmoCase{"", true, kForm3Ndfl, kMissing},
             OktmoCase{"  ", false, kForm4Ndfl, kMissing},
         }) {
        auto doc = CleanDeclaration();
        doc->Person.Address.Oktmo = c.oktmo;
        doc->DeclarationForm = c.form;
        CheckResult r = RunCheck(*doc, {Fix}, c.required);
        SCOPED_TRACE(std::string("OKTMO \"") + c.oktmo + "\"");
        if (c.message == nullptr) {
            EXPECT_TRUE(r.shown.empty());
            EXPECT_EQ(r.Item(), 0);
            continue;
        }
        ASSERT_EQ(r.shown.size(), 1u);
        EXPECT_EQ(r.shown[0].message, c.message);
        EXPECT_EQ(r.shown[0].sectionTitle, "Задание условий");
        EXPECT_EQ(r.code, MakeNavigationCode(kScreenInitialData, 10));
    }
}

}  // namespace
}  // namespace zizaza::checktest
