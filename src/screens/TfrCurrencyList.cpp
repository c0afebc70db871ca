// The list of sources of the foreign incomes screen: selection, totals and the list commands, each
// one step of the undo history.
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <algorithm>

#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ForeignIncomeModel.h"
#include "screens/ScopedFlag.h"
#include "screens/ScreenFormat.h"
#include "screens/TfmInputCurrencySourseIncome.h"
#include "screens/TfrCurrency.h"

namespace zizaza {

mTCurrencyIncome& TfrCurrency::Record() const {
    return Doc().CurrencyIncome(static_cast<size_t>(m_selected));
}

int TfrCurrency::CurrentRecord() const {
    const QModelIndex current = lvSourseIncomeInfo->currentIndex();
    if (!current.isValid() || !lvSourseIncomeInfo->selectionModel()->isRowSelected(current.row()))
        return -1;
    return m_sorted->mapToSource(current).row();
}

QList<int> TfrCurrency::SelectedRecords() const {
    QList<int> records;
    for (const QModelIndex& row : lvSourseIncomeInfo->selectionModel()->selectedRows())
        records.push_back(m_sorted->mapToSource(row).row());
    std::sort(records.begin(), records.end());
    return records;
}

void TfrCurrency::SelectRecord(int record) {
    {
        const QSignalBlocker quiet(lvSourseIncomeInfo->selectionModel());
        const QModelIndex row = record >= 0 ? m_sorted->mapFromSource(m_model->index(record, 0)) : QModelIndex();
        if (row.isValid()) {
            lvSourseIncomeInfo->selectionModel()->setCurrentIndex(
                row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            lvSourseIncomeInfo->scrollTo(row);
        } else {
            lvSourseIncomeInfo->selectionModel()->clear();
        }
    }
    lvSourseIncomeInfo->viewport()->update();
    ListSelectionChanged();
}

void TfrCurrency::ListSelectionChanged() {
    if (m_listing)
        return;
    {
        const ScopedFlag listing(m_listing);
        // Filling the entries is no change by the user.
        const LoadingGuard loading(Host());
        SourceSelected(CurrentRecord());
    }
    UpdateListEnabling();
}

void TfrCurrency::UpdateListEnabling() {
    const bool current = CurrentRecord() >= 0;
    fbEditSourse->setEnabled(current);
    fbCopySourse->setEnabled(current);
    fbDeleteSourse->setEnabled(lvSourseIncomeInfo->selectionModel()->hasSelection());
    for (QWidget* w : m_dependents)
        w->setEnabled(current);
    ShowEntryHints();
}

void TfrCurrency::ReloadList(int select) {
    {
        const LoadingGuard loading(Host());
        const ScopedFlag listing(m_listing);
        m_model->Reload();
    }
    // The scroll range follows the new rows at once, so that the row selected next is shown whole.
    lvSourseIncomeInfo->doItemsLayout();
    SelectRecord(select);
    ShowTotals();
}

void TfrCurrency::ShowSaved(int record) {
    m_model->RecordChanged(record);
    ShowTotals();
}

void TfrCurrency::ShowTotals() {
    const ForeignIncomeTotals totals = SumForeignIncomes(Doc());
    lbTotalIncome->setText(MoneyToScreen(totals.income));
    lbTotalTax->setText(MoneyToScreen(totals.foreignTax));
}

bool TfrCurrency::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvSourseIncomeInfo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditSource();
            return true;
        }
        if (key == Qt::Key_Delete) {
            RemoveSelectedSources();
            return true;
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

QString TfrCurrency::SourceStepName(const char* action, int record) const {
    const QString name = QString::fromStdString(Doc().CurrencyIncome(static_cast<size_t>(record)).SourceName).trimmed();
    return QString::fromUtf8(action) + QStringLiteral(" источника «%1»").arg(name);
}

void TfrCurrency::SourceStep(const char* action, int record) {
    Host().StepDone({SourceStepName(action, record), lvSourseIncomeInfo, record, false});
}

void TfrCurrency::AddSource() {
    if (!Doc().HasIncome(kIncomeForeign))
        return;
    TfmInputCurrencySourseIncome dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return;
    SaveToDocument();
    const Date date = NewIncomeDate();
    mTCurrencyIncome& r = Doc().CurrencyIncome(Doc().AddCurrencyIncome());
    dialog.Apply(r);
    r.IncomeDate = date;
    r.TaxPaymentDate = date;
    // Typed on the screen, a new income takes the Central Bank rate unless the user unticks it.
    r.AutomaticRate = true;
    const int record = static_cast<int>(Doc().CurrencyIncomeCount()) - 1;
    ReloadList(record);
    NotifyChanged();
    SourceStep("добавление", record);
}

Date TfrCurrency::NewIncomeDate() const {
    const size_t count = Doc().CurrencyIncomeCount();
    if (m_selected >= 0)
        return Record().IncomeDate;
    if (count > 0)
        return Doc().CurrencyIncome(count - 1).IncomeDate;
    // The New Year holidays (art. 112 of the Labour Code) end on the 8th of January.
    return Date::Ymd(kTaxYear, 1, 9);
}

void TfrCurrency::EditSource() {
    const int record = CurrentRecord();
    if (record < 0)
        return;
    mTCurrencyIncome& r = Doc().CurrencyIncome(static_cast<size_t>(record));
    TfmInputCurrencySourseIncome dialog(Host());
    dialog.Fill(r);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return;
    dialog.Apply(r);
    m_model->RecordChanged(record);
    NotifyChanged();
    SourceStep("изменение", record);
}

void TfrCurrency::RemoveSelectedSources() {
    const QList<int> records = SelectedRecords();
    if (records.isEmpty())
        return;
    const QString step = records.size() == 1 ? SourceStepName("удаление", records.front())
                                             : QStringLiteral("удаление источников выплат (%1)").arg(records.size());
    // What was typed for a deleted source goes with it, not into the one selected next.
    m_selected = -1;
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        Doc().SetCurrencyIncome(static_cast<size_t>(*it), nullptr);
    const int left = static_cast<int>(Doc().CurrencyIncomeCount());
    ReloadList(left == 0 ? -1 : std::min(std::max(0, records.front() - 1), left - 1));
    lvSourseIncomeInfo->setFocus();
    NotifyChanged();
    Host().StepDone({step, lvSourseIncomeInfo, records.front(), true});
}

void TfrCurrency::CopySource() {
    if (m_selected < 0)
        return;
    SaveToDocument();
    // The whole income: a payment that repeats differs from the last in its date and amounts at most.
    const mTCurrencyIncome copy = Record();
    Doc().CurrencyIncome(Doc().AddCurrencyIncome()) = copy;
    const int record = static_cast<int>(Doc().CurrencyIncomeCount()) - 1;
    ReloadList(record);
    NotifyChanged();
    SourceStep("копирование", record);
}

}  // namespace zizaza
