#include "screens/TfrCurrency.h"

#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "model/mTDeclaration.h"
#include "screens/IncomeDeductionPart.h"
#include "screens/ScopedFlag.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/UserInterface.h"

namespace zizaza {

TfrCurrency::TfrCurrency(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot), m_dict(IncomeCodeDict::Embedded()) {
    const LoadingGuard loading(owner);
    setObjectName(QStringLiteral("frCurrency"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(BuildSplitter());

    // Shown for the declaration only; nothing depends on it.
    meAppB = Named(new TMaskedEdit(this), "meAppB");
    meAppB->SetupDigits(10);
    meAppB->setVisible(false);
    m_declarationFields.Integer(meAppB, &mTDeclaration::ForeignAppendixValue);
    m_declarationFields.Load(Doc());

    BuildIncomePart();
    ConnectRules();
    Bind();
    ClearEntries();
    ReloadList(-1);
    WatchControls();
}

void TfrCurrency::SourceSelected(int record) {
    // The same source again (after editing its name) keeps what is typed in its entries.
    if (record >= 0 && record == m_selected)
        return;
    SaveToDocument();
    m_selected = record;
    if (record < 0)
        ClearEntries();
    else
        LoadRecord(Record());
}

void TfrCurrency::SaveToDocument() {
    if (m_selected < 0)
        return;
    SaveRecord(Record());
    ShowSaved(m_selected);
}

void TfrCurrency::Bind() {
    using R = mTCurrencyIncome;
    m_fields.DateField(dtIncomeGetDate, &R::IncomeDate);
    m_fields.DateField(dtSubtractDate, &R::TaxPaymentDate);
    m_fields.Text(meCurrencyCode, &R::CurrencyCode);
    m_fields.Text(meCurrencyName, &R::CurrencyName);
    m_fields.Then([this] { ShowCurrencyName(true); });
    m_fields.IntegerOrEmpty(meCurrencyUnits, &R::IncomeUnits);
    m_fields.MoneyOrEmpty(meCurrencyExchange, &R::IncomeRate);
    m_fields.IntegerOrEmpty(meCurrencyUnits2, &R::TaxUnits);
    m_fields.MoneyOrEmpty(meCurrencyExchange2, &R::TaxRate);
    m_fields.Custom(
        &R::AutomaticRate, [this](bool automatic) { ShowAutomaticRate(automatic); },
        [this] { return chbAutoExchange->isChecked() || m_autoPending; });
    m_fields.MoneyOrEmpty(meTaxCurrencySum, &R::TaxInCurrency);
    // The deduction follows the income in roubles: the rates above are shown first.
    BindIncomeDeduction(m_fields, m_part, &R::IncomeCode, &R::IncomeInCurrency, &R::DeductionCode, &R::DeductionAmount,
                        &R::IncomeName);
    m_fields.Custom(
        &R::DeductionPercent, [](int32_t) {},
        [this] { return m_part->Deduction() ? static_cast<int32_t>(m_part->Deduction()->Percent()) : 0; });
    // The rate of an income the dictionary knows is the dictionary's.
    m_fields.Custom(
        &R::RateCode,
        [this](int32_t stored) {
            const IncomeEntry* income =
                m_part->HasIncomeCode() ? m_dict.FindIncome(std::to_string(m_part->IncomeCode())) : nullptr;
            m_rateCode = income ? PickedIncomeRate("", *income) : stored;
        },
        [this] { return m_rateCode; });
    // The amounts in roubles at the rates saved with them.
    m_fields.Fields([](const R&) {},
                    [](R& r) {
                        r.SetIncomeInCurrency(r.IncomeInCurrency);
                        r.SetTaxInCurrency(r.TaxInCurrency);
                    });
    m_fields.Then([this] {
        pnlIncomeRublSum->setText(MoneyToScreen(RoublesOf(meIncomeCurrencySum, RateDate::Income)));
        pnlTaxRoubleSum->setText(MoneyToScreen(RoublesOf(meTaxCurrencySum, RateDate::Tax)));
        ApplyCfcRules(m_part->IncomeCode());
    });
    // By the income code, not by the controls: the entries are still disabled while a row is taken.
    m_fields.Custom(
        &R::CfcNumber,
        [this](const std::string& number) {
            if (IsCfcIncomeCode(m_part->IncomeCode()))
                meKIKNum->SetStoredText(QString::fromStdString(number));
        },
        [this] { return meKIKNum->text().toStdString(); });
    m_fields.Custom(
        &R::CfcProfitRule,
        [this](CfcProfitRule rule) {
            if (m_part->IncomeCode() != kIncomeCodeCfcProfit)
                return;
            rb1->setChecked(rule == CfcProfitRule::ByStatements);
            rb2->setChecked(rule == CfcProfitRule::ByRussianRules);
        },
        [this] {
            return rb1->isChecked()   ? CfcProfitRule::ByStatements
                   : rb2->isChecked() ? CfcProfitRule::ByRussianRules
                                      : CfcProfitRule::NotChosen;
        });
}

void TfrCurrency::SaveRecord(mTCurrencyIncome& r) const {
    m_fields.Save(r);
}

void TfrCurrency::LoadRecord(const mTCurrencyIncome& r) {
    const ScopedFlag filling(m_filling);
    m_fields.Load(r);
    m_shownIncomeDate = r.IncomeDate;
}

void TfrCurrency::ShowAutomaticRate(bool automatic) {
    chbAutoExchange->setChecked(automatic);
    m_autoPending = false;
    UpdateAutoAvailability();
    m_autoPending = automatic && !chbAutoExchange->isEnabled();
    for (RateDate which : {RateDate::Income, RateDate::Tax}) {
        const bool fromDictionary = chbAutoExchange->isChecked() && FindRate(which);
        RateEdit(which)->setReadOnly(fromDictionary);
        UnitsEdit(which)->setReadOnly(fromDictionary);
    }
}

void TfrCurrency::ClearEntries() {
    const ScopedFlag filling(m_filling);
    m_autoPending = false;
    m_rateCode = 0;
    m_part->Clear();
    for (QLabel* label : {pnlIncomeRublSum, pnlTaxRoubleSum})
        label->clear();
    for (TMaskedEdit* edit : {meCurrencyCode, meCurrencyName, meCurrencyExchange, meCurrencyUnits, meCurrencyExchange2,
                              meCurrencyUnits2, meIncomeCurrencySum, meTaxCurrencySum, meSubtractSum}) {
        edit->clear();
        edit->setReadOnly(false);
    }
    m_shownIncomeDate = NewIncomeDate();
    dtIncomeGetDate->SetDate(m_shownIncomeDate);
    dtSubtractDate->SetDate(m_shownIncomeDate);
    chbAutoExchange->setChecked(false);
    ApplyCfcRules(0);
}

void TfrCurrency::ShowEntryHints() {
    const bool selected = m_selected >= 0;
    const bool code = m_part->HasIncomeCode();
    lbNoSource->setVisible(!selected);
    lbNeedIncomeCode->setText(selected && !code ? QStringLiteral("Сумма вводится после выбора кода дохода.")
                                                : QString());
    QString deduction;
    if (selected && !m_part->DeductionPartEnabled())
        deduction = code ? QStringLiteral("У дохода с кодом %1 вычетов нет.").arg(m_part->IncomeCode())
                         : QStringLiteral("Вычет выбирается после кода дохода.");
    lbNoDeduction->setText(deduction);
    lbNoCfc->setText(selected && !IsCfcIncomeCode(m_part->IncomeCode())
                         ? QStringLiteral("Заполняется для доходов от контролируемой иностранной компании.")
                         : QString());
}

uint16_t TfrCurrency::CheckScreen() {
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckCurrencyScreen(Doc(), dialog);
}

void TfrCurrency::FocusItem(uint16_t item) {
    if (item < 1 || item > Doc().CurrencyIncomeCount())
        return;
    lvSourseIncomeInfo->setFocus();
    SelectRecord(item - 1);
}

void TfrCurrency::FocusFirstList() {
    if (Doc().CurrencyIncomeCount() == 0)
        return;
    lvSourseIncomeInfo->setFocus();
    // The first row as the list is sorted.
    SelectRecord(m_sorted->mapToSource(m_sorted->index(0, 0)).row());
}

}  // namespace zizaza
