#include "screens/TfmInputCurrencySourseIncome.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "checks/EntryRules.h"
#include "checks/ui/SourceCheckDialog.h"
#include "dictionaries/ui/TfmGrazhd.h"
#include "model/mTCurrencyIncome.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

constexpr int kNameLength = 1000;
constexpr int kCountryItem = kCurrencySourceCountry;

}  // namespace

TfmInputCurrencySourseIncome::TfmInputCurrencySourseIncome(ScreenHost& host)
    : TEntryDialog(host, QStringLiteral("Доход")) {
    setObjectName(QStringLiteral("fmInputCurrencySourseIncome"));
    auto* form = new QFormLayout;
    meSourseName = Named(new TMaskedEdit(this), "meSourseName");
    meSourseName->SetupText(kNameLength);
    meSourseName->setMinimumWidth(360);
    form->addRow(QStringLiteral("Наименование источника выплаты"), meSourseName);
    meGos = parts::DigitsEdit(this, "meGos", 3);
    meGos->setFixedWidth(50);
    bnGos = parts::CodeChooser(this, "bnGos");
    // Without the countries dictionary the code can only be typed.
    bnGos->setEnabled(host.CountriesPicker() != nullptr);
    auto* countryRow = new QHBoxLayout;
    countryRow->addWidget(meGos);
    countryRow->addWidget(bnGos);
    countryRow->addStretch();
    form->addRow(QStringLiteral("Код страны"), countryRow);
    Content()->addLayout(form);
    connect(bnGos, &QPushButton::clicked, this, &TfmInputCurrencySourseIncome::ChooseCountry);
    m_fields.Text(meSourseName, &mTCurrencyIncome::SourceName);
    m_fields.Text(meGos, &mTCurrencyIncome::CountryCode);
    meSourseName->setFocus();
}

void TfmInputCurrencySourseIncome::Fill(const mTCurrencyIncome& income) {
    m_fields.Load(income);
}

void TfmInputCurrencySourseIncome::Apply(mTCurrencyIncome& income) const {
    m_fields.Save(income);
}

QString TfmInputCurrencySourseIncome::TrimmedName() const {
    return meSourseName->text().trimmed();
}

void TfmInputCurrencySourseIncome::keyPressEvent(QKeyEvent* event) {
    m_byEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    TEntryDialog::keyPressEvent(event);
    m_byEnter = false;
}

int TfmInputCurrencySourseIncome::CheckEntries() {
    mTCurrencyIncome income;
    Apply(income);
    SourceCheckDialog dialog(Host().Ui(), this);
    bool fixed = false;
    const int item = ShowEntryProblems(dialog, kCurrencySourceTitle, CurrencySourceProblems(income), &fixed);
    // A source abroad needs its country, so whatever the answer the dialog stays open; the
    // user sees the code chosen before accepting it.
    if (item == kCountryItem && fixed && !m_byEnter)
        ChooseCountry();
    return item;
}

void TfmInputCurrencySourseIncome::FocusEntry(int /*item*/) {
    meGos->setFocus();
}

void TfmInputCurrencySourseIncome::ChooseCountry() {
    TfmGrazhd* picker = Host().CountriesPicker();
    if (!picker)
        return;
    picker->SetCurrentCode(meGos->text());
    if (Host().Ui().RunModal(*picker) != QDialog::Accepted)
        return;
    meGos->setText(picker->ChosenCode());
}

}  // namespace zizaza
