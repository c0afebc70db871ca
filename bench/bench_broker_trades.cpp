// 10 000 trades of 200 securities over three years in three activity statements: reading and
// FIFO matching in roubles (with the settlement days of the exchange calendar), then the
// calculation of the declaration that holds the sales.
#include "calc/kTSvodSum.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"
#include "model/mTDeclaration.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace zizaza;

constexpr int kTrades = 10000;
constexpr int kSecurities = 200;

// Dollars with a rate for every day of 2015 to 2018.
const CurrencyRates& Rates() {
    static const CurrencyRates rates = [] {
        std::string text =
            "<CurrencyRates><Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" "
            "Covered=\"01.01.2015-31.12.2018\">";
        for (int day = 0; day < 4 * 365 + 1; ++day)
            text += "<Rate Date=\"" + Date(Date::Ymd(2015, 1, 1).days() + day).ToText() + "\" Rate=\"" +
                    std::to_string(55 + day % 17) + ".1234\" Quantity=\"1\"/>";
        return CurrencyRates::FromDoc(XmlDoc::ParseText(text + "</Currency></CurrencyRates>", "rates.xml"));
    }();
    return rates;
}

const ExchangeHolidays& Holidays() {
    static const ExchangeHolidays holidays = ExchangeHolidays::Parse(
        "01.01.2015;x\n03.04.2015;x\n25.12.2015;x\n01.01.2016;x\n25.03.2016;x\n26.12.2016;x\n02.01.2017;x\n"
        "04.09.2017;x\n25.12.2017;x\n01.01.2018;x\n25.12.2018;x\n");
    return holidays;
}

// Year by year: buys of each security, and from the second year sales of part of the lots.
const std::vector<ReportFile>& Statements() {
    static const std::vector<ReportFile> files = [] {
        std::vector<ReportFile> out;
        for (int year = 2015; year <= 2017; ++year) {
            std::string text =
                "Financial Instrument Information,Header,Asset Category,Symbol,Description,Conid,Security ID\n";
            for (int s = 0; s < kSecurities; ++s)
                text += "Financial Instrument Information,Data,Stocks,S" + std::to_string(s) + ",SEC,1,US" +
                        std::to_string(100000000 + s) + "5\n";
            text +=
                "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,Proceeds,"
                "Comm/Fee,Code\n";
            const int perYear = kTrades / 3;
            for (int i = 0; i < perYear; ++i) {
                const Date d(Date::Ymd(year, 1, 5).days() + (i * 350) / perYear);
                char day[32];
                std::snprintf(day, sizeof day, "%04d-%02d-%02d, %02d:%02d:00", d.Year(), d.Month(), d.Day(), 10 + i % 6,
                              i % 60);
                const bool sell = year > 2015 && i % 3 == 0;
                const std::string qty = sell ? "-7" : "10";
                const std::string amount =
                    sell ? std::to_string(700 + i % 97) + ".25" : "-" + std::to_string(900 + i % 89) + ".5";
                text += "Trades,Data,Order,Stocks,USD,S" + std::to_string(i % kSecurities) + ",\"" + day + "\"," + qty +
                        "," + amount + ",-1.05," + (sell ? "C" : "O") + "\n";
            }
            out.push_back({std::to_string(year) + ".csv", text});
        }
        return out;
    }();
    return files;
}

void BM_ImportAndMatchTrades(benchmark::State& state) {
    ForeignImportOptions options;
    options.holidays = &Holidays();
    size_t records = 0;
    for (auto _ : state) {
        const ForeignImport result = ReadForeignReports(Statements(), Rates(), options);
        records = result.records.size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ImportAndMatchTrades)->Unit(benchmark::kMillisecond);

void BM_CalculateTheSales(benchmark::State& state) {
    ForeignImportOptions options;
    options.holidays = &Holidays();
    mTDeclaration doc;
    ApplyForeignImport(doc, ReadForeignReports(Statements(), Rates(), options));
    for (auto _ : state) {
        kTSvodSum sum;
        sum.Compute(doc);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records"] = static_cast<double>(doc.CurrencyIncomeCount());
}
BENCHMARK(BM_CalculateTheSales)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
