// Rate look-ups in the shipped currency file: binary search against the walk over the entries,
// and the loading of the dictionaries at start-up. The files are those the build copies beside
// the executables.
#include "dictionaries/Countries.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/Okved.h"
#include "dictionaries/XmlDoc.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

std::string DataFile(const char* name) {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

const zizaza::CurrencyRates& Rates() {
    static const zizaza::CurrencyRates rates = zizaza::CurrencyRates::Load(DataFile(zizaza::kCurrencyRatesFileName));
    return rates;
}

void BM_FindRate(benchmark::State& state) {
    double day = zizaza::Date::Ymd(2016, 1, 1).days();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Rates().FindRate("978", zizaza::Date(day)));
        day = day >= zizaza::Date::Ymd(2018, 12, 31).days() ? zizaza::Date::Ymd(2016, 1, 1).days() : day + 1;
    }
}
BENCHMARK(BM_FindRate);

void BM_WalkRates(benchmark::State& state) {
    const zizaza::Currency& eur = *Rates().FindCurrency("978");
    double day = zizaza::Date::Ymd(2016, 1, 1).days();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zizaza::CurrencyRates::WalkRates(eur, zizaza::Date(day)));
        day = day >= zizaza::Date::Ymd(2018, 12, 31).days() ? zizaza::Date::Ymd(2016, 1, 1).days() : day + 1;
    }
}
BENCHMARK(BM_WalkRates);

void BM_LoadStartUpDictionaries(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zizaza::LoadInspections(DataFile(zizaza::kInspectionsFileName)));
        benchmark::DoNotOptimize(zizaza::LoadCountries(DataFile(zizaza::kCountriesFileName)));
        benchmark::DoNotOptimize(zizaza::OkvedDict::Load(DataFile(zizaza::kOkvedFileName)));
        benchmark::DoNotOptimize(zizaza::CurrencyRates::Load(DataFile(zizaza::kCurrencyRatesFileName)));
    }
}
BENCHMARK(BM_LoadStartUpDictionaries)->Unit(benchmark::kMillisecond);

void BM_ParseIncomeDict(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            zizaza::IncomeCodeDict::FromDoc(zizaza::XmlDoc::ParseText(zizaza::EmbeddedIncomeDictXml(), "IncomeDict")));
}
BENCHMARK(BM_ParseIncomeDict)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
