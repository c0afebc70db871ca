#include "dictionaries/ui/TfmInputInspectionNumber.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dictionaries/Inspections.h"
#include "dictionaries/ui/PickerList.h"
#include "dictionaries/ui/TfmLoadSoun.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

const QString kHint =
    QStringLiteral("Подсказка: Для быстрого поиска нужной инспекции наберите ее номер на клавиатуре.");

bool IsDigitKey(const QKeyEvent* key) {
    const QString t = key->text();
    return t.size() == 1 && t.front().isDigit() && t.front().unicode() < 128;
}

}  // namespace

TfmInputInspectionNumber::TfmInputInspectionNumber(ScreenHost& host, std::vector<CodeName> rows, QWidget* parent)
    : QDialog(parent), m_host(host), m_rows(std::move(rows)) {
    setObjectName(QStringLiteral("fmInputInspectionNumber"));
    setWindowTitle(QStringLiteral("Справочник инспекций"));
    resize(760, 520);

    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvInspections"));
    SetupPickerList(m_list, {QStringLiteral("Код"), QStringLiteral("Наименование инспекции")});
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const CodeName& r : m_rows)
        items.push_back(PickerRow(QString::fromStdString(r.code), QString::fromStdString(r.name)));
    m_list->addTopLevelItems(items);

    m_search = AddPickerSearch(this, layout, QStringLiteral("Москва 15"));
    m_nothingFound = new QLabel(QStringLiteral("Ничего не найдено: введите начало слова или код"), this);
    m_nothingFound->setObjectName(QStringLiteral("lbNothingFound"));
    m_nothingFound->hide();
    layout->addWidget(m_nothingFound);
    layout->addWidget(m_list, 1);
    setTabOrder(m_search, m_list);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusBar"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setMouseTracking(true);
    layout->addWidget(m_status);

    auto* buttons = new QHBoxLayout;
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    m_picture->setToolTip(QStringLiteral("Нажми на меня!"));
    m_picture->setMouseTracking(true);
    buttons->addWidget(m_picture);
    auto* missing = new QPushButton(QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
    missing->setObjectName(QStringLiteral("btMissing"));
    missing->setAutoDefault(false);
    buttons->addWidget(missing);
    buttons->addStretch();
    m_yes = new QPushButton(QStringLiteral("Да"), this);
    auto* yes = m_yes;
    yes->setObjectName(QStringLiteral("btYes"));
    auto* no = new QPushButton(QStringLiteral("Нет"), this);
    no->setObjectName(QStringLiteral("btNo"));
    yes->setAutoDefault(false);
    no->setAutoDefault(false);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    layout->addLayout(buttons);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TfmInputInspectionNumber::OnRowSelected);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &TfmInputInspectionNumber::AcceptShown);
    connect(yes, &QPushButton::clicked, this, &TfmInputInspectionNumber::AcceptShown);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    connect(missing, &QPushButton::clicked, this, &TfmInputInspectionNumber::OpenImport);
    connect(m_search, &QLineEdit::textChanged, this, &TfmInputInspectionNumber::Search);
    m_search->installEventFilter(this);

    setMouseTracking(true);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    m_list->viewport()->setMouseTracking(true);
    m_picture->installEventFilter(this);
    m_status->installEventFilter(this);
}

void TfmInputInspectionNumber::SelectInspection(const QString& code) {
    m_search->clear();
    m_chosenCode = code;
    m_chosenName.clear();
    m_typed.clear();
    const std::optional<size_t> row = FindCodeRow(m_rows, code.toStdString());
    if (row) {
        SelectRow(*row);
    } else {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        m_status->clear();
    }
    m_list->setFocus();
}

void TfmInputInspectionNumber::SelectRow(size_t row) {
    QTreeWidgetItem* item = m_list->topLevelItem(static_cast<int>(row));
    m_list->setCurrentItem(item);
    item->setSelected(true);
    m_list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    OnRowSelected();
}

void TfmInputInspectionNumber::OnRowSelected() {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    m_chosenCode = selected.front()->text(0);
    m_chosenName = selected.front()->text(1);
    ShowSelectedInStatus();
}

QString TfmInputInspectionNumber::StatusText() const {
    return m_status->text();
}

void TfmInputInspectionNumber::ShowSelectedInStatus() {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        m_status->clear();
        return;
    }
    const int row = m_list->indexOfTopLevelItem(selected.front());
    m_status->setText(QString::fromStdString(InspectionStatusText(m_rows[static_cast<size_t>(row)])));
}

bool TfmInputInspectionNumber::CanAccept() const {
    return m_yes->isEnabled();
}

void TfmInputInspectionNumber::AcceptShown() {
    if (CanAccept())
        accept();
}

void TfmInputInspectionNumber::Search(const QString& typed) {
    const PickerSearch search(typed);
    const int shown = FilterPickerList(m_list, search);
    m_nothingFound->setVisible(shown == 0);
    m_yes->setEnabled(shown > 0);
    if (shown == 0) {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        m_status->clear();
        return;
    }
    if (search.Empty())
        return;
    // The highlighted row stays while it is found; otherwise the first row found is
    // highlighted, so that Enter takes it.
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (!selected.isEmpty() && !selected.front()->isHidden())
        return;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (!m_list->topLevelItem(i)->isHidden()) {
            SelectRow(static_cast<size_t>(i));
            return;
        }
}

void TfmInputInspectionNumber::TypeDigit(QChar digit) {
    // The type-ahead of the list searches every inspection.
    if (!m_search->text().isEmpty())
        m_search->clear();
    if (m_chosenCode.isEmpty()) {
        if (std::optional<size_t> first = FindCodeRow(m_rows, kFirstInspectionCode))
            SelectRow(*first);
    }
    // Digits typed in quick succession search as one prefix, as in a list's own type-ahead.
    if (!m_lastKey.isValid() || m_lastKey.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_lastKey.start();
    m_typed += digit;
    std::optional<size_t> row = FindInspectionByPrefix(m_rows, m_typed.toStdString());
    if (!row && m_typed.size() > 1) {
        m_typed = digit;
        row = FindInspectionByPrefix(m_rows, m_typed.toStdString());
    }
    if (row)
        SelectRow(*row);
}

bool TfmInputInspectionNumber::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && PassRowKeyToList(event, m_list))
        return true;
    if (event->type() == QEvent::KeyPress && watched == m_list) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsDigitKey(key)) {
            TypeDigit(key->text().front());
            return true;
        }
        // A letter typed in the list starts a search by the words of the names.
        if (key->text().size() == 1 && key->text().front().isLetter() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            m_search->setFocus();
            m_search->insert(key->text());
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            AcceptShown();
            return true;
        }
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (watched == m_picture)
            m_status->setText(kHint);
        else if (watched == m_status || watched == m_list || watched == m_list->viewport())
            ShowSelectedInStatus();
    }
    if (event->type() == QEvent::MouseButtonPress && watched == m_picture)
        m_status->setText(kHint);
    return QDialog::eventFilter(watched, event);
}

void TfmInputInspectionNumber::keyPressEvent(QKeyEvent* event) {
    if (IsDigitKey(event)) {
        TypeDigit(event->text().front());
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        AcceptShown();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfmInputInspectionNumber::mouseMoveEvent(QMouseEvent* event) {
    ShowSelectedInStatus();
    QDialog::mouseMoveEvent(event);
}

void TfmInputInspectionNumber::OpenImport() {
    TfmLoadSoun dialog(m_host, this);
    m_host.Ui().RunModal(dialog);
}

}  // namespace zizaza
