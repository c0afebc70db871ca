// The layout of the foreign incomes screen: the list of sources with its totals and buttons above,
// the entry groups of the selected source below, a splitter between them.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>

#include "dictionaries/ui/TfmGrazhd.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ForeignIncomeModel.h"
#include "screens/ScreenWidgets.h"
#include "screens/TfrCurrency.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedDocEdit.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

// Where the splitter stands, in the user's settings of the program.
const QString kSplitterKey = QStringLiteral("ForeignIncomes/Splitter");

QLabel* Display(QWidget* parent, const char* name, int width) {
    auto* label = Named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(width);
    return label;
}

// A line that tells why the entries beside it cannot be used yet. It keeps the room of its lines
// while it has nothing to say, so that the entries and the list above stay in place.
QLabel* Hint(QWidget* parent, const char* name, int lines) {
    auto* label = Named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setMinimumHeight(lines * label->fontMetrics().lineSpacing());
    return label;
}

// The width of a rouble total of thousands of incomes.
int TotalWidth(const QWidget* widget) {
    return widget->fontMetrics().horizontalAdvance(QStringLiteral("999999999999,99")) + 16;
}

}  // namespace

QSplitter* TfrCurrency::BuildSplitter() {
    spCurrency = Named(new QSplitter(Qt::Vertical, this), "spCurrency");
    auto* list = ScreenGroup(spCurrency, "gbSources", QStringLiteral("Источники выплат"));
    BuildList(list);
    // In a low window the entries scroll rather than press the list below its few rows.
    auto* entries = Named(new QScrollArea(spCurrency), "sbEntries");
    entries->setFrameShape(QFrame::NoFrame);
    entries->setWidgetResizable(true);
    entries->setWidget(BuildEntries());
    spCurrency->addWidget(list);
    spCurrency->addWidget(entries);
    // The list takes the height the entries leave; neither part can be pressed to nothing.
    spCurrency->setStretchFactor(0, 1);
    spCurrency->setStretchFactor(1, 0);
    spCurrency->setChildrenCollapsible(false);
    // The settings of the program's user (the organisation and the application are set at start).
    // At first the entries get the height they need, as far as the list keeps its few rows.
    if (!spCurrency->restoreState(QSettings().value(kSplitterKey).toByteArray()))
        spCurrency->setSizes({list->minimumSizeHint().height(), entries->widget()->sizeHint().height()});
    connect(spCurrency, &QSplitter::splitterMoved, this,
            [this] { QSettings().setValue(kSplitterKey, spCurrency->saveState()); });
    return spCurrency;
}

void TfrCurrency::BuildList(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    lvSourseIncomeInfo = Named(new QTableView(box), "lvSourseIncomeInfo");
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список источников выплат"));
    m_model = new ForeignIncomeModel([this]() -> const mTDeclaration& { return Doc(); }, this);
    if (const TfmGrazhd* countries = Host().CountriesPicker())
        m_model->SetCountries(countries->Rows());
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
    // Rows as high as their text: a long list shows as many as the height allows.
    lvSourseIncomeInfo->verticalHeader()->setDefaultSectionSize(lvSourseIncomeInfo->fontMetrics().height() + 6);
    // Document order until the user sorts by a column; a third click on it restores the order.
    lvSourseIncomeInfo->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    lvSourseIncomeInfo->horizontalHeader()->setSortIndicatorClearable(true);
    lvSourseIncomeInfo->setSortingEnabled(true);
    SizeColumns();
    lvSourseIncomeInfo->installEventFilter(this);
    layout->addWidget(lvSourseIncomeInfo, 1);
    // A few rows and the header stay however low the window.
    lvSourseIncomeInfo->setMinimumHeight(8 * lvSourseIncomeInfo->verticalHeader()->defaultSectionSize() +
                                         lvSourseIncomeInfo->horizontalHeader()->sizeHint().height() +
                                         lvSourseIncomeInfo->horizontalScrollBar()->sizeHint().height());

    // The totals on a line of their own, each label whole before its figure.
    auto* totals = new QHBoxLayout;
    lbTotalIncome = parts::TotalDisplay(box, "lbTotalIncome");
    lbTotalTax = parts::TotalDisplay(box, "lbTotalTax");
    for (QLabel* total : {lbTotalIncome, lbTotalTax})
        total->setFixedWidth(std::max(total->width(), TotalWidth(box)));
    totals->addWidget(new QLabel(QStringLiteral("Итого в рублях: доход"), box));
    totals->addWidget(lbTotalIncome);
    totals->addSpacing(12);
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

void TfrCurrency::SizeColumns() {
    // Each column as wide as its title or its usual value; the last one takes what is left, and a
    // list wider than the screen scrolls.
    const QFontMetrics metrics = lvSourseIncomeInfo->fontMetrics();
    const QString samples[ForeignIncomeModel::ColumnCount] = {
        QStringLiteral("00.00.0000"),  QStringLiteral("000 ШВЕЙЦАРИЯ"), QStringLiteral("Microsoft Corporation"),
        QStringLiteral("0000"),        QStringLiteral("000"),           QStringLiteral("99999999,99"),
        QStringLiteral("99999999,99"), QStringLiteral("9999999999,99"), QStringLiteral("9999999999,99")};
    for (int c = 0; c < ForeignIncomeModel::ColumnCount; ++c) {
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        // Room for the sort arrow beside the title.
        const int width = std::max(metrics.horizontalAdvance(title) + 24, metrics.horizontalAdvance(samples[c]) + 12);
        lvSourseIncomeInfo->setColumnWidth(c, width);
    }
    lvSourseIncomeInfo->horizontalHeader()->setStretchLastSection(true);
}

QWidget* TfrCurrency::BuildEntries() {
    auto* panel = Named(new QWidget(this), "pnlEntries");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    // Shown only while no source is selected: nothing in the list then needs to stay in place.
    lbNoSource = Named(new QLabel(QStringLiteral("Сведения о доходе вводятся для источника выплат: выберите "
                                                 "его в списке или добавьте кнопкой «Добавить»."),
                                  panel),
                       "lbNoSource");
    lbNoSource->setWordWrap(true);
    column->addWidget(lbNoSource);

    QGroupBox* income = BuildIncome();
    QGroupBox* exchange = BuildExchange();
    QGroupBox* received = BuildAmounts("gbIncomeSum", QStringLiteral("Полученный доход"), meIncomeCurrencySum,
                                       pnlIncomeRublSum, "meIncomeCurrencySum", "pnlIncomeRublSum");
    lbNeedIncomeCode = Hint(received, "lbNeedIncomeCode", 1);
    received->layout()->addWidget(lbNeedIncomeCode);
    QGroupBox* tax = BuildAmounts("gbTaxSum", QStringLiteral("Налог, уплаченный в иностранном государстве"),
                                  meTaxCurrencySum, pnlTaxRoubleSum, "meTaxCurrencySum", "pnlTaxRoubleSum");
    QGroupBox* deduction = BuildDeduction();
    QGroupBox* cfc = BuildCfc();
    // The income, its currency and its deduction on the left; the amounts and the company on the right.
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (QWidget* group : {income, exchange, deduction})
        left->addWidget(group);
    for (QWidget* group : {received, tax, cfc})
        right->addWidget(group);
    left->addStretch();
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    column->addLayout(columns, 1);
    // The entries belong to the selected source: without one there is nowhere to keep them.
    m_dependents = {income, exchange, received, tax, deduction, cfc};
    return panel;
}

QGroupBox* TfrCurrency::BuildIncome() {
    QGroupBox* box = ScreenGroup(this, "gbIncome", QStringLiteral("Сведения о полученном доходе"));
    auto* grid = new QGridLayout(box);
    // The code may be typed as well as chosen: a code of the picker's list is taken at once.
    pnlIncomeCod = parts::ChosenField(box, "pnlIncomeCod");
    pnlIncomeCod->SetupDigits(4);
    pnlIncomeCod->setReadOnly(false);
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
    grid->addWidget(dtIncomeGetDate, 1, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Дата уплаты налога"), box), 2, 0);
    grid->addWidget(dtSubtractDate, 2, 1, 1, 3, Qt::AlignLeft);
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
        edit->setFixedWidth(70);
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
    lbNoRate = Hint(box, "lbNoRate", 2);
    grid->addWidget(lbNoRate, row, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildAmounts(const char* name, const QString& caption, TMaskedEdit*& currency, QLabel*& roubles,
                                     const char* currencyName, const char* roublesName) {
    QGroupBox* box = ScreenGroup(this, name, caption);
    auto* column = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    currency = parts::MoneyEdit(box, currencyName);
    roubles = Display(box, roublesName, 140);
    grid->addWidget(new QLabel(QStringLiteral("В иностранной валюте"), box), 0, 0);
    grid->addWidget(currency, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("В рублях по курсу ЦБ"), box), 1, 0);
    grid->addWidget(roubles, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);
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
    grid->addWidget(lbSubtractSum, 1, 0);
    grid->addWidget(meSubtractSum, 1, 1, Qt::AlignLeft);
    lbNoDeduction = Hint(box, "lbNoDeduction", 1);
    grid->addWidget(lbNoDeduction, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* TfrCurrency::BuildCfc() {
    QGroupBox* box = ScreenGroup(this, "gbKIK", QStringLiteral("Информация о контролируемой иностранной компании"));
    auto* grid = new QGridLayout(box);
    meKIKNum = Named(new TMaskedDocEdit(box), "meKIKNum");
    meKIKNum->SetEditType(TDocumentMaskEnum::edtBB5);
    meKIKNum->setFixedWidth(100);
    grid->addWidget(new QLabel(QStringLiteral("Номер КИК"), box), 0, 0);
    grid->addWidget(meKIKNum, 0, 1, Qt::AlignLeft);
    gbKIKProfit = ScreenGroup(box, "gbKIKProfit", QStringLiteral("Порядок определения прибыли КИК"));
    auto* radios = new QVBoxLayout(gbKIKProfit);
    rb1 = Named(new QRadioButton(QStringLiteral("По данным фин.отчетности КИК"), gbKIKProfit), "rb1");
    rb2 = Named(new QRadioButton(QStringLiteral("По правилам для российских организаций"), gbKIKProfit), "rb2");
    radios->addWidget(rb1);
    radios->addWidget(rb2);
    grid->addWidget(gbKIKProfit, 1, 0, 1, 3);
    lbNoCfc = Hint(box, "lbNoCfc", 2);
    grid->addWidget(lbNoCfc, 2, 0, 1, 3);
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

}  // namespace zizaza
