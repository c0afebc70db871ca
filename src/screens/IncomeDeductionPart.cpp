#include "screens/IncomeDeductionPart.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"
#include "screens/ScopedFlag.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// The width a name the part shows wraps at, at least.
constexpr int kNameWidth = 320;

void ShowText(QWidget* field, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(field))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
}

}  // namespace

IncomeDeductionPart::IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options)
    : QObject(parent),
      m_host(host),
      m_parent(parent),
      m_dict(IncomeCodeDict::Embedded()),
      m_options(std::move(options)) {
    Controls c;
    // The code may be typed as well as chosen: a code of the picker's list is taken at once.
    TMaskedEdit* code = parts::ChosenField(parent, "meIncomeCode");
    code->SetupDigits(4);
    code->setReadOnly(false);
    c.incomeCode = code;
    c.incomeChooser = parts::CodeChooser(parent, "bnIncomeCode");
    c.incomeName = Named(new QLabel(parent), "lbIncomeName");
    c.incomeName->setWordWrap(true);
    c.incomeName->setMinimumWidth(kNameWidth);
    m_fitName = true;
    c.incomeSumLabel = Named(new QLabel(QStringLiteral("Сумма дохода"), parent), "lbIncomeSum");
    c.incomeSum = parts::MoneyEdit(parent, "meIncomeSum");
    c.deductCodeLabel = Named(new QLabel(m_options.deductCodeCaption, parent), "lbDeductCode");
    c.deductCode = parts::ChosenField(parent, "meDeductCode");
    c.deductChooser = parts::CodeChooser(parent, "bnDeductCode");
    c.deductSumLabel = Named(new QLabel(m_options.deductSumCaption, parent), "lbDeductSum");
    c.deductSum = parts::MoneyEdit(parent, "meDeductSum");
    Build(c);
}

IncomeDeductionPart::IncomeDeductionPart(QWidget* parent, ScreenHost& host, Options options, const Controls& controls)
    : QObject(parent),
      m_host(host),
      m_parent(parent),
      m_dict(IncomeCodeDict::Embedded()),
      m_options(std::move(options)) {
    Build(controls);
}

void IncomeDeductionPart::Build(const Controls& c) {
    meIncomeCode = c.incomeCode;
    bnIncomeCode = c.incomeChooser;
    lbIncomeName = c.incomeName;
    lbIncomeSum = c.incomeSumLabel;
    meIncomeSum = c.incomeSum;
    lbDeductCode = c.deductCodeLabel;
    meDeductCode = c.deductCode;
    bnDeductCode = c.deductChooser;
    lbDeductSum = c.deductSumLabel;
    meDeductSum = c.deductSum;

    // Until an income code is chosen only its chooser can be used.
    if (lbIncomeSum)
        lbIncomeSum->setEnabled(false);
    meIncomeSum->setEnabled(false);
    SetDeductionPartEnabled(false);
    // An editable code field takes a typed code of the picker's list at once; on leaving it shows
    // the code taken again.
    if (auto* code = qobject_cast<QLineEdit*>(meIncomeCode); code && !code->isReadOnly()) {
        connect(code, &QLineEdit::textEdited, this, &IncomeDeductionPart::OnIncomeCodeTyped);
        connect(code, &QLineEdit::editingFinished, this, [this, code] {
            if (code->text() != m_incomeCode)
                code->setText(m_incomeCode);
            ShowIncomeName(m_incomeName);
        });
    }
    connect(bnIncomeCode, &QPushButton::clicked, this, &IncomeDeductionPart::ChooseIncomeCode);
    connect(bnDeductCode, &QPushButton::clicked, this, &IncomeDeductionPart::ChooseDeductCode);
    if (m_options.watchIncome)
        connect(meIncomeSum, &TMaskedEdit::Changed, this, &IncomeDeductionPart::IncomeChanged);
    connect(meDeductSum, &TMaskedEdit::Changed, this, &IncomeDeductionPart::OnDeductSumChanged);
}

void IncomeDeductionPart::Fill(int incomeCode, const QString& incomeName, Money incomeAmount, int deductionCode,
                               Money deductionAmount) {
    const ScopedFlag updating(m_updating);
    const bool empty = m_options.incomeEmptyAtZero && (incomeCode == 0 || incomeAmount.IsZero());
    meIncomeSum->setText(empty ? QString() : MoneyToScreen(incomeAmount));
    if (incomeCode != 0) {
        ShowIncome(incomeCode, incomeName);
        FillDeduction(deductionCode, deductionAmount);
    } else if (HasIncomeCode()) {
        // The part shows another line than before.
        Clear();
    }
}

void IncomeDeductionPart::ShowIncome(int incomeCode, const QString& incomeName) {
    m_incomeCode = incomeCode == 0 ? QString() : QString::number(incomeCode);
    m_incomeName = incomeName;
    // Lines that keep only their code show the dictionary's name.
    if (m_incomeName.isEmpty())
        if (const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString()))
            m_incomeName = QString::fromStdString(income->name);
    ShowIncomeName(m_incomeName);
    ShowText(meIncomeCode, m_incomeCode);
    if (lbIncomeSum)
        lbIncomeSum->setEnabled(incomeCode != 0);
    meIncomeSum->setEnabled(incomeCode != 0);
    EnableDeductionPart();
}

void IncomeDeductionPart::ShowIncomeName(const QString& name) {
    lbIncomeName->setText(name);
    if (!m_fitName)
        return;
    // A wrapped label keeps the height its first layout gave it; it asks for the lines of the
    // whole name at the width it has (at least its minimum, before it is laid out).
    const int width = std::max(lbIncomeName->width(), lbIncomeName->minimumWidth());
    lbIncomeName->setMinimumHeight(name.isEmpty() ? 0 : lbIncomeName->heightForWidth(width));
}

void IncomeDeductionPart::Clear() {
    const ScopedFlag updating(m_updating);
    m_incomeCode.clear();
    m_incomeName.clear();
    m_deductCode.clear();
    m_deduction = nullptr;
    ShowText(meIncomeCode, QString());
    ShowIncomeName(QString());
    ShowText(meDeductCode, QString());
    if (lbIncomeSum)
        lbIncomeSum->setEnabled(false);
    meIncomeSum->setEnabled(false);
    SetDeductionPartEnabled(false);
}

std::optional<Money> IncomeDeductionPart::DeductionIncome() const {
    return m_options.incomeForDeduction ? m_options.incomeForDeduction() : IncomeSum();
}

void IncomeDeductionPart::FillDeduction(int code, Money stored) {
    const ScopedFlag updating(m_updating);
    m_deduction = nullptr;
    m_deductCode.clear();
    ShowText(meDeductCode, QString());
    meDeductSum->clear();
    const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString());
    m_deduction = income ? income->FindDeduction(std::to_string(code)) : nullptr;
    const auto showCode = [this, code] {
        m_deductCode = QString::number(code);
        ShowText(meDeductCode, m_deductCode);
    };
    const auto showStored = [this, stored] { ShowAmount(stored, true); };
    switch (m_options.follow) {
        case Follow::ByEntry:
        case Follow::Roubles: {
            if (m_options.follow == Follow::Roubles && !m_deductionPartEnabled)
                break;
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
                ShowAmount(DeductionAmount(*m_deduction, DeductionIncome()).value_or(Money()), false);
            else
                showStored();
            break;
        }
        case Follow::Typed:
            if (!m_deduction) {
                // A deduction the dictionary does not offer for this income is dropped.
                SetDeductionPartEnabled(false);
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
    TfmInputIncomeCode picker(m_parent, m_options.nonResident13Incomes, m_incomeCode, m_options.incomeRateFilter,
                              m_dict);
    if (m_host.Ui().RunModal(picker) != QDialog::Accepted || picker.ChosenCode() == m_incomeCode)
        return;
    emit AboutToChoose();
    TakeIncomeCode(picker.ChosenCode(), picker.ChosenName());
}

const IncomeEntry* IncomeDeductionPart::PickerIncome(const QString& code) const {
    for (const IncomeEntry* income :
         m_dict.FilterIncomes(m_options.incomeRateFilter.toStdString(), m_options.nonResident13Incomes))
        if (QString::fromStdString(income->code) == code)
            return income;
    return nullptr;
}

void IncomeDeductionPart::OnIncomeCodeTyped(const QString& text) {
    const IncomeEntry* income = PickerIncome(text);
    if (!income) {
        ShowIncomeName(QString());
        return;
    }
    if (text == m_incomeCode) {
        ShowIncomeName(m_incomeName);
        return;
    }
    emit AboutToChoose();
    TakeIncomeCode(text, QString::fromStdString(income->name));
}

void IncomeDeductionPart::TakeIncomeCode(const QString& code, const QString& name) {
    const ScopedFlag updating(m_updating);
    m_deduction = nullptr;
    m_deductCode.clear();
    m_incomeCode = code;
    m_incomeName = name;
    ShowText(meIncomeCode, code);
    ShowIncomeName(name);
    if (lbIncomeSum)
        lbIncomeSum->setEnabled(true);
    meIncomeSum->setEnabled(true);
    ShowText(meDeductCode, QString());
    meDeductSum->clear();
    EnableDeductionPart();
    emit IncomeCodeTaken();
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
    if (m_options.amountWithPart)
        meDeductSum->setEnabled(enabled);
    lbDeductSum->setVisible(true);
    meDeductSum->setVisible(true);
    // Until a deduction is chosen there is no amount to type.
    meDeductSum->setReadOnly(true);
}

void IncomeDeductionPart::ChooseDeductCode() {
    if (!m_deductionPartEnabled)
        return;
    TfmInputDeductCode picker(m_parent, m_options.allDeductions, m_deductCode, m_incomeCode, m_dict);
    if (m_host.Ui().RunModal(picker) != QDialog::Accepted || !picker.Chosen() || picker.ChosenCode() == m_deductCode)
        return;
    emit AboutToChoose();
    TakeDeduction(picker.Chosen());
}

void IncomeDeductionPart::TakeDeduction(const DeductionEntry* entry) {
    const ScopedFlag updating(m_updating);
    m_deduction = entry;
    m_deductCode = QString::fromStdString(entry->code);
    ShowText(meDeductCode, m_deductCode);
    ShowDeductionAttributes();
    std::optional<Money> amount;
    if ((m_options.follow == Follow::ByEntry || m_options.follow == Follow::Roubles) && entry->Visible())
        amount = DeductionAmount(*entry, DeductionIncome());
    else if (m_options.follow == Follow::Income && entry->Equivalent())
        amount = FollowingIncome();
    if (amount)
        ShowAmount(*amount, false);
    else
        meDeductSum->clear();
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

IncomeDeduction IncomeDeductionPart::Value() const {
    return {IncomeCode(), IncomeValue(), DeductionCode(), meDeductSum->isHidden() ? Money() : DeductionValue()};
}

Money IncomeDeductionPart::IncomeValue() const {
    return MoneyFieldValue(meIncomeSum->text());
}

Money IncomeDeductionPart::DeductionValue() const {
    return MoneyFieldValue(meDeductSum->text());
}

void IncomeDeductionPart::IncomeChanged() {
    if (m_updating || !m_deductionPartEnabled)
        return;
    const ScopedFlag updating(m_updating);
    if (m_options.follow == Follow::Income) {
        ShowAmount(FollowingIncome(), false);
        return;
    }
    if (!m_deduction)
        return;
    if (m_options.follow == Follow::Roubles) {
        // A typed amount stays as typed, only held under the cap.
        const std::optional<Money> computed = DeductionAmount(*m_deduction, DeductionIncome());
        const Money typed = DeductionValue();
        if (computed)
            ShowAmount(*computed, false);
        else if (CapDeduction(*m_deduction, typed) != typed)
            ShowAmount(CapDeduction(*m_deduction, typed), false);
        return;
    }
    const Money typed = DeductionValue();
    const Money amount = m_options.follow == Follow::Typed
                             ? CapDeduction(*m_deduction, typed)
                             : CapDeduction(*m_deduction, DeductionAmount(*m_deduction, IncomeSum()).value_or(typed));
    ShowAmount(amount, true);
}

void IncomeDeductionPart::OnDeductSumChanged() {
    if (!m_options.capWhileTyping || m_updating || !m_deduction || !DeductionSumEditable() ||
        m_deduction->MaxSum().IsZero())
        return;
    const Money cap = m_deduction->MaxSum();
    if (DeductionValue() >= cap && meDeductSum->text() != MoneyToScreen(cap)) {
        const ScopedFlag updating(m_updating);
        meDeductSum->setText(MoneyToScreen(cap));
    }
}

}  // namespace zizaza
