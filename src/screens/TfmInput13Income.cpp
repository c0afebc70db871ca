#include "screens/TfmInput13Income.h"

#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "calc/SheetMath.h"
#include "checks/EntryRules.h"
#include "checks/IdentifierChecks.h"
#include "checks/ui/SourceCheckDialog.h"
#include "dictionaries/IncomeCodeDict.h"
#include "screens/IncomeDeductionPart.h"
#include "screens/ScopedFlag.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// The income part's options for the dialog's mode.
IncomeDeductionPart::Options PartOptions(TfmInput13Income::Mode mode) {
    using Mode = TfmInput13Income::Mode;
    IncomeDeductionPart::Options options;
    options.incomeRateFilter = mode == Mode::NonResident ? QStringLiteral("100") : QStringLiteral("13");
    options.nonResident13Incomes = mode == Mode::NonResident13;
    options.allDeductions = mode != Mode::NonResident;
    options.follow =
        mode == Mode::NonResident13 ? IncomeDeductionPart::Follow::Typed : IncomeDeductionPart::Follow::ByEntry;
    options.capWhileTyping = true;
    if (mode == Mode::NonResident)
        options.mayDeduct = NonResidentMayDeduct;
    options.deductCodeCaption = QStringLiteral("Код вычета (расхода)");
    options.deductSumCaption = QStringLiteral("Сумма вычета (расхода)");
    return options;
}

}  // namespace

TfmInput13Income::TfmInput13Income(ScreenHost& host, bool nonResident)
    : TfmInput13Income(host, nonResident ? Mode::NonResident : Mode::Resident) {}

TfmInput13Income::TfmInput13Income(ScreenHost& host, Mode mode)
    : TEntryDialog(host, QStringLiteral("Сведения о доходе")), m_mode(mode) {
    setObjectName(QStringLiteral("fmInput13Income"));
    BuildLayout();
    SetMonthEnabled(false);
    ShowPropertyPanel(false);
    ApplyPropertyTick();

    connect(m_part, &IncomeDeductionPart::IncomeCodeTaken, this, &TfmInput13Income::OnIncomeCodeTaken);
    connect(meMonth, &TMaskedEdit::Changed, this, &TfmInput13Income::OnMonthChanged);
    connect(cbAfter2016, &QCheckBox::clicked, this, &TfmInput13Income::OnPropertyTick);
    connect(meCadValue, &TMaskedEdit::Changed, this, &TfmInput13Income::OnPropertyValuesChanged);
    connect(mePrice, &TMaskedEdit::Changed, this, &TfmInput13Income::OnPropertyValuesChanged);
    m_part->bnIncomeCode->setFocus();
}

void TfmInput13Income::BuildLayout() {
    gbIncome = Named(new QGroupBox(QStringLiteral("Сведения о полученном доходе"), this), "gbIncome");
    auto* grid = new QGridLayout(gbIncome);
    m_part = new IncomeDeductionPart(gbIncome, Host(), PartOptions(m_mode));
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_part->meIncomeCode);
    codeRow->addWidget(m_part->bnIncomeCode);
    codeRow->addWidget(m_part->lbIncomeName, 1);

    pnlProperty = Named(new QWidget(gbIncome), "pnlProperty");
    auto* property = new QGridLayout(pnlProperty);
    property->setContentsMargins(0, 0, 0, 0);
    cbAfter2016 =
        Named(new QCheckBox(QStringLiteral("Имущество было приобретено после 01.01.%1").arg(kCadastralRulesFrom),
                            pnlProperty),
              "cbAfter2016");
    lbCadNumber = Named(new QLabel(QStringLiteral("Кадастровый номер"), pnlProperty), "lbCadNumber");
    meCadNumber = Named(new TMaskedEdit(pnlProperty), "meCadNumber");
    meCadNumber->SetupText(50);
    lbCadValue = Named(new QLabel(QStringLiteral("Кадастровая стоимость"), pnlProperty), "lbCadValue");
    meCadValue = parts::MoneyEdit(pnlProperty, "meCadValue");
    lbPrice = Named(new QLabel(QStringLiteral("Цена объекта по договору продажи"), pnlProperty), "lbPrice");
    mePrice = parts::MoneyEdit(pnlProperty, "mePrice");
    const Qt::Alignment left = Qt::AlignLeft;
    parts::AddRows(property, pnlProperty,
                   {{.field = cbAfter2016},
                    {.label = lbCadNumber, .field = meCadNumber},
                    {.label = lbCadValue, .field = meCadValue, .align = left},
                    {.label = lbPrice, .field = mePrice, .align = left}});

    auto* deductRow = new QHBoxLayout;
    deductRow->addWidget(m_part->meDeductCode);
    deductRow->addWidget(m_part->bnDeductCode);
    deductRow->addStretch();
    lbMonth = Named(new QLabel(QStringLiteral("Месяц получения дохода"), gbIncome), "lbMonth");
    meMonth = Named(new TMaskedEdit(gbIncome), "meMonth");
    meMonth->SetupDigits(2);
    meMonth->setFixedWidth(40);
    parts::AddRows(grid, gbIncome,
                   {{.caption = QStringLiteral("Код дохода"), .layout = codeRow},
                    {.label = m_part->lbIncomeSum, .field = m_part->meIncomeSum, .align = left},
                    {.field = pnlProperty},
                    {.label = m_part->lbDeductCode, .layout = deductRow},
                    {.label = m_part->lbDeductSum, .field = m_part->meDeductSum, .align = left},
                    {.label = lbMonth, .field = meMonth, .align = left}});
    Content()->addWidget(gbIncome);
    // Tab goes down the rows: the property panel before the deduction.
    const std::initializer_list<QWidget*> tabOrder = {
        m_part->meIncomeSum,  cbAfter2016,          meCadNumber,         meCadValue, mePrice,
        m_part->meDeductCode, m_part->bnDeductCode, m_part->meDeductSum, meMonth};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));

    Bind();
}

void TfmInput13Income::Bind() {
    using R = mTSourseIncome;
    // The non-resident 13% lines keep the code only, not its name.
    BindIncomeDeduction(m_line, m_part, &R::IncomeCode, &R::IncomeAmount, &R::DeductionCode, &R::DeductionAmount,
                        m_mode == Mode::NonResident13 ? nullptr : &R::IncomeName);
    // The non-resident screen's incomes have no month.
    if (m_mode != Mode::NonResident)
        m_line.IntegerOrEmpty(meMonth, &R::Month);
    m_property.Check(cbAfter2016, &mTSourseIncome::AcquiredAfter2016);
    m_property.Text(meCadNumber, &mTSourseIncome::CadastralNumber);
    m_property.Money(meCadValue, &mTSourseIncome::CadastralValue);
    m_property.Money(mePrice, &mTSourseIncome::ContractPrice);
}

bool TfmInput13Income::HasIncomeCode() const {
    return m_part->HasIncomeCode();
}

void TfmInput13Income::Fill(const mTSourseIncome& line) {
    if (line.IncomeCode == 0)
        return;  // everything stays empty and disabled but the code chooser
    const ScopedFlag updating(m_updating);
    if (m_mode != Mode::NonResident)
        SetMonthEnabled(true);
    m_line.Load(line);
    if (HasPropertyPanel(line.IncomeCode)) {
        ShowPropertyPanel(true);
        m_property.Load(line);
        ApplyPropertyTick();
    }
}

mTSourseIncome TfmInput13Income::Line() const {
    mTSourseIncome line;
    m_line.Save(line);
    const DeductionEntry* deduction = m_part->Deduction();
    line.DeductionPercent = deduction && m_mode != Mode::NonResident13 ? deduction->Percent() : 0;
    line.Month = std::clamp<uint16_t>(line.Month, 1, 12);
    if (HasPropertyPanel(line.IncomeCode))
        m_property.Save(line);
    return line;
}

void TfmInput13Income::ChooseIncomeCode() {
    m_part->ChooseIncomeCode();
}

void TfmInput13Income::OnIncomeCodeTaken() {
    {
        const ScopedFlag updating(m_updating);
        // The amount typed stays: the user may have corrected the code only.
        m_part->meIncomeSum->setReadOnly(false);
        if (m_mode != Mode::NonResident)
            SetMonthEnabled(true);
        ShowPropertyPanel(HasPropertyPanel(m_part->IncomeCode()));
        ApplyPropertyTick();
    }
    // A tick kept from an earlier sale code makes the income the computed one at once.
    if (!pnlProperty->isHidden() && cbAfter2016->isChecked())
        OnPropertyValuesChanged();
}

void TfmInput13Income::ChooseDeductCode() {
    m_part->ChooseDeductCode();
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
    m_part->meIncomeSum->setReadOnly(ticked);
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
    const ScopedFlag updating(m_updating);
    mePrice->setText(QStringLiteral("0"));
    meCadValue->setText(QStringLiteral("0"));
    meCadNumber->clear();
}

void TfmInput13Income::OnPropertyValuesChanged() {
    if (m_updating || pnlProperty->isHidden() || !cbAfter2016->isChecked())
        return;
    const Money price = MoneyFieldValue(mePrice->text());
    const Money share = PercentInKopecks(MoneyFieldValue(meCadValue->text()), kCadastralSharePercent);
    m_part->meIncomeSum->setText(MoneyToScreen(Max(price, share)));
}

QString TfmInput13Income::AreaTitle() const {
    return m_mode == Mode::NonResident13 ? QStringLiteral("Доходы нерезедентов, облагаемые по ставке 13%")
                                         : QString::fromUtf8(kSectionIncome13.data(), kSectionIncome13.size());
}

int TfmInput13Income::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    const IncomeLineKind kind = m_mode == Mode::Resident      ? IncomeLineKind::Resident
                                : m_mode == Mode::NonResident ? IncomeLineKind::NonResident
                                                              : IncomeLineKind::NonResident13;
    return ShowEntryProblems(dialog, AreaTitle().toStdString(),
                             IncomeLineProblems(Line(), kind, m_part->HasDeductionCode()));
}

void TfmInput13Income::FocusEntry(int item) {
    switch (item) {
        case kItemIncomeCode:
            m_part->bnIncomeCode->setFocus();
            ChooseIncomeCode();
            break;
        case kItemIncomeSum:
            m_part->meIncomeSum->setFocus();
            break;
        case kItemDeductCode:
            m_part->bnDeductCode->setFocus();
            ChooseDeductCode();
            break;
        case kItemDeductSum:
            m_part->meDeductSum->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
