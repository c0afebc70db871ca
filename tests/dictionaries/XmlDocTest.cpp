#include "dictionaries/CodeList.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace zizaza {
namespace {

using testsupport::TempDir;
using testsupport::WriteBytes;

// The error message of a parse or load, or "" when it succeeded.
template <typename F>
std::string ErrorOf(F&& f) {
    try {
        f();
    } catch (const DictionaryError& e) {
        return e.what();
    }
    return {};
}

TEST(XmlDocTest, ReadsWindows1251AsUtf8) {
    TempDir dir;
    std::string file = dir.file("Oksm.xml");
    WriteBytes(file, Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                  "<Oksm>\n  <Country Code=\"643\">РОССИЯ</Country>\n  <!-- comment -->\n"
                                  "  <Other Code=\"276\">ГЕР<![CDATA[МАН]]>ИЯ</Other>\n  <NoCode>Х</NoCode>\n</Oksm>\n")
                         .value());
    std::vector<CodeName> rows = ReadCodeList(XmlDoc::ParseFile(file));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].code, "643");
    EXPECT_EQ(rows[0].name, "РОССИЯ");
    EXPECT_EQ(rows[1].name, "ГЕРМАНИЯ");  // element names play no part; CDATA is text
    EXPECT_EQ(rows[2].code, "");
    EXPECT_EQ(FindCodeRow(rows, "276"), 1u);
    EXPECT_FALSE(FindCodeRow(rows, ""));
    EXPECT_FALSE(FindCodeRow(rows, "64"));
}

TEST(XmlDocTest, FailuresNameTheFile) {
    TempDir dir;
    std::string broken = dir.file("InspectionNumbers.xml");
    WriteBytes(broken, "<?xml version=\"1.0\"?>\n<Inspections>\n<Inspection Code=\"0101\">x</Inspections>\n");
    std::string message = ErrorOf([&] { LoadInspections(broken); });
    EXPECT_NE(message.find(broken), std::string::npos) << message;
    EXPECT_NE(message.find("строка 3"), std::string::npos) << message;

    std::string missing = dir.file("absent.xml");
    message = ErrorOf([&] { LoadInspections(missing); });
    EXPECT_NE(message.find(missing), std::string::npos) << message;

    std::string empty = dir.file("empty.xml");
    WriteBytes(empty, "");
    EXPECT_NE(ErrorOf([&] { XmlDoc::ParseFile(empty); }).find(empty), std::string::npos);
}

// What is wrong is said in Russian with its line; libxml2 prints nothing of its own.
TEST(XmlDocTest, ParseFailuresAreToldInRussian) {
    std::string deep;
    for (int i = 0; i < 300; ++i)
        deep += "<a>";
    const struct {
        std::string text;
        const char* told;
    } cases[] = {
        {"", "файл пуст"},
        {"  \n", "файл пуст"},
        {deep, "элементы вложены слишком глубоко"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\xC0\xC1</r>", "файл в другой кодировке"},
        {"<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<r>\x98</r>", "файл в другой кодировке"},
        {"<r>\n<a></b></r>", "(строка 2)"},
        {"<r>\n<a>", "файл обрывается раньше конца документа"},
        {"<r a=\"1\" a=\"2\"/>", "поле элемента повторяется"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        const std::string message = ErrorOf([&] { XmlDoc::ParseText(c.text, "f.xml"); });
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(message.rfind("Не удается прочитать XML-файл f.xml: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.told), std::string::npos) << c.text.substr(0, 60) << "\n" << message;
    }
}

TEST(XmlDocTest, RefusesDocumentTypesAndEntities) {
    TempDir dir;
    std::string secret = dir.file("secret.txt");
    WriteBytes(secret, "SECRET");
    const std::string texts[] = {
        // An external entity would read a local file.
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + secret + "\">]><r a=\"1\">&x;</r>",
        // Nested entities would grow without bound.
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;\">]>"
        "<r>&b;&b;&b;</r>",
        "<?xml version=\"1.0\"?><!DOCTYPE r SYSTEM \"http://127.0.0.1:9/r.dtd\"><r/>",
        // UTF-16 would hide the declaration from a byte search.
        std::string("\xFF\xFE<\0r\0/\0>\0", 10),
    };
    for (const std::string& text : texts) {
        std::string message = ErrorOf([&] { XmlDoc::ParseText(text, "test.xml"); });
        EXPECT_NE(message.find("test.xml"), std::string::npos) << text;
        EXPECT_EQ(message.find("SECRET"), std::string::npos);
    }
    // An undeclared entity is an error, not an empty text.
    EXPECT_FALSE(ErrorOf([] { XmlDoc::ParseText("<r>&x;</r>", "u.xml"); }).empty());
    // The predefined entities and character references are plain text.
    XmlDoc doc = XmlDoc::ParseText("<r a=\"&quot;&#1071;\">&lt;&amp;&gt;</r>", "p.xml");
    EXPECT_EQ(ElementText(doc.Root()), "<&>");
    EXPECT_EQ(GetAttribute(doc.Root(), "a"), "\"Я");
}

TEST(XmlDocTest, AttributesPresentEmptyOrAbsent) {
    XmlDoc doc = XmlDoc::ParseText("<r A=\"\" B=\" \"/>", "a.xml");
    EXPECT_EQ(GetAttribute(doc.Root(), "A"), "");
    EXPECT_EQ(GetAttribute(doc.Root(), "B"), " ");
    EXPECT_FALSE(GetAttribute(doc.Root(), "C"));
    EXPECT_EQ(AttributeOr(doc.Root(), "C", "x"), "x");
}

TEST(XmlDocTest, SavesInWindows1251AndReadsBack) {
    XmlDoc doc = XmlDoc::WithRoot("Inspections");
    SetAttribute(doc.Root(), "Version", "00");
    // "Ω" has no byte in windows-1251 and becomes a character reference.
    SetAttribute(AppendElement(doc.Root(), "Inspection", "ИФНС № 1 & \"Ω\""), "Code", "0101");
    AppendElement(doc.Root(), "Inspection");
    std::string bytes = doc.Serialize("windows-1251");
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>")) << bytes;
    EXPECT_NE(bytes.find(Utf8ToCp1251("ИФНС №").value()), std::string::npos);

    TempDir dir;
    std::string file = dir.file("out.xml");
    doc.SaveFile(file, "windows-1251");
    std::vector<CodeName> rows = LoadInspections(file);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].code, "0101");
    EXPECT_EQ(rows[0].name, "ИФНС № 1 & \"Ω\"");
    EXPECT_EQ(rows[1].name, "");
}

TEST(InspectionsTest, PickerHelpers) {
    std::vector<CodeName> rows = {{"0101", "А"}, {"0105", "Б"}, {"7701", "В"}, {"7700", "Г"}, {"7701", "Д"}};
    EXPECT_EQ(FindInspectionByPrefix(rows, "7"), 2u);
    EXPECT_EQ(FindInspectionByPrefix(rows, "770"), 2u);
    EXPECT_EQ(FindInspectionByPrefix(rows, "7700"), 3u);
    EXPECT_FALSE(FindInspectionByPrefix(rows, "8"));
    EXPECT_FALSE(FindInspectionByPrefix(rows, ""));
    EXPECT_EQ(FindCodeRow(rows, "7701"), 2u);  // the first of equal codes
    EXPECT_FALSE(FindCodeRow(rows, "9999"));
    EXPECT_EQ(InspectionStatusText(rows[1]), "0105   Б");
}

}  // namespace
}  // namespace zizaza
