#include "dictionaries/ui/PickerList.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace zizaza {

namespace {

// A row as high as the lines of its texts wrapped at the width of their columns; a tree view
// by itself measures every text on one line.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem wrapped(option);
        // The style wraps only within a valid rectangle; the height grows with the lines.
        wrapped.rect = QRect(0, 0, m_view->columnWidth(index.column()), 1);
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeView* m_view;
};

}  // namespace

void SetupPickerList(QTreeWidget* list, const QStringList& headers) {
    list->setColumnCount(static_cast<int>(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows grow to the lines of their name; the name column follows the width of the window.
    list->setUniformRowHeights(false);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setStretchLastSection(true);
    list->setItemDelegate(new WrappingDelegate(list));
    QObject::connect(list->header(), &QHeaderView::sectionResized, list, [list] { list->doItemsLayout(); });
    list->header()->resizeSection(0, list->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00")) + 24);
}

QLineEdit* AddPickerSearch(QWidget* picker, QBoxLayout* layout, const QString& example) {
    auto* row = new QHBoxLayout;
    auto* search = new QLineEdit(picker);
    search->setObjectName(QStringLiteral("edSearch"));
    search->setPlaceholderText(QStringLiteral("код или слова из названия, например: ") + example);
    search->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Поиск:"), picker);
    label->setBuddy(search);
    row->addWidget(label);
    row->addWidget(search, 1);
    layout->addLayout(row);
    return search;
}

QTreeWidgetItem* PickerRow(const QString& code, const QString& name) {
    auto* item = new QTreeWidgetItem({code, name});
    item->setToolTip(1, name);
    return item;
}

bool PassRowKeyToList(QEvent* event, QTreeWidget* list) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    QCoreApplication::sendEvent(list, event);
    return true;
}

int FilterPickerList(QTreeWidget* list, const PickerSearch& search) {
    int shown = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        const bool found = search.Matches(item->text(0), item->text(1));
        item->setHidden(!found);
        shown += found ? 1 : 0;
    }
    return shown;
}

}  // namespace zizaza
