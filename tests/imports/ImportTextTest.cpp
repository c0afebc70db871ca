#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/ImportText.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

TEST(ImportTextTest, TextsBecomePlainOrAreRefused) {
    struct Case {
        std::string input;
        std::string text;
        bool replaced;
        bool refused;
    } cases[] = {
        {"Nestlé SA", "Nestle SA", true, false},
        {"L'Oréal", "L'Oreal", true, false},
        {"Hermès International", "Hermes International", true, false},
        {"Société Générale", "Societe Generale", true, false},
        {"Straße Ærø Łódź Œuvre", "Strasse AEro Lodz OEuvre", true, false},
        {"Nestle\xCC\x81 SA", "Nestle SA", true, false},   // a combining accent
        {"A\tB\rC", "A B C", true, false},                 // control characters become blanks
        {std::string("AB\0CD", 5), "AB CD", true, false},  // so does NUL
        {"Apple\xE2\x80\x8AInc. \xE2\x80\x90 \xC2\xABN\xE2\x84\x96 1\xC2\xBB", "Apple Inc. - «N№ 1»", true, false},
        {"\xEF\xBC\xA1\xEF\xBC\xA2", "AB", true, false},               // full-width letters
        {"ООО «Ромашка» ё – 1", "ООО «Ромашка» ё – 1", false, false},  // windows-1251 already
        {std::string(9999, 'x'), std::string(9999, 'x'), false, false},
        {"Smile \xF0\x9F\x98\x80", "", false, true},    // emoji
        {"\xE4\xB8\xAD\xE5\x9B\xBD", "", false, true},  // Chinese
        {"Bad \xC3", "", false, true},                  // not UTF-8
        {std::string(10000, 'x'), "", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        const ImportedText plain = PlainImportedText(c.input);
        EXPECT_EQ(!plain.refusal.empty(), c.refused) << plain.refusal;
        if (c.refused)
            continue;
        EXPECT_EQ(plain.text, c.text);
        EXPECT_EQ(plain.replaced, c.replaced);
        EXPECT_TRUE(FitsCp1251(plain.text));
    }
    EXPECT_EQ(PlainImportedText("Smile \xF0\x9F\x98\x80").refusal,
              "знак «\xF0\x9F\x98\x80» (U+1F600) нельзя сохранить в файле декларации, и замены ему нет");
    EXPECT_EQ(ImportedDateRefusal(Date::Ymd(9999, 12, 31)),
              "дата 31.12.9999 вне допустимого диапазона (01.01.1900 - 31.12.2099)");
    EXPECT_EQ(ImportedDateRefusal(Date::Ymd(2099, 12, 31)), "");
    EXPECT_EQ(ImportedAmountRefusal(kMaxImportedAmount), "");
    EXPECT_NE(ImportedAmountRefusal(kMaxImportedAmount + Money::Kopecks(1)), "");
}

const CurrencyRates& Dollars() {
    static const CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(
        "<CurrencyRates><Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2017-31.12.2017\">"
        "<Rate Date=\"01.01.2017\" Rate=\"60.0000\" Quantity=\"1\"/></Currency></CurrencyRates>",
        "rates.xml"));
    return rates;
}

// A broker statement whose names hold letters windows-1251 lacks, and lines that cannot be kept:
// every line is either in the declaration, which then saves and reopens, or refused with its reason.
TEST(ImportTextTest, BrokerStatementWithForeignLettersSavesAndReopens) {
    const std::string statement =
        "Dividends,Header,Currency,Date,Description,Amount\n"
        "Dividends,Data,USD,2017-03-16,Nestlé SA(CH0038863350) Cash Dividend,10\n"
        "Dividends,Data,USD,2017-03-17,L'Oréal(FR0000120321) Cash Dividend,20\n"
        "Dividends,Data,USD,2017-03-18,Hermès(FR0000052292) Cash Dividend,30\n"
        "Dividends,Data,USD,2017-03-19,Société Générale(FR0000130809) Cash Dividend,40\n"
        "Dividends,Data,USD,2017-03-20,Smile \xF0\x9F\x98\x80(US0378331005) Cash Dividend,50\n"
        "Dividends,Data,USD,2017-03-21,Big(US5949181045) Cash Dividend,900000000000000\n"
        "Dividends,Data,USD,2017-03-22," +
        std::string(10000, 'N') +
        "(US30231G1022) Cash Dividend,1\n"
        "Withholding Tax,Header,Currency,Date,Description,Amount,Code\n"
        "Withholding Tax,Data,USD,9999-12-31,Nestlé SA(CH0038863350) Cash Dividend - CH Tax,-1.00,\n";
    const ForeignImport result = ReadForeignReport(statement, Dollars());
    std::vector<std::string> refused;
    for (const RefusedLine& r : result.refused)
        refused.push_back(std::to_string(r.line) + ": " + r.reason);
    EXPECT_EQ(refused,
              (std::vector<std::string>{
                  "2: дата 31.12.9999 вне допустимого диапазона (01.01.1900 - 31.12.2099)",
                  "6: наименование источника: знак «\xF0\x9F\x98\x80» (U+1F600) нельзя сохранить в файле декларации, и "
                  "замены ему нет",
                  "7: сумма в рублях не помещается в декларацию",
                  "8: наименование источника: текст длиннее 9999 знаков",
              }));
    ASSERT_EQ(result.records.size(), 3u);
    EXPECT_EQ(result.replaced.size(), 3u);
    EXPECT_NE(DescribeForeignImport(result).find("строка 3: «L'Oréal» записано как «L'Oreal»"), std::string::npos);

    mTDeclaration d;
    ApplyForeignImport(d, result);
    mTDeclaration reopened;
    LoadDeclarationFromBytes(reopened, SaveDeclarationToBytes(d));
    ASSERT_EQ(reopened.CurrencyIncomeCount(), 3u);
    EXPECT_EQ(reopened.CurrencyIncome(0).SourceName, "L'Oreal");
    EXPECT_EQ(reopened.CurrencyIncome(1).SourceName, "Hermes");
    EXPECT_EQ(reopened.CurrencyIncome(2).SourceName, "Societe Generale");
}

TEST(ImportTextTest, PaymentsBeyondTheListLimitAreRefused) {
    const std::string text =
        "Дата;Страна;Источник;КодДохода;Валюта;Доход\n16.03.2017;US;A;1010;USD;1\n16.03.2017;US;B;1010;USD;2\n";
    const ForeignImport result = ReadForeignReport(text, Dollars(), {}, kMaxImportedRecords - 1);
    ASSERT_EQ(result.records.size(), 1u);
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].line, 3u);
    EXPECT_EQ(result.refused[0].reason, "в декларации не может быть больше 65535 доходов за пределами РФ");
}

}  // namespace
}  // namespace zizaza
