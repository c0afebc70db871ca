// The layout of the foreign incomes screen: the list of sources with its totals and buttons, and the
// entry groups of the selected source.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <tuple>

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

QLabel* Display(QWidget* parent, const char* name, int width) {
    auto* label = Named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(width);
    return label;
}

}  // namespace

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

}  // namespace zizaza
