#include "dictionaries/CbrRateFiles.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

// Dollars known for January 2017, tenge without rates.
const char kDictionary[] =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?><CurrencyRates>"
    "<Currency Code=\"398\" Alpha=\"KZT\" Name=\"Тенге\"/>"
    "<Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2017-31.01.2017\">"
    "<Rate Date=\"31.12.2016\" Rate=\"60.6569\" Quantity=\"1\"/></Currency></CurrencyRates>";

const char kIds[] = "cbr_id,iso_num,iso_char,name\nR01235,840,USD,Доллар США\nR01335,398,KZT,Казахстанский тенге\n";

std::string Cp1251(const std::string& utf8) {
    return Utf8ToCp1251(utf8).value();
}

class CbrRateFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(dict(), Cp1251(kDictionary));
        WriteBytes(ids(), kIds);
    }
    std::string dict() const { return dir.file("CurrencyRates.xml"); }
    std::string ids() const { return dir.file("CbrCurrencyIds.csv"); }
    std::string Import(const std::string& bytes) {
        WriteBytes(dir.file("rates.in"), bytes);
        return ImportCbrRates(dir.file("rates.in"), {dict(), dict()}, ids());
    }
    std::string At(const char* code, Date date) {
        const CurrencyRates rates = CurrencyRates::Load(dict());
        const CurrencyRate* r = rates.FindRate(code, date);
        return r ? r->quantity + "x" + r->rate : "none";
    }
    TempDir dir;
};

TEST_F(CbrRateFilesTest, EachFormatOfTheBankLoads) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* code;
        Date date;
        const char* rate;  // "quantity x rate" in force on the date
        const char* coverage;
    } cases[] = {
        {"daily XML",
         Cp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?><ValCurs Date=\"14.04.2017\" name=\"Foreign Currency "
                "Market\"><Valute ID=\"R01335\"><NumCode>398</NumCode><CharCode>KZT</CharCode><Nominal>100</Nominal>"
                "<Name>Казахстанских тенге</Name><Value>17,9845</Value></Valute><Valute ID=\"R01235\"><NumCode>840"
                "</NumCode><CharCode>USD</CharCode><Nominal>1</Nominal><Name>Доллар США</Name><Value>56,4189</Value>"
                "</Valute></ValCurs>"),
         "398", Date::Ymd(2017, 4, 14), "100x17.9845", "14.04.2017-14.04.2017"},
        {"history XML",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?><ValCurs ID=\"R01235\" DateRange1=\"01.02.2017\" "
         "DateRange2=\"28.02.2017\" name=\"Foreign Currency Market Dynamic\">"
         "<Record Date=\"01.02.2017\" Id=\"R01235\"><Nominal>1</Nominal><Value>60,2117</Value></Record>"
         "<Record Date=\"02.02.2017\" Id=\"R01235\"><Nominal>1</Nominal><Value>59,6663</Value></Record></ValCurs>",
         "840", Date::Ymd(2017, 2, 2), "1x59.6663", "01.01.2017-02.02.2017"},
        {"CSV export in windows-1251",
         Cp1251("nominal;data;curs;cdx\r\n1;01.03.2017;58,8318;Доллар США\r\n1;02.03.2017;58,5870;Доллар США\r\n"),
         "840", Date::Ymd(2017, 3, 2), "1x58.5870", "01.01.2017-31.01.2017;01.03.2017-02.03.2017"},
        {"CSV export in UTF-8", "\xEF\xBB\xBFnominal;data;curs;cdx\n100;01.06.2017;17.8;Тенге\n", "398",
         Date::Ymd(2017, 6, 1), "100x17.8", "01.06.2017-01.06.2017"},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string report = Import(c.bytes);
        EXPECT_EQ(At(c.code, c.date), c.rate) << c.what;
        const CurrencyRates loaded = CurrencyRates::Load(dict());
        const Currency* currency = loaded.FindCurrency(c.code);
        ASSERT_TRUE(currency && currency->covered) << c.what;
        EXPECT_EQ(CoverageText(*currency->covered), c.coverage) << c.what;
        EXPECT_NE(report.find(std::string(c.code) + " " + currency->name + ": с "), std::string::npos) << c.what << "\n"
                                                                                                       << report;
        EXPECT_EQ(At("840", Date::Ymd(2017, 1, 10)), "1x60.6569") << c.what;  // what was there stays
    }
    EXPECT_EQ(At("840", Date::Ymd(2017, 5, 1)), "none");
}

TEST_F(CbrRateFilesTest, DamagedFilesChangeNothing) {
    const std::string daily =
        "<ValCurs Date=\"14.04.2017\"><Valute><NumCode>840</NumCode><Nominal>1</Nominal>"
        "<Value>56,4189</Value></Valute>";
    struct Case {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {daily, "Файл курсов ЦБ РФ"},  // cut short
        {daily + "<Valute><NumCode>398</NumCode><Nominal>100</Nominal><Value>17;98</Value></Valute></ValCurs>",
         "неверный курс «17;98»"},
        {daily + "<Valute><NumCode>398</NumCode><Nominal>0</Nominal><Value>17,98</Value></Valute></ValCurs>",
         "неверное количество единиц"},
        {"<ValCurs ID=\"R09999\"><Record Date=\"01.02.2017\" Id=\"R09999\"><Nominal>1</Nominal><Value>1</Value>"
         "</Record></ValCurs>",
         "неизвестный идентификатор валюты ЦБ РФ «R09999»"},
        {"<ValCurs Date=\"14.04.2017\"/>", "в файле нет курсов"},
        {"<html><body>Курсы</body></html>", "нет элемента ValCurs"},
        {"nominal;data;curs;cdx\n1;01.03.2017;58,8318;Доллар США\n1;31.02.2017;58,5870;Доллар США\n", "неверная дата"},
        {"nominal;data;curs;cdx\n1;01.03.2017;58,8318;Тугрик\n", "неизвестная валюта «Тугрик» в строке 2"},
        {"дата;курс\n01.03.2017;58,8318\n", "ожидается заголовок"},
        {"nominal;data;curs;cdx\n1;01.01.0001;58,8318;Доллар США\n", "дата курса 01.01.0001 вне 1992 - "},
        {"nominal;data;curs;cdx\n1;31.12.1991;58,8318;Доллар США\n", "дата курса 31.12.1991 вне 1992 - "},
        {"nominal;data;curs;cdx\n1;31.12.9999;58,8318;Доллар США\n", "дата курса 31.12.9999 вне 1992 - "},
        {"nominal;data;curs;cdx\n" + std::string(17 * 1024 * 1024, ' '), "файл больше 16 МБ"},
    };
    const std::string before = ReadBytes(dict());
    for (const Case& c : cases) {
        try {
            Import(c.bytes);
            ADD_FAILURE() << "loaded: " << c.bytes;
        } catch (const DictionaryError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(dict()), before) << c.bytes;
    }
}

// A history file's range ending far beyond its last rate covers only up to that rate: a later day
// has no rate, not the last one.
TEST_F(CbrRateFilesTest, CoverageEndsAtTheLastPublishedRate) {
    Import(
        "<ValCurs ID=\"R01235\" DateRange1=\"01.02.2017\" DateRange2=\"31.12.9999\">"
        "<Record Date=\"01.02.2017\" Id=\"R01235\"><Nominal>1</Nominal><Value>60,2117</Value></Record>"
        "</ValCurs>");
    EXPECT_EQ(At("840", Date::Ymd(2017, 2, 1)), "1x60.2117");
    EXPECT_EQ(At("840", Date::Ymd(2017, 6, 1)), "none");
    const CurrencyRates loaded = CurrencyRates::Load(dict());
    const Currency* dollar = loaded.FindCurrency("840");
    ASSERT_TRUE(dollar && dollar->covered);
    EXPECT_EQ(CoverageText(*dollar->covered), "01.01.2017-01.02.2017");
}

TEST_F(CbrRateFilesTest, UserCopyIsReadInPreferenceAndWrittenWhenTheProgramFolderIsReadOnly) {
    const std::string program = dir.file("program/CurrencyRates.xml");
    const std::string user = dir.file("user/data/CurrencyRates.xml");
    std::filesystem::create_directories(dir.file("program"));
    WriteBytes(program, Cp1251(kDictionary));
    RatesFiles files = ChooseRatesFiles(program, user);
    EXPECT_EQ(files.read, program);
    EXPECT_EQ(files.write, program);
    std::filesystem::permissions(dir.file("program"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(dir.file("program").c_str(), W_OK) != 0) {  // root writes anywhere
        files = ChooseRatesFiles(program, user);
        EXPECT_EQ(files.read, program);
        EXPECT_EQ(files.write, user);
        WriteBytes(dir.file("rates.in"), "nominal;data;curs;cdx\n1;01.03.2017;58,8318;Доллар США\n");
        ImportCbrRates(dir.file("rates.in"), files, ids());
        EXPECT_EQ(ReadBytes(program), Cp1251(kDictionary));
        EXPECT_NE(CurrencyRates::Load(user).FindRate("840", Date::Ymd(2017, 3, 1)), nullptr);
    }
    std::filesystem::permissions(dir.file("program"), std::filesystem::perms::owner_all);
    std::filesystem::create_directories(dir.file("user/data"));
    WriteBytes(user, Cp1251(kDictionary));
    files = ChooseRatesFiles(program, user);
    EXPECT_EQ(files.read, user);
    EXPECT_EQ(files.write, user);
}

}  // namespace
}  // namespace zizaza
