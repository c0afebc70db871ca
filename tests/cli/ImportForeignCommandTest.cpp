// zizaza-cli import-foreign: the sample template into a declaration, in place or into another
// file, and a report with a refused line that leaves the declaration as it was.
#include "model/mTDeclaration.h"
#include "support/GoldenFiles.h"
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

int RunImport(const TempDir& dir, const std::string& args, std::string& out) {
    const std::string command =
        std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli import-foreign " + args + " >" + dir.file("out.txt") + " 2>&1";
    const int status = std::system(command.c_str());
    out = ReadBytes(dir.file("out.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

size_t ForeignCount(const std::string& file) {
    mTDeclaration doc;
    doc.Load(file);
    return doc.CurrencyIncomeCount();
}

TEST(ImportForeignCommandTest, AllOrNothing) {
    TempDir dir;
    const std::string declaration = dir.file("decl.tv7");
    mTDeclaration fresh;
    fresh.InspectionCode = "7701";
    fresh.Save(declaration);
    const std::string before = ReadBytes(declaration);
    const std::string sample = std::string(ZIZAZA_SOURCE_DIR) + "/help/foreign_incomes_sample.csv";

    WriteBytes(dir.file("bad.csv"), ReadBytes(sample) + "16.03.2017;US;Apple Inc.;;USD;5,7.0;;;;\n");
    std::string out;
    EXPECT_EQ(RunImport(dir, dir.file("bad.csv") + " " + declaration, out), 1) << out;
    EXPECT_NE(out.find("строка 6: неверное число «5,7.0» (доход)"), std::string::npos) << out;
    EXPECT_NE(out.find("Декларация не изменена"), std::string::npos) << out;
    EXPECT_EQ(ReadBytes(declaration), before);

    ASSERT_EQ(RunImport(dir, sample + " " + declaration + " --out " + dir.file("other.tv7"), out), 0) << out;
    EXPECT_NE(out.find("Загружено выплат: 4"), std::string::npos) << out;
    EXPECT_EQ(ReadBytes(declaration), before);
    EXPECT_EQ(ForeignCount(dir.file("other.tv7")), 4u);

    ASSERT_EQ(RunImport(dir, dir.file("bad.csv") + " " + declaration + " --skip-refused", out), 0) << out;
    EXPECT_EQ(ForeignCount(declaration), 4u);
}

// The sample declaration made by the import: the statements of 2017 and 2016 (in that order, the
// 2017 one repeating a 2016 trade) into a resident's declaration, with the trades register written
// beside it. ZIZAZA_UPDATE_GOLDEN=1 rewrites the sample and its summary.
TEST(ImportForeignCommandTest, BrokerStatementsMakeTheSampleDeclaration) {
    TempDir dir;
    const std::string data = std::string(ZIZAZA_TEST_DATA_DIR);
    const std::string declaration = dir.file("decl.tv7");
    WriteBytes(declaration, ReadBytes(data + "/declarations/resident_without_income.tv7"));
    const std::string statements = data + "/broker/activity_2017.csv " + data + "/broker/activity_2016.csv ";
    std::string out;
    EXPECT_EQ(RunImport(dir, statements + declaration + " --dates tomorrow", out), 2) << out;
    EXPECT_NE(out.find("Использование: zizaza-cli import-foreign ОТЧЕТ..."), std::string::npos) << out;
    ASSERT_EQ(RunImport(dir, statements + declaration + " --register " + dir.file("register.txt"), out), 0) << out;
    EXPECT_NE(out.find("Загружено выплат: 7"), std::string::npos) << out;
    const std::string registerText = ReadBytes(dir.file("register.txt"));
    EXPECT_NE(registerText.find("лот " + data +
                                "/broker/activity_2016.csv, строка 5, сделка 15.03.2016, оплата "
                                "18.03.2016: 40 шт., 4168 USD × 68,5598 = 285757,25 руб."),
              std::string::npos)
        << registerText;

    const std::string sample = data + "/declarations/foreign_broker_trades";
    const bool rewriting = testsupport::UpdatingGoldenFiles();
    if (rewriting)
        WriteBytes(sample + ".tv7", ReadBytes(declaration));
    EXPECT_EQ(ReadBytes(declaration), ReadBytes(sample + ".tv7"));
    const std::string show =
        std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli show " + sample + ".tv7 >" + dir.file("show.txt");
    ASSERT_EQ(std::system(show.c_str()), 0);
    if (rewriting)
        WriteBytes(sample + ".summary.txt", ReadBytes(dir.file("show.txt")));
    EXPECT_EQ(ReadBytes(dir.file("show.txt")), ReadBytes(sample + ".summary.txt"));
}

// A source whose name has letters the declaration file lacks is saved under its plain spelling.
TEST(ImportForeignCommandTest, ForeignLettersAreSavedPlain) {
    TempDir dir;
    const std::string declaration = dir.file("decl.tv7");
    mTDeclaration().Save(declaration);
    WriteBytes(dir.file("nestle.csv"),
               "Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог\n"
               "16.03.2017;CH;Nestlé SA;1010;USD;100;35\n");
    std::string out;
    ASSERT_EQ(RunImport(dir, dir.file("nestle.csv") + " " + declaration, out), 0) << out;
    EXPECT_NE(out.find("строка 2: «Nestlé SA» записано как «Nestle SA»"), std::string::npos) << out;
    EXPECT_NE(out.find("Декларация сохранена"), std::string::npos) << out;
    mTDeclaration saved;
    saved.Load(declaration);
    ASSERT_EQ(saved.CurrencyIncomeCount(), 1u);
    EXPECT_EQ(saved.CurrencyIncome(0).SourceName, "Nestle SA");
}

}  // namespace
}  // namespace zizaza
