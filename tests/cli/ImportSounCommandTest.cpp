// zizaza-cli import-soun on a SOUN table built here: the inspections file it writes, and a short
// table that fails without touching the old file.
#include "dictionaries/Inspections.h"
#include "storage/TextCodec.h"
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

constexpr size_t kRecordSize = 1194;

std::string Record(const std::string& code, const std::string& kind, const std::string& name) {
    std::string rec(kRecordSize, ' ');
    rec.replace(1, 4, code);
    rec.replace(5, 2, kind);
    std::string dos = Utf8ToCp866(name).value();
    rec.replace(161, dos.size(), dos);
    rec[411] = '1';
    return rec;
}

std::string Table(const std::string& records, unsigned count) {
    std::string header(32, '\0');
    header[0] = 0x03;
    header[4] = static_cast<char>(count & 0xFF);
    header[5] = static_cast<char>(count >> 8);
    header[8] = 33;
    header[10] = static_cast<char>(kRecordSize & 0xFF);
    header[11] = static_cast<char>(kRecordSize >> 8);
    return header + "\r" + records + "\x1A";
}

int RunCli(const std::string& args, const std::string& errFile) {
    std::string command = std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli import-soun " + args + " >/dev/null 2>" + errFile;
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ImportSounCommandTest, WritesTheInspectionsFile) {
    TempDir dir;
    std::string records = Record("0101", "30", "Межрайонная ИФНС России №2 по Республике Адыгея") +
                          Record("3906", "30", "не попадает") + Record("7700", "21", "УФНС России по г.Москве");
    WriteBytes(dir.file("soun1.dbf"), Table(records, 3));
    std::string out = dir.file("InspectionNumbers.xml");
    ASSERT_EQ(RunCli(dir.file("soun1.dbf") + " " + out + " --date 25.01.2018", dir.file("err.txt")), 0)
        << ReadBytes(dir.file("err.txt"));
    std::vector<CodeName> rows = LoadInspections(out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].code, "0101");
    EXPECT_EQ(rows[0].name, "Межрайонная ИФНС России №2 по Республике Адыгея");
    EXPECT_EQ(rows[1].code, "7700");
    EXPECT_NE(ReadBytes(out).find("Date=\"25.01.2018\""), std::string::npos);
}

TEST(ImportSounCommandTest, ShortTableFailsAndKeepsTheOldFile) {
    TempDir dir;
    std::string table = dir.file("soun1.dbf");
    WriteBytes(table, Table(Record("0101", "30", "ИФНС").substr(0, 500), 1));
    std::string out = dir.file("InspectionNumbers.xml");
    WriteBytes(out, "old");
    EXPECT_EQ(RunCli(table + " " + out, dir.file("err.txt")), 2);
    EXPECT_NE(ReadBytes(dir.file("err.txt")).find("Error read file:" + table), std::string::npos);
    EXPECT_EQ(ReadBytes(out), "old");
}

}  // namespace
}  // namespace zizaza
