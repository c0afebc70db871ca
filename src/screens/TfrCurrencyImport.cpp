// "Загрузить из отчета брокера...": the same import as zizaza-cli import-foreign, with the rate
// dictionary the screen uses, a progress while the report is read and the user's confirmation of
// its report before anything is added.
#include <QFileInfo>
#include <QProgressDialog>
#include <QTableView>
#include <exception>
#include <limits>
#include <optional>

#include "dictionaries/CurrencyRates.h"
#include "dictionaries/FileIo.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"
#include "model/mTDeclaration.h"
#include "screens/TfmForeignImport.h"
#include "screens/TfrCurrency.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// The progress window appears only for a report that takes longer than this.
constexpr int kProgressDelayMs = 400;

// The reports read into records (trades matched over all of them); nullopt when the user stopped
// it or a file could not be read (the user is told).
std::optional<ForeignImport> ReadWithProgress(ScreenHost& host, const QStringList& names, size_t present,
                                              TradeDates dates) {
    static const CurrencyRates kNoRates;
    const CurrencyRates& rates = host.Rates() ? *host.Rates() : kNoRates;
    QProgressDialog progress(QStringLiteral("Чтение отчета..."), QStringLiteral("Отмена"), 0, 0, host.DialogParent());
    progress.setObjectName(QStringLiteral("fmImportProgress"));
    progress.setWindowTitle(QStringLiteral("Загрузка из отчета брокера"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const auto shown = [](size_t n) { return static_cast<int>(std::min<size_t>(n, std::numeric_limits<int>::max())); };
    try {
        std::vector<ReportFile> files;
        for (const QString& name : names)
            files.push_back({names.size() > 1 ? QFileInfo(name).fileName().toStdString() : std::string(),
                             ReadWholeFile(name.toStdString())});
        // Without the exchange calendar beside the program, trades needing a settlement date are
        // refused with the file's name.
        std::optional<ExchangeHolidays> holidays;
        try {
            holidays = ExchangeHolidays::Load(
                (host.ProgramFolder() + QString::fromUtf8(kExchangeHolidaysFileName)).toStdString());
        } catch (const std::exception&) {
        }
        ForeignImportOptions options;
        options.holidays = holidays ? &*holidays : nullptr;
        options.present = present;
        options.dates = dates;
        ForeignImport result = ReadForeignReports(files, rates, options, [&](size_t done, size_t total) {
            progress.setMaximum(shown(total));
            progress.setValue(shown(done));
            return !progress.wasCanceled();
        });
        if (result.stopped)
            return std::nullopt;
        return result;
    } catch (const std::exception& e) {
        host.Ui().Error(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

}  // namespace

void TfrCurrency::ImportReport() {
    if (!Doc().HasIncome(kIncomeForeign))
        return;
    // What was typed before is a step of its own, not part of the import.
    Host().FinishEdits();
    FileDialogRequest request;
    request.title = QStringLiteral("Загрузить из отчета брокера");
    request.types = {{QStringLiteral("Отчет брокера или шаблон программы (CSV)"), QStringLiteral("*.csv *.CSV *.txt")},
                     {QStringLiteral("Все файлы"), QStringLiteral("*")}};
    const QStringList files = Host().Ui().ChooseOpenFiles(request);
    if (files.isEmpty())
        return;
    const size_t present = Doc().CurrencyIncomeCount();
    std::optional<ForeignImport> read = ReadWithProgress(Host(), files, present, TfmForeignImport::RememberedDates());
    if (!read)
        return;
    // Nothing is added unless the user confirms the whole report, read with the dates they chose last.
    TfmForeignImport confirmation(Host(), std::move(*read), [this, files, present](TradeDates dates) {
        return ReadWithProgress(Host(), files, present, dates);
    });
    const ForeignImport& result = confirmation.Result();
    if (!confirmation.Run() || result.records.empty())
        return;
    SaveToDocument();
    const int first = static_cast<int>(Doc().CurrencyIncomeCount());
    ApplyForeignImport(Doc(), result);
    ReloadList(first);
    lvSourseIncomeInfo->setFocus();
    NotifyChanged();
    Host().StepDone({QStringLiteral("загрузка из отчета брокера (выплат: %1)").arg(result.records.size()),
                     lvSourseIncomeInfo, first, false});
}

}  // namespace zizaza
