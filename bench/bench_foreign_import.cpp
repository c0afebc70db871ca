// Import of 10 000 foreign dividends (the broker's statement and our template), then calculation
// and export of the declaration that holds them, against xmllint parsing the exported file.
#include "ExportBench.h"
#include "calc/kTSvodSum.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"
#include "export/DeclarationXml.h"
#include "imports/ForeignIncomeImport.h"
#include "model/mTDeclaration.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace zizaza;

constexpr int kPayments = 10000;

// Dollars and euros with a rate for every day of 2017.
const CurrencyRates& Rates() {
    static const CurrencyRates rates = [] {
        std::string text = "<CurrencyRates>";
        for (const char* code : {"840", "978"}) {
            text += std::string("<Currency Code=\"") + code + "\" Alpha=\"" + (code[0] == '8' ? "USD" : "EUR") +
                    "\" Name=\"x\" Covered=\"01.01.2017-31.12.2017\">";
            for (int day = 0; day < 365; ++day)
                text += "<Rate Date=\"" + Date(Date::Ymd(2017, 1, 1).days() + day).ToText() + "\" Rate=\"" +
                        std::to_string(55 + day % 10) + ".1234\" Quantity=\"1\"/>";
            text += "</Currency>";
        }
        return CurrencyRates::FromDoc(XmlDoc::ParseText(text + "</CurrencyRates>", "rates.xml"));
    }();
    return rates;
}

std::string IsoDay(int i) {
    const Date d(Date::Ymd(2017, 1, 1).days() + i % 365);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.Year(), d.Month(), d.Day());
    return buf;
}

std::string Security(int i) {
    return "SEC" + std::to_string(i % 500) + "(US" + std::to_string(100000000 + i % 500) + "5)";
}

const std::string& Statement() {
    static const std::string text = [] {
        std::string dividends = "Dividends,Header,Currency,Date,Description,Amount\n";
        std::string taxes = "Withholding Tax,Header,Currency,Date,Description,Amount,Code\n";
        for (int i = 0; i < kPayments; ++i) {
            const std::string currency = i % 4 == 0 ? "EUR" : "USD";
            const std::string amount = std::to_string(10 + i % 90) + "." + std::to_string(10 + i % 89);
            dividends += "Dividends,Data," + currency + "," + IsoDay(i) + "," + Security(i) + " Cash Dividend " +
                         currency + " 0.25 per Share (Ordinary Dividend)," + amount + "\n";
            taxes += "Withholding Tax,Data," + currency + "," + IsoDay(i) + "," + Security(i) + " Cash Dividend " +
                     currency + " 0.25 per Share - US Tax,-1." + std::to_string(10 + i % 89) + ",\n";
        }
        return dividends + "Dividends,Data,Total,,,0\n" + taxes + "Withholding Tax,Data,Total,,,0,\n";
    }();
    return text;
}

const std::string& Template() {
    static const std::string text = [] {
        std::string t = "Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог\n";
        for (int i = 0; i < kPayments; ++i) {
            const Date d(Date::Ymd(2017, 1, 1).days() + i % 365);
            t += d.ToText() + ";US;Fund " + std::to_string(i % 700) + ";1010;" + (i % 4 ? "USD" : "978") + ";" +
                 std::to_string(10 + i % 90) + "," + std::to_string(10 + i % 89) + ";1,5\n";
        }
        return t;
    }();
    return text;
}

void Import(benchmark::State& state, const std::string& report) {
    size_t records = 0;
    for (auto _ : state) {
        mTDeclaration d;
        ForeignImport result = ReadForeignReport(report, Rates());
        ApplyForeignImport(d, result);
        records = d.CurrencyIncomeCount();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}

void BM_ImportBrokerStatement(benchmark::State& state) {
    Import(state, Statement());
}
BENCHMARK(BM_ImportBrokerStatement)->Unit(benchmark::kMillisecond);

void BM_ImportTemplate(benchmark::State& state) {
    Import(state, Template());
}
BENCHMARK(BM_ImportTemplate)->Unit(benchmark::kMillisecond);

std::unique_ptr<mTDeclaration> ImportedDeclaration() {
    auto d = std::make_unique<mTDeclaration>();
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "Кузнецова";
    d->Person.Name.FirstName = "Мария";
    d->Person.Name.Inn = "770512345678";
    d->Person.Address.Oktmo = "45383000";
    ApplyForeignImport(*d, ReadForeignReport(Statement(), Rates()));
    return d;
}

void BM_CalculateForeign(benchmark::State& state) {
    auto d = ImportedDeclaration();
    for (auto _ : state) {
        kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Compute(*d));
    }
}
BENCHMARK(BM_CalculateForeign)->Unit(benchmark::kMillisecond);

using bench::FixedOptions;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = bench::ScratchFolder("zizaza-bench-foreign");
    return folder;
}

// Calculation and the XML file, as "Экспорт в xml" makes them.
void BM_ExportForeignFile(benchmark::State& state) {
    auto d = ImportedDeclaration();
    std::string name;
    for (auto _ : state)
        BuildDeclarationXml(Folder().string(), *d, XmlExportMode::File, name, FixedOptions());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(Folder() / name));
}
BENCHMARK(BM_ExportForeignFile)->Unit(benchmark::kMillisecond);

void BM_XmllintForeignFile(benchmark::State& state) {
    bench::XmllintExported(state, *ImportedDeclaration(), Folder());
}
BENCHMARK(BM_XmllintForeignFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
