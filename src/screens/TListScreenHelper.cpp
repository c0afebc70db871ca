#include "screens/TListScreenHelper.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include "screens/ScopedFlag.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

// Enter in the list edits the selected record.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter) : QObject(parent), m_onEnter(std::move(onEnter)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

// What one record of a list is called in a step's name (genitive), by the list's first column.
struct RecordNoun {
    const char* headerStart;
    const char* noun;
};
const RecordNoun kRecordNouns[] = {
    {"Источники выплат - инвестиционные", "товарищества"},
    {"Источники выплат", "источника"},
    {"Виды деятельности", "вида деятельности"},
    {"Месяц дохода", "дохода"},
    {"Вид дохода", "дохода"},
    {"Объект", "объекта"},
    {"Организация или фонд", "договора"},
    {"Суммы", "суммы"},
};

}  // namespace

QString TListScreenHelper::StepName(const char* action, int record) const {
    const QString header = m_view->headerItem() ? m_view->headerItem()->text(0) : QString();
    QString noun = QStringLiteral("записи");
    for (const RecordNoun& entry : kRecordNouns)
        if (header.startsWith(QString::fromUtf8(entry.headerStart))) {
            noun = QString::fromUtf8(entry.noun);
            break;
        }
    const QString name = QString::fromUtf8(action) + QLatin1Char(' ') + noun;
    if (m_ops.recordName) {
        const QString recordName = m_ops.recordName(record).trimmed();
        if (!recordName.isEmpty())
            return name + QStringLiteral(" «%1»").arg(recordName);
    }
    // A one-column list shows the record's name; rows of several columns are told by number.
    if (m_view->columnCount() == 1) {
        const QStringList texts = m_ops.rowTexts(record);
        if (!texts.isEmpty() && !texts.front().trimmed().isEmpty())
            return name + QStringLiteral(" «%1»").arg(texts.front().trimmed());
    }
    return name + QStringLiteral(" № %1").arg(record + 1);
}

void TListScreenHelper::StepDone(const char* action, int record, bool removal) {
    m_host.StepDone({removal ? m_removedName : StepName(action, record), m_view, record, removal});
}

TListScreenHelper::TListScreenHelper(ScreenHost& host, QTreeWidget* view, ListOperations operations, QObject* parent)
    : QObject(parent ? parent : view), m_host(host), m_view(view), m_ops(std::move(operations)) {
    connect(m_view, &QTreeWidget::itemSelectionChanged, this, &TListScreenHelper::OnSelectionChanged);
    connect(m_view, &QTreeWidget::itemDoubleClicked, this, [this] { Edit(); });
    m_view->installEventFilter(new EnterFilter(this, [this] { Edit(); }));
}

void TListScreenHelper::SetupView(QTreeWidget* view, const QStringList& columns) {
    view->setColumnCount(static_cast<int>(columns.size()));
    view->setHeaderLabels(columns);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(true);
    // The list with the focus is framed in the highlight colour: an empty list, which has no row
    // to highlight, still shows that the keys go to it.
    view->setStyleSheet(QStringLiteral("QTreeView:focus { border: 2px solid palette(highlight); }"));
}

void TListScreenHelper::StretchColumn(QTreeWidget* view, int column) {
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    for (int c = 0; c < view->columnCount(); ++c)
        header->setSectionResizeMode(c, c == column ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
}

void TListScreenHelper::ConnectButtons(QAbstractButton* add, QAbstractButton* edit, QAbstractButton* remove,
                                       QAbstractButton* repeat) {
    if (add)
        connect(add, &QAbstractButton::clicked, this, [this] { Add(); });
    for (auto [button, action] :
         {std::pair{edit, &TListScreenHelper::Edit}, std::pair{remove, &TListScreenHelper::Remove},
          std::pair{repeat, &TListScreenHelper::Repeat}}) {
        if (!button)
            continue;
        connect(button, &QAbstractButton::clicked, this, [this, action] { (this->*action)(); });
        m_selectionButtons.push_back(button);
    }
    UpdateEnabling();
}

void TListScreenHelper::SetDependents(const QList<QWidget*>& widgets) {
    m_dependents.clear();
    for (QWidget* w : widgets)
        m_dependents.push_back(w);
    UpdateEnabling();
}

void TListScreenHelper::SetRow(int record) {
    QTreeWidgetItem* item = m_view->topLevelItem(record);
    if (!item) {
        item = new QTreeWidgetItem;
        m_view->insertTopLevelItem(record, item);
    }
    const QStringList texts = m_ops.rowTexts(record);
    for (int c = 0; c < texts.size(); ++c)
        item->setText(c, texts[c]);
}

void TListScreenHelper::Rebuild(int select) {
    {
        LoadingGuard guard(m_host);
        const ScopedFlag handling(m_handlingSelection);
        m_view->clear();
        const int n = m_ops.count();
        for (int i = 0; i < n; ++i)
            SetRow(i);
    }
    Select(select);
}

int TListScreenHelper::Selected() const {
    const QList<QTreeWidgetItem*> items = m_view->selectedItems();
    return items.isEmpty() ? -1 : m_view->indexOfTopLevelItem(items.front());
}

void TListScreenHelper::Select(int record) {
    QTreeWidgetItem* item = record >= 0 ? m_view->topLevelItem(record) : nullptr;
    if (item) {
        m_view->setCurrentItem(item);
        item->setSelected(true);
        m_view->scrollToItem(item);
    } else {
        m_view->clearSelection();
    }
    OnSelectionChanged();
}

void TListScreenHelper::FocusRecord(int number) {
    if (number < 1 || number > m_view->topLevelItemCount())
        return;
    m_view->setFocus();
    Select(number - 1);
}

void TListScreenHelper::FocusFirst() {
    if (m_view->topLevelItemCount() == 0)
        return;
    m_view->setFocus();
    Select(0);
}

void TListScreenHelper::OnSelectionChanged() {
    if (m_handlingSelection)
        return;
    if (m_ops.selected) {
        const ScopedFlag handling(m_handlingSelection);
        // Filling the dependent controls is no change by the user.
        LoadingGuard guard(m_host);
        m_ops.selected(Selected());
    }
    UpdateEnabling();
}

void TListScreenHelper::UpdateEnabling() {
    const bool any = Selected() >= 0;
    for (auto& b : m_selectionButtons)
        if (b)
            b->setEnabled(any);
    for (auto& w : m_dependents)
        if (w)
            w->setEnabled(any);
}

void TListScreenHelper::Add() {
    if (!m_ops.add || !m_ops.add())
        return;
    const int record = m_ops.count() - 1;
    SetRow(record);
    Select(record);
    if (m_ops.refreshTotals)
        m_ops.refreshTotals();
    m_host.DocumentChanged();
    StepDone("добавление", record);
}

void TListScreenHelper::Edit() {
    const int record = Selected();
    if (record < 0 || !m_ops.edit || !m_ops.edit(record))
        return;
    SetRow(record);
    Select(record);
    if (m_ops.refreshTotals)
        m_ops.refreshTotals();
    m_host.DocumentChanged();
    StepDone("изменение", record);
}

void TListScreenHelper::Remove() {
    const int record = Selected();
    if (record < 0 || !m_ops.remove)
        return;
    m_removedName = StepName("удаление", record);
    m_ops.remove(record);
    {
        const ScopedFlag handling(m_handlingSelection);
        delete m_view->takeTopLevelItem(record);
    }
    Select(m_view->topLevelItemCount() == 0 ? -1 : std::max(0, record - 1));
    if (m_ops.refreshTotals)
        m_ops.refreshTotals();
    m_host.DocumentChanged();
    StepDone("удаление", record, true);
}

void TListScreenHelper::Repeat() {
    const int record = Selected();
    if (record < 0 || !m_ops.repeat)
        return;
    m_ops.repeat(record);
    const int copy = m_ops.count() - 1;
    SetRow(copy);
    Select(copy);
    if (m_ops.refreshTotals)
        m_ops.refreshTotals();
    m_host.DocumentChanged();
    StepDone("повтор", copy);
}

}  // namespace zizaza
