#pragma once

#include "imports/ForeignIncomeImport.h"
#include "screens/TEntryDialog.h"

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace zizaza {

// The statements read again with another rule for the dates of the trades; nullopt when the user
// stopped the reading or it failed (the user was told).
using ForeignImportReread = std::function<std::optional<ForeignImport>(TradeDates)>;

// "Загрузка из отчета брокера": what a report gives before anything is added to the declaration:
// the payments to be imported, the lines merged and every refused line with its reason. "Загрузить"
// adds the payments; with refused lines the button is "Загрузить остальные", and Enter alone does
// not press it: leaving lines out is the user's explicit choice. Without any payment only "Закрыть"
// is left. With trades in the statements (and a way to read them again) the user chooses the date
// of their incomes and expenses: the settlement date or the trade date; the choice is remembered.
class TfmForeignImport : public TEntryDialog {
    Q_OBJECT
public:
    TfmForeignImport(ScreenHost& host, ForeignImport result, ForeignImportReread reread = {});

    // The rule for the dates of the trades the user chose last (the settlement date at first).
    static TradeDates RememberedDates();
    // The report as last read, with the rule chosen.
    const ForeignImport& Result() const { return m_result; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowResult();
    void DatesChosen();
    // "Сохранить отчет...": the report as shown, written whole to a text file.
    void SaveReport();

    ForeignImport m_result;
    ForeignImportReread m_reread;
    QLabel* lbImportSummary = nullptr;
    QPlainTextEdit* teImportReport = nullptr;
    QComboBox* cbTradeDates = nullptr;
};

}  // namespace zizaza
