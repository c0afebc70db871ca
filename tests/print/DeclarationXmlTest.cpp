#include "print/PrintModuleInterface.h"
#include "print/module/DeclarationXml.h"

#include "PrintTestSupport.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::print;

namespace {

const char* const kSmall =
    R"(<?xml version="1.0" encoding="windows-1251"?>)"
    R"(<Файл ИдФайл="X"><Документ КНД="1151020"><СвНП><НПФЛ3><ФИОФЛ Фамилия="ИВАНОВ &quot;И&quot;"/>)"
    R"(<СведФЛ2 ДатаРожд="01.02.1980"/></НПФЛ3></СвНП><Подписант ПрПодп="1"/><Подписант ПрПодп="2"/></Документ></Файл>)";

QByteArray toCp1251(const char* utf8) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(QString::fromUtf8(utf8));
}

std::string messageOf(const QByteArray& text) {
    try {
        ParseDeclarationXml(text);
    } catch (const PrintModuleError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(DeclarationXml, ReadsTheExportFileAndTheSameTextAsUtf8Alike) {
    auto fromFile = ParseDeclarationXml(toCp1251(kSmall));
    auto fromText = ParseDeclarationXml(QByteArray(kSmall));
    for (const auto* root : {fromFile.get(), fromText.get()}) {
        EXPECT_EQ(root->Value(QStringLiteral("Документ/СвНП/НПФЛ3/ФИОФЛ/Фамилия")), QStringLiteral("ИВАНОВ \"И\""));
        EXPECT_EQ(root->Attr(QStringLiteral("ИдФайл")), QStringLiteral("X"));
    }
}

TEST(DeclarationXml, PathsTryAlternativesAndTellAbsentFromEmpty) {
    auto root = ParseDeclarationXml(QByteArray(kSmall));
    const XmlElement* person = root->Child(QStringLiteral("Документ"));
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->Value(QStringLiteral("СвНП/НПФЛ3/СведФЛ1/ДатаРожд|СвНП/НПФЛ3/СведФЛ2/ДатаРожд")),
              QStringLiteral("01.02.1980"));
    EXPECT_EQ(person->Find(QStringLiteral("СвНП/НПФЛ3/СведФЛ1/ДатаРожд")), nullptr);
    EXPECT_EQ(person->Find(QStringLiteral("Нет/Такого")), nullptr);
    EXPECT_EQ(person->Children(QStringLiteral("Подписант")).size(), 2u);
    EXPECT_EQ(person->Value(QStringLiteral("Подписант/ПрПодп")), QStringLiteral("1"));
}

TEST(DeclarationXml, RefusesWhatIsNotADeclarationWithAMessage) {
    struct Case {
        const char* name;
        QByteArray text;
        const char* messagePart;
    };
    const Case cases[] = {
        {"broken", QByteArray("<Файл>\n<Документ>\n</Файл>"), "строка 3"},
        {"other root", QByteArray("<Справка><Документ/></Справка>"), "не является декларацией"},
        {"no document", QByteArray("<Файл/>"), "не является декларацией"},
        {"empty", QByteArray(), "Ошибка в тексте декларации"},
        {"cut short", QByteArray("<Файл><Документ>"), "обрывается"},
        {"entities", QByteArray("<!DOCTYPE Файл [<!ENTITY a \"b\">]><Файл><Документ/></Файл>"), "сущност"},
        {"unknown encoding", QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><Файл/>\xff"), "кодировка"},
        {"bytes without encoding", QByteArray("<Файл Ф=\"\xc0\"/>"), "кодировка"},
    };
    for (const Case& c : cases)
        EXPECT_NE(messageOf(c.text).find(c.messagePart), std::string::npos) << c.name << ": " << messageOf(c.text);
}

// Elements nested depth levels deep under the root and its document.
static QByteArray nested(int depth) {
    QByteArray text("<Файл><Документ>");
    for (int i = 2; i < depth; ++i)
        text += "<a>";
    for (int i = 2; i < depth; ++i)
        text += "</a>";
    return text + "</Документ></Файл>";
}

TEST(DeclarationXml, TextNestedDeeperThanTheFormIsRefusedWithoutExhaustingTheStack) {
    EXPECT_NO_THROW(ParseDeclarationXml(nested(16)));
    for (int depth : {17, 300000})
        EXPECT_NE(messageOf(nested(depth)).find("вложен глубже"), std::string::npos) << depth;
}

TEST(DeclarationXml, EveryGoldenDeclarationParses) {
    for (const char* name : {"entrepreneur_norm", "escaped_names_exempt", "estimated_income_4ndfl", "every_element",
                             "family_social_no_inn", "flat_sale_cadastral", "foreign_dividends", "non_resident",
                             "salaried_flat_mortgage", "securities_investor"}) {
        QByteArray text = test::ReadFile(test::GoldenPath(name));
        ASSERT_FALSE(text.isEmpty()) << name;
        EXPECT_NO_THROW(ParseDeclarationXml(text)) << name;
    }
}
