#include "ExportTestSupport.h"
#include "export/XmlTitlePage.h"
#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

namespace zizaza::exporttest {
namespace {

std::unique_ptr<mTDeclaration> Person3(DeclarationForm form = kForm3Ndfl) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationForm = form;
    d->SetIncomeFlags(kIncomeRussia);
    d->InspectionCode = "7701";
    d->CorrectionNumber = 2;
    mTPersonInformation& p = d->Person;
    p.Name.Surname = "иванов";
    p.Name.FirstName = "Пётр";
    p.Name.Patronymic = "сергеевич";
    p.Name.Inn = "770123456789";
    p.Document.KindCode = 21;
    p.Document.SeriesNumber = "45 06 123456";
    p.Document.IssueDate = Date::Ymd(2006, 5, 4);
    p.Document.BirthDate = Date::Ymd(1980, 12, 31);
    p.Document.IssuedBy = "ОВД района Хамовники г. Москвы";
    p.Document.BirthPlace = "г. Москва";
    p.Address.Oktmo = "45383000";
    return d;
}

XmlDocument Export(const mTDeclaration& d) {
    return ExportDocument(d, TestFigures());
}

TEST(TitlePage, RootAndDocumentOf3Ndfl) {
    auto d = Person3();
    XmlDocument x = Export(*d);
    XmlElement root = x.Root();
    EXPECT_EQ(root.Name(), "Файл");
    std::vector<std::pair<std::string, std::string>> rootAttributes = {
        {"ИдФайл", std::string("NO_NDFL3_7701_7701_770123456789_20180315_") + kGuid},
        {"ВерсПрог", "Tavo2017_1.2.1"},  // not upper-cased
        {"ВерсФорм", "5.12"}};
    EXPECT_EQ(root.Attributes(), rootAttributes);
    std::vector<std::pair<std::string, std::string>> documentAttributes = {
        {"КНД", "1151020"},   {"ДатаДок", "15.03.2018"}, {"Период", "34"},
        {"ОтчетГод", "2017"}, {"КодНО", "7701"},         {"НомКорр", "2"}};
    EXPECT_EQ(At(x, "Документ").Attributes(), documentAttributes);
    EXPECT_EQ(ChildNames(At(x, "Документ")), (std::vector<std::string>{"СвНП", "Подписант", "НДФЛ3"}));
}

TEST(TitlePage, TaxpayerWithInnAndNoDocumentKindHasNoIdentityDocument) {
    auto d = Person3();
    d->Person.Document.KindCode = 0;
    d->Person.Document.BirthPlace = "  ";
    d->Person.Foreigner.CountryCode = "4";
    XmlDocument x = Export(*d);
    XmlElement np = At(x, "Документ/СвНП/НПФЛ3");
    EXPECT_EQ(AttributeNames(np), (std::vector<std::string>{"ДокПредст", "Статус"}));
    EXPECT_EQ(Attr(np, "ДокПредст"), "760");
    EXPECT_EQ(Attr(np, "Статус"), "1");
    EXPECT_EQ(ChildNames(np), (std::vector<std::string>{"ФИОФЛ", "СведФЛ1"}));
    XmlElement sv = np.Child("СведФЛ1");
    std::vector<std::pair<std::string, std::string>> expected = {
        {"ИННФЛ", "770123456789"}, {"ДатаРожд", "31.12.1980"}, {"ОКСМ", "004"}};
    EXPECT_EQ(sv.Attributes(), expected);
    EXPECT_TRUE(sv.Children().empty());
}

TEST(TitlePage, TaxpayerWithoutInnIsNamedWithZerosAndCarriesSvedFL2) {
    auto d = Person3();
    d->Person.Name.Inn = " ";
    d->Person.Document.KindCode = 3;
    d->Person.Document.BirthPlace = "";
    d->Person.Foreigner.CountryCode = " ";
    EXPECT_EQ(DeclarationFileId(*d, TestToday(), kGuid),
              std::string("NO_NDFL3_7701_7701_000000000000_20180315_") + kGuid);
    XmlDocument x = Export(*d);
    XmlElement sv = At(x, "Документ/СвНП/НПФЛ3/СведФЛ2");
    ASSERT_FALSE(sv.IsNull());
    std::vector<std::pair<std::string, std::string>> expected = {
        {"ДатаРожд", "31.12.1980"}, {"МестоРожд", ""}, {"ОКСМ", "643"}};
    EXPECT_EQ(sv.Attributes(), expected);
    std::vector<std::pair<std::string, std::string>> document = {{"КодВидДок", "03"},
                                                                 {"СерНомДок", "45 06 123456"},
                                                                 {"ДатаДок", "04.05.2006"},
                                                                 {"ВыдДок", "ОВД РАЙОНА ХАМОВНИКИ Г. МОСКВЫ"}};
    EXPECT_EQ(sv.Child("УдЛичн").Attributes(), document);
}

TEST(TitlePage, NamesInCapitalsAndABlankPatronymicLeftOut) {
    auto d = Person3();
    XmlDocument x = Export(*d);
    std::vector<std::pair<std::string, std::string>> full = {
        {"Фамилия", "ИВАНОВ"}, {"Имя", "ПЁТР"}, {"Отчество", "СЕРГЕЕВИЧ"}};
    EXPECT_EQ(At(x, "Документ/СвНП/НПФЛ3/ФИОФЛ").Attributes(), full);
    EXPECT_EQ(Attr(At(x, "Документ/СвНП/НПФЛ3/СведФЛ1"), "МестоРожд"), "Г. МОСКВА");
    EXPECT_EQ(Attr(At(x, "Документ/СвНП/НПФЛ3/СведФЛ1/УдЛичн"), "КодВидДок"), "21");

    d->Person.Name.Patronymic = "   ";
    XmlDocument y = Export(*d);
    EXPECT_EQ(AttributeNames(At(y, "Документ/СвНП/НПФЛ3/ФИОФЛ")), (std::vector<std::string>{"Фамилия", "Имя"}));
}

TEST(TitlePage, NonResidentWithAddressAbroadAndPhone) {
    auto d = Person3(kForm3NdflNonResident);
    d->Person.Foreigner.AddressAbroad = "Berlin, Unter den Linden 1";
    d->Person.Foreigner.CountryCode = "276";
    d->Person.HomePhone.Number = "+49 30 1234";
    d->TaxpayerCategory = TaxpayerCategory::ArbitrationManager;
    XmlDocument x = Export(*d);
    std::vector<std::pair<std::string, std::string>> expected = {
        {"ДокПредст", "750"}, {"Статус", "2"}, {"АдрИно", "BERLIN, UNTER DEN LINDEN 1"}, {"Тлф", "+49 30 1234"}};
    EXPECT_EQ(At(x, "Документ/СвНП/НПФЛ3").Attributes(), expected);
    EXPECT_EQ(Attr(At(x, "Документ/СвНП/НПФЛ3/СведФЛ1"), "ОКСМ"), "276");
}

TEST(TitlePage, TaxpayerCategoryCodes) {
    struct Case {
        int category;
        const char* ndfl3;
        const char* ndfl4;
    };
    const Case cases[] = {{0, "720", "720"}, {1, "770", "770"}, {2, "730", "730"},
                          {3, "740", "740"}, {5, "760", "000"}, {6, "750", "000"}};
    for (const Case& c : cases) {
        const auto category = static_cast<TaxpayerCategory>(c.category);
        EXPECT_EQ(TaxpayerCategoryCode(category, false), c.ndfl3) << c.category;
        EXPECT_EQ(TaxpayerCategoryCode(category, true), c.ndfl4) << c.category;
    }
    EXPECT_THROW(TaxpayerCategoryCode(static_cast<TaxpayerCategory>(4), false), XmlError);
}

TEST(TitlePage, RepresentativeNameSplit) {
    struct Case {
        const char* name;
        const char* surname;
        const char* firstName;
        const char* patronymic;
    };
    const Case cases[] = {
        {"сидоров алексей", "сидоров", "алексей", ""},
        {"", " ", " ", ""},
        {"   ", " ", " ", ""},
        {"Сидоров", "Сидоров", " ", ""},
        {"  Сидоров   Алексей   Петрович  ", "Сидоров", "Алексей", "Петрович"},
        {"Мамедов Рустам Али Оглы", "Мамедов", "Рустам", "Али Оглы"},
    };
    for (const Case& c : cases) {
        SplitName s = SplitRepresentativeName(c.name);
        EXPECT_EQ(s.surname, c.surname) << c.name;
        EXPECT_EQ(s.firstName, c.firstName) << c.name;
        EXPECT_EQ(s.patronymic, c.patronymic) << c.name;
    }
    // A first word longer than 60 characters is cut; the rest of it starts the first name.
    auto repeat = [](const std::string& s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i)
            r += s;
        return r;
    };
    SplitName s = SplitRepresentativeName(repeat("ж", 70) + " Иван");
    EXPECT_EQ(s.surname, repeat("ж", 60));
    EXPECT_EQ(s.firstName, repeat("ж", 10));
    EXPECT_EQ(s.patronymic, "Иван");
    SplitName p = SplitRepresentativeName("А Б " + std::string(70, 'x'));
    EXPECT_EQ(p.patronymic, std::string(60, 'x'));
}

TEST(TitlePage, SignerInPersonAndRepresentative3Ndfl) {
    auto d = Person3();
    XmlDocument self = Export(*d);
    XmlElement signer = At(self, "Документ/Подписант");
    EXPECT_EQ(signer.Attributes(), (std::vector<std::pair<std::string, std::string>>{{"ПрПодп", "1"}}));
    EXPECT_TRUE(signer.Children().empty());

    d->SignerKind = SignerKind::Representative;
    d->RepresentativeName = "сидоров алексей";
    d->RepresentativeDocument = "доверенность №5 от 01.02.2018";
    d->RepresentativeOrganization = "ООО \"Право\"";
    XmlDocument x = Export(*d);
    EXPECT_EQ(Attr(At(x, "Документ/Подписант"), "ПрПодп"), "2");
    std::vector<std::pair<std::string, std::string>> fio = {{"Фамилия", "СИДОРОВ"}, {"Имя", "АЛЕКСЕЙ"}};
    EXPECT_EQ(At(x, "Документ/Подписант/ФИО").Attributes(), fio);
    std::vector<std::pair<std::string, std::string>> authority = {{"НаимДок", "ДОВЕРЕННОСТЬ №5 ОТ 01.02.2018"}};
    EXPECT_EQ(At(x, "Документ/Подписант/СвПред").Attributes(), authority);  // no НаимОрг in 3-NDFL
}

TEST(TitlePage, Whole4NdflDeclaration) {
    auto d = Person3(kForm4Ndfl);
    d->TaxpayerCategory = TaxpayerCategory::Other;
    d->EstimatedIncome = Rub(500000);
    d->SignerKind = SignerKind::RepresentativeOrganization;
    d->RepresentativeName = "Сидоров Алексей Петрович";
    d->RepresentativeDocument = "Доверенность";
    d->RepresentativeOrganization = "ооо \"право\"";
    d->Person.HomePhone.Number = "  ";
    XmlDocument x = ExportDocument(*d, TestFigures());
    EXPECT_EQ(Attr(x.Root(), "ИдФайл"), std::string("NO_NDFL4_7701_7701_770123456789_20180315_") + kGuid);
    EXPECT_EQ(Attr(x.Root(), "ВерсФорм"), "5.02");
    std::vector<std::pair<std::string, std::string>> document = {
        {"КНД", "1151021"}, {"ДатаДок", "15.03.2018"}, {"ОтчетГод", "2018"}, {"КодНО", "7701"}, {"НомКорр", "2"}};
    EXPECT_EQ(At(x, "Документ").Attributes(), document);
    std::vector<std::pair<std::string, std::string>> taxpayer = {
        {"ДокПредст", "000"}, {"ИННФЛ", "770123456789"}, {"ОКТМО", "45383000"}};
    EXPECT_EQ(At(x, "Документ/СвНП/НПФЛ").Attributes(), taxpayer);
    EXPECT_EQ(ChildNames(At(x, "Документ/СвНП/НПФЛ")), std::vector<std::string>{"ФИО"});
    EXPECT_EQ(Attr(At(x, "Документ/Подписант"), "ПрПодп"), "2");
    EXPECT_EQ(Attr(At(x, "Документ/Подписант/ФИО"), "Отчество"), "ПЕТРОВИЧ");
    EXPECT_EQ(Attr(At(x, "Документ/Подписант/СвПред"), "НаимОрг"), "ООО \"ПРАВО\"");
    EXPECT_EQ(At(x, "Документ/НДФЛ4").Attributes(),
              (std::vector<std::pair<std::string, std::string>>{{"ПредДоход", "500000"}}));
    EXPECT_TRUE(At(x, "Документ/НДФЛ3").IsNull());

    // Without INN the name keeps the empty INN between its separators.
    d->Person.Name.Inn = "";
    EXPECT_EQ(DeclarationFileId(*d, TestToday(), kGuid), std::string("NO_NDFL4_7701_7701__20180315_") + kGuid);
}

TEST(TitlePage, UnknownTaxpayerCategoryFailsTheDocument) {
    auto d = Person3();
    d->TaxpayerCategory = static_cast<TaxpayerCategory>(4);
    XmlFigures view = TestFigures().View();
    EXPECT_THROW(BuildDeclarationDocument(*d, &view, "id", TestToday()), XmlError);
}

}  // namespace
}  // namespace zizaza::exporttest
