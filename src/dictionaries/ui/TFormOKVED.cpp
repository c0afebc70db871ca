#include "dictionaries/ui/TFormOKVED.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "checks/ui/ScreenCheckRun.h"
#include "dictionaries/ui/PickerList.h"
#include "ui/UserInterface.h"

namespace zizaza {

TFormOKVED::TFormOKVED(const OkvedDict& dict, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_dict(dict), m_chooser(dict) {
    setObjectName(QStringLiteral("FormOKVED"));
    setWindowTitle(QStringLiteral("Код по ОКВЭД"));
    setModal(true);
    resize(780, 320);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildSearch());
    auto* form = new QFormLayout;
    for (int level = 1; level <= kOkvedLevels; ++level) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(level));
        combo->setMinimumWidth(420);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, level](int item) { Chosen(level, item); });
        m_levels[static_cast<size_t>(level - 1)] = combo;
        form->addRow(QStringLiteral("Уровень %1").arg(level), combo);
    }
    edOKV = new QLineEdit(this);
    edOKV->setObjectName(QStringLiteral("edOKV"));
    edOKV->setReadOnly(true);
    edOKV->setFocusPolicy(Qt::ClickFocus);  // read-only: out of the Tab order
    edOKV->setFixedWidth(120);
    form->addRow(QStringLiteral("Код"), edOKV);
    layout->addLayout(form);

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
    connect(m_yes, &QPushButton::clicked, this, &TFormOKVED::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    Refill();
}

bool TFormOKVED::Run() {
    return m_ui.RunModal(*this) == QDialog::Accepted;
}

QString TFormOKVED::Answer() const {
    return edOKV->text();
}

QLayout* TFormOKVED::BuildSearch() {
    auto* layout = new QVBoxLayout;
    edSearch = AddPickerSearch(this, layout, QStringLiteral("47.9 или розничная торговля"));
    lvFound = new QTreeWidget(this);
    lvFound->setObjectName(QStringLiteral("lvFound"));
    SetupPickerList(lvFound, {QStringLiteral("Код"), QStringLiteral("Вид деятельности")});
    lvFound->setMinimumHeight(180);
    lvFound->hide();
    layout->addWidget(lvFound, 1);
    connect(edSearch, &QLineEdit::textChanged, this, &TFormOKVED::Search);
    connect(lvFound, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            TakeFound(lvFound->indexOfTopLevelItem(item));
    });
    connect(lvFound, &QTreeWidget::itemDoubleClicked, this, &TFormOKVED::accept);
    edSearch->installEventFilter(this);
    lvFound->installEventFilter(this);
    return layout;
}

// Lists the entries with a code that the typed code or words find.
void TFormOKVED::Search(const QString& typed) {
    const PickerSearch search(typed);
    lvFound->clear();
    m_found.clear();
    lvFound->setVisible(!search.Empty());
    if (search.Empty())
        return;
    QList<QTreeWidgetItem*> rows;
    for (const OkvedEntry& entry : m_dict.Entries()) {
        if (!entry.okved)
            continue;
        const QString code = QString::fromStdString(*entry.okved);
        const QString name = QString::fromStdString(entry.name);
        if (!search.Matches(code, name))
            continue;
        m_found.push_back(&entry);
        rows.push_back(PickerRow(code, name));
    }
    lvFound->addTopLevelItems(rows);
}

void TFormOKVED::TakeFound(int row) {
    if (row < 0 || row >= static_cast<int>(m_found.size()))
        return;
    m_chooser.ChooseEntry(*m_found[static_cast<size_t>(row)]);
    Refill();
}

bool TFormOKVED::eventFilter(QObject* watched, QEvent* event) {
    // The arrows move through the entries found while the words are typed; Enter takes one.
    if (watched == edSearch && PassRowKeyToList(event, lvFound))
        return true;
    if (event->type() == QEvent::KeyPress && (watched == edSearch || watched == lvFound)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormOKVED::accept() {
    // "нет" is no activity code: without a code the picker has nothing to answer.
    if (!HasCode())
        return;
    if (!m_chooser.KeyLongEnough()) {
        ScreenCheckRun run(m_ui, this, QString::fromUtf8(kOkvedCheckTitle.data(), kOkvedCheckTitle.size()));
        run.DisableSkipAll();
        run.Problem(true, QString::fromUtf8(kOkvedShortKeyMessage.data(), kOkvedShortKeyMessage.size()), 1);
        if (run.LastAnswer() == CheckDialogAnswer::Fix)
            return;
    }
    QDialog::accept();
}

void TFormOKVED::Chosen(int level, int item) {
    if (item < 0)
        return;
    m_chooser.Choose(level, static_cast<size_t>(item));
    Refill();
}

// Shows the chooser's lists and answer; the lists are refilled without reporting choices.
void TFormOKVED::Refill() {
    for (int level = 1; level <= kOkvedLevels; ++level) {
        QComboBox* combo = Level(level);
        const QSignalBlocker blocker(combo);
        combo->clear();
        for (const std::string& text : m_chooser.Items(level))
            combo->addItem(QString::fromStdString(text));
        combo->setCurrentIndex(static_cast<int>(m_chooser.Shown(level)));
    }
    edOKV->setText(QString::fromStdString(m_chooser.Code()));
    m_yes->setEnabled(HasCode());
}

bool TFormOKVED::HasCode() const {
    return m_chooser.Code() != kOkvedNone;
}

}  // namespace zizaza
