#include "calc/kTSvodSumPrilB.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

// Dollars for 2017, euros and tenge for one month, pounds for June only.
const CurrencyRates& Rates() {
    static const CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(
        "<CurrencyRates>"
        "<Currency Code=\"398\" Alpha=\"KZT\" Name=\"Тенге\" Covered=\"01.04.2017-30.04.2017\">"
        "<Rate Date=\"01.04.2017\" Rate=\"17.9845\" Quantity=\"100\"/></Currency>"
        "<Currency Code=\"826\" Alpha=\"GBP\" Name=\"Фунт стерлингов\" Covered=\"01.06.2017-30.06.2017\">"
        "<Rate Date=\"01.06.2017\" Rate=\"72.7307\" Quantity=\"1\"/></Currency>"
        "<Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2017-31.12.2017\">"
        "<Rate Date=\"16.03.2017\" Rate=\"57.5000\" Quantity=\"1\"/>"
        "<Rate Date=\"01.06.2017\" Rate=\"56.5000\" Quantity=\"1\"/></Currency>"
        "<Currency Code=\"978\" Alpha=\"EUR\" Name=\"Евро\" Covered=\"01.05.2017-31.05.2017\">"
        "<Rate Date=\"30.04.2017\" Rate=\"60.0000\" Quantity=\"1\"/>"
        "<Rate Date=\"10.05.2017\" Rate=\"61.2000\" Quantity=\"1\"/></Currency>"
        "</CurrencyRates>",
        "rates.xml"));
    return rates;
}

Money M(const char* text) {
    return *Money::Parse(text);
}

// A record as "date source country currency income=roubles tax=roubles taxdate code/rate auto".
std::string Show(const mTCurrencyIncome& r) {
    return r.IncomeDate.ToText() + " " + r.SourceName + " " + r.CountryCode + " " + r.CurrencyCode + " " +
           r.IncomeInCurrency.ToText() + "=" + r.IncomeInRoubles.ToText() + " " + r.TaxInCurrency.ToText() + "=" +
           r.TaxInRoubles.ToText() + " " + r.TaxPaymentDate.ToText() + " " + std::to_string(r.IncomeCode) + "/" +
           std::to_string(r.RateCode) + (r.AutomaticRate ? " auto" : "");
}

std::vector<std::string> Shown(const ForeignImport& result) {
    std::vector<std::string> shown;
    for (const mTCurrencyIncome& r : result.records)
        shown.push_back(Show(r));
    return shown;
}

std::vector<std::string> Refused(const ForeignImport& result) {
    std::vector<std::string> shown;
    for (const RefusedLine& r : result.refused)
        shown.push_back(std::to_string(r.line) + ": " + r.reason);
    return shown;
}

TEST(ForeignIncomeImportTest, TemplateRowsBecomeRecords) {
    // Columns in an order of their own, windows-1251.
    const std::string text =
        Utf8ToCp1251(
            "Источник;Дата;Страна;Валюта;Доход;Налог;КодДохода;ДатаНалога;КурсДохода;КурсНалога\r\n"
            "Vanguard;16.03.2017;US;USD;100,50;15,08;;;;\r\n"
            "Halyk;12.04.2017;KAZ;398;10000;-1000;1011;;;\r\n"
            "Barclays;15.06.2017;826;gbp;50;;1010;;72,5;\r\n"
            "Lloyds;15.08.2017;GB;GBP;50;;;;;\r\n"
            "Vanguard;16.03.2017;US;USD;12,345;;;;;\r\n"
            "Acme;16.03.2017;US;ABC;1;;;;;\r\n"
            "Acme;01.06.2017;ZZ;USD;1;;;;;\r\n"
            "Acme;01.06.2016;US;USD;1;;;;;\r\n")
            .value();
    const ForeignImport result = ReadForeignReport(text, Rates());
    EXPECT_EQ(Shown(result), (std::vector<std::string>{
                                 "16.03.2017 Vanguard 840 840 100.5=5778.75 15.08=867.1 16.03.2017 1010/14 auto",
                                 "12.04.2017 Halyk 398 398 10000=1798.45 1000=179.85 12.04.2017 1011/13 auto",
                                 "15.06.2017 Barclays 826 826 50=3625 0=0 15.06.2017 1010/14",
                             }));
    EXPECT_EQ(Refused(result), (std::vector<std::string>{
                                   "5: нет курса ЦБ РФ на 15.08.2017 (826)",
                                   "6: неверное число «12,345» (доход)",
                                   "7: неизвестная валюта «ABC»",
                                   "8: неизвестная страна «ZZ»",
                                   "9: дата дохода 01.06.2016 не в 2017 году",
                               }));
    EXPECT_EQ(result.records[0].CurrencyName, "Доллар США");
    EXPECT_EQ(result.records[0].IncomeName, "Дивиденды");
    EXPECT_EQ(result.records[0].DeductionCode, 0);
    EXPECT_EQ(result.records[2].IncomeUnits, 1);
    EXPECT_EQ(result.records[2].IncomeRate, M("72.5"));
}

TEST(ForeignIncomeImportTest, TemplateHeaderVariants) {
    struct Case {
        const char* text;
        size_t records;
        const char* firstRefusal;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "Дата,Страна,Источник,КодДохода,Валюта,Доход\n16.03.2017,840,\"Fund, Inc.\",,USD,\"1,5\"\n",
         1, ""},
        {"Дата;Страна;Источник;Валюта;Доход\n16.03.2017;US;Fund;USD;1\n", 0, "1: нет столбца «КодДохода» в заголовке"},
        {"Дата;Страна;Источник;КодДохода;Валюта;Доход\n16.03.2017;US;Fund;99;USD;1\n", 0,
         "2: неизвестный код дохода 99"},
    };
    for (const Case& c : cases) {
        const ForeignImport result = ReadForeignReport(c.text, Rates());
        EXPECT_EQ(result.records.size(), c.records) << c.text;
        EXPECT_EQ(result.refused.empty() ? "" : Refused(result)[0], c.firstRefusal) << c.text;
    }
}

// Two currencies, a reversal with its correction, a withholding on another date, total rows, a
// line with a bad number and a withholding of a security that paid nothing.
const char kStatement[] =
    "Statement,Header,Field Name,Field Value\n"
    "Statement,Data,Period,\"January 1, 2017 - December 31, 2017\"\n"
    "Dividends,Header,Currency,Date,Description,Amount\n"
    "Dividends,Data,USD,2017-03-16,AAPL(US0378331005) Cash Dividend USD 0.57 per Share (Ordinary Dividend),57\n"
    "Dividends,Data,USD,2017-03-16,MSFT(US5949181045) Cash Dividend USD 0.39 per Share (Ordinary Dividend),39.00\n"
    "Dividends,Data,USD,2017-06-01,MSFT(US5949181045) Cash Dividend USD 0.39 per Share (Ordinary Dividend),-39.00\n"
    "Dividends,Data,USD,2017-06-01,MSFT(US5949181045) Cash Dividend USD 0.40 per Share (Ordinary Dividend),40.00\n"
    "Dividends,Data,EUR,2017-05-10,SAP(DE0007164600) Cash Dividend EUR 1.25 per Share (Ordinary Dividend),125\n"
    "Dividends,Data,USD,2017-07-03,T(US00206R1023) Cash Dividend USD 0.49 per Share,4x.9\n"
    "Dividends,Data,Total,,,261\n"
    "Dividends,Data,Total in USD,,,279.5\n"
    "Withholding Tax,Header,Currency,Date,Description,Amount,Code\n"
    "Withholding Tax,Data,USD,2017-03-16,AAPL(US0378331005) Cash Dividend USD 0.57 per Share - US Tax,-5.70,\n"
    "Withholding Tax,Data,USD,2017-06-01,MSFT(US5949181045) Cash Dividend USD 0.40 per Share - US Tax,-4.00,\n"
    "Withholding Tax,Data,EUR,2017-05-10,SAP(DE0007164600) Cash Dividend EUR 1.25 per Share - DE Tax,-32.97,\n"
    "Withholding Tax,Data,USD,2017-02-01,XOM(US30231G1022) Cash Dividend USD 0.75 per Share - US Tax,-1.00,\n"
    "Withholding Tax,SubTotal,,,,-43.67,\n";

TEST(ForeignIncomeImportTest, BrokerStatementNetsReversalsAndWithholdings) {
    const ForeignImport result = ReadForeignReport(kStatement, Rates());
    EXPECT_EQ(result.format, "отчет брокера");
    EXPECT_EQ(Shown(result), (std::vector<std::string>{
                                 "16.03.2017 AAPL 840 840 57=3277.5 5.7=327.75 16.03.2017 1010/14 auto",
                                 "16.03.2017 MSFT 840 840 40=2300 4=226 01.06.2017 1010/14 auto",
                                 "10.05.2017 SAP 276 978 125=7650 32.97=2017.76 10.05.2017 1010/14 auto",
                             }));
    EXPECT_EQ(Refused(result), (std::vector<std::string>{
                                   "9: неверное число «4x.9»",
                                   "16: удержание налога не сопоставлено с выплатой дивиденда",
                               }));
    EXPECT_EQ(result.merged.size(), 5u);  // reversal, correction and three withholdings
    EXPECT_EQ(result.merged[0], "строка 6 (сторно 01.06.2017) учтена в выплате строки 5");
    EXPECT_EQ(result.skipped, 3u);
    const std::string report = DescribeForeignImport(result);
    EXPECT_NE(report.find("Загружено выплат: 3"), std::string::npos) << report;
    EXPECT_NE(report.find("строка 16: удержание налога не сопоставлено"), std::string::npos) << report;
}

// As brokers write it: a posting, its reversal and the posting again on one day in either order,
// withholding adjustments of the year before, a payment of the year before and one withholding
// section per currency.
TEST(ForeignIncomeImportTest, BrokerStatementNetsInAnyOrderAndListsOtherYears) {
    const char statement[] =
        "Dividends,Header,Currency,Date,Description,Amount\n"
        "Dividends,Data,EUR,2017-05-10,ASML(NL0010273215) Cash Dividend EUR 0.70 per Share,10.64\n"
        "Dividends,Data,EUR,2017-05-10,ASML(NL0010273215) Cash Dividend EUR 0.70 per Share,-10.64\n"
        "Dividends,Data,EUR,2017-05-10,ASML(NL0010273215) Cash Dividend EUR 0.70 per Share,10.64\n"
        "Dividends,Data,USD,2016-12-15,KO(US1912161007) Cash Dividend USD 0.35 per Share,7.00\n"
        "Dividends,Data,USD,2017-06-01,KO(US1912161007) Cash Dividend USD 0.37 per Share,-7.40\n"
        "Dividends,Data,USD,2017-06-01,KO(US1912161007) Cash Dividend USD 0.37 per Share,7.40\n"
        "Dividends,Data,USD,2017-06-01,KO(US1912161007) Cash Dividend USD 0.37 per Share,7.40\n"
        "Withholding Tax,Header,Currency,Date,Description,Amount,Code\n"
        "Withholding Tax,Data,USD,2016-12-05,KO(US1912161007) Cash Dividend USD 0.35 - US Tax,1.05,\n"
        "Withholding Tax,Data,USD,2016-12-05,KO(US1912161007) Cash Dividend USD 0.35 - US Tax,-0.10,\n"
        "Withholding Tax,Data,USD,2017-06-01,KO(US1912161007) Cash Dividend USD 0.37 - US Tax,-0.74,\n"
        "Withholding Tax,Data,Total in USD,,,0.21,\n"
        "Interest,Header,Currency,Date,Description,Amount\n"
        "Withholding Tax,Header,Date,Currency,Description,Amount\n"
        "Withholding Tax,Data,2017-05-10,EUR,ASML(NL0010273215) Cash Dividend EUR 0.70 - NL Tax,-1.60\n"
        "Withholding Tax,Data,Total,,,-1.60\n";
    const ForeignImport result = ReadForeignReport(statement, Rates());
    EXPECT_EQ(Shown(result), (std::vector<std::string>{
                                 "10.05.2017 ASML 528 978 10.64=651.17 1.6=97.92 10.05.2017 1010/14 auto",
                                 "01.06.2017 KO 840 840 7.4=418.1 0.74=41.81 01.06.2017 1010/14 auto",
                             }));
    EXPECT_TRUE(result.refused.empty()) << DescribeForeignImport(result);
    EXPECT_EQ(result.otherYear, (std::vector<std::string>{
                                    "строка 10: 05.12.2016 KO 1,05 USD относится к 2016 году",
                                    "строка 11: 05.12.2016 KO -0,1 USD относится к 2016 году",
                                    "выплата строки 5 (15.12.2016 KO 7 USD) относится к 2016 году",
                                }));
    EXPECT_NE(DescribeForeignImport(result).find("Строки другого года (в декларацию за 2017 год не входят): 3"),
              std::string::npos);
}

TEST(ForeignIncomeImportTest, ImportedRecordsCalculateAsTyped) {
    mTDeclaration declaration;
    ApplyForeignImport(declaration, ReadForeignReport(kStatement, Rates()));
    ASSERT_EQ(declaration.CurrencyIncomeCount(), 3u);
    kTSvodSumPrilB sheet(13);
    sheet.Compute(declaration);
    // 13% of 3277.50 = 426.075 (426.08), of 2300 = 299, of 7650 = 994.50; credits up to the
    // tax withheld: 327.75, 226 and 994.50.
    EXPECT_EQ(sheet.DividendIncome, M("13227.50"));
    EXPECT_EQ(sheet.ForeignTax, M("2571.51"));
    EXPECT_EQ(sheet.DividendTaxComputed, M("1719.58"));
    EXPECT_EQ(sheet.DividendCredit, M("1548.25"));
    // Roubles as the record itself computes them from the same currency amounts and rates.
    mTCurrencyIncome typed = declaration.CurrencyIncome(2);
    typed.SetIncomeInCurrency(typed.IncomeInCurrency);
    typed.SetTaxInCurrency(typed.TaxInCurrency);
    EXPECT_EQ(Show(typed), Show(declaration.CurrencyIncome(2)));
}

// The progress is told now and then, forward only, and stopping it leaves nothing to apply.
TEST(ForeignIncomeImportTest, ProgressGoesForwardAndStopsTheImport) {
    const size_t rows = 3 * foreignimport::ProgressTicker::kEvery;
    std::string text = "Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог\n";
    for (size_t i = 0; i < rows; ++i)
        text += "16.03.2017;US;Fund " + std::to_string(i) + ";;USD;10;1\n";
    for (const size_t stopAfter : {size_t{0}, size_t{1}, size_t{4}}) {
        SCOPED_TRACE(stopAfter);
        std::vector<std::pair<size_t, size_t>> told;
        const ForeignImport result = ReadForeignReport(text, Rates(), [&](size_t done, size_t total) {
            told.emplace_back(done, total);
            return stopAfter == 0 || told.size() < stopAfter;
        });
        for (size_t i = 0; i < told.size(); ++i) {
            EXPECT_LE(told[i].first, told[i].second);
            EXPECT_GT(told[i].first, i == 0 ? 0 : told[i - 1].first);
        }
        if (stopAfter == 0) {
            // Rows read, then records made: about twice the rows, each step told at most once.
            EXPECT_EQ(told.size(), 2 * rows / foreignimport::ProgressTicker::kEvery);
            EXPECT_FALSE(result.stopped);
            EXPECT_EQ(result.records.size(), rows);
        } else {
            EXPECT_EQ(told.size(), stopAfter);
            EXPECT_TRUE(result.stopped);
            EXPECT_TRUE(result.records.empty() && result.refused.empty() && result.imported.empty());
        }
    }
}

}  // namespace
}  // namespace zizaza
