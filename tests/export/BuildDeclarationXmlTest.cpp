#include "ExportTestSupport.h"
#include "calc/kTSvodSum.h"
#include "model/mTDeclaration.h"
#include "support/DeclarationBuilder.h"
#include "support/TempFiles.h"
#include "support/Today.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace zizaza::exporttest {
namespace {

using testsupport::AddLine;
using testsupport::AddSource13;
using testsupport::ReadBytes;
using testsupport::TempDir;

void SetName(mTDeclaration& d, const char* surname, const char* firstName, const char* patronymic, const char* inn) {
    d.Person.Name.Surname = surname;
    d.Person.Name.FirstName = firstName;
    d.Person.Name.Patronymic = patronymic;
    d.Person.Name.Inn = inn;
}

std::unique_ptr<mTDeclaration> Salaried() {
    auto d = testsupport::NewDeclaration();
    d->InspectionCode = "7702";
    SetName(*d, "Петров", "Иван", "Ильич", "770212345678");
    d->StandardDeductions.Granted = false;
    mTThirteenPercent& s = AddSource13(*d, "45380000", Rub(13000));
    AddLine(s, 2000, Rub(100000), 1);
    return d;
}

struct Messages {
    std::vector<std::string> shown;
    XmlExportOptions Options(bool fixedGuid = true) {
        XmlExportOptions o;
        o.today = TestToday();
        if (fixedGuid)
            o.fileGuid = kGuid;
        o.showMessage = [this](const std::string& m) { shown.push_back(m); };
        return o;
    }
};

size_t FilesIn(const std::filesystem::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(BuildDeclarationXml, FileModeWritesTheNamedFileWithTheTextModeBytes) {
    TempDir dir;
    auto d = Salaried();
    Messages m;
    std::string name;
    ASSERT_TRUE(BuildDeclarationXml(dir.path().string() + "/", *d, XmlExportMode::File, name, m.Options()));
    EXPECT_EQ(name, std::string("NO_NDFL3_7702_7702_770212345678_20180315_") + kGuid + ".xml");
    std::string text;
    ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, text, m.Options()));
    EXPECT_EQ(ReadBytes(dir.file(name)), text);
    EXPECT_TRUE(m.shown.empty());
    EXPECT_EQ(FilesIn(dir.path()), 1u);

    // A folder without its separator gets one.
    TempDir other;
    ASSERT_TRUE(BuildDeclarationXml(other.path().string(), *d, XmlExportMode::File, name, m.Options()));
    EXPECT_EQ(ReadBytes(other.file(name)), text);
}

TEST(BuildDeclarationXml, TextModeWritesNothingAndCarriesTheCalculation) {
    TempDir dir;
    auto d = Salaried();
    Messages m;
    std::string text;
    ASSERT_TRUE(BuildDeclarationXml(dir.path().string() + "/", *d, XmlExportMode::Text, text, m.Options()));
    EXPECT_EQ(FilesIn(dir.path()), 0u);
    XmlDocument x = XmlDocument::Parse(text);
    // The income kind code comes from the calculation run by the export.
    kTSvodSum calc;
    calc.Compute(*d);
    const std::string& kind = calc.IncomeKindCodes().Of(SourceList::ResidentIncomes13, 0);
    EXPECT_EQ(Attr(At(x, "Документ/НДФЛ3/ДоходИстРФ"), "ВидДоход"), kind);
    EXPECT_FALSE(kind.empty());
    EXPECT_EQ(Attr(At(x, "Документ/НДФЛ3/НалБаза/РасчНалПУ"), "Исчисл"), "13000");
    EXPECT_EQ(Attr(At(x, "Документ/НДФЛ3/СумНалПу"), "ПрУплВозв"), "3");
}

TEST(BuildDeclarationXml, TwoExportsDifferOnlyInTheGuid) {
    auto d = Salaried();
    Messages m;
    std::string a, b;
    ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, a, m.Options(false)));
    ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, b, m.Options(false)));
    EXPECT_NE(a, b);
    const std::regex guid("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    EXPECT_EQ(std::regex_replace(a, guid, "G"), std::regex_replace(b, guid, "G"));
    EXPECT_EQ(std::distance(std::sregex_iterator(a.begin(), a.end(), guid), std::sregex_iterator()), 1);
}

TEST(BuildDeclarationXml, WithoutADateTodayIsUsed) {
    auto d = Salaried();
    std::string text;
    XmlExportOptions o;
    ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, text, o));
    const auto day = Date::Parse(Attr(At(XmlDocument::Parse(text), "Документ"), "ДатаДок"));
    ASSERT_TRUE(day);
    EXPECT_TRUE(testsupport::IsToday(*day));
}

TEST(BuildDeclarationXml, EveryFailureGivesErrorTheMessageAndNoFile) {
    TempDir dir;
    std::filesystem::create_directory(
        dir.file(std::string("NO_NDFL3_7702_7702_770212345678_20180315_") + kGuid + ".xml"));
    struct Case {
        const char* what;
        std::string folder;
        std::function<void(mTDeclaration&)> change;
        XmlExportMode mode = XmlExportMode::File;
        const char* reason = nullptr;  // the system's, for a file that cannot be written
    };
    const auto same = [](mTDeclaration&) {};
    const std::vector<Case> cases = {
        {"a folder that does not exist", dir.file("missing/"), same, XmlExportMode::File, "Нет такого файла или папки"},
        {"a file where the folder should be", "/proc/version/", same, XmlExportMode::File,
         "Путь к файлу проходит не через папку"},
        {"a folder holding the name", dir.path().string() + "/", same, XmlExportMode::File, "Это не обычный файл"},
        {"a separator in the file name", dir.path().string() + "/",
         [](mTDeclaration& d) { d.InspectionCode = "../77"; }},
        {"an unknown category, file", dir.path().string() + "/",
         [](mTDeclaration& d) { d.TaxpayerCategory = static_cast<TaxpayerCategory>(9); }},
        {"an unknown category, text", "",
         [](mTDeclaration& d) { d.TaxpayerCategory = static_cast<TaxpayerCategory>(9); }, XmlExportMode::Text},
        {"a character XML cannot hold", "", [](mTDeclaration& d) { d.Person.Name.Surname = "a\x01"; },
         XmlExportMode::Text},
    };
    for (const Case& c : cases) {
        auto d = Salaried();
        c.change(*d);
        Messages m;
        std::string result = "unchanged";
        EXPECT_FALSE(BuildDeclarationXml(c.folder, *d, c.mode, result, m.Options())) << c.what;
        EXPECT_EQ(result, kXmlExportFailed) << c.what;
        // The disk's failures name the file and the system's reason; the program's own ask for the developers.
        const std::string shown = c.reason
                                      ? "Не удается записать файл: " + c.folder +
                                            "NO_NDFL3_7702_7702_770212345678_20180315_" + kGuid + ".xml\n" + c.reason
                                      : std::string(kXmlExportErrorMessage);
        EXPECT_EQ(m.shown, std::vector<std::string>{shown}) << c.what;
        EXPECT_EQ(FilesIn(dir.path()), 1u) << c.what;  // only the folder made above
    }
}

TEST(BuildDeclarationXml, A4NdflDeclaration) {
    auto d = testsupport::NewDeclaration(kForm4Ndfl);
    d->InspectionCode = "7702";
    SetName(*d, "Петров", "Иван", "", "770212345678");
    d->EstimatedIncome = Rub(500000);
    std::string text;
    Messages m;
    ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, text, m.Options()));
    XmlDocument x = XmlDocument::Parse(text);
    EXPECT_EQ(Attr(At(x, "Документ/НДФЛ4"), "ПредДоход"), "500000");
    EXPECT_EQ(ChildNames(At(x, "Документ")), (std::vector<std::string>{"СвНП", "Подписант", "НДФЛ4"}));
}

TEST(BuildDeclarationXml, ASumBeyondTheRangeOfAmountsFailsTheExport) {
    // Two sources with an income of 15 digits of roubles each: their sum has no 64-bit count.
    auto d = Salaried();
    for (const char* oktmo : {"45380000", "45381000"})
        AddLine(AddSource13(*d, oktmo, Rub(0)), 2000, Rub(500'000'000'000'000), 3);
    Messages m;
    std::string text;
    EXPECT_FALSE(BuildDeclarationXml("", *d, XmlExportMode::Text, text, m.Options()));
    EXPECT_EQ(text, kXmlExportFailed);
    ASSERT_FALSE(m.shown.empty());
    EXPECT_EQ(m.shown.front(), MoneyOverflow().what());
}

}  // namespace
}  // namespace zizaza::exporttest
