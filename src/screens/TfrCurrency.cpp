#include "screens/TfrCurrency.h"

#include "model/IncomeCodes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>

#include "app/UserInterface.h"
#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmInputCurrencySourseIncome.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

constexpr int kCfcProfitIncome = 1000;

QLabel* Display(QWidget* parent, const char* name, int width) {
    auto* label = Named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(width);
    return label;
}

QString MoneyOrEmpty(Money value) {
    return value.IsZero() ? QString() : MoneyToScreen(value);
}

QString IntegerOrEmpty(int64_t value) {
    return value == 0 ? QString() : IntegerToScreen(value);
}

}  // namespace

TfrCurrency::TfrCurrency(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot), m_dict(IncomeCodeDict::Embedded()) {
    const LoadingGuard loading(owner);
    setObjectName(QStringLiteral("frCurrency"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    auto* list = ScreenGroup(this, "gbSources", QStringLiteral("Источники выплат"));
    BuildList(list);
    grid->addWidget(list, 0, 0, 3, 1);

    QGroupBox* income = BuildIncome();
    QGroupBox* exchange = BuildExchange();
    QGroupBox* received = BuildAmounts("gbIncomeSum", QStringLiteral("Полученный доход"), meIncomeCurrencySum,
                                       pnlIncomeRublSum, "meIncomeCurrencySum", "pnlIncomeRublSum");
    QGroupBox* tax = BuildAmounts("gbTaxSum", QStringLiteral("Налог, уплаченный в иностранном государстве"),
                                  meTaxCurrencySum, pnlTaxRoubleSum, "meTaxCurrencySum", "pnlTaxRoubleSum");
    QGroupBox* deduction = BuildDeduction();
    QGroupBox* cfc = BuildCfc();
    grid->addWidget(income, 0, 1, 1, 2);
    grid->addWidget(exchange, 1, 1, 1, 2);
    grid->addWidget(received, 2, 1);
    grid->addWidget(tax, 2, 2);
    grid->addWidget(deduction, 3, 1, 1, 2);
    grid->addWidget(cfc, 4, 1, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(5, 1);

    // Shown for the declaration only; nothing depends on it.
    meAppB = Named(new TMaskedEdit(this), "meAppB");
    meAppB->SetupDigits(10);
    meAppB->setText(IntegerToScreen(Doc().ForeignAppendixValue));
    meAppB->setVisible(false);

    // The entries belong to the selected source: without one there is nowhere to keep them.
    m_list->SetDependents({income, exchange, received, tax, deduction, cfc});
    ConnectRules();
    ClearEntries();
    m_list->Rebuild();
    WatchControls();
}

void TfrCurrency::BuildList(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    lvSourseIncomeInfo = Named(new QTreeWidget(box), "lvSourseIncomeInfo");
    TListScreenHelper::SetupView(lvSourseIncomeInfo, {QStringLiteral("Источники выплат")});
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список источников выплат"));
    layout->addWidget(lvSourseIncomeInfo, 1);
    auto* row = new QHBoxLayout;
    QPushButton* add =
        parts::ListButton(box, "fbAddSourse", QStringLiteral("Добавить"), QStringLiteral("Добавить источник выплат"));
    QPushButton* remove =
        parts::ListButton(box, "fbDeleteSourse", QStringLiteral("Удалить"), QStringLiteral("Удалить источник выплат"));
    QPushButton* edit = parts::ListButton(box, "fbEditSourse", QStringLiteral("Изменить"),
                                          QStringLiteral("Редактировать источник выплат"));
    fbCopySourse = parts::ListButton(box, "fbCopySourse", QStringLiteral("Копировать"),
                                     QStringLiteral("Копировать источник выплат"));
    for (QPushButton* b : {add, remove, edit, fbCopySourse})
        row->addWidget(b);
    row->addStretch();
    layout->addLayout(row);

    ListOperations ops;
    ops.count = [this] { return static_cast<int>(Doc().CurrencyIncomeCount()); };
    ops.rowTexts = [this](int i) {
        return QStringList{QString::fromStdString(Doc().CurrencyIncome(static_cast<size_t>(i)).SourceName)};
    };
    ops.add = [this] { return AddSource(); };
    ops.edit = [this](int i) { return EditSource(i); };
    ops.remove = [this](int i) { RemoveSource(i); };
    ops.repeat = [this](int) { CopySource(); };
    ops.selected = [this](int i) { SourceSelected(i); };
    m_list = new TListScreenHelper(Host(), lvSourseIncomeInfo, std::move(ops), this);
    m_list->ConnectButtons(add, edit, remove, fbCopySourse);
}

QGroupBox* TfrCurrency::BuildIncome() {
    QGroupBox* box = ScreenGroup(this, "gbIncome", QStringLiteral("Сведения о полученном доходе"));
    auto* grid = new QGridLayout(box);
    pnlIncomeCod = Display(box, "pnlIncomeCod", 60);
    bnIncomeCod = parts::CodeChooser(box, "bnIncomeCod");
    lbIncomeName = Named(new QLabel(box), "lbIncomeName");
    lbIncomeName->setWordWrap(true);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(pnlIncomeCod);
    codeRow->addWidget(bnIncomeCod);
    codeRow->addWidget(lbIncomeName, 1);
    grid->addWidget(new QLabel(QStringLiteral("Код дохода"), box), 0, 0);
    grid->addLayout(codeRow, 0, 1, 1, 3);

    dtIncomeGetDate = Named(new TDtpPanel(box), "dtIncomeGetDate");
    dtIncomeGetDate->SetMinDate(Date::Ymd(2017, 1, 1));
    dtIncomeGetDate->SetMaxDate(Date::Ymd(2017, 12, 31));
    dtSubtractDate = Named(new TDtpPanel(box), "dtSubtractDate");
    dtSubtractDate->SetMinDate(Date::Ymd(2016, 1, 1));
    dtSubtractDate->SetMaxDate(Date::Ymd(2018, 12, 31));
    grid->addWidget(new QLabel(QStringLiteral("Дата получения дохода"), box), 1, 0);
    grid->addWidget(dtIncomeGetDate, 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Дата уплаты налога"), box), 1, 2);
    grid->addWidget(dtSubtractDate, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildExchange() {
    QGroupBox* box = ScreenGroup(this, "gbExchange", QStringLiteral("На дату дохода и уплаты налога"));
    auto* grid = new QGridLayout(box);
    meCurrencyCode = parts::DigitsEdit(box, "meCurrencyCode", 3);
    meCurrencyCode->setFixedWidth(50);
    bnCurrencyCode = parts::CodeChooser(box, "bnCurrencyCode");
    bnCurrencyCode->setEnabled(Host().Rates() != nullptr);
    meCurrencyName = Named(new TMaskedEdit(box), "meCurrencyName");
    meCurrencyName->SetEditType(TEditTypeControlEnum::edtChar);
    meCurrencyName->SetWholeLength(30);
    auto* currencyRow = new QHBoxLayout;
    currencyRow->addWidget(meCurrencyCode);
    currencyRow->addWidget(bnCurrencyCode);
    currencyRow->addWidget(meCurrencyName, 1);
    grid->addWidget(new QLabel(QStringLiteral("Код и наименование валюты"), box), 0, 0);
    grid->addLayout(currencyRow, 0, 1, 1, 5);

    chbAutoExchange = Named(new QCheckBox(QStringLiteral("Автоматическое определение"), box), "chbAutoExchange");
    lbAutoExchange = Named(new QLabel(QStringLiteral("курса валюты"), box), "lbAutoExchange");
    auto* autoRow = new QHBoxLayout;
    autoRow->addWidget(chbAutoExchange);
    autoRow->addWidget(lbAutoExchange);
    autoRow->addStretch();
    grid->addLayout(autoRow, 1, 0, 1, 6);

    // Rates come from the dictionary with four decimals, as the Central Bank gives them.
    auto rateEdit = [box](const char* name) {
        auto* edit = Named(new TMaskedEdit(box), name);
        edit->SetEditType(TEditTypeControlEnum::edtCurrency);
        edit->SetWholeLength(5);
        edit->SetFractionalLength(4);
        edit->setFixedWidth(90);
        return edit;
    };
    auto unitsEdit = [box](const char* name) {
        TMaskedEdit* edit = parts::DigitsEdit(box, name, 7);
        edit->setFixedWidth(80);
        return edit;
    };
    meCurrencyExchange = rateEdit("meCurrencyExchange");
    meCurrencyUnits = unitsEdit("meCurrencyUnits");
    meCurrencyExchange2 = rateEdit("meCurrencyExchange2");
    meCurrencyUnits2 = unitsEdit("meCurrencyUnits2");
    const std::array<std::tuple<const char*, TMaskedEdit*, TMaskedEdit*>, 2> rows = {
        std::tuple{"Курс на дату дохода", meCurrencyExchange, meCurrencyUnits},
        std::tuple{"Курс на дату уплаты налога", meCurrencyExchange2, meCurrencyUnits2}};
    int row = 2;
    for (auto [caption, rate, units] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), box), row, 0);
        grid->addWidget(rate, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("руб."), box), row, 2);
        grid->addWidget(new QLabel(QStringLiteral("за"), box), row, 3);
        grid->addWidget(units, row, 4);
        grid->addWidget(new QLabel(QStringLiteral("у.е."), box), row, 5, Qt::AlignLeft);
        ++row;
    }
    grid->setColumnStretch(5, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildAmounts(const char* name, const QString& caption, TMaskedEdit*& currency, QLabel*& roubles,
                                     const char* currencyName, const char* roublesName) {
    QGroupBox* box = ScreenGroup(this, name, caption);
    auto* grid = new QGridLayout(box);
    currency = parts::MoneyEdit(box, currencyName);
    roubles = Display(box, roublesName, 140);
    grid->addWidget(new QLabel(QStringLiteral("В иностранной валюте"), box), 0, 0);
    grid->addWidget(currency, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("В рублях по курсу ЦБ"), box), 1, 0);
    grid->addWidget(roubles, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildDeduction() {
    QGroupBox* box = ScreenGroup(this, "gbDeduct", QStringLiteral("Вычеты"));
    auto* grid = new QGridLayout(box);
    lbSubtractCod = Named(new QLabel(QStringLiteral("Код вычета (расхода)"), box), "lbSubtractCod");
    pnlSubtractCod = Display(box, "pnlSubtractCod", 60);
    bnSubtractCod = parts::CodeChooser(box, "bnSubtractCod");
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(pnlSubtractCod);
    codeRow->addWidget(bnSubtractCod);
    codeRow->addStretch();
    lbSubtractSum = Named(new QLabel(QStringLiteral("Сумма вычета (расхода)"), box), "lbSubtractSum");
    meSubtractSum = parts::MoneyEdit(box, "meSubtractSum");
    grid->addWidget(lbSubtractCod, 0, 0);
    grid->addLayout(codeRow, 0, 1);
    grid->addWidget(lbSubtractSum, 0, 2);
    grid->addWidget(meSubtractSum, 0, 3, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildCfc() {
    QGroupBox* box = ScreenGroup(this, "gbKIK", QStringLiteral("Информация о контролируемой иностранной компании"));
    auto* grid = new QGridLayout(box);
    meKIKNum = Named(new TMaskedDocEdit(box), "meKIKNum");
    meKIKNum->SetEditType(TDocumentMaskEnum::edtBB5);
    meKIKNum->setFixedWidth(100);
    grid->addWidget(new QLabel(QStringLiteral("Номер КИК"), box), 0, 0);
    grid->addWidget(meKIKNum, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    gbKIKProfit = ScreenGroup(box, "gbKIKProfit", QStringLiteral("Порядок определения прибыли КИК"));
    auto* radios = new QVBoxLayout(gbKIKProfit);
    rb1 = Named(new QRadioButton(QStringLiteral("По данным фин.отчетности КИК"), gbKIKProfit), "rb1");
    rb2 = Named(new QRadioButton(QStringLiteral("По правилам для российских организаций"), gbKIKProfit), "rb2");
    radios->addWidget(rb1);
    radios->addWidget(rb2);
    grid->addWidget(gbKIKProfit, 0, 2);
    grid->setColumnStretch(2, 1);
    return box;
}

void TfrCurrency::ConnectRules() {
    connect(bnIncomeCod, &QPushButton::clicked, this, &TfrCurrency::ChooseIncomeCode);
    connect(bnSubtractCod, &QPushButton::clicked, this, &TfrCurrency::ChooseDeductCode);
    connect(bnCurrencyCode, &QPushButton::clicked, this, &TfrCurrency::ChooseCurrency);
    connect(meCurrencyCode, &TMaskedEdit::Changed, this, &TfrCurrency::CurrencyCodeChanged);
    connect(dtIncomeGetDate, &TDtpPanel::Changed, this, [this] { DateChanged(RateDate::Income); });
    connect(dtSubtractDate, &TDtpPanel::Changed, this, [this] { DateChanged(RateDate::Tax); });
    connect(chbAutoExchange, &QCheckBox::clicked, this, &TfrCurrency::AutoRateClicked);
    for (TMaskedEdit* edit : {meIncomeCurrencySum, meCurrencyUnits, meCurrencyExchange})
        connect(edit, &TMaskedEdit::Changed, this, &TfrCurrency::IncomeAmountChanged);
    for (TMaskedEdit* edit : {meTaxCurrencySum, meCurrencyUnits2, meCurrencyExchange2})
        connect(edit, &TMaskedEdit::Changed, this, &TfrCurrency::TaxAmountChanged);
}

mTCurrencyIncome& TfrCurrency::Record() const {
    return Doc().CurrencyIncome(static_cast<size_t>(m_selected));
}

bool TfrCurrency::AddSource() {
    if (!Doc().HasIncome(kIncomeForeign))
        return false;
    TfmInputCurrencySourseIncome dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    mTCurrencyIncome& r = Doc().CurrencyIncome(Doc().AddCurrencyIncome());
    r.SourceName = dialog.Name().toStdString();
    r.CountryCode = dialog.CountryCode().toStdString();
    return true;
}

bool TfrCurrency::EditSource(int record) {
    mTCurrencyIncome& r = Doc().CurrencyIncome(static_cast<size_t>(record));
    TfmInputCurrencySourseIncome dialog(Host());
    dialog.Fill(QString::fromStdString(r.SourceName), QString::fromStdString(r.CountryCode));
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    r.SourceName = dialog.Name().toStdString();
    r.CountryCode = dialog.CountryCode().toStdString();
    return true;
}

void TfrCurrency::RemoveSource(int record) {
    // What was typed for the deleted source goes with it, not into the one selected next.
    m_selected = -1;
    Doc().SetCurrencyIncome(static_cast<size_t>(record), nullptr);
}

void TfrCurrency::CopySource() {
    if (m_selected < 0)
        return;
    SaveRecord(Record());
    const mTCurrencyIncome& from = Record();
    mTCurrencyIncome copy;
    copy.SourceName = from.SourceName;
    copy.CountryCode = from.CountryCode;
    // The income code keeps its dictionary rate and name, which the calculation sorts it by.
    copy.IncomeCode = from.IncomeCode;
    copy.RateCode = from.RateCode;
    copy.IncomeName = from.IncomeName;
    copy.CurrencyCode = from.CurrencyCode;
    copy.CurrencyName = from.CurrencyName;
    copy.CfcProfitRule = from.CfcProfitRule;
    copy.CfcNumber = from.CfcNumber;
    Doc().CurrencyIncome(Doc().AddCurrencyIncome()) = copy;
}

void TfrCurrency::SourceSelected(int record) {
    // The same source again (after editing its name) keeps what is typed in its entries.
    if (record >= 0 && record == m_selected)
        return;
    if (m_selected >= 0)
        SaveRecord(Record());
    m_selected = record;
    if (record < 0)
        ClearEntries();
    else
        LoadRecord(Record());
}

void TfrCurrency::SaveToDocument() {
    if (m_selected >= 0)
        SaveRecord(Record());
}

void TfrCurrency::SaveRecord(mTCurrencyIncome& r) const {
    r.IncomeDate = dtIncomeGetDate->GetDate();
    r.TaxPaymentDate = dtSubtractDate->GetDate();
    r.CurrencyCode = meCurrencyCode->text().toStdString();
    r.CurrencyName = meCurrencyName->text().toStdString();
    r.AutomaticRate = chbAutoExchange->isChecked();
    r.CfcNumber = meKIKNum->text().toStdString();
    r.CfcProfitRule = rb1->isChecked() ? 1 : rb2->isChecked() ? 2 : 0;
    r.IncomeUnits = static_cast<int32_t>(IntegerFieldValue(meCurrencyUnits->text()));
    r.IncomeRate = MoneyFieldValue(meCurrencyExchange->text());
    r.TaxUnits = static_cast<int32_t>(IntegerFieldValue(meCurrencyUnits2->text()));
    r.TaxRate = MoneyFieldValue(meCurrencyExchange2->text());
    r.IncomeCode = m_incomeCode;
    r.RateCode = m_rateCode;
    r.IncomeName = m_incomeName.toStdString();
    r.SetIncomeInCurrency(MoneyFieldValue(meIncomeCurrencySum->text()));
    r.SetTaxInCurrency(MoneyFieldValue(meTaxCurrencySum->text()));
    r.DeductionCode = m_deductCode;
    // A hidden amount field means a deduction without an amount.
    r.DeductionAmount = meSubtractSum->isHidden() ? Money() : MoneyFieldValue(meSubtractSum->text());
    r.DeductionPercent = m_deduction ? m_deduction->Percent() : 0;
}

void TfrCurrency::LoadRecord(const mTCurrencyIncome& r) {
    m_filling = true;
    dtIncomeGetDate->SetDate(r.IncomeDate);
    dtSubtractDate->SetDate(r.TaxPaymentDate);
    meCurrencyCode->setText(QString::fromStdString(r.CurrencyCode));
    meCurrencyName->setText(QString::fromStdString(r.CurrencyName));
    ShowCurrencyName(true);
    meCurrencyUnits->setText(IntegerOrEmpty(r.IncomeUnits));
    meCurrencyExchange->setText(MoneyOrEmpty(r.IncomeRate));
    meCurrencyUnits2->setText(IntegerOrEmpty(r.TaxUnits));
    meCurrencyExchange2->setText(MoneyOrEmpty(r.TaxRate));
    chbAutoExchange->setChecked(r.AutomaticRate);
    UpdateAutoAvailability();
    for (RateDate which : {RateDate::Income, RateDate::Tax}) {
        const bool fromDictionary = chbAutoExchange->isChecked() && FindRate(which);
        RateEdit(which)->setReadOnly(fromDictionary);
        UnitsEdit(which)->setReadOnly(fromDictionary);
    }
    meTaxCurrencySum->setText(MoneyOrEmpty(r.TaxInCurrency));

    ApplyCfcRules(r.IncomeCode);
    // By the code, not by the controls: the entries are still disabled while a row is taken.
    if (r.IncomeCode == 1000 || r.IncomeCode == 1001 || r.IncomeCode == 1012)
        meKIKNum->SetStoredText(QString::fromStdString(r.CfcNumber));
    if (r.IncomeCode == kCfcProfitIncome) {
        rb1->setChecked(r.CfcProfitRule == 1);
        rb2->setChecked(r.CfcProfitRule == 2);
    }

    m_incomeCode = r.IncomeCode;
    m_rateCode = r.RateCode;
    m_incomeName = QString::fromStdString(r.IncomeName);
    const bool hasIncome = r.IncomeCode != 0;
    pnlIncomeCod->setText(hasIncome ? IntegerToScreen(r.IncomeCode) : QString());
    lbIncomeName->setText(m_incomeName);
    meIncomeCurrencySum->setEnabled(hasIncome);
    meIncomeCurrencySum->setText(hasIncome ? MoneyOrEmpty(r.IncomeInCurrency) : QString());
    const IncomeEntry* income = hasIncome ? m_dict.FindIncome(std::to_string(r.IncomeCode)) : nullptr;
    if (income)
        m_rateCode = PickedIncomeRate("", *income);
    m_hasDeductions = income && income->HasDeductions();
    pnlIncomeRublSum->setText(MoneyToScreen(RoublesOf(meIncomeCurrencySum, RateDate::Income)));
    pnlTaxRoubleSum->setText(MoneyToScreen(RoublesOf(meTaxCurrencySum, RateDate::Tax)));
    LoadDeduction(r);
    m_filling = false;
}

void TfrCurrency::LoadDeduction(const mTCurrencyIncome& r) {
    m_deduction = nullptr;
    m_deductCode = 0;
    pnlSubtractCod->clear();
    meSubtractSum->clear();
    SetDeductionPartEnabled(m_hasDeductions);
    if (!m_hasDeductions)
        return;
    const IncomeEntry* income = m_dict.FindIncome(std::to_string(r.IncomeCode));
    m_deductCode = r.DeductionCode;
    m_deduction = income->FindDeduction(std::to_string(r.DeductionCode));
    if (r.DeductionCode != 0 || m_deduction)
        pnlSubtractCod->setText(IntegerToScreen(r.DeductionCode));
    if (m_deduction)
        ShowDeductionAttributes();
    // A computed deduction is shown as the income gives it now; one the user may type keeps
    // its stored amount.
    const DeductionAmountMode mode = m_deduction ? AmountMode(*m_deduction) : DeductionAmountMode::Typed;
    if (mode == DeductionAmountMode::Computed)
        meSubtractSum->setText(MoneyToScreen(
            DeductionAmount(*m_deduction, RoublesOf(meIncomeCurrencySum, RateDate::Income)).value_or(Money())));
    else if (mode != DeductionAmountMode::Hidden)
        meSubtractSum->setText(MoneyOrEmpty(r.DeductionAmount));
}

void TfrCurrency::ClearEntries() {
    m_filling = true;
    m_incomeCode = 0;
    m_rateCode = 0;
    m_incomeName.clear();
    m_hasDeductions = false;
    m_deductCode = 0;
    m_deduction = nullptr;
    for (QLabel* label : {pnlIncomeCod, lbIncomeName, pnlIncomeRublSum, pnlTaxRoubleSum, pnlSubtractCod})
        label->clear();
    for (TMaskedEdit* edit : {meCurrencyCode, meCurrencyName, meCurrencyExchange, meCurrencyUnits, meCurrencyExchange2,
                              meCurrencyUnits2, meIncomeCurrencySum, meTaxCurrencySum, meSubtractSum}) {
        edit->clear();
        edit->setReadOnly(false);
    }
    dtIncomeGetDate->SetDate(Date::Ymd(2017, 1, 1));
    dtSubtractDate->SetDate(Date::Ymd(2017, 1, 1));
    chbAutoExchange->setChecked(false);
    meIncomeCurrencySum->setEnabled(false);
    ApplyCfcRules(0);
    SetDeductionPartEnabled(false);
    m_filling = false;
}

uint16_t TfrCurrency::CheckScreen() {
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckCurrencyScreen(Doc(), dialog);
}

void TfrCurrency::FocusItem(uint16_t item) {
    m_list->FocusRecord(item);
}

void TfrCurrency::FocusFirstList() {
    m_list->FocusFirst();
}

}  // namespace zizaza
