#include "screens/TfmInput13Income.h"

#include "model/IncomeCodes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "app/UserInterface.h"
#include "calc/SheetMath.h"
#include "checks/IdentifierChecks.h"
#include "checks/ui/SourceCheckDialog.h"
#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/ui/TfmInputDeductCode.h"
#include "dictionaries/ui/TfmInputIncomeCode.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

bool OneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool IsSecuritiesExpense(int code) {
    return OneOf(code, {201, 202, 203, 206, 207, 211, 213, 215, 218, 219, 220, 225,
                        226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 620});
}

// The incomes of a non-resident against which a deduction may be set.
bool NonResidentMayDeduct(int code) {
    return IsSecuritiesIncomeCode(code) || OneOf(code, {2760, 2761, 2762, 2720, 2730, 2770, 2790, 2740});
}

// Share of the cadastral value below which a sale price is not taken (in percent).
constexpr int kCadastralShare = 70;

}  // namespace

TfmInput13Income::TfmInput13Income(ScreenHost& host, bool nonResident)
    : TfmInput13Income(host, nonResident ? Mode::NonResident : Mode::Resident) {}

TfmInput13Income::TfmInput13Income(ScreenHost& host, Mode mode)
    : TEntryDialog(host, QStringLiteral("Сведения о доходе")), m_dict(IncomeCodeDict::Embedded()), m_mode(mode) {
    setObjectName(QStringLiteral("fmInput13Income"));
    BuildLayout();
    // Until an income code is chosen only its chooser can be used.
    meIncomeSum->setEnabled(false);
    lbIncomeSum->setEnabled(false);
    SetDeductionPartEnabled(false);
    SetMonthEnabled(false);
    ShowPropertyPanel(false);
    ApplyPropertyTick();

    connect(bnIncomeCode, &QPushButton::clicked, this, &TfmInput13Income::ChooseIncomeCode);
    connect(bnDeductCode, &QPushButton::clicked, this, &TfmInput13Income::ChooseDeductCode);
    connect(meIncomeSum, &TMaskedEdit::Changed, this, &TfmInput13Income::OnIncomeSumChanged);
    connect(meDeductSum, &TMaskedEdit::Changed, this, &TfmInput13Income::OnDeductSumChanged);
    connect(meMonth, &TMaskedEdit::Changed, this, &TfmInput13Income::OnMonthChanged);
    connect(cbAfter2016, &QCheckBox::clicked, this, &TfmInput13Income::OnPropertyTick);
    connect(meCadValue, &TMaskedEdit::Changed, this, &TfmInput13Income::OnPropertyValuesChanged);
    connect(mePrice, &TMaskedEdit::Changed, this, &TfmInput13Income::OnPropertyValuesChanged);
    bnIncomeCode->setFocus();
}

void TfmInput13Income::BuildLayout() {
    gbIncome = Named(new QGroupBox(QStringLiteral("Сведения о полученном доходе"), this), "gbIncome");
    auto* grid = new QGridLayout(gbIncome);
    meIncomeCode = parts::ChosenField(gbIncome, "meIncomeCode");
    bnIncomeCode = parts::CodeChooser(gbIncome, "bnIncomeCode");
    lbIncomeName = Named(new QLabel(gbIncome), "lbIncomeName");
    lbIncomeName->setWordWrap(true);
    lbIncomeName->setMinimumWidth(320);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(meIncomeCode);
    codeRow->addWidget(bnIncomeCode);
    codeRow->addWidget(lbIncomeName, 1);
    grid->addWidget(new QLabel(QStringLiteral("Код дохода"), gbIncome), 0, 0);
    grid->addLayout(codeRow, 0, 1);
    lbIncomeSum = Named(new QLabel(QStringLiteral("Сумма дохода"), gbIncome), "lbIncomeSum");
    meIncomeSum = parts::MoneyEdit(gbIncome, "meIncomeSum");
    grid->addWidget(lbIncomeSum, 1, 0);
    grid->addWidget(meIncomeSum, 1, 1, Qt::AlignLeft);

    pnlProperty = Named(new QWidget(gbIncome), "pnlProperty");
    auto* property = new QGridLayout(pnlProperty);
    property->setContentsMargins(0, 0, 0, 0);
    cbAfter2016 =
        Named(new QCheckBox(QStringLiteral("Имущество было приобретено после 01.01.2016"), pnlProperty), "cbAfter2016");
    lbCadNumber = Named(new QLabel(QStringLiteral("Кадастровый номер"), pnlProperty), "lbCadNumber");
    meCadNumber = Named(new TMaskedEdit(pnlProperty), "meCadNumber");
    meCadNumber->SetupText(50);
    lbCadValue = Named(new QLabel(QStringLiteral("Кадастровая стоимость"), pnlProperty), "lbCadValue");
    meCadValue = parts::MoneyEdit(pnlProperty, "meCadValue");
    lbPrice = Named(new QLabel(QStringLiteral("Цена объекта по договору продажи"), pnlProperty), "lbPrice");
    mePrice = parts::MoneyEdit(pnlProperty, "mePrice");
    property->addWidget(cbAfter2016, 0, 0, 1, 2);
    property->addWidget(lbCadNumber, 1, 0);
    property->addWidget(meCadNumber, 1, 1);
    property->addWidget(lbCadValue, 2, 0);
    property->addWidget(meCadValue, 2, 1, Qt::AlignLeft);
    property->addWidget(lbPrice, 3, 0);
    property->addWidget(mePrice, 3, 1, Qt::AlignLeft);
    grid->addWidget(pnlProperty, 2, 0, 1, 2);

    lbDeductCode = Named(new QLabel(QStringLiteral("Код вычета (расхода)"), gbIncome), "lbDeductCode");
    meDeductCode = parts::ChosenField(gbIncome, "meDeductCode");
    bnDeductCode = parts::CodeChooser(gbIncome, "bnDeductCode");
    auto* deductRow = new QHBoxLayout;
    deductRow->addWidget(meDeductCode);
    deductRow->addWidget(bnDeductCode);
    deductRow->addStretch();
    grid->addWidget(lbDeductCode, 3, 0);
    grid->addLayout(deductRow, 3, 1);
    lbDeductSum = Named(new QLabel(QStringLiteral("Сумма вычета (расхода)"), gbIncome), "lbDeductSum");
    meDeductSum = parts::MoneyEdit(gbIncome, "meDeductSum");
    grid->addWidget(lbDeductSum, 4, 0);
    grid->addWidget(meDeductSum, 4, 1, Qt::AlignLeft);
    lbMonth = Named(new QLabel(QStringLiteral("Месяц получения дохода"), gbIncome), "lbMonth");
    meMonth = Named(new TMaskedEdit(gbIncome), "meMonth");
    meMonth->SetupDigits(2);
    meMonth->setFixedWidth(40);
    grid->addWidget(lbMonth, 5, 0);
    grid->addWidget(meMonth, 5, 1, Qt::AlignLeft);
    Content()->addWidget(gbIncome);
}

void TfmInput13Income::Fill(const mTSourseIncome& line) {
    if (line.IncomeCode == 0)
        return;  // everything stays empty and disabled but the code chooser
    m_updating = true;
    m_incomeCode = QString::number(line.IncomeCode);
    m_incomeName = QString::fromStdString(line.IncomeName);
    meIncomeCode->setText(m_incomeCode);
    lbIncomeName->setText(m_incomeName);
    lbIncomeSum->setEnabled(true);
    meIncomeSum->setEnabled(true);
    meIncomeSum->setText(MoneyToScreen(line.IncomeAmount));
    EnableDeductionPart();

    if (m_mode == Mode::NonResident13)
        FillTypedDeduction(line);
    else
        FillDeduction(line);
    if (m_mode != Mode::NonResident) {
        SetMonthEnabled(true);
        meMonth->setText(line.Month == 0 ? QString() : IntegerToScreen(line.Month));
    }
    if (HasPropertyPanel(line.IncomeCode)) {
        ShowPropertyPanel(true);
        cbAfter2016->setChecked(line.AcquiredAfter2016);
        meCadNumber->setText(QString::fromStdString(line.CadastralNumber));
        meCadValue->setText(MoneyToScreen(line.CadastralValue));
        mePrice->setText(MoneyToScreen(line.ContractPrice));
        ApplyPropertyTick();
    }
    m_updating = false;
}

const DeductionEntry* TfmInput13Income::StoredDeduction(const mTSourseIncome& line) const {
    const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString());
    return income ? income->FindDeduction(std::to_string(line.DeductionCode)) : nullptr;
}

void TfmInput13Income::FillDeduction(const mTSourseIncome& line) {
    m_deduction = StoredDeduction(line);
    if (m_deduction || line.DeductionCode != 0) {
        m_deductCode = QString::number(line.DeductionCode);
        meDeductCode->setText(m_deductCode);
    }
    if (m_deduction)
        ShowDeductionAttributes();
    // A computed deduction is shown as the income gives it now; one the user may type (also one
    // that follows the income and was lowered) keeps its stored amount.
    const DeductionAmountMode mode = m_deduction ? AmountMode(*m_deduction) : DeductionAmountMode::Typed;
    if (mode == DeductionAmountMode::Hidden)
        meDeductSum->clear();
    else if (mode == DeductionAmountMode::Computed)
        meDeductSum->setText(MoneyToScreen(DeductionAmount(*m_deduction, IncomeSum()).value_or(Money())));
    else
        meDeductSum->setText(line.DeductionAmount.IsZero() ? QString() : MoneyToScreen(line.DeductionAmount));
}

void TfmInput13Income::FillTypedDeduction(const mTSourseIncome& line) {
    m_deduction = StoredDeduction(line);
    if (!m_deduction) {
        // A deduction the dictionary does not offer for this income is dropped.
        SetDeductionPartEnabled(false);
        meDeductCode->clear();
        meDeductSum->clear();
        return;
    }
    m_deductCode = QString::number(line.DeductionCode);
    meDeductCode->setText(m_deductCode);
    ShowDeductionAttributes();
    if (m_deduction->Equivalent())
        meDeductSum->setText(MoneyToScreen(CapDeduction(*m_deduction, IncomeSum().value_or(Money()))));
    else
        meDeductSum->setText(line.DeductionAmount.IsZero() ? QString() : MoneyToScreen(line.DeductionAmount));
}

mTSourseIncome TfmInput13Income::Line() const {
    mTSourseIncome line;
    line.IncomeCode = m_incomeCode.toInt();
    // The non-resident 13% lines keep the code only.
    if (m_mode != Mode::NonResident13)
        line.IncomeName = m_incomeName.toStdString();
    line.IncomeAmount = MoneyFieldValue(meIncomeSum->text());
    line.DeductionCode = m_deductCode.toInt();
    line.DeductionAmount = MoneyFieldValue(meDeductSum->text());
    line.DeductionPercent = m_deduction && m_mode != Mode::NonResident13 ? m_deduction->Percent() : 0;
    const int64_t month = m_mode == Mode::NonResident ? 0 : IntegerFieldValue(meMonth->text());
    line.Month = static_cast<uint16_t>(std::clamp<int64_t>(month, 1, 12));
    if (HasPropertyPanel(line.IncomeCode)) {
        line.AcquiredAfter2016 = cbAfter2016->isChecked();
        line.CadastralNumber = meCadNumber->text().toStdString();
        line.CadastralValue = MoneyFieldValue(meCadValue->text());
        line.ContractPrice = MoneyFieldValue(mePrice->text());
    }
    return line;
}

void TfmInput13Income::ChooseIncomeCode() {
    const bool nonResident13 = m_mode == Mode::NonResident13;
    TfmInputIncomeCode picker(this, nonResident13, m_incomeCode,
                              m_mode == Mode::NonResident ? QStringLiteral("100") : QStringLiteral("13"), m_dict);
    if (Host().Ui().RunModal(picker) != QDialog::Accepted || picker.ChosenCode() == m_incomeCode)
        return;
    TakeIncomeCode(picker.ChosenCode(), picker.ChosenName());
}

void TfmInput13Income::TakeIncomeCode(const QString& code, const QString& name) {
    m_updating = true;
    m_deduction = nullptr;
    m_deductCode.clear();
    m_incomeCode = code;
    m_incomeName = name;
    meIncomeCode->setText(code);
    lbIncomeName->setText(name);
    lbIncomeSum->setEnabled(true);
    meIncomeSum->setEnabled(true);
    meIncomeSum->setReadOnly(false);
    meIncomeSum->clear();
    meDeductCode->clear();
    meDeductSum->clear();
    EnableDeductionPart();
    if (m_mode != Mode::NonResident)
        SetMonthEnabled(true);
    ShowPropertyPanel(HasPropertyPanel(code.toInt()));
    ApplyPropertyTick();
    m_updating = false;
    // A tick kept from an earlier sale code makes the income the computed one at once.
    if (!pnlProperty->isHidden() && cbAfter2016->isChecked())
        OnPropertyValuesChanged();
}

void TfmInput13Income::EnableDeductionPart() {
    const IncomeEntry* income = m_dict.FindIncome(m_incomeCode.toStdString());
    bool enabled = income && income->HasDeductions();
    if (m_mode == Mode::NonResident && !NonResidentMayDeduct(m_incomeCode.toInt()))
        enabled = false;
    SetDeductionPartEnabled(enabled);
}

void TfmInput13Income::SetDeductionPartEnabled(bool enabled) {
    m_deductionPartEnabled = enabled;
    for (QWidget* w : std::initializer_list<QWidget*>{lbDeductCode, meDeductCode, bnDeductCode, lbDeductSum})
        w->setEnabled(enabled);
    lbDeductSum->setVisible(true);
    meDeductSum->setVisible(true);
    meDeductSum->setReadOnly(true);
}

void TfmInput13Income::ChooseDeductCode() {
    if (!m_deductionPartEnabled)
        return;
    TfmInputDeductCode picker(this, m_mode != Mode::NonResident, m_deductCode, m_incomeCode, m_dict);
    if (Host().Ui().RunModal(picker) != QDialog::Accepted || !picker.Chosen() || picker.ChosenCode() == m_deductCode)
        return;
    TakeDeduction(picker.Chosen());
}

void TfmInput13Income::TakeDeduction(const DeductionEntry* entry) {
    m_updating = true;
    m_deduction = entry;
    m_deductCode = QString::fromStdString(entry->code);
    meDeductCode->setText(m_deductCode);
    ShowDeductionAttributes();
    const std::optional<Money> amount =
        m_mode == Mode::NonResident13 ? std::nullopt : DeductionAmount(*entry, IncomeSum());
    if (entry->Visible() && amount)
        meDeductSum->setText(MoneyToScreen(*amount));
    else
        meDeductSum->clear();
    m_updating = false;
}

void TfmInput13Income::ShowDeductionAttributes() {
    lbDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setVisible(m_deduction->Visible());
    meDeductSum->setReadOnly(!m_deduction->Enabled());
}

void TfmInput13Income::SetMonthEnabled(bool enabled) {
    lbMonth->setEnabled(enabled);
    meMonth->setEnabled(enabled);
    if (m_mode == Mode::NonResident)
        meMonth->clear();
}

void TfmInput13Income::ShowPropertyPanel(bool shown) {
    if (pnlProperty->isHidden() != shown)
        return;
    pnlProperty->setVisible(shown);
    adjustSize();
}

void TfmInput13Income::ApplyPropertyTick() {
    const bool ticked = !pnlProperty->isHidden() && cbAfter2016->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{lbCadNumber, meCadNumber, lbCadValue, meCadValue, lbPrice, mePrice})
        w->setEnabled(ticked);
    meIncomeSum->setReadOnly(ticked);
}

bool TfmInput13Income::DeductionSumEditable() const {
    return !meDeductSum->isHidden() && meDeductSum->isEnabled() && !meDeductSum->isReadOnly();
}

std::optional<Money> TfmInput13Income::IncomeSum() const {
    if (meIncomeSum->text().trimmed().isEmpty())
        return std::nullopt;
    return MoneyFromScreen(meIncomeSum->text());
}

void TfmInput13Income::OnIncomeSumChanged() {
    if (m_updating || !m_deductionPartEnabled || !m_deduction)
        return;
    m_updating = true;
    const Money typed = MoneyFieldValue(meDeductSum->text());
    const Money amount = m_mode == Mode::NonResident13
                             ? CapDeduction(*m_deduction, typed)
                             : CapDeduction(*m_deduction, DeductionAmount(*m_deduction, IncomeSum()).value_or(typed));
    meDeductSum->setText(amount.IsZero() ? QString() : MoneyToScreen(amount));
    m_updating = false;
}

void TfmInput13Income::OnDeductSumChanged() {
    if (m_updating || !m_deduction || !DeductionSumEditable() || m_deduction->MaxSum().IsZero())
        return;
    const Money cap = m_deduction->MaxSum();
    if (MoneyFieldValue(meDeductSum->text()) >= cap && meDeductSum->text() != MoneyToScreen(cap)) {
        m_updating = true;
        meDeductSum->setText(MoneyToScreen(cap));
        m_updating = false;
    }
}

void TfmInput13Income::OnMonthChanged() {
    if (m_updating || meMonth->text().isEmpty())
        return;
    const int64_t month = IntegerFieldValue(meMonth->text());
    if (month >= 13)
        meMonth->setText(QStringLiteral("12"));
    else if (month == 0)
        meMonth->setText(QStringLiteral("1"));
}

void TfmInput13Income::OnPropertyTick() {
    ApplyPropertyTick();
    if (cbAfter2016->isChecked()) {
        OnPropertyValuesChanged();
        return;
    }
    m_updating = true;
    mePrice->setText(QStringLiteral("0"));
    meCadValue->setText(QStringLiteral("0"));
    meCadNumber->clear();
    m_updating = false;
}

void TfmInput13Income::OnPropertyValuesChanged() {
    if (m_updating || pnlProperty->isHidden() || !cbAfter2016->isChecked())
        return;
    const Money price = MoneyFieldValue(mePrice->text());
    const Money share = PercentInKopecks(MoneyFieldValue(meCadValue->text()), kCadastralShare);
    meIncomeSum->setText(MoneyToScreen(Max(price, share)));
}

QString TfmInput13Income::AreaTitle() const {
    return m_mode == Mode::NonResident13 ? QStringLiteral("Доходы нерезедентов, облагаемые по ставке 13%")
                                         : QString::fromUtf8(kSectionIncome13.data(), kSectionIncome13.size());
}

int TfmInput13Income::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    const std::string title = AreaTitle().toStdString();
    auto fix = [&dialog, &title](const char* message, bool skip) {
        return dialog.ShowProblem(title, message, skip) == kCheckFix;
    };
    // The resident dialogs refuse a deduction above the income whatever the answer; the
    // non-resident 13% one only when the user chooses to fix it.
    const bool exceedsBlocks = m_mode != Mode::NonResident13;
    const bool hasCode = HasIncomeCode();
    const bool hasIncome = !meIncomeSum->text().trimmed().isEmpty();
    if (!hasCode && fix("Не выбран доход", true))
        return kItemIncomeCode;
    if (!hasIncome && fix("Не указана сумма дохода", false))
        return hasCode ? kItemIncomeSum : kItemIncomeCode;
    if (m_deductionPartEnabled && m_deductCode.isEmpty() && fix("Не выбран вычет", true))
        return kItemDeductCode;
    if (DeductionSumEditable() && !meDeductSum->text().trimmed().isEmpty()) {
        const char* exceeds = "Сумма вычета превышает сумму дохода";
        // A deduction above the income cannot be taken, whatever the answer.
        if (!hasIncome) {
            if (fix(exceeds, false) || exceedsBlocks)
                return kItemIncomeSum;
            return 0;
        }
        const bool securities =
            IsSecuritiesIncomeCode(m_incomeCode.toInt()) && IsSecuritiesExpense(m_deductCode.toInt());
        if (!securities && MoneyFieldValue(meDeductSum->text()) > MoneyFieldValue(meIncomeSum->text()) &&
            (fix(exceeds, false) || exceedsBlocks))
            return m_deductCode.isEmpty() ? kItemDeductCode : kItemDeductSum;
    }
    return 0;
}

void TfmInput13Income::FocusEntry(int item) {
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
        default:
            break;
    }
}

}  // namespace zizaza
