#include "screens/TfrBusinessNew.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmInputBusinessIncome.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TUpDown.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

constexpr int kFirstFarmYear = 1997;
constexpr int kLastFarmYear = kTaxYear;
constexpr int kEmptyFarmYear = 2000;

// Entrepreneurs and farm heads choose between itemized expenses and the norm; the other kinds
// always itemize.
bool MayUseNorm(const std::string& kind) {
    return kind == "1" || kind == "5";
}

QString RowCaption(const mTBusinessNew& activity) {
    const std::string& kind = activity.ActivityKind;
    if (kind == "1")
        return QString::fromStdString(activity.OkvedCode);
    if (kind == "2")
        return QStringLiteral("Нотариальная деятельность");
    if (kind == "3")
        return QStringLiteral("Адвокатская деятельность");
    if (kind == "4")
        return QStringLiteral("Деятельность арбитражного управляющего");
    if (kind == "5")
        return QStringLiteral("Деятельность главы КФХ");
    if (kind == "6")
        return QStringLiteral("Иная деятельность");
    return QString::fromStdString(kind);
}

}  // namespace

Money BusinessNormExpenses(Money income) {
    // The norm's share of the income in kopecks is the income in ten-thousandths of a rouble times
    // the percent divided by 10000; whole numbers keep the rounding (halves away from 0) exact.
    const int64_t scaled = income.raw() * kBusinessExpenseNormPercent;
    const int64_t half = Money::kScale / 2;
    const int64_t kopecks = scaled >= 0 ? (scaled + half) / Money::kScale : -((-scaled + half) / Money::kScale);
    return Money::Kopecks(kopecks);
}

TfrBusinessNew::TfrBusinessNew(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    const LoadingGuard loading(owner);
    setObjectName(QStringLiteral("frBusinessNew"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    auto* list = ScreenGroup(this, "gbActivities", QStringLiteral("Виды деятельности"));
    auto* activity = ScreenGroup(this, "gbIncome", QStringLiteral("Доходы и расходы"));
    auto* declaration = ScreenGroup(this, "gbPrepayments", QStringLiteral("Платежи и сведения о КФХ"));
    BuildActivity(activity);
    BuildDeclarationFields(declaration);
    BuildList(list);
    grid->addWidget(list, 0, 0);
    grid->addWidget(activity, 0, 1);
    grid->addWidget(declaration, 1, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(0, 1);

    BindFields();
    m_declaration.Load(Doc());
    m_list->Rebuild();
    EnableEntries();
    UpdateFarmEnabling();
    WatchControls();
}

void TfrBusinessNew::BuildList(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    lvSourseIncomeInfo = Named(new QTreeWidget(box), "lvSourseIncomeInfo");
    TListScreenHelper::SetupView(lvSourseIncomeInfo, {QStringLiteral("Виды деятельности")});
    lvSourseIncomeInfo->setToolTip(QStringLiteral("Список видов деятельности"));
    auto* add =
        parts::ListButton(box, "fbAddSourse", QStringLiteral("Добавить"), QStringLiteral("Добавить источник выплат"));
    auto* remove =
        parts::ListButton(box, "fbDeleteSourse", QStringLiteral("Удалить"), QStringLiteral("Удалить источник выплат"));
    auto* edit = parts::ListButton(box, "fbEditSourse", QStringLiteral("Изменить"),
                                   QStringLiteral("Редактировать источник выплат"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(edit);
    buttons->addStretch();
    layout->addWidget(lvSourseIncomeInfo, 1);
    layout->addLayout(buttons);

    ListOperations ops;
    ops.count = [this] { return static_cast<int>(Doc().BusinessIncomeCount()); };
    ops.rowTexts = [this](int i) { return QStringList{RowCaption(Doc().BusinessIncome(static_cast<size_t>(i)))}; };
    ops.add = [this] { return AddActivity(); };
    ops.edit = [this](int i) { return EditActivity(i); };
    ops.remove = [this](int i) { RemoveActivity(i); };
    ops.selected = [this](int i) { ActivitySelected(i); };
    m_list = new TListScreenHelper(Host(), lvSourseIncomeInfo, std::move(ops), this);
    m_list->ConnectButtons(add, edit, remove);
    // What is typed for an activity belongs to the selected one: without a selection there is
    // nowhere to keep it.
    QList<QWidget*> dependents{MaskedEdit1, chbIsConfirmedExpensies};
    for (TMaskedEdit* e : m_itemizedEdits)
        dependents << e;
    m_list->SetDependents(dependents);
}

void TfrBusinessNew::BuildActivity(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    MaskedEdit1 = parts::MoneyEdit(box, "MaskedEdit1");
    connect(MaskedEdit1, &QLineEdit::textChanged, this, [this] { IncomeChanged(); });
    chbIsConfirmedExpensies =
        Named(new QCheckBox(QStringLiteral("Имеются документально подтв. расходы"), box), "chbIsConfirmedExpensies");
    connect(chbIsConfirmedExpensies, &QAbstractButton::clicked, this, [this] { ItemizedClicked(); });
    layout->addWidget(new QLabel(QStringLiteral("Сумма дохода"), box), 0, 0);
    layout->addWidget(MaskedEdit1, 0, 1, Qt::AlignLeft);
    layout->addWidget(chbIsConfirmedExpensies, 1, 0, 1, 2);

    m_itemized = Named(new QWidget(box), "pnlItemized");
    auto* itemized = new QGridLayout(m_itemized);
    itemized->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> rows[] = {
        {"MaskedEdit2", "Итого расходов "},         {"MaskedEdit3", "Мат. расходы"},
        {"MaskedEdit4", "Амортизац. начисл."},      {"MaskedEdit5", "Оплата труда"},
        {"MaskedEdit6", "в т.ч. по тр. договорам"}, {"MaskedEdit7", "Прочие расходы"}};
    int row = 0;
    for (const auto& [name, caption] : rows) {
        TMaskedEdit* edit = parts::MoneyEdit(m_itemized, name);
        m_itemizedEdits << edit;
        itemized->addWidget(new QLabel(QString::fromUtf8(caption), m_itemized), row, 0);
        itemized->addWidget(edit, row++, 1, Qt::AlignLeft);
        if (row == 1)
            itemized->addWidget(new QLabel(QStringLiteral("в том числе"), m_itemized), row++, 0, 1, 2);
    }
    layout->addWidget(m_itemized, 2, 0, 1, 2);

    m_norm = Named(new QWidget(box), "pnlNorm");
    auto* norm = new QHBoxLayout(m_norm);
    norm->setContentsMargins(0, 0, 0, 0);
    pnlNormExpensies = parts::TotalDisplay(m_norm, "pnlNormExpensies");
    norm->addWidget(new QLabel(QStringLiteral("Итого расходов"), m_norm));
    norm->addWidget(pnlNormExpensies);
    norm->addStretch();
    layout->addWidget(m_norm, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(2, 1);
}

void TfrBusinessNew::BuildDeclarationFields(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    auto place = [&](int row, int column, const char* caption, QWidget* field) {
        auto* label = new QLabel(QString::fromUtf8(caption), box);
        layout->addWidget(label, row, column);
        layout->addWidget(field, row, column + 1, Qt::AlignLeft);
        m_declarationEntries << label << field;
        return label;
    };
    auto amount = [&](int row, int column, const char* name, const char* caption, bool money) {
        TMaskedEdit* edit = money ? parts::MoneyEdit(box, name) : parts::RoublesEdit(box, name);
        m_declarationAmounts << edit;
        place(row, column, caption, edit);
        return edit;
    };
    amount(0, 0, "meActualPrepayment", "Фактические платежи", false);
    amount(1, 0, "meNachPrepayment", "Начисленные платежи", false);
    amount(2, 0, "meCorIncome", "Скорректированная база", true);
    amount(3, 0, "meCorExpense", "Скорректированный налог", false);
    amount(0, 2, "meTradeTax", "Торговый сбор", false);
    amount(1, 2, "mePatentPayment", "Платежи по патенту", false);

    cbIsFH = Named(new QCheckBox(QStringLiteral("Крестьянское (фермерское) хозяйство"), box), "cbIsFH");
    connect(cbIsFH, &QAbstractButton::toggled, this, [this] { UpdateFarmEnabling(); });
    layout->addWidget(cbIsFH, 4, 0, 1, 4);
    m_declarationEntries << cbIsFH;

    meBeginninFH = parts::DigitsEdit(box, "meBeginninFH", 4);
    meBeginninFH->setFixedWidth(60);
    m_farmYearUpDown = Named(new TUpDown(meBeginninFH, kFirstFarmYear, kLastFarmYear, box), "udBeginninFH");
    auto* year = new QWidget(box);
    auto* yearRow = new QHBoxLayout(year);
    yearRow->setContentsMargins(0, 0, 0, 0);
    yearRow->addWidget(meBeginninFH);
    yearRow->addWidget(m_farmYearUpDown);
    auto* yearLabel = new QLabel(QStringLiteral("Год образования"), box);
    layout->addWidget(yearLabel, 5, 0);
    layout->addWidget(year, 5, 1, Qt::AlignLeft);
    meFHSum = parts::MoneyEdit(box, "meFHSum");
    m_declarationAmounts << meFHSum;
    auto* sumLabel = new QLabel(QStringLiteral("Необлагаемый доход"), box);
    layout->addWidget(sumLabel, 5, 2);
    layout->addWidget(meFHSum, 5, 3, Qt::AlignLeft);
    m_farmEntries = {yearLabel, meBeginninFH, m_farmYearUpDown, sumLabel, meFHSum};
    layout->setColumnStretch(4, 1);
}

void TfrBusinessNew::BindFields() {
    using A = mTBusinessNew;
    m_activity.Check(chbIsConfirmedExpensies, &A::Itemized);
    m_activity.Fields(
        [this](const A& activity) {
            // Only the kinds that may take the norm show the tick; the others itemize their expenses.
            const bool mayUseNorm = MayUseNorm(activity.ActivityKind);
            if (!mayUseNorm)
                chbIsConfirmedExpensies->setChecked(true);
            chbIsConfirmedExpensies->setVisible(mayUseNorm);
            ShowExpensesKind();
        },
        [](A&) {});
    m_activity.Money(MaskedEdit1, &A::Income);
    // The itemized expenses or the norm, whichever the activity takes, are kept.
    m_activity.Fields(
        [this](const A& activity) {
            m_expenses.Load(activity);
            m_normExpenses.Load(activity);
        },
        [this](A& activity) {
            if (activity.Itemized)
                m_expenses.Save(activity);
            else
                m_normExpenses.Save(activity);
        });
    m_normExpenses.Custom(
        &A::NormExpenses, [this](Money norm) { pnlNormExpensies->setText(MoneyToScreen(norm)); },
        [this] { return MoneyFieldValue(pnlNormExpensies->text()); });
    const std::pair<TMaskedEdit*, Money A::*> expenses[] = {
        {m_itemizedEdits[0], &A::ExpensesTotal},   {m_itemizedEdits[1], &A::MaterialExpenses},
        {m_itemizedEdits[2], &A::Depreciation},    {m_itemizedEdits[3], &A::Labour},
        {m_itemizedEdits[4], &A::LabourContracts}, {m_itemizedEdits[5], &A::OtherExpenses}};
    for (const auto& [edit, field] : expenses)
        m_expenses.Money(edit, field);

    using D = mTDeclaration;
    auto edit = [this](const char* name) { return findChild<TMaskedEdit*>(QLatin1String(name)); };
    m_declaration.WholeRoubles(edit("meActualPrepayment"), &D::ActualPrepayments);
    m_declaration.WholeRoubles(edit("meNachPrepayment"), &D::AccruedPrepayments);
    m_declaration.Money(edit("meCorIncome"), &D::CorrectedBase);
    m_declaration.WholeRoubles(edit("meCorExpense"), &D::CorrectedTax);
    m_declaration.WholeRoubles(edit("meTradeTax"), &D::TradeFee);
    m_declaration.WholeRoubles(edit("mePatentPayment"), &D::PatentPayments);
    m_declaration.Money(edit("meFHSum"), &D::FarmExemptIncome);
    m_declaration.Check(cbIsFH, &D::IsFarm);
    m_declaration.Custom(
        &D::FarmRegistrationDate, [this](Date date) { meBeginninFH->setText(IntegerToScreen(date.Year())); },
        [this] { return FarmYear(); });
}

// The year field keeps 1 January of its year. A year outside the up-down range cannot be the
// founding year of a farm that files for the tax year; it is taken to the nearest year of the range.
Date TfrBusinessNew::FarmYear() const {
    const QString text = meBeginninFH->text().trimmed();
    int year = kEmptyFarmYear;
    if (!text.isEmpty())
        year = static_cast<int>(std::clamp<int64_t>(IntegerFieldValue(text), kFirstFarmYear, kLastFarmYear));
    return Date::Ymd(year, 1, 1);
}

mTBusinessNew& TfrBusinessNew::Activity() const {
    return Doc().BusinessIncome(static_cast<size_t>(m_selected));
}

void TfrBusinessNew::SaveToDocument() {
    SaveActivity();
    m_declaration.Save(Doc());
}

void TfrBusinessNew::SaveActivity() {
    if (m_selected < 0)
        return;
    m_activity.Save(Activity());
}

void TfrBusinessNew::ActivitySelected(int record) {
    // The same activity again (after editing it) keeps what is typed in its fields.
    if (record >= 0 && record == m_selected)
        return;
    SaveActivity();
    m_selected = record;
    ShowActivity();
}

void TfrBusinessNew::ShowActivity() {
    if (m_selected < 0) {
        MaskedEdit1->clear();
        for (TMaskedEdit* edit : m_itemizedEdits)
            edit->clear();
        pnlNormExpensies->clear();
        return;
    }
    m_activity.Load(Activity());
}

void TfrBusinessNew::ShowExpensesKind() {
    const bool itemized = chbIsConfirmedExpensies->isChecked();
    m_itemized->setVisible(itemized);
    m_norm->setVisible(!itemized);
}

void TfrBusinessNew::ItemizedClicked() {
    ShowExpensesKind();
    if (!chbIsConfirmedExpensies->isChecked())
        IncomeChanged();
}

void TfrBusinessNew::IncomeChanged() {
    const QString text = MaskedEdit1->text().trimmed();
    pnlNormExpensies->setText(text.isEmpty() ? QStringLiteral("0")
                                             : MoneyToScreen(BusinessNormExpenses(MoneyFieldValue(text))));
}

void TfrBusinessNew::UpdateFarmEnabling() {
    const bool on = cbIsFH->isEnabled() && cbIsFH->isChecked();
    for (QWidget* w : m_farmEntries)
        w->setEnabled(on);
}

void TfrBusinessNew::EnableEntries() {
    const bool any = Doc().BusinessIncomeCount() > 0;
    for (QWidget* w : m_declarationEntries)
        w->setEnabled(any);
    if (!any) {
        cbIsFH->setChecked(false);
        for (TMaskedEdit* edit : m_declarationAmounts)
            edit->setText(QStringLiteral("0"));
    }
    UpdateFarmEnabling();
}

bool TfrBusinessNew::AddActivity() {
    if (!Doc().HasIncome(kIncomeBusiness))
        return false;
    TfmInputBusinessIncome dialog(Host());
    const std::optional<TfmInputBusinessIncome::Activity> entered = dialog.Ask();
    if (!entered)
        return false;
    mTBusinessNew& activity = Doc().BusinessIncome(Doc().AddBusinessIncome());
    activity.ActivityKind = entered->kind;
    activity.OkvedCode = entered->code;
    activity.Itemized = !MayUseNorm(entered->kind);
    if (Doc().BusinessIncomeCount() == 1)
        EnableEntries();
    return true;
}

bool TfrBusinessNew::EditActivity(int record) {
    // What is typed for the activity goes into it before the dialog changes its kind.
    if (record == m_selected)
        SaveActivity();
    mTBusinessNew& activity = Doc().BusinessIncome(static_cast<size_t>(record));
    TfmInputBusinessIncome dialog(Host());
    dialog.Fill(activity.ActivityKind, activity.OkvedCode);
    const std::optional<TfmInputBusinessIncome::Activity> entered = dialog.Ask();
    if (!entered)
        return false;
    // A kind that always itemizes is itemized; an activity that could choose before and still
    // can keeps the user's choice, so a changed code does not drop itemized expenses.
    const bool keepChoice = MayUseNorm(activity.ActivityKind) && MayUseNorm(entered->kind);
    if (!keepChoice)
        activity.Itemized = !MayUseNorm(entered->kind);
    activity.ActivityKind = entered->kind;
    activity.OkvedCode = entered->code;
    if (record == m_selected) {
        const LoadingGuard loading(Host());
        ShowActivity();
    }
    return true;
}

void TfrBusinessNew::RemoveActivity(int record) {
    // The values typed for the deleted activity go with it; they must not land in the activity
    // selected next.
    m_selected = -1;
    Doc().SetBusinessIncome(static_cast<size_t>(record), nullptr);
    if (Doc().BusinessIncomeCount() == 0)
        EnableEntries();
}

void TfrBusinessNew::FocusItem(uint16_t item) {
    m_list->FocusRecord(item);
}

void TfrBusinessNew::FocusFirstList() {
    m_list->FocusFirst();
}

uint16_t TfrBusinessNew::CheckScreen() {
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckBusinessScreen(Doc(), dialog);
}

}  // namespace zizaza
