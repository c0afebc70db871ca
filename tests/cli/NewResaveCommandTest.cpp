// zizaza-cli new and resave: the files they write and their failures.
#include "carryover/PriorYearCarry.h"
#include "model/mTDeclaration.h"
#include "storage/StorageErrors.h"
#include "support/CliRun.h"
#include "support/DeclarationBuilder.h"
#include "support/PriorYearXml.h"
#include "support/RandomDeclaration.h"
#include "support/TempFiles.h"
#include "support/Today.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using namespace testsupport;

CliResult runCli(const TempDir& dir, const std::string& arguments) {
    std::string out = dir.file("stdout.txt");
    std::string err = dir.file("stderr.txt");
    std::string command =
        quote(std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli") + " " + arguments + " >" + quote(out) + " 2>" + quote(err);
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
}

TEST(NewCommand, WritesTheShellDeclarationOfTheGivenDay) {
    TempDir dir;
    std::string f = dir.file("new.tv7");
    CliResult r = runCli(dir, "new " + quote(f) + " --today 01.03.2018");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    std::string expected = dir.file("expected.tv7");
    NewShellDeclaration(Date::Ymd(2018, 3, 1))->Save(expected);
    EXPECT_TRUE(ReadBytes(f) == ReadBytes(expected));
}

TEST(NewCommand, DatesTheDocumentTodayWithoutTheOption) {
    TempDir dir;
    std::string f = dir.file("today.tv7");
    ASSERT_EQ(runCli(dir, "new " + quote(f)).status, 0);
    mTDeclaration doc;
    doc.Load(f);
    EXPECT_TRUE(IsToday(doc.DocumentDate));
    EXPECT_EQ(doc.IncomeFlags(), kIncomeRussia);
    EXPECT_EQ(doc.AppendixCountLocked, 1);
}

TEST(NewCommand, RefusesABadDayAndAnUnwritableFile) {
    TempDir dir;
    for (const char* day : {"31.02.2018", "2018-03-01", ""}) {
        CliResult r = runCli(dir, "new " + quote(dir.file("x.tv7")) + " --today " + quote(day));
        EXPECT_EQ(r.status, 2) << day;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tv7")));

    CliResult r = runCli(dir, "new " + quote(dir.file("no/such/folder.tv7")));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind(std::string(storage_messages::kReadFile), 0), 0u) << r.err;
}

TEST(NewCommand, FromLastYearsXmlPrintsTheReportAndSavesTheCarriedDeclaration) {
    TempDir dir;
    const std::string xml = WritePriorYearXml(dir.path().string());
    const std::string f = dir.file("from.tv7");
    CliResult r = runCli(dir, "new " + quote(f) + " --from " + quote(xml) + " --today 01.03.2018");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    CarriedDeclaration expected = StartFromPriorYear(xml, ZIZAZA_BIN_DIR, Date::Ymd(2018, 3, 1));
    EXPECT_EQ(r.out, expected.report.Text() + "\nСохранена новая декларация: " + f + "\n");
    expected.declaration->Save(dir.file("expected.tv7"));
    EXPECT_TRUE(ReadBytes(f) == ReadBytes(dir.file("expected.tv7")));
    EXPECT_NE(r.out.find("Вычет по предыдущим годам на приобретение"), std::string::npos);
}

TEST(NewCommand, FromABadFileWritesNothing) {
    TempDir dir;
    const std::string f = dir.file("kept.tv7");
    WriteBytes(f, "прежний файл");
    WriteBytes(dir.file("damaged.xml"), "<?xml version=\"1.0\"?><Файл ВерсФорм=\"5.12\"><Документ");
    WriteBytes(dir.file("foreign.xml"),
               "<?xml version=\"1.0\"?><Файл ВерсФорм=\"5.05\"><Документ КНД=\"1151001\"/></Файл>");
    for (const char* bad : {"damaged.xml", "foreign.xml", "missing.xml"}) {
        CliResult r = runCli(dir, "new " + quote(f) + " --from " + quote(dir.file(bad)));
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("Декларацию прошлого года перенести не удалось: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "") << bad;
    }
    EXPECT_EQ(ReadBytes(f), "прежний файл");
    EXPECT_EQ(runCli(dir, "new " + quote(f) + " --from").status, 2) << "the option needs its file";
}

TEST(ResaveCommand, GivesTheSameBytesForAFileOfThisEdition) {
    TempDir dir;
    for (uint32_t seed : {21u, 22u, 23u}) {
        std::string in = dir.file("in.tv7");
        std::string out = dir.file("out.tv7");
        RandomDeclaration(seed)->Save(in);
        CliResult r = runCli(dir, "resave " + quote(in) + " " + quote(out));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(ReadBytes(in) == ReadBytes(out)) << "seed " << seed;
    }
}

TEST(ResaveCommand, AnEarlierEditionKeepsItsPersonalDataOnly) {
    TempDir dir;
    auto doc = NewShellDeclaration(Date::Ymd(2016, 4, 1));
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Петрова";
    std::string in = dir.file("old.tv6");
    testsupport::WriteEarlierEdition(in, "Tavo2016", *doc);
    const std::string old = ReadBytes(in);
    EXPECT_EQ(runCli(dir, "resave " + quote(in) + " " + quote(in)).status, 2) << "the old file is never replaced";
    EXPECT_EQ(ReadBytes(in), old);
    std::string out = dir.file("new.tv7");
    ASSERT_EQ(runCli(dir, "resave " + quote(in) + " " + quote(out)).status, 0);
    mTDeclaration loaded;
    loaded.Load(out);
    EXPECT_EQ(loaded.Person.Name.Surname, "Петрова");
    EXPECT_EQ(loaded.InspectionCode, "");
    EXPECT_EQ(loaded.IncomeFlags(), 0);
}

TEST(ResaveCommand, ADamagedFileIsReportedAndNothingIsWritten) {
    TempDir dir;
    std::string in = dir.file("bad.tv7");
    WriteBytes(in, "ZEZA and nothing else of a declaration file");
    std::string out = dir.file("out.tv7");
    CliResult r = runCli(dir, "resave " + quote(in) + " " + quote(out));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, std::string(storage_messages::kBadFormat) + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(runCli(dir, "resave " + quote(in)).status, 2) << "two files are needed";
}

}  // namespace
}  // namespace zizaza
