// The Bank of Russia's BIC directory in both of its formats fills the bank's name and
// correspondent account from the BIC.
#include "filing/BicDirectory.h"
#include "filing/FiledDeclaration.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

// A bnkseek.dbf of the legacy layout with the fields the refund needs (and one it does not), its
// texts in CP866.
std::string dbf(const std::vector<std::array<std::string, 4>>& rows) {
    struct Field {
        const char* name;
        unsigned char width;
    } fields[] = {{"REAL", 4}, {"NEWNUM", 9}, {"NAMEP", 45}, {"KSNP", 20}};
    const size_t recordSize = 1 + 4 + 9 + 45 + 20;
    const size_t headerSize = 32 + 32 * std::size(fields) + 1;
    std::string b(32, '\0');
    b[0] = 0x03;
    b[4] = static_cast<char>(rows.size());
    b[8] = static_cast<char>(headerSize & 0xFF);
    b[9] = static_cast<char>(headerSize >> 8);
    b[10] = static_cast<char>(recordSize);
    for (const Field& f : fields) {
        std::string d(32, '\0');
        d.replace(0, std::string(f.name).size(), f.name);
        d[11] = 'C';
        d[16] = static_cast<char>(f.width);
        b += d;
    }
    b += '\r';
    for (const auto& row : rows) {
        std::string record = row[0] == "deleted" ? "*" : " ";
        auto cell = [&](const std::string& text, size_t width) {
            record += (text + std::string(width, ' ')).substr(0, width);
        };
        cell("", 4);
        cell(row[1], 9);
        cell(Utf8ToCp866(row[2]).value(), 45);
        cell(row[3], 20);
        b += record;
    }
    return b + '\x1A';
}

TEST(BicDirectory, BothFormatsGiveTheBankByItsBic) {
    const BicDirectory legacy =
        BicDirectory::FromDbf(dbf({{"", "049805746", "ПАО \"БАНК ПРИМЕР\"", "30101810800000000746"},
                                   {"deleted", "044525225", "ЗАКРЫТЫЙ БАНК", "30101810400000000225"},
                                   {"", "049805000", "ОТДЕЛЕНИЕ ТВЕРЬ", ""}}),
                              "bnkseek.dbf");
    EXPECT_EQ(legacy.Size(), 2u);
    auto bank = legacy.Find("049805746");
    ASSERT_TRUE(bank);
    EXPECT_EQ(bank->name, "ПАО \"БАНК ПРИМЕР\"");
    EXPECT_EQ(bank->correspondentAccount, "30101810800000000746");
    EXPECT_EQ(legacy.Find("049805000")->correspondentAccount, "");
    EXPECT_FALSE(legacy.Find("044525225")) << "a deleted record is no bank";

    const BicDirectory current = BicDirectory::FromEd807(
        R"(<?xml version="1.0" encoding="UTF-8"?>
<ED807 xmlns="urn:cbr-ru:ed:v2.0" EDNo="1" EDDate="2018-04-02">
  <BICDirectoryEntry BIC="044525225">
    <ParticipantInfo NameP="ПАО СБЕРБАНК" PtType="20"/>
    <Accounts Account="40102810000000000001" RegulationAccountType="UTRA"/>
    <Accounts Account="30101810400000000225" RegulationAccountType="CRSA"/>
  </BICDirectoryEntry>
</ED807>)",
        "ed807.xml");
    bank = current.Find("044525225");
    ASSERT_TRUE(bank);
    EXPECT_EQ(bank->name, "ПАО СБЕРБАНК");
    EXPECT_EQ(bank->correspondentAccount, "30101810400000000225");

    EXPECT_THROW(BicDirectory::FromDbf(std::string(10, '\0'), "short.dbf"), FilingError);
    EXPECT_THROW(BicDirectory::FromEd807("<Файл/>", "other.xml"), FilingError);
}

}  // namespace
}  // namespace zizaza
