// Saving and loading declarations with many resident 13% sources of ten lines each, against a bare
// pass that reads the same file and walks its fields without building a document.
#include "model/mTDeclaration.h"
#include "storage/mTDocumentStorage.h"
#include "storage/mTFileLoader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace zizaza;

std::unique_ptr<mTDeclaration> declarationWith(int sources) {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Иванов";
    for (int s = 0; s < sources; ++s) {
        mTThirteenPercent& src = doc->ResidentIncome13(doc->AddResidentIncome13());
        src.Inn = "7701234567";
        src.Kpp = "770101001";
        src.Oktmo = "45382000";
        src.Name = "ООО \"Источник № " + std::to_string(s) + "\"";
        src.TaxWithheld = Money::FromRaw(123456789);
        for (int m = 0; m < 12; m += 2)
            src.SetMonthIncome(m, Money::FromRaw(5000000 + m));
        for (int l = 0; l < 10; ++l) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeName = "Заработная плата";
            line.IncomeAmount = Money::FromRaw(450001234 + l);
            line.DeductionCode = l % 2 ? 403 : 0;
            line.DeductionAmount = Money::FromRaw(l * 1000);
            line.Month = static_cast<uint16_t>(l + 1);
            src.AddLine(line);
        }
    }
    return doc;
}

std::string benchFile(int sources) {
    static std::map<int, std::string> files;
    auto it = files.find(sources);
    if (it != files.end())
        return it->second;
    std::string f =
        (std::filesystem::temp_directory_path() / ("zizaza-bench-model-" + std::to_string(sources) + ".tv7")).string();
    declarationWith(sources)->Save(f);
    return files[sources] = f;
}

int64_t fileSize(const std::string& f) {
    return static_cast<int64_t>(std::filesystem::file_size(f));
}

void BM_Save(benchmark::State& state) {
    auto doc = declarationWith(static_cast<int>(state.range(0)));
    std::string f = benchFile(static_cast<int>(state.range(0))) + ".out";
    for (auto _ : state)
        doc->Save(f);
    state.SetBytesProcessed(state.iterations() * fileSize(f));
    std::filesystem::remove(f);
}

void BM_Load(benchmark::State& state) {
    std::string f = benchFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        mTDeclaration doc;
        doc.Load(f);
        benchmark::DoNotOptimize(doc.ResidentIncome13Count());
    }
    state.SetBytesProcessed(state.iterations() * fileSize(f));
}

// The floor under Load: the file read whole, the header opened, then every field read as text up to
// the end, as a reader that knows nothing of declarations would.
void BM_BarePass(benchmark::State& state) {
    std::string f = benchFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        mTFileLoader loader(f, 0, true);
        mTDocumentStorage storage(&loader);
        storage.OpenStorage();
        size_t fields = 0;
        while (storage.Position() < loader.Size()) {
            benchmark::DoNotOptimize(storage.ReadString());
            ++fields;
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * fileSize(f));
}

BENCHMARK(BM_Save)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarePass)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
