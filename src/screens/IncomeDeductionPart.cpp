#include "screens/IncomeDeductionPart.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <initializer_list>
#include <utility>

#include "app/UserInterface.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

IncomeDeductionPart::IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options)
    : QObject(parent),
      m_host(host),
      m_parent(parent),
      m_dict(IncomeCodeDict::Embedded()),
      m_options(std::move(options)) {
    meIncomeCode = parts::ChosenField(parent, "meIncomeCode");
    bnIncomeCode = parts::CodeChooser(parent, "bnIncomeCode");
    lbIncomeName = Named(new QLabel(parent), "lbIncomeName");
    lbIncomeName->setWordWrap(true);
    lbIncomeSum = Named(new QLabel(QStringLiteral("Сумма дохода"), parent), "lbIncomeSum");
    meIncomeSum = parts::MoneyEdit(parent, "meIncomeSum");
    lbDeductCode = Named(new QLabel(m_options.deductCodeCaption, parent), "lbDeductCode");
    meDeductCode = parts::ChosenField(parent, "meDeductCode");
    bnDeductCode = parts::CodeChooser(parent, "bnDeductCode");
    lbDeductSum = Named(new QLabel(m_options.deductSumCaption, parent), "lbDeductSum");
    meDeductSum = parts::MoneyEdit(parent, "meDeductSum");

    // Until an income code is chosen only its chooser can be used.
    lbIncomeSum->setEnabled(false);
    meIncomeSum->setEnabled(false);
    SetDeductionPartEnabled(false);
    connect(bnIncomeCode, &QPushButton::clicked, this, &IncomeDeductionPart::ChooseIncomeCode);
    connect(bnDeductCode, &QPushButton::clicked, this, &IncomeDeductionPart::ChooseDeductCode);
    connect(meIncomeSum, &TMaskedEdit::Changed, this, &IncomeDeductionPart::OnIncomeSumChanged);
    connect(meDeductSum, &TMaskedEdit::Changed, this, &IncomeDeductionPart::OnDeductSumChanged);
}

void IncomeDeductionPart::Fill(int incomeCode, const QString& incomeName, Money incomeAmount, int deductionCode,
                               Money deductionAmount) {
    m_updating = true;
    meIncomeSum->setText(MoneyToScreen(incomeAmount));
    if (incomeCode != 0) {
        m_incomeCode = QString::number(incomeCode);
        m_incomeName = incomeName;
        meIncomeCode->setText(m_incomeCode);
        lbIncomeName->setText(incomeName);
        lbIncomeSum->setEnabled(true);
        meIncomeSum->setEnabled(true);
        EnableDeductionPart();
        FillDeduction(deductionCode, deductionAmount);
    }
    m_updating = false;
}

void IncomeDeductionPart::FillDeduction(int code, Money stored) {
    const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString());
    m_deduction = income ? income->FindDeduction(std::to_string(code)) : nullptr;
    const auto showCode = [this, code] {
        m_deductCode = QString::number(code);
        meDeductCode->setText(m_deductCode);
    };
    const auto showStored = [this, stored] { ShowAmount(stored, true); };
    switch (m_options.follow) {
        case Follow::ByEntry: {
            if (m_deduction || code != 0)
                showCode();
            if (m_deduction)
                ShowDeductionAttributes();
            // A computed deduction is shown as the income gives it now; one the user may type (also
            // one that follows the income and was lowered) keeps its stored amount.
            const DeductionAmountMode mode = m_deduction ? AmountMode(*m_deduction) : DeductionAmountMode::Typed;
            if (mode == DeductionAmountMode::Hidden)
                meDeductSum->clear();
            else if (mode == DeductionAmountMode::Computed)
                ShowAmount(DeductionAmount(*m_deduction, IncomeSum()).value_or(Money()), false);
            else
                showStored();
            break;
        }
        case Follow::Typed:
            if (!m_deduction) {
                // A deduction the dictionary does not offer for this income is dropped.
                SetDeductionPartEnabled(false);
                meDeductCode->clear();
                meDeductSum->clear();
                break;
            }
            showCode();
            ShowDeductionAttributes();
            if (m_deduction->Equivalent())
                ShowAmount(CapDeduction(*m_deduction, IncomeSum().value_or(Money())), false);
            else
                showStored();
            break;
        case Follow::Income:
            if (!m_deductionPartEnabled)
                break;
            if (m_deduction || code != 0)
                showCode();
            ShowAmount(stored, false);
            if (m_deduction) {
                ShowDeductionAttributes();
                if (m_deduction->Equivalent())
                    ShowAmount(FollowingIncome(), false);
            }
            break;
    }
}

void IncomeDeductionPart::ChooseIncomeCode() {
    TfmInputIncomeCode picker(m_parent->window(), m_options.nonResident13Incomes, m_incomeCode,
                              m_options.incomeRateFilter, m_dict);
    if (m_host.Ui().RunModal(picker) != QDialog::Accepted || picker.ChosenCode() == m_incomeCode)
        return;
    TakeIncomeCode(picker.ChosenCode(), picker.ChosenName());
}

void IncomeDeductionPart::TakeIncomeCode(const QString& code, const QString& name) {
    m_updating = true;
    m_deduction = nullptr;
    m_deductCode.clear();
    m_incomeCode = code;
    m_incomeName = name;
    meIncomeCode->setText(code);
    lbIncomeName->setText(name);
    lbIncomeSum->setEnabled(true);
    meIncomeSum->setEnabled(true);
    meDeductCode->clear();
    meDeductSum->clear();
    EnableDeductionPart();
    emit IncomeCodeTaken();
    m_updating = false;
}

void IncomeDeductionPart::EnableDeductionPart() {
    const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString());
    bool enabled = income && income->HasDeductions();
    if (m_options.mayDeduct && !m_options.mayDeduct(m_incomeCode.toInt()))
        enabled = false;
    SetDeductionPartEnabled(enabled);
}

void IncomeDeductionPart::SetDeductionPartEnabled(bool enabled) {
    m_deductionPartEnabled = enabled;
    for (QWidget* w : std::initializer_list<QWidget*>{lbDeductCode, meDeductCode, bnDeductCode, lbDeductSum})
        w->setEnabled(enabled);
    lbDeductSum->setVisible(true);
    meDeductSum->setVisible(true);
    // Until a deduction is chosen there is no amount to type.
    meDeductSum->setReadOnly(true);
}

void IncomeDeductionPart::ChooseDeductCode() {
    if (!m_deductionPartEnabled)
        return;
    TfmInputDeductCode picker(m_parent->window(), m_options.allDeductions, m_deductCode, m_incomeCode, m_dict);
    if (m_host.Ui().RunModal(picker) != QDialog::Accepted || !picker.Chosen() || picker.ChosenCode() == m_deductCode)
        return;
    TakeDeduction(picker.Chosen());
}

void IncomeDeductionPart::TakeDeduction(const DeductionEntry* entry) {
    m_updating = true;
    m_deduction = entry;
    m_deductCode = QString::fromStdString(entry->code);
    meDeductCode->setText(m_deductCode);
    ShowDeductionAttributes();
    std::optional<Money> amount;
    if (m_options.follow == Follow::ByEntry && entry->Visible())
        amount = DeductionAmount(*entry, IncomeSum());
    else if (m_options.follow == Follow::Income && entry->Equivalent())
        amount = FollowingIncome();
    if (amount)
        ShowAmount(*amount, false);
    else
        meDeductSum->clear();
    m_updating = false;
}

void IncomeDeductionPart::ShowDeductionAttributes() {
    lbDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setReadOnly(!m_deduction->Enabled());
}

void IncomeDeductionPart::ShowAmount(Money amount, bool emptyAtZero) {
    meDeductSum->setText(emptyAtZero && amount.IsZero() ? QString() : MoneyToScreen(amount));
}

Money IncomeDeductionPart::FollowingIncome() const {
    if (!m_deduction)
        return Money();
    const Money amount = m_deduction->Equivalent() ? IncomeSum().value_or(Money()) : Money();
    return CapDeduction(*m_deduction, amount);
}

bool IncomeDeductionPart::DeductionSumEditable() const {
    return !meDeductSum->isHidden() && meDeductSum->isEnabled() && !meDeductSum->isReadOnly();
}

bool IncomeDeductionPart::HasIncomeSum() const {
    return !meIncomeSum->text().trimmed().isEmpty();
}

bool IncomeDeductionPart::HasDeductionSum() const {
    return !meDeductSum->text().trimmed().isEmpty();
}

std::optional<Money> IncomeDeductionPart::IncomeSum() const {
    if (!HasIncomeSum())
        return std::nullopt;
    return MoneyFromScreen(meIncomeSum->text());
}

Money IncomeDeductionPart::IncomeValue() const {
    return MoneyFieldValue(meIncomeSum->text());
}

Money IncomeDeductionPart::DeductionValue() const {
    return MoneyFieldValue(meDeductSum->text());
}

void IncomeDeductionPart::OnIncomeSumChanged() {
    if (m_updating || !m_deductionPartEnabled)
        return;
    if (m_options.follow == Follow::Income) {
        m_updating = true;
        ShowAmount(FollowingIncome(), false);
        m_updating = false;
        return;
    }
    if (!m_deduction)
        return;
    m_updating = true;
    const Money typed = DeductionValue();
    const Money amount = m_options.follow == Follow::Typed
                             ? CapDeduction(*m_deduction, typed)
                             : CapDeduction(*m_deduction, DeductionAmount(*m_deduction, IncomeSum()).value_or(typed));
    ShowAmount(amount, true);
    m_updating = false;
}

void IncomeDeductionPart::OnDeductSumChanged() {
    if (!m_options.capWhileTyping || m_updating || !m_deduction || !DeductionSumEditable() ||
        m_deduction->MaxSum().IsZero())
        return;
    const Money cap = m_deduction->MaxSum();
    if (DeductionValue() >= cap && meDeductSum->text() != MoneyToScreen(cap)) {
        m_updating = true;
        meDeductSum->setText(MoneyToScreen(cap));
        m_updating = false;
    }
}

}  // namespace zizaza
