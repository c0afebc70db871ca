// zizaza-cli refund: the applications for a refund, read back from the PDF with pdftotext.
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"
#include "support/CliRun.h"
#include "support/DeclarationBuilder.h"
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using namespace testsupport;

int shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The tool runs in the test's folder, its exported copies kept in the folder's "data".
CliResult runCli(const TempDir& dir, const std::string& arguments) {
    const std::string out = dir.file("stdout.txt"), err = dir.file("stderr.txt");
    const int status = shell("cd " + quote(dir.path().string()) + " && XDG_DATA_HOME=" + quote(dir.file("data")) + " " +
                             quote(std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli") + " " + arguments + " >" + quote(out) +
                             " 2>" + quote(err));
    return {status, ReadBytes(out), ReadBytes(err)};
}

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

#if ZIZAZA_PRINT_MODULE
// The PDF's text without the blanks and dashes between the cells.
std::string pdfText(const TempDir& dir, const std::string& pdf) {
    const std::string text = dir.file("pdf.txt");
    if (shell("pdftotext " + quote(dir.file(pdf)) + " " + quote(text)) != 0)
        return {};
    return std::regex_replace(ReadBytes(text), std::regex("[\\s\\-]"), "");
}
#endif

// Two employers in different municipalities and a flat bought: everything withheld comes back,
// each employer's tax to its own OKTMO.
std::string saveTwoEmployers(const TempDir& dir, bool withInn) {
    auto d = NewDeclaration();
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "КУЗНЕЦОВА";
    d->Person.Name.FirstName = "МАРИЯ";
    d->Person.Name.Patronymic = "АНДРЕЕВНА";
    if (withInn)
        d->Person.Name.Inn = "770512345678";
    d->Person.Document.KindCode = 21;
    d->Person.Document.SeriesNumber = "45 10 654321";
    AddMonthlyLines(AddSource13(*d, "45383000", Rub(39000), true), 2000, Rub(25000));
    AddMonthlyLines(AddSource13(*d, "46000000", Rub(26000), false, "АО \"ЗАВОД\""), 2000, Rub(200000), 12, 12);
    d->PropertyDeductions.Granted = true;
    AddPropertyObject(*d, Rub(2000000), Money(), 2017);
    const std::string file = dir.file(withInn ? "two.tv7" : "noinn.tv7");
    d->Save(file);
    return file;
}

constexpr const char* kBank = "--bik 049805746 --account 40817810700000012345 --bank 'ПАО Банк' --date 02.04.2018";

#if ZIZAZA_PRINT_MODULE
TEST(RefundCommand, OneApplicationForEachRefundLineWithTheBankPage) {
    TempDir dir;
    saveTwoEmployers(dir, true);
    CliResult r = runCli(dir, std::string("refund two.tv7 out.pdf --force ") + kBank);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = pdfText(dir, "out.pdf");
    EXPECT_EQ(count(text, "ФормапоКНД1150058"), 2u);
    EXPECT_EQ(count(text, "Сведенияосчете"), 2u);
    EXPECT_EQ(count(text, "Сведенияофизическомлице"), 0u);  // the INN names the person
    // Each application: its number, the inspection, the budget code, the period and the amount
    // to its OKTMO; the person by INN and name; the account as typed.
    EXPECT_EQ(count(text, "Номерзаявления"), 2u);
    EXPECT_EQ(count(text, "ГД.00.2017"), 2u);
    EXPECT_EQ(count(text, "18210102010011000110"), 2u);
    EXPECT_NE(text.find("вразмере39000рублей"), std::string::npos) << text;
    EXPECT_NE(text.find("вразмере26000рублей"), std::string::npos);
    EXPECT_NE(text.find("КодпоОКТМО45383000"), std::string::npos);
    EXPECT_NE(text.find("КодпоОКТМО46000000"), std::string::npos);
    EXPECT_EQ(count(text, "статьей78"), 2u);
    EXPECT_EQ(count(text, "770512345678"), 2u * 3u);  // the pages' tops and the recipient
    EXPECT_EQ(count(text, "КУЗНЕЦОВАМАРИЯАНДРЕЕВНА"), 4u);
    EXPECT_EQ(count(text, "ПАОБАНК"), 2u);
    EXPECT_EQ(count(text, "049805746"), 2u);
    EXPECT_EQ(count(text, "40817810700000012345"), 2u);
    EXPECT_EQ(count(text, "02.04.2018"), 4u);

    // Without an INN each application has the page of the person's identity document.
    saveTwoEmployers(dir, false);
    r = runCli(dir, std::string("refund noinn.tv7 noinn.pdf --force ") + kBank);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string noInn = pdfText(dir, "noinn.pdf");
    EXPECT_EQ(count(noInn, "Сведенияофизическомлице"), 2u);
    EXPECT_EQ(count(noInn, "451065432"), 2u);
    EXPECT_EQ(count(noInn, "770512345678"), 0u);
}
#endif

TEST(RefundCommand, WrongDetailsOrNothingToRefundWriteNothing) {
    TempDir dir;
    saveTwoEmployers(dir, true);
    struct Case {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--bik 049805746 --account 40817810400000012345 --bank Банк", "проверьте номер счета"},
        {"--bik 49805746 --account 40817810700000012345 --bank Банк", "проверьте БИК"},
        {"--bik 049805746 --account 40817810700000012345", "наименование банка"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(dir, std::string("refund two.tv7 out.pdf --force ") + c.arguments);
        EXPECT_EQ(r.status, 2) << c.arguments;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf"))) << c.arguments;
    }
    auto d = NewDeclaration();
    AddMonthlyLines(AddSource13(*d, "45383000", Rub(78000), true), 2000, Rub(50000));
    d->Save(dir.file("none.tv7"));
    CliResult r = runCli(dir, std::string("refund none.tv7 out.pdf --force ") + kBank);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("нет сумм налога к возврату"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf")));
}

// A salaried taxpayer with treatment paid; the filed version, and the one with a December bonus,
// more treatment and a corrected patronymic.
std::unique_ptr<mTDeclaration> salariedWithTreatment(bool changed, const std::string& inn = "770512345678") {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia, "45383000");
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "КУЗНЕЦОВА";
    d->Person.Name.FirstName = "МАРИЯ";
    d->Person.Name.Patronymic = changed ? "АНДРЕЕВНА" : "АНДРЕВНА";
    d->Person.Name.Inn = inn;
    mTThirteenPercent& job = AddSource13(*d, "45383000", Rub(changed ? 85800 : 78000), true);
    AddMonthlyLines(job, 2000, Rub(50000));
    if (changed)
        AddLine(job, 2000, Rub(60000), 12);
    job.TaxComputed = job.TaxWithheld;
    d->SocialDeductions.Granted = true;
    d->SocialDeductions.Medical = Rub(changed ? 120000 : 100000);
    return d;
}

std::string exported(const mTDeclaration& d) {
    std::string xml;
    XmlExportOptions options;
    options.today = Date::Ymd(2018, 3, 15);
    EXPECT_TRUE(BuildDeclarationXml("", d, XmlExportMode::Text, xml, options));
    return xml;
}

TEST(CorrectionCommands, ACorrectionRoundListsWhatChangedWithTheSection1Verdict) {
    TempDir dir;
    WriteBytes(dir.file("filed.xml"), exported(*salariedWithTreatment(false)));
    salariedWithTreatment(true)->Save(dir.file("decl.tv7"));

    // Not yet a correction: its number does not follow the filed one.
    CliResult r = runCli(dir, "diff filed.xml decl.tv7");
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("не следует за номером поданной декларации"), std::string::npos) << r.out;

    r = runCli(dir, "correct decl.tv7 --filed filed.xml --today 20.06.2018");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("номер корректировки 1"), std::string::npos) << r.out;
    mTDeclaration saved;
    saved.Load(dir.file("decl.tv7"));
    EXPECT_EQ(saved.CorrectionNumber, 1);

    for (const char* arguments : {"correct decl.tv7 --filed filed.xml --today 20.06.2018", "diff filed.xml decl.tv7"}) {
        r = runCli(dir, arguments);
        ASSERT_EQ(r.status, 0) << arguments << "\n" << r.out << r.err;
        const std::string& out = r.out;
        // Section 1: 13 000 back before, 15 600 now (13% of the treatment, under the income's tax).
        EXPECT_NE(out.find("КБК 18210102010011000110, ОКТМО 45383000: к возврату 13 000 -> к возврату 15 600; к "
                           "возврату больше на 2 600 руб."),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find("Титульный лист: Отчество: АНДРЕВНА -> АНДРЕЕВНА"), std::string::npos) << out;
        EXPECT_NE(out.find("Приложение 1, Источник выплаты: ООО \"РОМАШКА\""), std::string::npos) << out;
        EXPECT_NE(out.find("стр. 070 Сумма дохода: 600000.00 -> 660000.00"), std::string::npos) << out;
        EXPECT_NE(out.find("стр. 100 Сумма налога удержанная: 78000 -> 85800"), std::string::npos) << out;
        EXPECT_NE(out.find("Приложение 5: стр. 130 Сумма, уплаченная за лечение и медикаменты: 100000.00 -> "
                           "120000.00"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find("Раздел 2, Ставка 13%, вид дохода 3: стр. 010 Общая сумма доходов"), std::string::npos);
        EXPECT_EQ(count(out, "Титульный лист"), 1u) << "the correction number and date are no change of the person";
        EXPECT_EQ(out.find("добавлено"), std::string::npos) << out;
        EXPECT_EQ(out.find("удалено"), std::string::npos) << out;
        EXPECT_NE(out.find("пункт 3 статьи 88"), std::string::npos);
        EXPECT_NE(out.find("новое заявление на возврат"), std::string::npos);
        EXPECT_EQ(out.find("пункт 4 статьи 81"), std::string::npos) << "nothing more to pay";
    }
    r = runCli(dir, "diff filed.xml decl.tv7 changes.html");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadBytes(dir.file("changes.html")).find("Сумма, уплаченная за лечение и медикаменты"),
              std::string::npos);
}

TEST(CorrectionCommands, TheExportKeepsAPrivateCopyThatCorrectFindsByItself) {
    namespace fs = std::filesystem;
    TempDir dir;
    salariedWithTreatment(false)->Save(dir.file("decl.tv7"));
    CliResult r = runCli(dir, "correct decl.tv7");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--filed"), std::string::npos) << r.err;

    r = runCli(dir, "export decl.tv7 --force --today 15.03.2018");
    ASSERT_EQ(r.status, 0) << r.err;
    const fs::path root = dir.path() / "data" / "Кверон" / "Zizaza 2017" / "exports";
    ASSERT_TRUE(fs::is_directory(root));
    EXPECT_EQ(fs::status(root).permissions() & fs::perms::all, fs::perms::owner_all);
    size_t copies = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory())
            EXPECT_EQ(entry.status().permissions() & fs::perms::all, fs::perms::owner_all) << entry.path();
        else
            EXPECT_EQ(entry.status().permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write)
                << entry.path();
        copies += entry.path().extension() == ".xml";
    }
    EXPECT_EQ(copies, 1u);

    salariedWithTreatment(true)->Save(dir.file("decl.tv7"));
    r = runCli(dir, "correct decl.tv7 --today 20.06.2018");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Поданная декларация: " + root.string()), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("номер корректировки 1"), std::string::npos) << r.out;
}

TEST(CorrectionCommands, AFiledFileOfAnotherPersonOrFormIsRefused) {
    TempDir dir;
    salariedWithTreatment(true)->Save(dir.file("decl.tv7"));
    WriteBytes(dir.file("other.xml"), exported(*salariedWithTreatment(false, "500100732259")));
    std::string lastYear = exported(*salariedWithTreatment(false));
    const std::string year = "ОтчетГод=\"2017\"";
    lastYear.replace(lastYear.find(Utf8ToCp1251(year).value()), Utf8ToCp1251(year)->size(),
                     Utf8ToCp1251("ОтчетГод=\"2016\"").value());
    WriteBytes(dir.file("2016.xml"), lastYear);
    WriteBytes(dir.file("broken.xml"), "<Файл><Документ");
    const std::string before = ReadBytes(dir.file("decl.tv7"));
    struct Case {
        const char* filed;
        const char* message;
    } cases[] = {
        {"other.xml", "другого налогоплательщика (ИНН 500100732259"},
        {"2016.xml", "не является декларацией 3-НДФЛ за 2017 год"},
        {"broken.xml", "broken.xml"},
    };
    for (const Case& c : cases) {
        for (const std::string& command :
             {std::string("correct decl.tv7 --filed ") + c.filed, std::string("diff ") + c.filed + " decl.tv7"}) {
            CliResult r = runCli(dir, command);
            EXPECT_EQ(r.status, 2) << command;
            EXPECT_NE(r.err.find(c.message), std::string::npos) << command << ": " << r.err;
        }
    }
    EXPECT_EQ(ReadBytes(dir.file("decl.tv7")), before) << "a refused correction leaves the file as it was";
}

}  // namespace
}  // namespace zizaza
