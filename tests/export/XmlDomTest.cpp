#include "export/XmlDom.h"
#include "export/XmlExportText.h"
#include "storage/AtomicFile.h"
#include "storage/TextCodec.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

XmlDocument SampleDocument(const std::string& value) {
    XmlDocument doc;
    XmlElement root = doc.CreateRoot("Файл");
    root.SetAttribute("ИдФайл", "A");
    XmlElement child = root.AppendElement("Документ");
    child.SetAttribute("Наим", value);
    return doc;
}

TEST(XmlDom, SavesInWindows1251WithItsDeclaration) {
    std::string bytes = SampleDocument("Иванов").SaveToText("windows-1251");
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n", 0), 0u) << bytes;
    // Cyrillic is one byte per letter: "Файл" is D4 E0 E9 EB.
    EXPECT_NE(bytes.find("\xD4\xE0\xE9\xEB"), std::string::npos);
    EXPECT_EQ(bytes, Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                  "<Файл ИдФайл=\"A\">\n  <Документ Наим=\"Иванов\"/>\n</Файл>\n"));
}

TEST(XmlDom, AttributeValuesAreEscapedAndSurviveParsing) {
    const std::vector<std::string> values = {
        "ООО \"Ромашка\"", "a<b", "Smith & Sons", "'одинарные'", "x>y", "строка\nвторая", "таб\tтаб", "&amp;",
    };
    for (const std::string& v : values) {
        std::string bytes = SampleDocument(v).SaveToText("windows-1251");
        XmlDocument back = XmlDocument::Parse(bytes);
        EXPECT_EQ(back.Root().Child("Документ").Attribute("Наим"), v) << Cp1251ToUtf8(bytes);
    }
    std::string bytes = Cp1251ToUtf8(SampleDocument("\"<&").SaveToText("windows-1251"));
    EXPECT_NE(bytes.find("Наим=\"&quot;&lt;&amp;\""), std::string::npos) << bytes;
}

TEST(XmlDom, CharactersOutsideTheEncodingBecomeReferences) {
    std::string bytes = SampleDocument("€ and ✓").SaveToText("windows-1251");
    EXPECT_NE(bytes.find("\x88"), std::string::npos);  // the euro sign has a byte
    EXPECT_NE(bytes.find("&#10003;"), std::string::npos) << bytes;
    EXPECT_EQ(XmlDocument::Parse(bytes).Root().Child("Документ").Attribute("Наим"), "€ and ✓");
    // U+0098, which the declaration file keeps as byte 0x98, has no character in the encoding.
    bytes = SampleDocument("x\u0098y").SaveToText("windows-1251");
    EXPECT_NE(bytes.find("x&#152;y"), std::string::npos) << bytes;
}

// The program's own writer gives libxml2's bytes (libxml2 saves under another spelling of the
// encoding's name): layout, text beside elements, escapes, characters the encoding lacks, depth.
TEST(XmlDom, TheOwnWriterWritesAsLibxml2) {
    XmlDocument doc;
    XmlElement root = doc.CreateRoot("Файл");
    root.SetAttribute("Наим", "кавычки \" < > & ' \t\r\n ✓ € \u0098");
    XmlElement mixed = root.AppendElement("Текст");
    mixed.AppendText("до <&> \r\n ✓");
    mixed.AppendElement("Внутри").AppendElement("Глубже").SetAttribute("a", "1");
    mixed.AppendText("");
    root.AppendElement("Пустой");
    XmlElement deep = root;
    for (int level = 0; level < 35; ++level)
        deep = deep.AppendElement("d");
    deep.SetAttribute("x", "y");
    root.AppendElement("После").AppendText("");
    for (const auto& [own, libxml] : {std::pair{"windows-1251", "CP1251"}, std::pair{"UTF-8", "utf-8"}}) {
        std::string byLibxml = doc.SaveToText(libxml);
        const std::string prolog = std::string("encoding=\"") + libxml + "\"";
        ASSERT_NE(byLibxml.find(prolog), std::string::npos) << byLibxml;
        byLibxml.replace(byLibxml.find(prolog), prolog.size(), std::string("encoding=\"") + own + "\"");
        EXPECT_EQ(doc.SaveToText(own), byLibxml) << own;
    }
}

TEST(XmlDom, RefusesWhatXmlCannotHold) {
    XmlDocument doc;
    XmlElement root = doc.CreateRoot("Файл");
    EXPECT_THROW(root.SetAttribute("Наим", std::string("a\x01"
                                                       "b")),
                 XmlError);
    EXPECT_THROW(root.SetAttribute("Наим", std::string("a\0b", 3)), XmlError);
    EXPECT_THROW(root.SetAttribute("Наим", "\xFF\xFE"), XmlError);
    EXPECT_THROW(root.SetAttribute("1abc", "x"), XmlError);
    EXPECT_THROW(root.AppendElement("a b"), XmlError);
    EXPECT_THROW(XmlElement().AppendElement("a"), XmlError);
    EXPECT_THROW(XmlDocument().SaveToText("windows-1251"), XmlError);
    EXPECT_THROW(SampleDocument("x").SaveToText("no-such-encoding"), XmlError);
}

TEST(XmlDom, AttributesKeepTheirOrderAndASecondValueReplacesTheFirst) {
    XmlDocument doc;
    XmlElement root = doc.CreateRoot("r");
    root.SetAttribute("b", "1");
    root.SetAttribute("a", "2");
    root.SetAttribute("b", "3");
    std::vector<std::pair<std::string, std::string>> expected = {{"b", "3"}, {"a", "2"}};
    EXPECT_EQ(root.Attributes(), expected);
    EXPECT_FALSE(root.Attribute("c").has_value());
    EXPECT_EQ(root.Attribute("a"), "2");
}

TEST(XmlDom, ParsingNeverExpandsEntitiesNorReadsFiles) {
    TempDir dir;
    WriteBytes(dir.file("secret.txt"), "SECRET");
    std::string text =
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY e SYSTEM \"file://" + dir.file("secret.txt") + "\">]><r>&e;</r>";
    XmlDocument doc = XmlDocument::Parse(text);
    EXPECT_EQ(doc.Root().Text().find("SECRET"), std::string::npos);
    EXPECT_THROW(XmlDocument::Parse("<r><a></r>"), XmlError);
}

TEST(XmlDom, SaveToFileWritesTheSameBytesAsSaveToText) {
    TempDir dir;
    XmlDocument doc = SampleDocument("Петров");
    doc.SaveToFile(dir.file("a.xml"), "windows-1251");
    EXPECT_EQ(ReadBytes(dir.file("a.xml")), doc.SaveToText("windows-1251"));
    auto perms = std::filesystem::status(dir.file("a.xml")).permissions();
    EXPECT_NE(perms & std::filesystem::perms::others_read, std::filesystem::perms::none);
}

TEST(XmlDom, AFailedWriteLeavesNothingBehindAndTheOldFileIntact) {
    TempDir dir;
    // The target is a folder: the rename fails after the bytes were written.
    std::filesystem::create_directory(dir.file("taken.xml"));
    EXPECT_THROW(SampleDocument("x").SaveToFile(dir.file("taken.xml"), "windows-1251"), FileWriteError);
    // A folder that does not exist.
    EXPECT_THROW(SampleDocument("x").SaveToFile(dir.file("missing/a.xml"), "windows-1251"), FileWriteError);
    // A file standing where the folder should be.
    WriteBytes(dir.file("plain"), "old");
    EXPECT_THROW(SampleDocument("x").SaveToFile(dir.file("plain/a.xml"), "windows-1251"), FileWriteError);
    EXPECT_EQ(ReadBytes(dir.file("plain")), "old");

    size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
        EXPECT_TRUE(e.path().filename() == "taken.xml" || e.path().filename() == "plain") << e.path();
    }
    EXPECT_EQ(entries, 2u);
}

TEST(XmlDom, MovedDocumentsOwnTheirTree) {
    XmlDocument a = SampleDocument("x");
    XmlDocument b = std::move(a);
    EXPECT_TRUE(a.Root().IsNull());
    EXPECT_EQ(b.Root().Name(), "Файл");
    a = std::move(b);
    EXPECT_EQ(a.Root().Child("Документ").Attribute("Наим"), "x");
}

}  // namespace
}  // namespace zizaza
