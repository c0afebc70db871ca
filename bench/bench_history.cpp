// One undo step of the desktop program on a declaration of 1 000 records (100 resident 13% sources
// of nine income lines each, 1 000 records in all): recording the state after a change (the
// document saved to memory and compared with the last state) and undoing it (the earlier state read
// back into a document). The screen is rebuilt on top of this; the document part is measured here.
#include "model/DeclarationBytes.h"
#include "model/DocumentHistory.h"
#include "model/mTDeclaration.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zizaza;

std::unique_ptr<mTDeclaration> declarationWith(int records) {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Иванов";
    const int sources = records / 10;
    for (int s = 0; s < sources; ++s) {
        mTThirteenPercent& src = doc->ResidentIncome13(doc->AddResidentIncome13());
        src.Inn = "7701234567";
        src.Kpp = "770101001";
        src.Oktmo = "45382000";
        src.Name = "ООО \"Источник № " + std::to_string(s) + "\"";
        src.TaxWithheld = Money::FromRaw(123456789);
        for (int l = 0; l < 9; ++l) {
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

// A change by the user (one amount), then the step recorded.
void BM_RecordStep(benchmark::State& state) {
    auto doc = declarationWith(static_cast<int>(state.range(0)));
    DocumentHistory history;
    history.Reset(SaveDeclarationToBytes(*doc));
    int64_t amount = 0;
    for (auto _ : state) {
        doc->ResidentIncome13(0).TaxWithheld = Money::FromRaw(++amount);
        benchmark::DoNotOptimize(history.Record(SaveDeclarationToBytes(*doc), "изменение", {}));
    }
    state.SetLabel(std::to_string(history.Current().size()) + " bytes a state");
}

// Undo: the earlier state read back into the document (a redo between the rounds keeps one
// step to undo).
void BM_UndoStep(benchmark::State& state) {
    auto doc = declarationWith(static_cast<int>(state.range(0)));
    DocumentHistory history;
    history.Reset(SaveDeclarationToBytes(*doc));
    doc->ResidentIncome13(0).TaxWithheld = Money::FromRaw(1);
    history.Record(SaveDeclarationToBytes(*doc), "изменение", {});
    for (auto _ : state) {
        LoadDeclarationFromBytes(*doc, history.Undo());
        benchmark::DoNotOptimize(doc->ResidentIncome13Count());
        state.PauseTiming();
        history.Redo();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_RecordStep)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStep)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
