// The report "Расчет налога" of a declaration with 10 000 foreign incomes (dividends of 50
// companies in three currencies over the year), and the calculation it is read from.
#include "calc/kTSvodSum.h"
#include "model/mTDeclaration.h"
#include "report/TaxReport.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace zizaza;

constexpr int kIncomes = 10000;

std::unique_ptr<mTDeclaration> ManyForeignIncomes() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
    d->Person.Name.Surname = "Кузнецова";
    d->Person.Name.FirstName = "Мария";
    d->Person.Address.Oktmo = "45383000";
    const char* currencies[][3] = {
        {"840", "Доллар США", "840"}, {"978", "Евро", "276"}, {"826", "Фунт стерлингов", "826"}};
    for (int i = 0; i < kIncomes; ++i) {
        mTCurrencyIncome& r = d->CurrencyIncome(d->AddCurrencyIncome());
        const auto& c = currencies[i % 3];
        r.RateCode = 14;
        r.IncomeCode = 1010;
        r.IncomeName = "Дивиденды";
        r.SourceName = "Company " + std::to_string(i % 50);
        r.CurrencyCode = c[0];
        r.CurrencyName = c[1];
        r.CountryCode = c[2];
        r.IncomeDate = Date::Ymd(2017, 1 + i % 12, 1 + i % 28);
        r.TaxPaymentDate = r.IncomeDate;
        r.IncomeRate = Money::FromDouble(55.0 + (i % 100) / 10.0);
        r.IncomeUnits = 1;
        r.TaxRate = r.IncomeRate;
        r.TaxUnits = 1;
        r.SetIncomeInCurrency(Money::Roubles(100 + i % 900));
        r.SetTaxInCurrency(Money::Roubles(10 + i % 90));
    }
    return d;
}

void BM_ReportHtml(benchmark::State& state) {
    auto doc = ManyForeignIncomes();
    kTSvodSum sum;
    sum.Compute(*doc);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string html = TaxReportHtml(*doc, sum);
        bytes = html.size();
        benchmark::DoNotOptimize(html);
    }
    state.counters["html_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond);

void BM_ComputeAndReport(benchmark::State& state) {
    auto doc = ManyForeignIncomes();
    for (auto _ : state) {
        kTSvodSum sum;
        sum.Compute(*doc);
        benchmark::DoNotOptimize(TaxReportHtml(*doc, sum));
    }
}
BENCHMARK(BM_ComputeAndReport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
