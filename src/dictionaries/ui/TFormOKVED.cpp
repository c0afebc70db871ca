#include "dictionaries/ui/TFormOKVED.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "checks/ui/ScreenCheckRun.h"
#include "ui/UserInterface.h"

namespace zizaza {

TFormOKVED::TFormOKVED(const OkvedDict& dict, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_chooser(dict) {
    setObjectName(QStringLiteral("FormOKVED"));
    setWindowTitle(QStringLiteral("Код по ОКВЭД"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
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
    edOKV->setFixedWidth(120);
    form->addRow(QStringLiteral("Код"), edOKV);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* yes = new QPushButton(QStringLiteral("Да"), this);
    yes->setObjectName(QStringLiteral("btYes"));
    auto* no = new QPushButton(QStringLiteral("Нет"), this);
    no->setObjectName(QStringLiteral("btNo"));
    yes->setAutoDefault(false);
    no->setAutoDefault(false);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &TFormOKVED::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    Refill();
}

bool TFormOKVED::Run() {
    return m_ui.RunModal(*this) == QDialog::Accepted;
}

QString TFormOKVED::Answer() const {
    return edOKV->text();
}

void TFormOKVED::accept() {
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
}

}  // namespace zizaza
