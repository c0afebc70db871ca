// The foreign incomes screen over 10 000 incomes: building it (its controls and the list's model
// read from the records, with the totals), building and painting it once as it is first shown,
// and sorting the list by the income in roubles.
#include "app/QtUserInterface.h"
#include "model/mTDeclaration.h"
#include "screens/ForeignIncomeModel.h"
#include "screens/TfrCurrency.h"
#include "ui/ScreenHost.h"

#include "QtBenchMain.h"

#include <benchmark/benchmark.h>
#include <QPixmap>
#include <QTableView>
#include <memory>
#include <string>

namespace {

using namespace zizaza;

constexpr int kIncomes = 10000;

// The main window's part that a screen needs while it is built and shown.
class BenchHost : public ScreenHost {
public:
    UserInterface& Ui() override { return m_ui; }
    void DocumentChanged() override {}
    void BeginLoading() override { ++m_loading; }
    void EndLoading() override { --m_loading; }
    bool IsLoading() const override { return m_loading > 0; }
    void SetScreenButtonEnabled(ScreenId, bool) override {}
    bool IsScreenButtonEnabled(ScreenId) const override { return true; }
    TfmInputInspectionNumber* InspectionsPicker() override { return nullptr; }
    QString ProgramFolder() const override { return {}; }
    void ShowHelpTopic(const QString&) override {}
    QWidget* DialogParent() override { return nullptr; }

private:
    QtUserInterface m_ui;
    int m_loading = 0;
};

DeclarationSlot& Declaration() {
    static DeclarationSlot slot = [] {
        auto d = std::make_unique<mTDeclaration>();
        d->SetIncomeFlags(kIncomeForeign);
        for (int i = 0; i < kIncomes; ++i) {
            mTCurrencyIncome& r = d->CurrencyIncome(d->AddCurrencyIncome());
            r.SourceName = "Fund " + std::to_string(i % 700);
            r.CountryCode = "840";
            r.IncomeCode = 1010;
            r.RateCode = 13;
            r.IncomeDate = Date(Date::Ymd(2017, 1, 1).days() + i % 365);
            r.TaxPaymentDate = r.IncomeDate;
            r.CurrencyCode = "840";
            r.IncomeUnits = r.TaxUnits = 1;
            r.IncomeRate = r.TaxRate = Money::FromRaw(550000 + i % 97 * 1234);
            r.AutomaticRate = true;
            r.SetIncomeInCurrency(Money::FromRaw(100000 + i * 37 % 900000));
            r.SetTaxInCurrency(Money::FromRaw(15000 + i % 89 * 100));
        }
        return d;
    }();
    return slot;
}

void BM_BuildForeignScreen(benchmark::State& state) {
    BenchHost host;
    for (auto _ : state) {
        TfrCurrency screen(host, nullptr, Declaration());
        benchmark::DoNotOptimize(&screen);
    }
    state.counters["records"] = kIncomes;
}
BENCHMARK(BM_BuildForeignScreen)->Unit(benchmark::kMillisecond);

void BM_BuildAndPaintForeignScreen(benchmark::State& state) {
    BenchHost host;
    for (auto _ : state) {
        TfrCurrency screen(host, nullptr, Declaration());
        screen.resize(1200, 800);
        benchmark::DoNotOptimize(screen.grab());
    }
}
BENCHMARK(BM_BuildAndPaintForeignScreen)->Unit(benchmark::kMillisecond);

void BM_SortForeignList(benchmark::State& state) {
    BenchHost host;
    TfrCurrency screen(host, nullptr, Declaration());
    auto* list = screen.findChild<QTableView*>(QStringLiteral("lvSourseIncomeInfo"));
    bool ascending = true;
    for (auto _ : state) {
        list->sortByColumn(ForeignIncomeModel::IncomeInRoubles, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        ascending = !ascending;
    }
}
BENCHMARK(BM_SortForeignList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
