// Export of a declaration with 2000 Russian sources, against xmllint parsing the file it writes.
#include "ExportBench.h"
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace zizaza;

constexpr int kSources = 2000;

std::unique_ptr<mTDeclaration> LargeDeclaration() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeFlags(kIncomeRussia);
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "Кузнецова";
    d->Person.Name.FirstName = "Мария";
    d->Person.Name.Patronymic = "Андреевна";
    d->Person.Name.Inn = "770512345678";
    d->Person.Address.Oktmo = "45383000";
    for (int i = 0; i < kSources; ++i) {
        mTThirteenPercent& s = d->ResidentIncome13(d->AddResidentIncome13());
        s.Inn = i % 3 == 0 ? "" : "7701234567";
        s.Kpp = i % 3 == 0 ? "" : "770101001";
        s.Oktmo = "45383000";
        s.Name = "ООО \"Источник дохода № " + std::to_string(i) + "\"";
        for (uint16_t month = 1; month <= 3; ++month) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeAmount = Money::Roubles(10000 + i);
            line.Month = month;
            s.AddLine(line);
        }
        s.TaxableAmount = s.TotalIncome();
        s.TaxComputed = Money::Roubles(s.TotalIncome().WholeRoubles() * 13 / 100);
        s.TaxWithheld = s.TaxComputed;
    }
    return d;
}

using bench::FixedOptions;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = bench::ScratchFolder("zizaza-bench-export");
    return folder;
}

void BM_ExportText(benchmark::State& state) {
    auto d = LargeDeclaration();
    std::string text;
    for (auto _ : state) {
        BuildDeclarationXml("", *d, XmlExportMode::Text, text, FixedOptions());
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond);

void BM_ExportFile(benchmark::State& state) {
    auto d = LargeDeclaration();
    std::string name;
    for (auto _ : state)
        BuildDeclarationXml(Folder().string(), *d, XmlExportMode::File, name, FixedOptions());
}
BENCHMARK(BM_ExportFile)->Unit(benchmark::kMillisecond);

void BM_XmllintParse(benchmark::State& state) {
    bench::XmllintExported(state, *LargeDeclaration(), Folder());
}
BENCHMARK(BM_XmllintParse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
