#include "dictionaries/ui/TCodeListPicker.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dictionaries/ui/PickerList.h"

namespace zizaza {

TCodeListPicker::TCodeListPicker(const QString& objectName, const QString& caption, const QString& listName,
                                 const QStringList& headers, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(listName);
    SetupPickerList(m_list, headers);
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_yes = new QPushButton(QStringLiteral("Да"), this);
    m_yes->setObjectName(QStringLiteral("btYes"));
    auto* no = new QPushButton(QStringLiteral("Нет"), this);
    no->setObjectName(QStringLiteral("btNo"));
    m_yes->setAutoDefault(false);
    no->setAutoDefault(false);
    buttons->addWidget(m_yes);
    buttons->addWidget(no);
    layout->addLayout(buttons);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { m_yes->setEnabled(SelectedRow().has_value()); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    m_list->installEventFilter(this);
    m_yes->setEnabled(false);
}

std::optional<int> TCodeListPicker::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_list->indexOfTopLevelItem(selected.front());
}

void TCodeListPicker::AddRow(const QString& code, const QString& name) {
    m_list->addTopLevelItem(PickerRow(code, name));
}

void TCodeListPicker::SelectRow(std::optional<int> row) {
    if (!row || *row < 0 || *row >= m_list->topLevelItemCount()) {
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
    } else {
        QTreeWidgetItem* item = m_list->topLevelItem(*row);
        m_list->setCurrentItem(item);
        item->setSelected(true);
        m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
    m_yes->setEnabled(SelectedRow().has_value());
    m_list->setFocus();
}

void TCodeListPicker::accept() {
    // Without a selected row there is nothing to answer: the picker stays open.
    const std::optional<int> row = SelectedRow();
    if (!row)
        return;
    TakeRow(*row);
    QDialog::accept();
}

bool TCodeListPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCodeListPicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zizaza
