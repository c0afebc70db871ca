#include "screens/TfrThirteenPercent.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmInput13Income.h"
#include "screens/TfmInput13NRIncome.h"
#include "screens/TfmInput13SourseIncome.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

// The income code of work for agricultural producers; the dictionary no longer offers it.
constexpr int32_t kAgriculturalIncome = 2791;

using parts::ListButton;

TMaskedEdit* TotalEdit(QWidget* parent, const char* name, bool money) {
    return money ? parts::MoneyEdit(parent, name) : parts::RoublesEdit(parent, name);
}

}  // namespace

TfrThirteenPercent::TfrThirteenPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TfrThirteenPercent(owner, parent, slot, false) {}

TfrThirteenPercent::TfrThirteenPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot, bool nonResidentList)
    : TThinkingFrame(owner, parent, slot), m_nonResidentList(nonResidentList) {
    const LoadingGuard loading(owner);
    setObjectName(nonResidentList ? QStringLiteral("frThirteenPercentNR") : QStringLiteral("frThirteenPercent"));
    m_nonResident = !nonResidentList && Doc().DeclarationForm == kForm3NdflNonResident;
    BuildLayout();
    BindFields();

    gbA25->setVisible(!m_nonResident);
    m_documentFields.Load(Doc());
    ClearTotals();
    m_sources->Rebuild();
    UpdateAgriculturalGroup();
    WatchControls();
    connect(meFerm, &TMaskedEdit::Changed, this, &TfrThirteenPercent::OnMonthsWorkedChanged);
}

void TfrThirteenPercent::BuildLayout() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);

    lvSourseIncomeInfo = Named(new QTreeWidget(this), "lvSourseIncomeInfo");
    TListScreenHelper::SetupView(lvSourseIncomeInfo, {QStringLiteral("Источники выплат")});
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список источников выплат"));
    auto* addSource =
        ListButton(this, "fbAddSourseIncome", QStringLiteral("Добавить"), QStringLiteral("Добавить источник выплат"));
    auto* deleteSource =
        ListButton(this, "fbDeleteSourseIncome", QStringLiteral("Удалить"), QStringLiteral("Удалить источник выплат"));
    auto* editSource = ListButton(this, "fbEditSourseIncome", QStringLiteral("Изменить"),
                                  QStringLiteral("Редактировать источник выплат"));
    auto* sourceButtons = new QHBoxLayout;
    for (QPushButton* b : {addSource, deleteSource, editSource})
        sourceButtons->addWidget(b);
    sourceButtons->addStretch();

    lvIncome = Named(new QTreeWidget(this), "lvIncome");
    TListScreenHelper::SetupView(
        lvIncome, {QStringLiteral("Месяц дохода"), QStringLiteral("Код дохода"), QStringLiteral("Сумма дохода"),
                   QStringLiteral("Код вычета"), QStringLiteral("Сумма вычета")});
    lvIncome->setToolTip(QStringLiteral("Список доходов по выбранному источнику выплат (п. 3.1 справки о доходах)"));
    auto* addIncome = ListButton(this, "fbAddIncome", QStringLiteral("Добавить"), QStringLiteral("Добавить доход"));
    auto* removeIncome = ListButton(this, "fbRemoveIncome", QStringLiteral("Удалить"), QStringLiteral("Удалить доход"));
    auto* editIncome =
        ListButton(this, "fbEditIncome", QStringLiteral("Изменить"), QStringLiteral("Редактировать доход"));
    auto* copyIncome = ListButton(this, "fbCopy", QStringLiteral("Повторить"), QStringLiteral("Повторить доход"));
    auto* incomeButtons = new QHBoxLayout;
    for (QPushButton* b : {addIncome, removeIncome, editIncome, copyIncome})
        incomeButtons->addWidget(b);
    incomeButtons->addStretch();

    auto* totals = ScreenGroup(this, "gbItog", QStringLiteral("Итоговые суммы по источнику выплат"));
    BuildTotals(totals);
    gbA25 = ScreenGroup(this, "gbA25", QStringLiteral("Авансовые платежи иностранца"));
    gbA25->setToolTip(QStringLiteral("Указывается иностранцами, работающими у физ.лиц на основании патента"));
    meA25 = TotalEdit(gbA25, "meA25", false);
    auto* a25 = new QHBoxLayout(gbA25);
    a25->addWidget(new QLabel(QStringLiteral("Сумма фиксированных платежей"), gbA25));
    a25->addWidget(meA25);
    a25->addStretch();
    gbFerm = ScreenGroup(this, "gbFerm", QStringLiteral("Работа у сельскохозяйственных товаропроизводителей"));
    meFerm = Named(new TMaskedEdit(gbFerm), "meFerm");
    meFerm->SetupDigits(2);
    meFerm->setFixedWidth(40);
    auto* ferm = new QHBoxLayout(gbFerm);
    ferm->addWidget(new QLabel(QStringLiteral("Количество фактически отработанных полных месяцев"), gbFerm));
    ferm->addWidget(meFerm);
    ferm->addStretch();

    grid->addWidget(lvSourseIncomeInfo, 0, 0);
    grid->addLayout(sourceButtons, 1, 0);
    grid->addWidget(lvIncome, 0, 1);
    grid->addLayout(incomeButtons, 1, 1);
    grid->addWidget(totals, 2, 0, 1, 2);
    grid->addWidget(gbA25, 3, 0, 1, 2);
    grid->addWidget(gbFerm, 4, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(0, 1);

    ListOperations sources;
    sources.count = [this] { return SourceCount(); };
    sources.rowTexts = [this](int i) { return QStringList{QString::fromStdString(SourceAt(i).Name)}; };
    sources.add = [this] { return AddSource(); };
    sources.edit = [this](int i) { return EditSource(i); };
    sources.remove = [this](int i) { RemoveSource(i); };
    sources.selected = [this](int i) { SourceSelected(i); };
    m_sources = new TListScreenHelper(Host(), lvSourseIncomeInfo, std::move(sources), this);
    m_sources->ConnectButtons(addSource, editSource, deleteSource);
    // The totals belong to the selected source: without one there is nowhere to keep them.
    m_sources->SetDependents({addIncome, meHoldSum, meObl, meTaxIsch});

    ListOperations lines;
    lines.count = [this] { return m_source < 0 ? 0 : static_cast<int>(Source().LineCount()); };
    lines.rowTexts = [this](int i) { return LineTexts(i); };
    lines.add = [this] { return AddLine(); };
    lines.edit = [this](int i) { return EditLine(i); };
    lines.remove = [this](int i) { RemoveLine(i); };
    lines.repeat = [this](int i) { RepeatLine(i); };
    lines.refreshTotals = [this] {
        pnlItogIncomeSum->setText(MoneyToScreen(Source().TotalIncome()));
        UpdateAgriculturalGroup();
    };
    m_lines = new TListScreenHelper(Host(), lvIncome, std::move(lines), this);
    m_lines->ConnectButtons(addIncome, editIncome, removeIncome, copyIncome);
}

void TfrThirteenPercent::BuildTotals(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    pnlItogIncomeSum = parts::TotalDisplay(box, "pnlItogIncomeSum");
    meHoldSum = TotalEdit(box, "meHoldSum", false);
    meObl = TotalEdit(box, "meObl", true);
    meTaxIsch = TotalEdit(box, "meTaxIsch", false);
    const std::pair<const char*, QWidget*> rows[] = {{"Общая сумма дохода", pnlItogIncomeSum},
                                                     {"Сумма налога удержанная ", meHoldSum},
                                                     {"Облагаемая сумма дохода", meObl},
                                                     {"Сумма налога исчисленная", meTaxIsch}};
    int row = 0;
    for (auto [caption, field] : rows) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption), box), row, 0);
        layout->addWidget(field, row++, 1, Qt::AlignLeft);
    }
    layout->setColumnStretch(2, 1);
}

void TfrThirteenPercent::BindFields() {
    // Tax sums are whole roubles.
    m_sourceFields.WholeRoubles(meHoldSum, &mTThirteenPercent::TaxWithheld);
    m_sourceFields.Money(meObl, &mTThirteenPercent::TaxableAmount);
    m_sourceFields.WholeRoubles(meTaxIsch, &mTThirteenPercent::TaxComputed);

    m_documentFields.WholeRoubles(meA25, &mTDeclaration::ForeignerFixedPayments);
    if (m_nonResidentList)
        return;  // the agricultural work belongs to the resident 13% list
    m_documentFields.Integer(meFerm, &mTDeclaration::MonthsWorked);
}

int TfrThirteenPercent::SourceCount() const {
    return static_cast<int>(m_nonResidentList ? Doc().NonResidentIncome13Count() : Doc().ResidentIncome13Count());
}

mTThirteenPercent& TfrThirteenPercent::SourceAt(int record) const {
    const auto index = static_cast<size_t>(record);
    return m_nonResidentList ? Doc().NonResidentIncome13(index) : Doc().ResidentIncome13(index);
}

QStringList TfrThirteenPercent::LineTexts(int index) const {
    const mTSourseIncome& line = Source().Line(static_cast<size_t>(index));
    return {CodeToList(line.Month), CodeToList(line.IncomeCode), MoneyToList(line.IncomeAmount),
            CodeToList(line.DeductionCode), MoneyToList(line.DeductionAmount)};
}

void TfrThirteenPercent::SaveToDocument() {
    if (m_source >= 0)
        m_sourceFields.Save(Source());
    m_documentFields.Save(Doc());
}

uint16_t TfrThirteenPercent::CheckScreen() {
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckIncomes13Screen(Doc(), dialog);
}

void TfrThirteenPercent::FocusItem(uint16_t item) {
    m_sources->FocusRecord(item);
}

void TfrThirteenPercent::FocusFirstList() {
    m_sources->FocusFirst();
}

bool TfrThirteenPercent::AgriculturalWorkShown(const mTDeclaration& doc) {
    for (const mTThirteenPercent& source : doc.ResidentIncomes13())
        for (const mTSourseIncome& line : source.Lines())
            if (line.IncomeCode == kAgriculturalIncome && line.DeductionCode != 0)
                return true;
    return false;
}

bool TfrThirteenPercent::AddSource() {
    if (!Doc().HasIncome(kIncomeRussia))
        return false;
    TfmInput13SourseIncome dialog(Host(), m_nonResident);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    mTDeclaration& doc = Doc();
    dialog.Apply(m_nonResidentList ? doc.NonResidentIncome13(doc.AddNonResidentIncome13())
                                   : doc.ResidentIncome13(doc.AddResidentIncome13()));
    return true;
}

bool TfrThirteenPercent::EditSource(int record) {
    mTThirteenPercent& source = SourceAt(record);
    TfmInput13SourseIncome dialog(Host(), m_nonResident);
    dialog.Fill(source);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.Apply(source);
    return true;
}

void TfrThirteenPercent::RemoveSource(int record) {
    // The source goes with its totals: nothing of it is to be stored when the selection moves.
    m_source = -1;
    if (m_nonResidentList)
        Doc().SetNonResidentIncome13(static_cast<size_t>(record), nullptr);
    else
        Doc().SetResidentIncome13(static_cast<size_t>(record), nullptr);
}

void TfrThirteenPercent::SourceSelected(int record) {
    // The same source again (after editing it) keeps what is typed in its totals.
    if (record >= 0 && m_source == record)
        return;
    if (m_source >= 0)
        m_sourceFields.Save(Source());
    m_source = record;
    if (record < 0) {
        m_lines->Rebuild();
        ClearTotals();
        return;
    }
    m_lines->Rebuild(0);
    ShowTotals();
}

void TfrThirteenPercent::ShowTotals() {
    pnlItogIncomeSum->setText(MoneyToScreen(Source().TotalIncome()));
    m_sourceFields.Load(Source());
}

void TfrThirteenPercent::ClearTotals() {
    for (QLineEdit* edit :
         {static_cast<QLineEdit*>(meHoldSum), static_cast<QLineEdit*>(meObl), static_cast<QLineEdit*>(meTaxIsch)})
        edit->clear();
    pnlItogIncomeSum->clear();
}

std::optional<mTSourseIncome> TfrThirteenPercent::RunIncomeDialog(const mTSourseIncome* line) {
    std::unique_ptr<TfmInput13Income> dialog;
    if (m_nonResidentList)
        dialog = std::make_unique<TfmInput13NRIncome>(Host());
    else
        dialog = std::make_unique<TfmInput13Income>(Host(), m_nonResident);
    if (line)
        dialog->Fill(*line);
    if (!dialog->Run() || !dialog->HasIncomeCode())
        return std::nullopt;
    return dialog->Line();
}

bool TfrThirteenPercent::AddLine() {
    if (m_source < 0)
        return false;
    std::optional<mTSourseIncome> line = RunIncomeDialog(nullptr);
    if (!line)
        return false;
    Source().AddLine(*line);
    return true;
}

bool TfrThirteenPercent::EditLine(int record) {
    const size_t index = static_cast<size_t>(record);
    std::optional<mTSourseIncome> line = RunIncomeDialog(&Source().Line(index));
    if (!line)
        return false;
    Source().ReplaceLine(index, &*line);
    return true;
}

void TfrThirteenPercent::RemoveLine(int record) {
    Source().ReplaceLine(static_cast<size_t>(record), nullptr);
}

void TfrThirteenPercent::RepeatLine(int record) {
    const mTSourseIncome& line = Source().Line(static_cast<size_t>(record));
    // The cadastral items describe one sale and are not repeated.
    mTSourseIncome copy = line;
    copy.AcquiredAfter2016 = false;
    copy.CadastralNumber.clear();
    copy.CadastralValue = Money();
    copy.ContractPrice = Money();
    copy.Month = static_cast<uint16_t>(std::min<int>(line.Month + 1, 12));
    Source().AddLine(copy);
}

void TfrThirteenPercent::UpdateAgriculturalGroup() {
    gbFerm->setVisible(!m_nonResidentList && AgriculturalWorkShown(Doc()));
}

void TfrThirteenPercent::OnMonthsWorkedChanged() {
    if (meFerm->text().isEmpty())
        return;
    const int64_t months = IntegerFieldValue(meFerm->text());
    if (months >= 13)
        meFerm->setText(QStringLiteral("12"));
    else if (months == 0)
        meFerm->setText(QStringLiteral("1"));
}

}  // namespace zizaza
