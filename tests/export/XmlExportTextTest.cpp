#include "export/XmlExportText.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace zizaza {
namespace {

TEST(XmlExportText, UpperCaseOfCyrillicAndLatinLetters) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"иванов", "ИВАНОВ"},
        {"ёлкин", "ЁЛКИН"},
        {"smith-jones", "SMITH-JONES"},
        {"ул. Ленина, д. 5а/1", "УЛ. ЛЕНИНА, Д. 5А/1"},
        {"їжак і ґанок, ўсё, ђ ѓ є ѕ ј љ њ ћ ќ џ", "ЇЖАК І ҐАНОК, ЎСЁ, Ђ Ѓ Є Ѕ Ј Љ Њ Ћ Ќ Џ"},
        {"АБВ XYZ 123 №", "АБВ XYZ 123 №"},
        {"", ""},
        {"ß µ", "ß µ"},  // letters of neither alphabet stay as they are
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpperCase(c.in), c.out) << c.in;
    EXPECT_EQ(UpperCase("a\xFF"
                        "b"),
              "A\xFF"
              "B");
}

TEST(XmlExportText, CommaToDotReplacesEveryCommaAndTrims) {
    EXPECT_EQ(CommaToDot("1234,56"), "1234.56");
    EXPECT_EQ(CommaToDot(" 1,2,3 "), "1.2.3");
    EXPECT_EQ(CommaToDot("100.00"), "100.00");
    EXPECT_EQ(CommaToDot(""), "");
}

TEST(XmlExportText, TrimCountsAndPads) {
    EXPECT_EQ(Trim("  а б \t"), "а б");
    EXPECT_TRUE(IsBlank(" \t "));
    EXPECT_FALSE(IsBlank(" х "));
    EXPECT_EQ(FirstChars("Иванов", 3), "Ива");
    EXPECT_EQ(AfterChars("Иванов", 3), "нов");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
    EXPECT_EQ(PadZeros("4", 3), "004");
    EXPECT_EQ(PadZeros("643", 3), "643");
    EXPECT_EQ(PadZeros("1234", 3), "1234");
}

TEST(XmlExportText, NewFileGuidIsARandomVersion4Guid) {
    const std::regex form("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        std::string g = NewFileGuid();
        ASSERT_EQ(g.size(), 36u);
        EXPECT_TRUE(std::regex_match(g, form)) << g;
        seen.insert(g);
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(XmlExportText, AmountForms) {
    EXPECT_EQ(WholeAmount(Money::Roubles(500000)), "500000");
    // Kopecks a file holds are rounded half up, never written into a whole amount.
    EXPECT_EQ(WholeAmount(*Money::Parse("13000.4")), "13000");
    EXPECT_EQ(WholeAmount(*Money::Parse("13000.5")), "13001");
    EXPECT_EQ(WholeAmount(*Money::Parse("0.49")), "0");
    EXPECT_EQ(KopeckAmount(Money::Roubles(0)), "0.00");
    EXPECT_EQ(KopeckAmount(*Money::Parse("1234.5")), "1234.50");
    EXPECT_EQ(KopeckAmount(*Money::Parse("12.3456")), "12.34");
    EXPECT_EQ(KopeckAmount(Money::Roubles(-5)), "0.00");
}

TEST(XmlExportText, PutAttributeStoresTheUpperCaseForm) {
    XmlDocument doc;
    XmlElement root = doc.CreateRoot("r");
    PutAttribute(AppendElement(root, "e"), "Фамилия", "петров-водкин");
    EXPECT_EQ(root.Child("e").Attribute("Фамилия"), "ПЕТРОВ-ВОДКИН");
}

}  // namespace
}  // namespace zizaza
