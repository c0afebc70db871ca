// FIFO in roubles from activity statements written here. Dollar rates (per 1 USD, in force from the
// day given): 01.01.2016 70, 01.07.2016 65, 01.01.2017 60, 01.03.2017 58, 01.06.2017 57,
// 01.09.2017 59, 07.09.2017 61. The dictionary covers 2016 to 2018 only.
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/FileIo.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

const CurrencyRates& Rates() {
    static const CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(
        "<CurrencyRates><Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2016-31.12.2018\">"
        "<Rate Date=\"01.01.2016\" Rate=\"70\" Quantity=\"1\"/><Rate Date=\"01.07.2016\" Rate=\"65\" Quantity=\"1\"/>"
        "<Rate Date=\"01.01.2017\" Rate=\"60\" Quantity=\"1\"/><Rate Date=\"01.03.2017\" Rate=\"58\" Quantity=\"1\"/>"
        "<Rate Date=\"01.06.2017\" Rate=\"57\" Quantity=\"1\"/><Rate Date=\"01.09.2017\" Rate=\"59\" Quantity=\"1\"/>"
        "<Rate Date=\"07.09.2017\" Rate=\"61\" Quantity=\"1\"/></Currency></CurrencyRates>",
        "rates.xml"));
    return rates;
}

// The calendar shipped with the program.
const ExchangeHolidays& Holidays() {
    static const ExchangeHolidays holidays =
        ExchangeHolidays::Load(std::string(ZIZAZA_TEST_DATA_DIR) + "/../../data/" + kExchangeHolidaysFileName);
    return holidays;
}

constexpr const char* kHeader =
    "Financial Instrument Information,Header,Asset Category,Symbol,Description,Conid,Security ID,Multiplier\n"
    "Financial Instrument Information,Data,Stocks,AAPL,APPLE INC,265598,US0378331005,1\n"
    "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,T. Price,Proceeds,Comm/Fee,"
    "Code\n";

// A trade row: "Order,Stocks,AAPL,2017-03-15,-15,1800,-1,C" → the statement's columns.
std::string Trade(const std::string& kind, const std::string& category, const std::string& symbol,
                  const std::string& day, const std::string& quantity, const std::string& proceeds,
                  const std::string& commission, const std::string& code = "") {
    return "Trades,Data," + kind + "," + category + ",USD," + symbol + ",\"" + day + ", 10:00:00\"," + quantity +
           ",1," + proceeds + "," + commission + "," + code + "\n";
}
std::string Stock(const std::string& day, const std::string& quantity, const std::string& proceeds,
                  const std::string& commission = "0", const std::string& code = "") {
    return Trade("Order", "Stocks", "AAPL", day, quantity, proceeds, commission, code);
}

// "code date source income=roubles deduction-code:amount"
std::vector<std::string> Shown(const ForeignImport& result) {
    std::vector<std::string> shown;
    for (const mTCurrencyIncome& r : result.records)
        shown.push_back(std::to_string(r.IncomeCode) + " " + r.IncomeDate.ToText() + " " + r.SourceName + " " +
                        r.IncomeInCurrency.ToText() + "=" + r.IncomeInRoubles.ToText() + " " +
                        std::to_string(r.DeductionCode) + ":" + r.DeductionAmount.ToText());
    for (const RefusedLine& r : result.refused)
        shown.push_back("отказ " + std::to_string(r.line) + ": " + r.reason);
    return shown;
}

constexpr const char* kSale = "1530 15.03.2017 AAPL (US0378331005) ";
constexpr const char* kDividend =
    "Dividends,Header,Currency,Date,Description,Amount\n"
    "Dividends,Data,USD,2017-03-15,AAPL(US0378331005) Cash Dividend USD 1 per Share,10\n";

struct Case {
    const char* name;
    std::vector<std::string> files;  // the statements after kHeader
    TradeDates dates;
    std::vector<std::string> expected;
    size_t openLots = 0;
    const char* reported = "";  // a line the import report shows
};

TEST(BrokerTradesTest, FifoInRoubles) {
    const std::vector<Case> cases = {
        // Lot 1: 1000 × 65 + commission 1 × 65 = 65065; half of lot 2: 600 × 60 + 0.5 × 60 = 36030;
        // sale 1800 × 58 = 104400 with commission 58: costs 65065 + 36030 + 58 = 101153.
        {"two lots at two rates, sold in part",
         {Stock("2016-08-01", "10", "-1000", "-1") + Stock("2017-02-01", "10", "-1200", "-1") +
          Stock("2017-03-15", "-15", "1800", "-1")},
         TradeDates::Trade,
         {std::string(kSale) + "1800=104400 201:101153"},
         1,
         "лот строка 5, сделка 01.02.2017, оплата 01.02.2017: 5 шт., 600 USD × 60 = 36000 руб.; комиссия 0,5 USD"},
        // 500 × 60 + 600 × 58 + 2/5 of 700 × 57 (15960) = 80760 against 2400 × 57 = 136800.
        {"a sale over three lots",
         {Stock("2017-01-10", "5", "-500") + Stock("2017-03-02", "5", "-600") + Stock("2017-06-02", "5", "-700") +
          Stock("2017-06-15", "-12", "2400")},
         TradeDates::Trade,
         {"1530 15.06.2017 AAPL (US0378331005) 2400=136800 201:80760"},
         1},
        // 50 dollars lost, 950 roubles gained: 1000 × 57 = 57000 against 950 × 61 = 57950.
        {"a loss in dollars is a gain in roubles",
         {Stock("2017-06-10", "10", "-1000") + Stock("2017-09-07", "-10", "950")},
         TradeDates::Trade,
         {"1530 07.09.2017 AAPL (US0378331005) 950=57950 201:57000"}},
        // Bought 31.08 (Thu): T+3 over Labor Day 04.09 settles 06.09 at 59 = 59000, commission at
        // 57 on the trade day; sold 06.09 (Wed): T+2 settles 08.09 at 61 = 67100, commission 59.
        {"T+3 before 05.09.2017 and T+2 after, over a US holiday",
         {Stock("2017-08-31", "10", "-1000", "-1") + Stock("2017-09-06", "-10", "1100", "-1")},
         TradeDates::Settlement,
         {"1530 08.09.2017 AAPL (US0378331005) 1100=67100 201:59116"},
         0,
         "оплата 06.09.2017: 10 шт., 1000 USD × 59 = 59000 руб.; комиссия 1 USD × 57 = 57 руб."},
        // Sold 28.12.2017 (Thu): T+2 passes 01.01.2018 and settles 02.01.2018, next year's income.
        {"a sale settling in the next year",
         {Stock("2017-06-10", "10", "-1000") + Stock("2017-12-28", "-10", "1100")},
         TradeDates::Settlement,
         {},
         0,
         "продаж 2018 года: 1"},
        // 10 shares for 2000 × 60 = 120000 become 40; 40 sold for 2400 × 57 = 136800.
        {"a 4-for-1 split between buy and sell",
         {Stock("2017-01-10", "10", "-2000") +
          "Corporate Actions,Header,Asset Category,Currency,Report Date,Date/Time,Description,Quantity,Proceeds\n"
          "Corporate Actions,Data,Stocks,USD,2017-05-02,\"2017-05-01, 20:25:00\",\"AAPL(US0378331005) Split 4 for 1 "
          "(AAPL, APPLE INC, US0378331005)\",30,0\n" +
          Stock("2017-06-15", "-40", "2400")},
         TradeDates::Trade,
         {"1530 15.06.2017 AAPL (US0378331005) 2400=136800 201:120000"},
         0,
         "AAPL 01.05.2017 — дробление 4:1"},
        // The purchase for 1000 is cancelled and rebooked at 1010: 1010 × 60 = 60600.
        {"a cancelled and rebooked trade",
         {Stock("2017-02-01", "10", "-1000", "0", "O") + Stock("2017-02-01", "-10", "1000", "0", "Ca") +
          Stock("2017-02-01", "10", "-1010", "0", "O;Co") + Stock("2017-03-15", "-10", "1200")},
         TradeDates::Trade,
         {std::string(kSale) + "1200=69600 201:60600"},
         0,
         "строка 4: сделка AAPL 2017-02-01, 10:00:00 отменена строкой 5"},
        // Order rows stand for their fills; two fills of 4 and 6 are one sale either way:
        // 1200 × 58 = 69600; 1000 × 60 + commissions 2 × 0.5 × 58 = 60058.
        {"partial fills with their order row",
         {Stock("2017-01-10", "10", "-1000") + Trade("Order", "Stocks", "AAPL", "2017-03-15", "-10", "1200", "-1") +
          Trade("Trade", "Stocks", "AAPL", "2017-03-15", "-4", "480", "-0.5") +
          Trade("Trade", "Stocks", "AAPL", "2017-03-15", "-6", "720", "-0.5")},
         TradeDates::Trade,
         {std::string(kSale) + "1200=69600 201:60058"}},
        {"partial fills without an order row",
         {Trade("Trade", "Stocks", "AAPL", "2017-01-10", "10", "-1000", "0") +
          Trade("Trade", "Stocks", "AAPL", "2017-03-15", "-4", "480", "-0.5") +
          Trade("Trade", "Stocks", "AAPL", "2017-03-15", "-6", "720", "-0.5")},
         TradeDates::Trade,
         {std::string(kSale) + "1200=69600 201:60058"}},
        // Short 1000 × 58 = 58000 (commission 58), covered for 900 × 57 = 51300 (commission 57).
        {"a short sale closed later",
         {Stock("2017-03-15", "-10", "1000", "-1") + Stock("2017-06-15", "10", "-900", "-1")},
         TradeDates::Trade,
         {std::string(kSale) + "1000=58000 201:51415"},
         0,
         "короткая продажа строка 4"},
        // A written put: premium 300 × 58 = 17400, commission 58; assigned on 16.06: the stock costs
        // 14000 × 57 = 798000 less the premium net of its commission, 798000 − 17342 = 780658;
        // sold 07.09 for 15000 × 61 = 915000. The option itself gives no record.
        {"an option assigned",
         {Trade("Order", "Equity and Index Options", "AAPL 16JUN17 140 P", "2017-03-15", "-1", "300", "-1", "O") +
          Trade("Order", "Equity and Index Options", "AAPL 16JUN17 140 P", "2017-06-16", "1", "0", "0", "A;C") +
          Stock("2017-06-16", "100", "-14000", "0", "A;O") + Stock("2017-09-07", "-100", "15000")},
         TradeDates::Trade,
         {"1530 07.09.2017 AAPL (US0378331005) 15000=915000 201:780658"},
         0,
         "премия опциона -17342 руб."},
        // The 2016 statement holds the lot (1000 × 65); the 2017 one repeats it and sells. Both
        // hold the dividend of 15.03.2017 (10 × 58 = 580), taken once.
        {"a lot of 2016 from an earlier file",
         {Stock("2016-08-01", "10", "-1000") + kDividend,
          Stock("2016-08-01", "10", "-1000") + Stock("2017-03-15", "-10", "1200") + kDividend},
         TradeDates::Trade,
         {"1010 15.03.2017 AAPL 10=580 0:0", std::string(kSale) + "1200=69600 201:65000"},
         0,
         "повтор строки другого отчета"},
        // 2015 lies outside the rates: the sale is refused, never guessed.
        {"a missing rate refuses the sale",
         {Stock("2015-06-01", "10", "-1000") + Stock("2017-03-15", "-10", "1200")},
         TradeDates::Trade,
         {"отказ 5: продажа AAPL (US0378331005) 15.03.2017 не загружена: нет курса ЦБ РФ USD на 01.06.2015: "
          "загрузите курсы Банка России командой «Загрузить курсы ЦБ РФ...» или zizaza-cli import-rates"}},
        {"an unreadable trade line is refused",
         {Stock("2017-0x-15", "10", "-1000") + Stock("2017-03-15", "1e3", "-1000")},
         TradeDates::Trade,
         {"отказ 4: сделка не прочитана (дата, количество, сумма или комиссия)",
          "отказ 5: сделка не прочитана (дата, количество, сумма или комиссия)"}},
        // Credit interest 12.34 × 59 = 728.06 is income of code 1011; debit interest, fees,
        // deposits and forex are listed only.
        {"interest, fees, deposits and forex",
         {"Interest,Header,Currency,Date,Description,Amount\n"
          "Interest,Data,USD,2017-09-05,USD Credit Interest for Aug-2017,12.34\n"
          "Interest,Data,USD,2017-09-05,USD Debit Interest for Aug-2017,-3.10\n"
          "Interest,Data,Total,,,9.24\n"
          "Fees,Header,Subtitle,Currency,Date,Description,Amount\n"
          "Fees,Data,Other Fees,USD,2017-09-05,Market data fee,-10\n"
          "Deposits & Withdrawals,Header,Currency,Settle Date,Description,Amount\n"
          "Deposits & Withdrawals,Data,USD,2017-01-05,Electronic Fund Transfer,5000\n" +
          Trade("Order", "Forex", "USD.RUB", "2017-01-06", "100", "-6000", "-2")},
         TradeDates::Trade,
         {"1011 05.09.2017 USD Credit Interest for Aug-2017 12.34=728.06 0:0"},
         0,
         "USD Debit Interest for Aug-2017 -3,1 USD — проценты по займу брокера не вычитаются"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ReportFile> files;
        for (size_t i = 0; i < c.files.size(); ++i)
            files.push_back({c.files.size() > 1 ? "f" + std::to_string(i + 1) : "", kHeader + c.files[i]});
        const ForeignImport result = ReadForeignReports(files, Rates(), {c.dates, &Holidays()});
        const std::string report = DescribeForeignImport(result);
        EXPECT_EQ(Shown(result), c.expected) << report;
        EXPECT_EQ(result.trades.open.size(), c.openLots) << report;
        EXPECT_NE(report.find(c.reported), std::string::npos) << report;
    }
}

TEST(BrokerTradesTest, SettlementDays) {
    const struct {
        Date trade;
        Date settles;
    } cases[] = {
        {Date::Ymd(2017, 8, 31), Date::Ymd(2017, 9, 6)},     // T+3 over Labor Day
        {Date::Ymd(2017, 9, 1), Date::Ymd(2017, 9, 7)},      // T+3 from a Friday
        {Date::Ymd(2017, 9, 5), Date::Ymd(2017, 9, 7)},      // T+2 from the first day of the rule
        {Date::Ymd(2017, 12, 22), Date::Ymd(2017, 12, 27)},  // Christmas skipped
        {Date::Ymd(2016, 12, 22), Date::Ymd(2016, 12, 28)},  // T+3, 26.12.2016 observed
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettlementDate(c.trade, Holidays()), c.settles) << c.trade.ToText();
    EXPECT_FALSE(SettlementDate(Date::Ymd(2013, 6, 3), Holidays()));
    // Other currencies: T+2 weekdays whatever the year.
    EXPECT_EQ(SettlementDateOutsideUs(Date::Ymd(2017, 3, 2)), Date::Ymd(2017, 3, 6));
    EXPECT_EQ(SettlementDateOutsideUs(Date::Ymd(2013, 6, 3)), Date::Ymd(2013, 6, 5));
}

}  // namespace
}  // namespace zizaza
