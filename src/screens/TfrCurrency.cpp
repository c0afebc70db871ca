#include "screens/TfrCurrency.h"

#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "model/mTDeclaration.h"
#include "screens/ForeignIncomeModel.h"
#include "screens/IncomeDeductionPart.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TfmInputCurrencySourseIncome.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

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
    m_dependents = {income, exchange, received, tax, deduction, cfc};
    BuildIncomePart();
    ConnectRules();
    Bind();
    ClearEntries();
    ReloadList(-1);
    WatchControls();
}

void TfrCurrency::BuildList(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    lvSourseIncomeInfo = Named(new QTableView(box), "lvSourseIncomeInfo");
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список источников выплат"));
    m_model = new ForeignIncomeModel([this]() -> const mTDeclaration& { return Doc(); }, this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(ForeignIncomeModel::kSortRole);
    m_sorted->setSortLocaleAware(true);
    lvSourseIncomeInfo->setModel(m_sorted);
    lvSourseIncomeInfo->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvSourseIncomeInfo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvSourseIncomeInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvSourseIncomeInfo->setWordWrap(false);
    lvSourseIncomeInfo->verticalHeader()->hide();
    lvSourseIncomeInfo->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Document order until the user sorts by a column; a third click on it restores the order.
    lvSourseIncomeInfo->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    lvSourseIncomeInfo->horizontalHeader()->setSortIndicatorClearable(true);
    lvSourseIncomeInfo->horizontalHeader()->setStretchLastSection(true);
    lvSourseIncomeInfo->setSortingEnabled(true);
    lvSourseIncomeInfo->setColumnWidth(ForeignIncomeModel::Source, 160);
    lvSourseIncomeInfo->installEventFilter(this);
    layout->addWidget(lvSourseIncomeInfo, 1);

    auto* totals = new QHBoxLayout;
    lbTotalIncome = Display(box, "lbTotalIncome", 120);
    lbTotalTax = Display(box, "lbTotalTax", 120);
    totals->addWidget(new QLabel(QStringLiteral("Итого в рублях: доход"), box));
    totals->addWidget(lbTotalIncome);
    totals->addWidget(new QLabel(QStringLiteral("налог, уплаченный за рубежом"), box));
    totals->addWidget(lbTotalTax);
    totals->addStretch();
    layout->addLayout(totals);

    auto* row = new QHBoxLayout;
    QPushButton* add =
        parts::ListButton(box, "fbAddSourse", QStringLiteral("Добавить"), QStringLiteral("Добавить источник выплат"));
    fbDeleteSourse =
        parts::ListButton(box, "fbDeleteSourse", QStringLiteral("Удалить"), QStringLiteral("Удалить источник выплат"));
    fbEditSourse = parts::ListButton(box, "fbEditSourse", QStringLiteral("Изменить"),
                                     QStringLiteral("Редактировать источник выплат"));
    fbCopySourse = parts::ListButton(box, "fbCopySourse", QStringLiteral("Копировать"),
                                     QStringLiteral("Копировать источник выплат"));
    fbImportReport = parts::ListButton(box, "fbImportReport", QStringLiteral("Загрузить из отчета брокера..."),
                                       QStringLiteral("Добавить выплаты из отчета брокера или шаблона программы"));
    for (QPushButton* b : {add, fbDeleteSourse, fbEditSourse, fbCopySourse, fbImportReport})
        row->addWidget(b);
    row->addStretch();
    layout->addLayout(row);

    connect(add, &QPushButton::clicked, this, &TfrCurrency::AddSource);
    connect(fbEditSourse, &QPushButton::clicked, this, &TfrCurrency::EditSource);
    connect(fbDeleteSourse, &QPushButton::clicked, this, &TfrCurrency::RemoveSelectedSources);
    connect(fbCopySourse, &QPushButton::clicked, this, &TfrCurrency::CopySource);
    connect(fbImportReport, &QPushButton::clicked, this, &TfrCurrency::ImportReport);
    connect(lvSourseIncomeInfo, &QTableView::doubleClicked, this, &TfrCurrency::EditSource);
    QItemSelectionModel* selection = lvSourseIncomeInfo->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &TfrCurrency::ListSelectionChanged);
    connect(selection, &QItemSelectionModel::currentChanged, this, &TfrCurrency::ListSelectionChanged);
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
    dtIncomeGetDate->SetMinDate(Date::Ymd(kTaxYear, 1, 1));
    dtIncomeGetDate->SetMaxDate(Date::Ymd(kTaxYear, 12, 31));
    dtSubtractDate = Named(new TDtpPanel(box), "dtSubtractDate");
    dtSubtractDate->SetMinDate(Date::Ymd(kTaxYear - 1, 1, 1));
    dtSubtractDate->SetMaxDate(Date::Ymd(kTaxYear + 1, 12, 31));
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

int TfrCurrency::CurrentRecord() const {
    const QModelIndex current = lvSourseIncomeInfo->currentIndex();
    if (!current.isValid() || !lvSourseIncomeInfo->selectionModel()->isRowSelected(current.row()))
        return -1;
    return m_sorted->mapToSource(current).row();
}

QList<int> TfrCurrency::SelectedRecords() const {
    QList<int> records;
    for (const QModelIndex& row : lvSourseIncomeInfo->selectionModel()->selectedRows())
        records.push_back(m_sorted->mapToSource(row).row());
    std::sort(records.begin(), records.end());
    return records;
}

void TfrCurrency::SelectRecord(int record) {
    {
        const QSignalBlocker quiet(lvSourseIncomeInfo->selectionModel());
        const QModelIndex row = record >= 0 ? m_sorted->mapFromSource(m_model->index(record, 0)) : QModelIndex();
        if (row.isValid()) {
            lvSourseIncomeInfo->selectionModel()->setCurrentIndex(
                row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            lvSourseIncomeInfo->scrollTo(row);
        } else {
            lvSourseIncomeInfo->selectionModel()->clear();
        }
    }
    lvSourseIncomeInfo->viewport()->update();
    ListSelectionChanged();
}

void TfrCurrency::ListSelectionChanged() {
    if (m_listing)
        return;
    m_listing = true;
    {
        // Filling the entries is no change by the user.
        const LoadingGuard loading(Host());
        SourceSelected(CurrentRecord());
    }
    m_listing = false;
    UpdateListEnabling();
}

void TfrCurrency::UpdateListEnabling() {
    const bool current = CurrentRecord() >= 0;
    fbEditSourse->setEnabled(current);
    fbCopySourse->setEnabled(current);
    fbDeleteSourse->setEnabled(lvSourseIncomeInfo->selectionModel()->hasSelection());
    for (QWidget* w : m_dependents)
        w->setEnabled(current);
}

void TfrCurrency::ReloadList(int select) {
    {
        const LoadingGuard loading(Host());
        m_listing = true;
        m_model->Reload();
        m_listing = false;
    }
    SelectRecord(select);
    ShowTotals();
}

void TfrCurrency::ShowSaved(int record) {
    m_model->RecordChanged(record);
    ShowTotals();
}

void TfrCurrency::ShowTotals() {
    const ForeignIncomeTotals totals = SumForeignIncomes(Doc());
    lbTotalIncome->setText(MoneyToScreen(totals.income));
    lbTotalTax->setText(MoneyToScreen(totals.foreignTax));
}

bool TfrCurrency::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvSourseIncomeInfo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditSource();
            return true;
        }
        if (key == Qt::Key_Delete) {
            RemoveSelectedSources();
            return true;
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

QString TfrCurrency::SourceStepName(const char* action, int record) const {
    const QString name = QString::fromStdString(Doc().CurrencyIncome(static_cast<size_t>(record)).SourceName).trimmed();
    return QString::fromUtf8(action) + QStringLiteral(" источника «%1»").arg(name);
}

void TfrCurrency::SourceStep(const char* action, int record) {
    Host().StepDone({SourceStepName(action, record), lvSourseIncomeInfo, record, false});
}

void TfrCurrency::AddSource() {
    if (!Doc().HasIncome(kIncomeForeign))
        return;
    TfmInputCurrencySourseIncome dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return;
    SaveToDocument();
    mTCurrencyIncome& r = Doc().CurrencyIncome(Doc().AddCurrencyIncome());
    dialog.Apply(r);
    // Typed on the screen, a new income takes the Central Bank rate unless the user unticks it.
    r.AutomaticRate = true;
    const int record = static_cast<int>(Doc().CurrencyIncomeCount()) - 1;
    ReloadList(record);
    NotifyChanged();
    SourceStep("добавление", record);
}

void TfrCurrency::EditSource() {
    const int record = CurrentRecord();
    if (record < 0)
        return;
    mTCurrencyIncome& r = Doc().CurrencyIncome(static_cast<size_t>(record));
    TfmInputCurrencySourseIncome dialog(Host());
    dialog.Fill(r);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return;
    dialog.Apply(r);
    m_model->RecordChanged(record);
    NotifyChanged();
    SourceStep("изменение", record);
}

void TfrCurrency::RemoveSelectedSources() {
    const QList<int> records = SelectedRecords();
    if (records.isEmpty())
        return;
    const QString step = records.size() == 1 ? SourceStepName("удаление", records.front())
                                             : QStringLiteral("удаление источников выплат (%1)").arg(records.size());
    // What was typed for a deleted source goes with it, not into the one selected next.
    m_selected = -1;
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        Doc().SetCurrencyIncome(static_cast<size_t>(*it), nullptr);
    const int left = static_cast<int>(Doc().CurrencyIncomeCount());
    ReloadList(left == 0 ? -1 : std::min(std::max(0, records.front() - 1), left - 1));
    lvSourseIncomeInfo->setFocus();
    NotifyChanged();
    Host().StepDone({step, lvSourseIncomeInfo, records.front(), true});
}

void TfrCurrency::CopySource() {
    if (m_selected < 0)
        return;
    SaveToDocument();
    // The whole income: a payment that repeats differs from the last in its date and amounts at most.
    const mTCurrencyIncome copy = Record();
    Doc().CurrencyIncome(Doc().AddCurrencyIncome()) = copy;
    const int record = static_cast<int>(Doc().CurrencyIncomeCount()) - 1;
    ReloadList(record);
    NotifyChanged();
    SourceStep("копирование", record);
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
    m_fields.Fields([this](const R& r) { LoadCfc(r); }, [this](R& r) { SaveCfc(r); });
    m_fields.Fields([this](const R& r) { LoadIncome(r); }, [this](R& r) { SaveIncome(r); });
}

void TfrCurrency::SaveRecord(mTCurrencyIncome& r) const {
    m_fields.Save(r);
}

void TfrCurrency::LoadRecord(const mTCurrencyIncome& r) {
    m_filling = true;
    m_fields.Load(r);
    m_filling = false;
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

void TfrCurrency::LoadCfc(const mTCurrencyIncome& r) {
    ApplyCfcRules(r.IncomeCode);
    // By the code, not by the controls: the entries are still disabled while a row is taken.
    if (IsCfcIncomeCode(r.IncomeCode))
        meKIKNum->SetStoredText(QString::fromStdString(r.CfcNumber));
    if (r.IncomeCode == kIncomeCodeCfcProfit) {
        rb1->setChecked(r.CfcProfitRule == CfcProfitRule::ByStatements);
        rb2->setChecked(r.CfcProfitRule == CfcProfitRule::ByRussianRules);
    }
}

void TfrCurrency::SaveCfc(mTCurrencyIncome& r) const {
    r.CfcNumber = meKIKNum->text().toStdString();
    r.CfcProfitRule = rb1->isChecked()   ? CfcProfitRule::ByStatements
                      : rb2->isChecked() ? CfcProfitRule::ByRussianRules
                                         : CfcProfitRule::NotChosen;
}

void TfrCurrency::LoadIncome(const mTCurrencyIncome& r) {
    m_rateCode = r.RateCode;
    const bool hasIncome = r.IncomeCode != 0;
    m_part->ShowIncome(r.IncomeCode, QString::fromStdString(r.IncomeName));
    meIncomeCurrencySum->setText(hasIncome ? MoneyOrEmpty(r.IncomeInCurrency) : QString());
    const IncomeEntry* income = hasIncome ? m_dict.FindIncome(std::to_string(r.IncomeCode)) : nullptr;
    if (income)
        m_rateCode = PickedIncomeRate("", *income);
    pnlIncomeRublSum->setText(MoneyToScreen(RoublesOf(meIncomeCurrencySum, RateDate::Income)));
    pnlTaxRoubleSum->setText(MoneyToScreen(RoublesOf(meTaxCurrencySum, RateDate::Tax)));
    m_part->FillDeduction(r.DeductionCode, r.DeductionAmount);
}

void TfrCurrency::SaveIncome(mTCurrencyIncome& r) const {
    r.IncomeCode = m_part->IncomeCode();
    r.RateCode = m_rateCode;
    r.IncomeName = m_part->IncomeName().toStdString();
    // The amounts in roubles at the rates saved with them.
    r.SetIncomeInCurrency(MoneyFieldValue(meIncomeCurrencySum->text()));
    r.SetTaxInCurrency(r.TaxInCurrency);
    r.DeductionCode = m_part->DeductionCode();
    // A hidden amount field means a deduction without an amount.
    r.DeductionAmount = meSubtractSum->isHidden() ? Money() : MoneyFieldValue(meSubtractSum->text());
    r.DeductionPercent = m_part->Deduction() ? m_part->Deduction()->Percent() : 0;
}

void TfrCurrency::ClearEntries() {
    m_filling = true;
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
    dtIncomeGetDate->SetDate(Date::Ymd(kTaxYear, 1, 1));
    dtSubtractDate->SetDate(Date::Ymd(kTaxYear, 1, 1));
    chbAutoExchange->setChecked(false);
    ApplyCfcRules(0);
    m_filling = false;
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
