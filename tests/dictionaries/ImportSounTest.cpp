#include "dictionaries/DbfTable.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"
#include "dictionaries/ImportSoun.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

struct SounRecord {
    std::string code;
    std::string kind = "30";
    std::string name = "Инспекция";
    std::string status = "1";
    std::string blank1 = "";  // offset 7
    std::string blank2 = "";  // offset 934
    char pad = ' ';
};

void Put(std::string& record, size_t offset, size_t width, const std::string& bytes, char pad) {
    std::string field = bytes.substr(0, width);
    field.resize(width, pad);
    record.replace(offset, width, field);
}

std::string Record(const SounRecord& r) {
    std::string rec(soun::kRecordSize, ' ');
    Put(rec, soun::kCodeOffset, soun::kCodeWidth, r.code, r.pad);
    Put(rec, soun::kKindOffset, soun::kKindWidth, r.kind, r.pad);
    Put(rec, soun::kBlank1Offset, soun::kBlank1Width, r.blank1, r.pad);
    Put(rec, soun::kNameOffset, soun::kNameWidth, Utf8ToCp866(r.name).value(), r.pad);
    Put(rec, soun::kStatusOffset, soun::kStatusWidth, r.status, r.pad);
    Put(rec, soun::kBlank2Offset, soun::kBlank2Width, r.blank2, r.pad);
    return rec;
}

void Le(std::string& b, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A dBASE table as the tax service ships it: header, field descriptors (here one terminator byte),
// the records and the end-of-file mark.
std::string Table(const std::vector<SounRecord>& records, uint32_t count, uint32_t recordSize = soun::kRecordSize) {
    std::string header(32, '\0');
    header[0] = 0x03;
    Le(header, 4, count, 4);
    Le(header, 8, 33, 2);
    Le(header, 10, recordSize, 2);
    std::string bytes = header + "\r";
    for (const SounRecord& r : records)
        bytes += Record(r);
    return bytes + "\x1A";
}

std::string Table(const std::vector<SounRecord>& records) {
    return Table(records, static_cast<uint32_t>(records.size()));
}

std::string ErrorOf(const std::string& table, const std::string& out) {
    try {
        ImportSoun(table, out, "25.01.2018", "00");
    } catch (const DictionaryError& e) {
        return e.what();
    }
    return {};
}

TEST(ImportSounTest, KeepsOnlyTheInspectionRecords) {
    std::vector<SounRecord> records = {
        {.code = "0101", .name = "Межрайонная ИФНС России №2 по Республике Адыгея"},
        {.code = "3906"},
        {.code = "7203", .kind = "31"},
        {.code = "0105", .blank1 = "Текст"},
        {.code = "0106", .status = "0"},
        {.code = "0107", .blank2 = "01.01.2017"},
        {.code = "0108", .kind = "10"},
        {.code = "0109", .kind = "2"},
        {.code = "0110", .kind = "52", .name = "  ИФНС с пробелами  ", .pad = '\0'},
        {.code = "0111", .kind = "43", .status = " "},
        {.code = "7700", .kind = "21", .name = "УФНС России по г.Москве"},
        // Past the count of the header: never read.
        {.code = "9999"},
    };
    std::string table = Table(records, static_cast<uint32_t>(records.size() - 1));
    TempDir dir;
    WriteBytes(dir.file("soun1.dbf"), table);
    std::string out = dir.file("InspectionNumbers.xml");
    ASSERT_TRUE(ImportSoun(dir.file("soun1.dbf"), out, "25.01.2018", "00"));

    std::vector<CodeName> rows = LoadInspections(out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].code, "0101");
    EXPECT_EQ(rows[0].name, "Межрайонная ИФНС России №2 по Республике Адыгея");
    EXPECT_EQ(rows[1].code, "0110");
    EXPECT_EQ(rows[1].name, "ИФНС с пробелами");
    EXPECT_EQ(rows[2].code, "7700");  // the last counted record
    EXPECT_EQ(rows[2].name, "УФНС России по г.Москве");

    std::string bytes = ReadBytes(out);
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
    EXPECT_NE(bytes.find(Utf8ToCp1251("Межрайонная ИФНС России №2").value()), std::string::npos);
    XmlDoc doc = XmlDoc::ParseFile(out);
    EXPECT_EQ(ElementName(doc.Root()), "Inspections");
    EXPECT_EQ(GetAttribute(doc.Root(), "Version"), "00");
    EXPECT_EQ(GetAttribute(doc.Root(), "Date"), "25.01.2018");
}

TEST(ImportSounTest, ZeroBytesCountAsBlank) {
    TempDir dir;
    std::string blankNul(30, '\0');
    WriteBytes(dir.file("soun1.dbf"), Table({{.code = "0101", .blank1 = blankNul, .blank2 = std::string(10, '\0')}}));
    ImportSoun(dir.file("soun1.dbf"), dir.file("out.xml"), "01.02.2018", "00");
    EXPECT_EQ(LoadInspections(dir.file("out.xml")).size(), 1u);
}

TEST(ImportSounTest, ControlCharactersNeverReachTheDictionary) {
    using namespace std::string_literals;
    // A zero byte inside a name too; the drawing characters of the DOS code page are kept.
    const struct {
        std::string name, expected;
    } cases[] = {
        {"ИФНС\x01России №1", "ИФНС России №1"}, {"ИФНС \x1B[31m№2\x07", "ИФНС [31m№2"}, {"ИФНС\0\t\r\n№3"s, "ИФНС №3"},
        {"\x7F\x1FИФНС № 4 \x0C", "ИФНС № 4"},   {"ИФНС ╔═╗ №5", "ИФНС ╔═╗ №5"},
    };
    std::vector<SounRecord> records;
    for (const auto& c : cases)
        records.push_back({.code = "01" + std::to_string(10 + records.size()), .name = c.name});
    records.push_back({.code = "\x1B"
                               "02\x01",
                       .name = "Код с управляющими символами"});
    TempDir dir;
    WriteBytes(dir.file("soun1.dbf"), Table(records));
    WriteBytes(dir.file("out.xml"), "old dictionary");
    ASSERT_EQ(ErrorOf(dir.file("soun1.dbf"), dir.file("out.xml")), "");
    const std::vector<CodeName> rows = LoadInspections(dir.file("out.xml"));
    ASSERT_EQ(rows.size(), records.size());
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(rows[i].name, cases[i].expected) << i;
    EXPECT_EQ(rows.back().code, "02");
}

TEST(ImportSounTest, AWrittenFileThatDoesNotReadBackLeavesTheOldOne) {
    TempDir dir;
    const std::string out = dir.file("InspectionNumbers.xml");
    WriteBytes(out, "old dictionary");
    std::string checked;
    auto refuse = [&](std::string_view written) {
        checked = written;
        throw DictionaryError("не читается");
    };
    EXPECT_THROW(WriteDictionaryFile(out, "<Inspections>\x01</Inspections>", refuse), DictionaryError);
    EXPECT_EQ(checked, "<Inspections>\x01</Inspections>");
    EXPECT_EQ(ReadBytes(out), "old dictionary");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ImportSounTest, AnEmptyTableGivesAnEmptyDictionary) {
    TempDir dir;
    WriteBytes(dir.file("soun1.dbf"), Table({}));
    ImportSoun(dir.file("soun1.dbf"), dir.file("out.xml"), "01.02.2018", "00");
    EXPECT_TRUE(LoadInspections(dir.file("out.xml")).empty());
}

TEST(ImportSounTest, DamagedTablesFailAndLeaveTheOldFile) {
    const std::string full = Table({{.code = "0101"}, {.code = "0102"}, {.code = "0103"}});
    std::string longRecords = Table({{.code = "0101"}}, 1, 1200);
    std::string hugeCount = Table({{.code = "0101"}}, 70000);
    std::string farFirst = full;
    Le(farFirst, 8, 0xFFFF, 2);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"cut inside the last record", full.substr(0, full.size() - 600)},
        {"cut at a record boundary", full.substr(0, 33 + 2 * soun::kRecordSize)},
        {"header only", full.substr(0, 33)},
        {"short header", full.substr(0, 20)},
        {"empty file", ""},
        {"first record beyond the end", farFirst},
        {"other record length", longRecords},
        {"count beyond the file", hugeCount},
    };
    for (const auto& [what, bytes] : cases) {
        TempDir dir;
        std::string table = dir.file("soun1.dbf");
        std::string out = dir.file("InspectionNumbers.xml");
        WriteBytes(table, bytes);
        WriteBytes(out, "old dictionary");
        EXPECT_EQ(ErrorOf(table, out), "Error read file:" + table) << what;
        EXPECT_EQ(ReadBytes(out), "old dictionary") << what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << what;
    }
}

TEST(ImportSounTest, MissingTableOrUnwritableOutput) {
    TempDir dir;
    std::string table = dir.file("soun1.dbf");
    EXPECT_EQ(ErrorOf(table, dir.file("out.xml")), "Error read file:" + table);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.xml")));

    WriteBytes(table, Table({{.code = "0101"}}));
    std::string out = dir.file("no-such-folder/out.xml");
    std::string message = ErrorOf(table, out);
    EXPECT_NE(message.find(out), std::string::npos) << message;
}

TEST(DbfTableTest, FieldsAreCheckedAgainstTheRecord) {
    DbfTable table(Table({{.code = "0101"}}), "t.dbf", soun::kRecordSize);
    EXPECT_EQ(table.RecordCount(), 1u);
    EXPECT_EQ(table.FirstRecordOffset(), 33u);
    EXPECT_EQ(table.Field(0, soun::kCodeOffset, soun::kCodeWidth), "0101");
    EXPECT_THROW(table.Field(0, soun::kRecordSize - 2, 3), DictionaryError);
    EXPECT_THROW(table.Field(0, soun::kRecordSize + 1, 0), DictionaryError);
    EXPECT_THROW(table.Record(1), DictionaryError);
}

}  // namespace
}  // namespace zizaza
