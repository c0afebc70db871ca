#include "screens/TfrInvestTov.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmIncomeInvestTov.h"
#include "screens/TfmInputSourseInvestTov.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

// A row of list buttons with their hints; the buttons are returned in the order given.
QList<QPushButton*> ButtonRow(QWidget* parent, QHBoxLayout* row,
                              std::initializer_list<std::array<const char*, 3>> buttons) {
    QList<QPushButton*> made;
    for (const auto& [name, caption, hint] : buttons) {
        QPushButton* button = parts::ListButton(parent, name, QString::fromUtf8(caption), QString::fromUtf8(hint));
        row->addWidget(button);
        made << button;
    }
    row->addStretch();
    return made;
}

}  // namespace

TfrInvestTov::TfrInvestTov(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    const LoadingGuard loading(owner);
    setObjectName(QStringLiteral("frInvestTov"));
    BuildLists();
    BindTotals();
    ClearTotals();
    m_sources->Rebuild();
    WatchControls();
}

void TfrInvestTov::BuildLists() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);

    lvSourseIncomeInfo = Named(new QTreeWidget(this), "lvSourseIncomeInfo");
    TListScreenHelper::SetupView(lvSourseIncomeInfo,
                                 {QStringLiteral("Источники выплат - инвестиционные товарищества")});
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список инвестиционных товариществ"));
    auto* sourceRow = new QHBoxLayout;
    const QList<QPushButton*> sourceButtons =
        ButtonRow(this, sourceRow,
                  {{"fbAddSourse", "Добавить", "Добавить источник выплат"},
                   {"fbDeleteSourse", "Удалить", "Удалить источник выплат"},
                   {"fbEditSourse", "Изменить", "Редактировать источник выплат"}});

    lvIncome = Named(new QTreeWidget(this), "lvIncome");
    TListScreenHelper::SetupView(
        lvIncome, {QStringLiteral("Вид дохода"), QStringLiteral("Сумма дохода"), QStringLiteral("Сумма расхода"),
                   QStringLiteral("Возн."), QStringLiteral("Прошл. года")});
    lvIncome->setToolTip(QStringLiteral("Список доходов по выбранному инвестиционному товариществу"));
    auto* lineRow = new QHBoxLayout;
    const QList<QPushButton*> lineButtons = ButtonRow(this, lineRow,
                                                      {{"fbAddIncome", "Добавить", "Добавить доход"},
                                                       {"fbDeleteIncome", "Удалить", "Удалить доход"},
                                                       {"fbEditIncome", "Изменить", "Редактировать доход"}});

    auto* totals = ScreenGroup(this, "gbItog", QStringLiteral("Итоговые суммы по источнику выплат"));
    BuildTotals(totals);

    grid->addWidget(lvSourseIncomeInfo, 0, 0);
    grid->addLayout(sourceRow, 1, 0);
    grid->addWidget(lvIncome, 0, 1);
    grid->addLayout(lineRow, 1, 1);
    grid->addWidget(totals, 2, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(0, 1);

    ListOperations lines;
    lines.count = [this] { return m_source < 0 ? 0 : static_cast<int>(Source().LineCount()); };
    lines.rowTexts = [this](int i) { return LineTexts(i); };
    lines.add = [this] { return AddLine(); };
    lines.edit = [this](int i) { return EditLine(i); };
    lines.remove = [this](int i) { Source().ReplaceLine(static_cast<size_t>(i), nullptr); };
    lines.refreshTotals = [this] { pnlItogIncomeSum->setText(MoneyToScreen(Source().TotalIncome())); };
    m_lines = new TListScreenHelper(Host(), lvIncome, std::move(lines), this);
    m_lines->ConnectButtons(lineButtons[0], lineButtons[2], lineButtons[1]);

    ListOperations sources;
    sources.count = [this] { return static_cast<int>(Doc().InvestPartnershipIncomeCount()); };
    sources.rowTexts = [this](int i) {
        return QStringList{QString::fromStdString(Doc().InvestPartnershipIncome(static_cast<size_t>(i)).Name)};
    };
    sources.add = [this] { return AddSource(); };
    sources.edit = [this](int i) { return EditSource(i); };
    sources.remove = [this](int i) { RemoveSource(i); };
    sources.selected = [this](int i) { SourceSelected(i); };
    m_sources = new TListScreenHelper(Host(), lvSourseIncomeInfo, std::move(sources), this);
    m_sources->ConnectButtons(sourceButtons[0], sourceButtons[2], sourceButtons[1]);
    // The lines and totals belong to the selected partnership: without one there is nowhere to
    // keep what would be typed.
    m_sources->SetDependents({lineButtons[0], meHoldSum, meObl, meTaxIsch});
}

void TfrInvestTov::BuildTotals(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    pnlItogIncomeSum = parts::TotalDisplay(box, "pnlItogIncomeSum");
    meHoldSum = parts::RoublesEdit(box, "meHoldSum");
    meObl = parts::MoneyEdit(box, "meObl");
    meTaxIsch = parts::RoublesEdit(box, "meTaxIsch");
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

void TfrInvestTov::BindTotals() {
    m_totals.WholeRoubles(meHoldSum, &mTInvestTov::TaxWithheld);
    m_totals.Money(meObl, &mTInvestTov::TaxableAmount);
    m_totals.WholeRoubles(meTaxIsch, &mTInvestTov::TaxComputed);
}

mTInvestTov& TfrInvestTov::Source() const {
    return Doc().InvestPartnershipIncome(static_cast<size_t>(m_source));
}

QStringList TfrInvestTov::LineTexts(int index) const {
    const mTInvestTovIncome& line = Source().Line(static_cast<size_t>(index));
    return {IntegerToScreen(line.OperationKind), MoneyToScreen(line.Income), MoneyToScreen(line.ExpenseShare),
            MoneyToScreen(line.ManagementExpenses), MoneyToScreen(line.PastLosses)};
}

void TfrInvestTov::SaveToDocument() {
    if (m_source >= 0)
        m_totals.Save(Source());
}

void TfrInvestTov::FocusItem(uint16_t item) {
    m_sources->FocusRecord(item);
}

void TfrInvestTov::FocusFirstList() {
    m_sources->FocusFirst();
}

bool TfrInvestTov::AddSource() {
    if (!Doc().HasIncome(kIncomeInvestTov))
        return false;
    TfmInputSourseInvestTov dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.ApplySource(Doc().InvestPartnershipIncome(Doc().AddInvestPartnershipIncome()));
    return true;
}

bool TfrInvestTov::EditSource(int record) {
    mTInvestTov& source = Doc().InvestPartnershipIncome(static_cast<size_t>(record));
    TfmInputSourseInvestTov dialog(Host());
    dialog.FillSource(source);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.ApplySource(source);
    return true;
}

void TfrInvestTov::RemoveSource(int record) {
    // The totals typed for the deleted partnership go with it; they must not land in the
    // partnership selected next.
    m_source = -1;
    Doc().SetInvestPartnershipIncome(static_cast<size_t>(record), nullptr);
}

void TfrInvestTov::SourceSelected(int record) {
    // The same partnership again (after editing it) keeps what is typed in its totals.
    if (record >= 0 && record == m_source)
        return;
    if (m_source >= 0)
        m_totals.Save(Source());
    m_source = record;
    m_lines->Rebuild(record < 0 ? -1 : 0);
    if (record < 0)
        ClearTotals();
    else
        ShowTotals();
}

void TfrInvestTov::ShowTotals() {
    pnlItogIncomeSum->setText(MoneyToScreen(Source().TotalIncome()));
    m_totals.Load(Source());
}

void TfrInvestTov::ClearTotals() {
    pnlItogIncomeSum->clear();
    for (TMaskedEdit* edit : {meHoldSum, meObl, meTaxIsch})
        edit->clear();
}

std::optional<mTInvestTovIncome> TfrInvestTov::RunLineDialog(const mTInvestTovIncome* line) {
    TfmIncomeInvestTov dialog(Host());
    if (line)
        dialog.Fill(*line);
    if (!dialog.Run() || dialog.OperationKind() == 0)
        return std::nullopt;
    return line ? dialog.Line(*line) : dialog.Line();
}

bool TfrInvestTov::AddLine() {
    if (m_source < 0)
        return false;
    std::optional<mTInvestTovIncome> line = RunLineDialog(nullptr);
    if (!line)
        return false;
    Source().AddLine(*line);
    return true;
}

bool TfrInvestTov::EditLine(int record) {
    const size_t index = static_cast<size_t>(record);
    std::optional<mTInvestTovIncome> line = RunLineDialog(&Source().Line(index));
    if (!line)
        return false;
    Source().ReplaceLine(index, &*line);
    return true;
}

}  // namespace zizaza
