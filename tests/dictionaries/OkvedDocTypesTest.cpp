#include "dictionaries/DocTypes.h"
#include "dictionaries/Okved.h"
#include "dictionaries/XmlDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zizaza {
namespace {

OkvedDict SmallTree() {
    return OkvedDict::FromDoc(
        XmlDoc::ParseText("<OKVED2>"
                          "<I GRUP=\"1\" Kod=\"A\" Name=\"Сельское хозяйство\"/>"
                          "<I GRUP=\"2\" Kod=\"A01\" Name=\"Растениеводство\" OKVED=\"01\"/>"
                          "<I GRUP=\"3\" Kod=\"A01.1\" Name=\"Однолетние\" OKVED=\"01.1\"/>"
                          "<I GRUP=\"4\" Kod=\"A01.11\" Name=\"Зерновые\" OKVED=\"01.11\"/>"
                          "<I GRUP=\"3\" Kod=\"A01.2\" Name=\"Прочие\" OKVED=\"01.2\"/>"
                          "<I GRUP=\"2\" Kod=\"A02\" Name=\"Лесное хозяйство\" OKVED=\"02\"/>"
                          "<I GRUP=\"3\" Kod=\"A02.1\" Name=\"Прочие\" OKVED=\"02.1\"/>"
                          "<I GRUP=\"1\" Kod=\"J\" Name=\"Связь\"/>"
                          "<I GRUP=\"2\" Kod=\"JX62\" Name=\"Без кода\"/>"
                          "<I GRUP=\"3\" Kod=\"JX62.0\" Name=\"Программы\" OKVED=\"62.0\"/>"
                          "</OKVED2>",
                          "okved.xml"));
}

std::vector<std::string> V(std::initializer_list<const char*> items) {
    std::vector<std::string> out{"нет"};
    out.insert(out.end(), items.begin(), items.end());
    return out;
}

TEST(OkvedChooserTest, StartsWithTheSections) {
    OkvedDict dict = SmallTree();
    OkvedChooser chooser(dict);
    EXPECT_EQ(chooser.Items(1), V({"Сельское хозяйство", "Связь"}));
    for (int level = 2; level <= 6; ++level)
        EXPECT_EQ(chooser.Items(level), V({})) << level;
    EXPECT_EQ(chooser.Code(), "нет");
    EXPECT_FALSE(chooser.KeyLongEnough());  // "Да" without a choice asks the length check
}

TEST(OkvedChooserTest, ChoosingFillsEveryLevelBelow) {
    OkvedDict dict = SmallTree();
    OkvedChooser chooser(dict);
    chooser.Choose(1, 1);
    EXPECT_EQ(chooser.ChosenKey(), "A");
    EXPECT_EQ(chooser.Code(), "нет");  // a section has no code
    EXPECT_EQ(chooser.Items(2), V({"Растениеводство", "Лесное хозяйство"}));
    EXPECT_EQ(chooser.Items(3), V({"Однолетние", "Прочие", "Прочие"}));  // two levels down at once
    EXPECT_EQ(chooser.Items(4), V({"Зерновые"}));

    chooser.Choose(2, 2);
    EXPECT_EQ(chooser.Code(), "02");
    EXPECT_FALSE(chooser.KeyLongEnough());  // "A02"
    EXPECT_EQ(chooser.Items(3), V({"Прочие"}));
    EXPECT_EQ(chooser.Items(4), V({}));

    chooser.Choose(3, 1);
    EXPECT_EQ(chooser.Code(), "02.1");  // the entry of the list, not the first "Прочие" of the level
    EXPECT_TRUE(chooser.KeyLongEnough());
}

TEST(OkvedChooserTest, NoneClearsTheLevelsBelowAndKeepsTheChoice) {
    OkvedDict dict = SmallTree();
    OkvedChooser chooser(dict);
    chooser.Choose(1, 1);
    chooser.Choose(3, 1);
    EXPECT_EQ(chooser.Code(), "01.1");
    EXPECT_EQ(chooser.Shown(3), 1u);
    chooser.Choose(2, 0);
    EXPECT_EQ(chooser.Items(3), V({}));
    EXPECT_EQ(chooser.Shown(3), 0u);
    EXPECT_EQ(chooser.Items(2).size(), 3u);  // the list itself keeps its items
    EXPECT_EQ(chooser.ChosenKey(), "A01.1");
    EXPECT_EQ(chooser.Code(), "01.1");
}

TEST(OkvedChooserTest, AnEntryWithoutCodeLeavesTheCodeField) {
    OkvedDict dict = SmallTree();
    OkvedChooser chooser(dict);
    chooser.Choose(1, 1);
    chooser.Choose(2, 1);
    EXPECT_EQ(chooser.Code(), "01");
    chooser.Choose(1, 2);
    chooser.Choose(2, 1);  // "Без кода", key "JX62" of four characters
    EXPECT_EQ(chooser.Code(), "01");
    EXPECT_TRUE(chooser.KeyLongEnough());
    EXPECT_THROW(chooser.Choose(2, 5), std::out_of_range);
    EXPECT_THROW(chooser.Choose(7, 0), std::out_of_range);
}

TEST(OkvedChooserTest, ChoosingAnEntryShowsThePathDownToIt) {
    OkvedDict dict = SmallTree();
    OkvedChooser chooser(dict);
    struct Case {
        const char* kod;
        std::vector<size_t> shown;  // levels 1 to 6
        const char* code;
    };
    // One chooser for all, so each case also starts from the choice of the one before.
    const Case cases[] = {
        {"A01.11", {1, 1, 1, 1, 0, 0}, "01.11"},
        {"A02.1", {1, 2, 1, 0, 0, 0}, "02.1"},
        {"JX62.0", {2, 1, 1, 0, 0, 0}, "62.0"},
        {"A", {1, 0, 0, 0, 0, 0}, "62.0"},  // a section has no code: the answer stays
    };
    for (const Case& c : cases) {
        const auto entry = std::find_if(dict.Entries().begin(), dict.Entries().end(),
                                        [&](const OkvedEntry& e) { return e.kod == c.kod; });
        ASSERT_NE(entry, dict.Entries().end()) << c.kod;
        chooser.ChooseEntry(*entry);
        std::vector<size_t> shown;
        for (int level = 1; level <= kOkvedLevels; ++level)
            shown.push_back(chooser.Shown(level));
        EXPECT_EQ(shown, c.shown) << c.kod;
        EXPECT_EQ(chooser.Code(), c.code) << c.kod;
        EXPECT_EQ(chooser.ChosenKey(), c.kod);
    }
}

TEST(OkvedDictTest, Lookups) {
    OkvedDict dict = SmallTree();
    EXPECT_EQ(dict.FindEntry("Прочие", 3)->kod, "A01.2");
    EXPECT_EQ(dict.FindEntry("Прочие", 2), nullptr);
    EXPECT_EQ(dict.Below("A01", 3).size(), 2u);
    EXPECT_EQ(dict.Below("", 1).size(), 2u);
    EXPECT_FALSE(dict.FindEntry("Связь", 1)->okved);
}

TEST(DocTypesTest, FifteenTypesInOrder) {
    auto types = DocTypes();
    ASSERT_EQ(types.size(), 15u);
    std::string codes;
    for (const DocType& t : types)
        codes += std::string(t.code) + " ";
    EXPECT_EQ(codes, "03 07 08 10 11 12 13 14 15 18 21 23 24 27 91 ");
    EXPECT_EQ(types[*FindDocTypeRow(21)].name, "Паспорт гражданина РФ");
    EXPECT_EQ(types[*FindDocTypeRow(3)].code, "03");
    EXPECT_EQ(types[*FindDocTypeRow(91)].name, "Иные документы");
    EXPECT_FALSE(FindDocTypeRow(0));
    EXPECT_FALSE(FindDocTypeRow(1));
    EXPECT_FALSE(FindDocTypeRow(-3));
    EXPECT_FALSE(FindDocTypeRow(121));
    EXPECT_EQ(DocTypeNumber(types[0]), 3);
    EXPECT_EQ(DocTypeNumber(types[14]), 91);
}

}  // namespace
}  // namespace zizaza
