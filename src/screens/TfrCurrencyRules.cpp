// The rules that tie the entries of the foreign incomes screen together: income and deduction
// choices, the currency with its rates by date, and the amounts in roubles.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <utility>

#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputCurrencyCode.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"
#include "model/IncomeCodes.h"
#include "model/mTCurrencyIncome.h"
#include "screens/IncomeDeductionPart.h"
#include "screens/ScopedFlag.h"
#include "screens/ScreenFormat.h"
#include "screens/TfrCurrency.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// Radio buttons of a group can only be cleared together with their exclusivity off.
void ClearRadios(std::initializer_list<QRadioButton*> radios) {
    for (QRadioButton* rb : radios) {
        rb->setAutoExclusive(false);
        rb->setChecked(false);
        rb->setAutoExclusive(true);
    }
}

// A currency of the rate dictionary: its missing rates are worth telling the user about.
bool InRateDictionary(const CurrencyRates* rates, const QString& code) {
    return rates && rates->FindCurrency(code.toStdString());
}

}  // namespace

void TfrCurrency::BuildIncomePart() {
    IncomeDeductionPart::Options options;
    options.follow = IncomeDeductionPart::Follow::Roubles;
    options.incomeForDeduction = [this] {
        return std::optional<Money>(RoublesOf(meIncomeCurrencySum, RateDate::Income));
    };
    options.amountWithPart = true;
    // The rates change the income in roubles too: IncomeAmountChanged tells the part.
    options.watchIncome = false;
    options.incomeEmptyAtZero = true;
    IncomeDeductionPart::Controls controls;
    controls.incomeCode = pnlIncomeCod;
    controls.incomeChooser = bnIncomeCod;
    controls.incomeName = lbIncomeName;
    controls.incomeSum = meIncomeCurrencySum;
    controls.deductCodeLabel = lbSubtractCod;
    controls.deductCode = pnlSubtractCod;
    controls.deductChooser = bnSubtractCod;
    controls.deductSumLabel = lbSubtractSum;
    controls.deductSum = meSubtractSum;
    m_part = new IncomeDeductionPart(this, Host(), std::move(options), controls);
    connect(m_part, &IncomeDeductionPart::AboutToChoose, this, [this] { NotifyChanged(); });
    connect(m_part, &IncomeDeductionPart::IncomeCodeTaken, this, &TfrCurrency::OnIncomeCodeTaken);
}

void TfrCurrency::OnIncomeCodeTaken() {
    {
        const ScopedFlag filling(m_filling);
        const IncomeEntry* income = m_dict.FindIncome(std::to_string(m_part->IncomeCode()));
        m_rateCode = income ? PickedIncomeRate("", *income) : 0;
        ApplyCfcRules(m_part->IncomeCode());
    }
    ShowEntryHints();
}

void TfrCurrency::ApplyCfcRules(int incomeCode) {
    const bool number = IsCfcIncomeCode(incomeCode);
    const bool profitRule = incomeCode == kIncomeCodeCfcProfit;
    meKIKNum->setEnabled(number);
    if (!number)
        meKIKNum->SetStoredText(QString());
    gbKIKProfit->setEnabled(profitRule);
    if (!profitRule)
        ClearRadios({rb1, rb2});
}

void TfrCurrency::ChooseCurrency() {
    const CurrencyRates* rates = Host().Rates();
    if (!rates)
        return;
    const QString previous = meCurrencyCode->text();
    TfmInputCurrencyCode picker(this, previous, *rates);
    if (Host().Ui().RunModal(picker) != QDialog::Accepted || picker.ChosenCode() == previous)
        return;
    meCurrencyCode->setText(picker.ChosenCode());
    if (auto warning = CurrencyChoiceWarning(previous.toStdString(), picker.ChosenCode().toStdString()))
        Host().Ui().Inform(QString::fromUtf8(warning->data(), static_cast<qsizetype>(warning->size())));
}

void TfrCurrency::CurrencyCodeChanged() {
    if (m_filling)
        return;
    ShowCurrencyName(false);
    UpdateAutoAvailability();
    RefreshRate(RateDate::Income);
    RefreshRate(RateDate::Tax);
}

void TfrCurrency::ShowCurrencyName(bool keepTyped) {
    const CurrencyRates* rates = Host().Rates();
    const Currency* currency = rates ? rates->FindCurrency(meCurrencyCode->text().toStdString()) : nullptr;
    if (currency)
        meCurrencyName->setText(QString::fromStdString(currency->name));
    else if (!keepTyped)
        meCurrencyName->clear();
    meCurrencyName->setReadOnly(currency != nullptr);
}

const CurrencyRate* TfrCurrency::FindRate(RateDate which) const {
    const CurrencyRates* rates = Host().Rates();
    if (!rates)
        return nullptr;
    const TDtpPanel* date = which == RateDate::Income ? dtIncomeGetDate : dtSubtractDate;
    return rates->FindRate(meCurrencyCode->text().toStdString(), date->GetDate());
}

TMaskedEdit* TfrCurrency::RateEdit(RateDate which) const {
    return which == RateDate::Income ? meCurrencyExchange : meCurrencyExchange2;
}

TMaskedEdit* TfrCurrency::UnitsEdit(RateDate which) const {
    return which == RateDate::Income ? meCurrencyUnits : meCurrencyUnits2;
}

void TfrCurrency::UpdateAutoAvailability() {
    const bool available = FindRate(RateDate::Income) || FindRate(RateDate::Tax);
    chbAutoExchange->setEnabled(available);
    lbAutoExchange->setEnabled(available);
    const bool known = InRateDictionary(Host().Rates(), meCurrencyCode->text());
    const QString hint = available || !known ? QString() : QString::fromUtf8(kNoRateMessage);
    chbAutoExchange->setToolTip(hint);
    lbAutoExchange->setToolTip(hint);
    ShowRateHint();
    if (available && m_autoPending) {
        m_autoPending = false;
        chbAutoExchange->setChecked(true);
        return;
    }
    if (available || !chbAutoExchange->isChecked())
        return;
    chbAutoExchange->setChecked(false);
    // The rates stay as they were, now for the user to correct.
    for (TMaskedEdit* edit : {meCurrencyExchange, meCurrencyUnits, meCurrencyExchange2, meCurrencyUnits2})
        edit->setReadOnly(false);
    if (known)
        Host().Ui().Inform(QString::fromUtf8(kNoRateMessage));
}

void TfrCurrency::ShowRateHint() {
    const QString code = meCurrencyCode->text().trimmed();
    const CurrencyRates* rates = Host().Rates();
    QString lacking;
    if (!code.isEmpty() && !rates) {
        lacking = QStringLiteral("Справочника курсов валют нет");
    } else if (!code.isEmpty() && !InRateDictionary(rates, code)) {
        lacking = QStringLiteral("Валюты с кодом %1 нет в справочнике курсов").arg(code);
    } else if (!code.isEmpty()) {
        const bool income = !FindRate(RateDate::Income);
        const bool tax = !FindRate(RateDate::Tax);
        const QString incomeDate = DateToScreen(dtIncomeGetDate->GetDate());
        const QString taxDate = DateToScreen(dtSubtractDate->GetDate());
        QStringList dates;
        if (income && tax && incomeDate == taxDate)
            dates << incomeDate;
        else {
            if (income)
                dates << incomeDate + QStringLiteral(" (дата дохода)");
            if (tax)
                dates << taxDate + QStringLiteral(" (дата уплаты налога)");
        }
        if (!dates.isEmpty())
            lacking = QStringLiteral("В справочнике нет курса ЦБ РФ на ") + dates.join(QStringLiteral(" и "));
    }
    lbNoRate->setText(lacking.isEmpty() ? QString()
                                        : lacking + QStringLiteral(": введите курс или загрузите курсы (меню "
                                                                   "«Настройки», «Загрузить курсы ЦБ РФ...»)."));
}

void TfrCurrency::ApplyAutoRate(RateDate which) {
    TMaskedEdit* rate = RateEdit(which);
    TMaskedEdit* units = UnitsEdit(which);
    const CurrencyRate* entry = FindRate(which);
    rate->setReadOnly(entry != nullptr);
    units->setReadOnly(entry != nullptr);
    if (!entry) {
        rate->clear();
        units->clear();
        if (InRateDictionary(Host().Rates(), meCurrencyCode->text()))
            Host().Ui().Inform(QString::fromUtf8(kNoRateMessage));
        return;
    }
    // A text the field refuses leaves the field as it was.
    if (const std::optional<Money> value = RateValue(*entry); value && rate->Accepts(MoneyToScreen(*value)))
        rate->setText(MoneyToScreen(*value));
    const QString quantity = QString::fromStdString(entry->quantity).trimmed();
    if (units->Accepts(quantity))
        units->setText(quantity);
}

void TfrCurrency::DateChanged(RateDate which) {
    if (m_filling)
        return;
    UpdateAutoAvailability();
    RefreshRate(which);
    if (which != RateDate::Income)
        return;
    // The tax withheld abroad is mostly paid on the day of the income; a date the user set apart stays.
    const Date previous = std::exchange(m_shownIncomeDate, dtIncomeGetDate->GetDate());
    if (dtSubtractDate->GetDate() == previous)
        dtSubtractDate->SetDate(m_shownIncomeDate);
}

void TfrCurrency::RefreshRate(RateDate which) {
    if (chbAutoExchange->isChecked()) {
        ApplyAutoRate(which);
        return;
    }
    // A rate typed for another currency or another day is no rate for this one.
    RateEdit(which)->clear();
    UnitsEdit(which)->clear();
}

void TfrCurrency::AutoRateClicked() {
    m_autoPending = false;
    if (chbAutoExchange->isChecked()) {
        ApplyAutoRate(RateDate::Income);
        ApplyAutoRate(RateDate::Tax);
        return;
    }
    for (TMaskedEdit* edit : {meCurrencyExchange, meCurrencyUnits, meCurrencyExchange2, meCurrencyUnits2}) {
        edit->setReadOnly(false);
        edit->clear();
    }
}

Money TfrCurrency::RoublesOf(TMaskedEdit* amount, RateDate which) const {
    const QString units = UnitsEdit(which)->text().trimmed();
    const QString rate = RateEdit(which)->text().trimmed();
    if (amount->text().trimmed().isEmpty() || units.isEmpty() || rate.isEmpty())
        return Money();
    return mTCurrencyIncome::ToRoubles(MoneyFieldValue(amount->text()), static_cast<int32_t>(IntegerFieldValue(units)),
                                       MoneyFieldValue(rate));
}

void TfrCurrency::IncomeAmountChanged() {
    if (m_filling)
        return;
    pnlIncomeRublSum->setText(MoneyToScreen(RoublesOf(meIncomeCurrencySum, RateDate::Income)));
    m_part->IncomeChanged();
}

void TfrCurrency::TaxAmountChanged() {
    if (m_filling)
        return;
    pnlTaxRoubleSum->setText(MoneyToScreen(RoublesOf(meTaxCurrencySum, RateDate::Tax)));
}

}  // namespace zizaza
