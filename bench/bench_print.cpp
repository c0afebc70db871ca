// The paper form of a declaration with 10 000 foreign incomes (one page of sheet Б each): the
// pages built from the export's text, the preview window up with its first page painted, and the
// whole PDF.
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"
#include "print/module/PageView.h"
#include "print/module/PdfFile.h"
#include "print/module/PreviewWindow.h"
#include "print/module/PrintModule.h"

#include "QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace zizaza;

constexpr int kIncomes = 10000;

std::string LargeDeclarationText() {
    mTDeclaration d;
    d.SetIncomeFlags(kIncomeForeign);
    d.InspectionCode = "7705";
    d.Person.Name.Surname = "Кузнецова";
    d.Person.Name.FirstName = "Мария";
    d.Person.Name.Patronymic = "Андреевна";
    d.Person.Name.Inn = "770512345678";
    d.Person.Address.Oktmo = "45383000";
    for (int i = 0; i < kIncomes; ++i) {
        mTCurrencyIncome& income = d.CurrencyIncome(d.AddCurrencyIncome());
        income.RateCode = 13;
        income.IncomeCode = 1010;
        income.SourceName = "APPLE INC. " + std::to_string(i + 1);
        income.CountryCode = "840";
        income.CurrencyCode = "840";
        income.IncomeDate = Date::Ymd(2017, 1 + i % 12, 1 + i % 28);
        income.TaxPaymentDate = income.IncomeDate;
        income.IncomeRate = Money::Roubles(58);
        income.IncomeUnits = 1;
        income.TaxRate = Money::Roubles(58);
        income.TaxUnits = 1;
        income.SetIncomeInCurrency(Money::Roubles(100 + i % 50));
        income.SetTaxInCurrency(Money::Roubles(10));
    }
    XmlExportOptions options;
    options.today = Date::Ymd(2018, 3, 15);
    options.fileGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
    std::string text;
    BuildDeclarationXml("", d, XmlExportMode::Text, text, options);
    return text;
}

const std::string& Text() {
    static const std::string text = LargeDeclarationText();
    return text;
}

void BM_BuildPages(benchmark::State& state) {
    print::PrintModule module;
    size_t pages = 0;
    for (auto _ : state)
        pages = module.Render(Text()).size();
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_BuildPages)->Unit(benchmark::kMillisecond);

// From the declaration's text to the preview window showing its first page.
void BM_PreviewFirstPage(benchmark::State& state) {
    print::PrintModule module;
    int rendered = 0;
    for (auto _ : state) {
        print::PreviewWindow window(module.Render(Text()), QStringLiteral("x.pdf"), QStringLiteral("Просмотр"));
        window.show();
        window.grab();  // paints the window as the screen would: the visible page only
        rendered = window.View()->RenderedPages();
    }
    state.counters["pages_painted"] = rendered;
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

void BM_WholePdf(benchmark::State& state) {
    print::PrintModule module;
    const auto pages = module.Render(Text());
    const std::string file = (std::filesystem::temp_directory_path() / "zizaza-bench-print.pdf").string();
    for (auto _ : state)
        print::SavePdfFile(QString::fromStdString(file), pages, QStringLiteral("bench"));
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(BM_WholePdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks(argc, argv);
}
