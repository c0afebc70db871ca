#include "screens/TfmInput35SourseIncome.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <initializer_list>

#include "app/UserInterface.h"
#include "checks/IdentifierChecks.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"
#include "model/mTThirtyFivePercent.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

// Material benefit on loans for new housing: not taxed, so it needs no amount.
constexpr int kUntaxedBenefit = 2620;

QHBoxLayout* CodeRow(QWidget* field, QWidget* chooser, QWidget* name = nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(chooser);
    if (name)
        row->addWidget(name, 1);
    else
        row->addStretch();
    return row;
}

}  // namespace

TfmInput35SourseIncome::TfmInput35SourseIncome(ScreenHost& host)
    : TSourceEntryDialog(host, QStringLiteral("Доход"), 12, SourceRule::Payment, kSectionIncome35),
      m_dict(IncomeCodeDict::Embedded()) {
    setObjectName(QStringLiteral("fmInput35SourseIncome"));
    BuildLayout();
    // Until an income code is chosen only its chooser can be used.
    lbIncomeSum->setEnabled(false);
    meIncomeSum->setEnabled(false);
    SetDeductionPartEnabled(false);
    connect(bnIncomeCode, &QPushButton::clicked, this, &TfmInput35SourseIncome::ChooseIncomeCode);
    connect(bnDeductCode, &QPushButton::clicked, this, &TfmInput35SourseIncome::ChooseDeductCode);
    connect(meIncomeSum, &TMaskedEdit::Changed, this, &TfmInput35SourseIncome::OnIncomeSumChanged);
}

void TfmInput35SourseIncome::BuildLayout() {
    meIncomeCode = parts::ChosenField(this, "meIncomeCode");
    bnIncomeCode = parts::CodeChooser(this, "bnIncomeCode");
    lbIncomeName = Named(new QLabel(this), "lbIncomeName");
    lbIncomeName->setWordWrap(true);
    lbIncomeSum = Named(new QLabel(QStringLiteral("Сумма дохода"), this), "lbIncomeSum");
    meIncomeSum = parts::MoneyEdit(this, "meIncomeSum");
    lbDeductCode = Named(new QLabel(QStringLiteral("Код вычета"), this), "lbDeductCode");
    meDeductCode = parts::ChosenField(this, "meDeductCode");
    bnDeductCode = parts::CodeChooser(this, "bnDeductCode");
    lbDeductSum = Named(new QLabel(QStringLiteral("Сумма вычета"), this), "lbDeductSum");
    meDeductSum = parts::MoneyEdit(this, "meDeductSum");
    meHoldSum = parts::RoublesEdit(this, "meHoldSum");

    Form()->addRow(QStringLiteral("Код дохода"), CodeRow(meIncomeCode, bnIncomeCode, lbIncomeName));
    Form()->addRow(lbIncomeSum, meIncomeSum);
    Form()->addRow(lbDeductCode, CodeRow(meDeductCode, bnDeductCode));
    Form()->addRow(lbDeductSum, meDeductSum);
    Form()->addRow(QStringLiteral("Сумма удержанного налога"), meHoldSum);
}

void TfmInput35SourseIncome::Fill(const mTThirtyFivePercent& source) {
    FillSource(source);
    m_updating = true;
    meHoldSum->setText(IntegerToScreen(source.TaxWithheld.WholeRoubles()));
    meIncomeSum->setText(MoneyToScreen(source.TotalIncome));
    if (source.IncomeCode != 0) {
        const IncomeEntry* income = m_dict.FindIncome(std::to_string(source.IncomeCode));
        ShowIncomeCode(QString::number(source.IncomeCode), income ? QString::fromStdString(income->name) : QString());
        if (income && income->HasDeductions()) {
            SetDeductionPartEnabled(true);
            m_deduction = income->FindDeduction(std::to_string(source.DeductionCode));
            if (m_deduction || source.DeductionCode != 0) {
                m_deductCode = QString::number(source.DeductionCode);
                meDeductCode->setText(m_deductCode);
            }
            meDeductSum->setText(MoneyToScreen(source.DeductionAmount));
            if (m_deduction) {
                ApplyDeductionAttributes();
                if (m_deduction->Equivalent())
                    meDeductSum->setText(MoneyToScreen(FollowingDeduction()));
            }
        }
    }
    m_updating = false;
}

void TfmInput35SourseIncome::Apply(mTThirtyFivePercent& source) const {
    ApplySource(source);
    source.IncomeCode = m_incomeCode.toInt();
    source.DeductionCode = m_deductCode.toInt();
    source.TotalIncome = MoneyFieldValue(meIncomeSum->text());
    source.DeductionAmount = MoneyFieldValue(meDeductSum->text());
    source.TaxWithheld = Money::Roubles(IntegerFieldValue(meHoldSum->text()));
}

void TfmInput35SourseIncome::ShowIncomeCode(const QString& code, const QString& name) {
    m_incomeCode = code;
    meIncomeCode->setText(code);
    lbIncomeName->setText(name);
    const bool taxed = code.toInt() != kUntaxedBenefit;
    lbIncomeSum->setEnabled(taxed);
    meIncomeSum->setEnabled(taxed);
}

void TfmInput35SourseIncome::ChooseIncomeCode() {
    TfmInputIncomeCode picker(this, false, m_incomeCode, QStringLiteral("35"), m_dict);
    if (Host().Ui().RunModal(picker) != QDialog::Accepted || picker.ChosenCode() == m_incomeCode)
        return;
    m_updating = true;
    ShowIncomeCode(picker.ChosenCode(), picker.ChosenName());
    m_deduction = nullptr;
    m_deductCode.clear();
    meDeductCode->clear();
    meDeductSum->clear();
    SetDeductionPartEnabled(picker.ChosenHasDeductions());
    m_updating = false;
}

void TfmInput35SourseIncome::SetDeductionPartEnabled(bool enabled) {
    m_deductionPartEnabled = enabled;
    for (QWidget* w : std::initializer_list<QWidget*>{lbDeductCode, meDeductCode, bnDeductCode, lbDeductSum})
        w->setEnabled(enabled);
    lbDeductSum->setVisible(true);
    meDeductSum->setVisible(true);
    meDeductSum->setReadOnly(true);
}

void TfmInput35SourseIncome::ChooseDeductCode() {
    if (!m_deductionPartEnabled)
        return;
    TfmInputDeductCode picker(this, true, m_deductCode, m_incomeCode, m_dict);
    if (Host().Ui().RunModal(picker) != QDialog::Accepted || !picker.Chosen() || picker.ChosenCode() == m_deductCode)
        return;
    m_updating = true;
    m_deduction = picker.Chosen();
    m_deductCode = picker.ChosenCode();
    meDeductCode->setText(m_deductCode);
    ApplyDeductionAttributes();
    if (m_deduction->Equivalent())
        meDeductSum->setText(MoneyToScreen(FollowingDeduction()));
    else
        meDeductSum->clear();
    m_updating = false;
}

void TfmInput35SourseIncome::ApplyDeductionAttributes() {
    lbDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setReadOnly(!m_deduction->Enabled());
}

bool TfmInput35SourseIncome::DeductionSumEditable() const {
    return !meDeductSum->isHidden() && meDeductSum->isEnabled() && !meDeductSum->isReadOnly();
}

std::optional<Money> TfmInput35SourseIncome::IncomeSum() const {
    if (meIncomeSum->text().trimmed().isEmpty())
        return std::nullopt;
    return MoneyFromScreen(meIncomeSum->text());
}

Money TfmInput35SourseIncome::FollowingDeduction() const {
    if (!m_deduction)
        return Money();
    const Money amount = m_deduction->Equivalent() ? IncomeSum().value_or(Money()) : Money();
    return CapDeduction(*m_deduction, amount);
}

void TfmInput35SourseIncome::OnIncomeSumChanged() {
    if (m_updating || !m_deductionPartEnabled)
        return;
    m_updating = true;
    meDeductSum->setText(MoneyToScreen(FollowingDeduction()));
    m_updating = false;
}

int TfmInput35SourseIncome::CheckAmounts(ISourceCheckDialog& dialog) {
    const bool hasCode = !m_incomeCode.isEmpty();
    const bool taxed = m_incomeCode.toInt() != kUntaxedBenefit;
    const bool hasIncome = !meIncomeSum->text().trimmed().isEmpty();
    const Money income = MoneyFieldValue(meIncomeSum->text());
    if (!hasCode && Blocks(dialog, "Не выбран доход", false))
        return kItemIncomeCode;
    if (!hasIncome && taxed && Blocks(dialog, "Не указана сумма дохода", false))
        return kItemIncomeSum;
    if (m_deductionPartEnabled && m_deductCode.isEmpty() && Blocks(dialog, "Не выбран вычет", true))
        return kItemDeductCode;
    if (DeductionSumEditable() && !meDeductSum->text().trimmed().isEmpty()) {
        const bool exceeds = !hasIncome || MoneyFieldValue(meDeductSum->text()) > income;
        if (exceeds && Blocks(dialog, "Сумма вычета превышает сумму дохода", false))
            return hasIncome ? kItemDeductSum : kItemIncomeSum;
    }
    const Money withheld = Money::Roubles(IntegerFieldValue(meHoldSum->text()));
    if (!withheld.IsZero() && taxed && (!hasIncome || withheld > income) &&
        Blocks(dialog, "Удержанная сумма превышает сумму дохода", true))
        return hasIncome ? kItemWithheld : kItemIncomeSum;
    return 0;
}

void TfmInput35SourseIncome::FocusAmount(int item) {
    switch (item) {
        case kItemIncomeCode:
            bnIncomeCode->setFocus();
            ChooseIncomeCode();
            break;
        case kItemIncomeSum:
            meIncomeSum->setFocus();
            break;
        case kItemDeductCode:
            bnDeductCode->setFocus();
            ChooseDeductCode();
            break;
        case kItemDeductSum:
            meDeductSum->setFocus();
            break;
        case kItemWithheld:
            meHoldSum->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
