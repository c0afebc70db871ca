#include "screens/TfrFrameStandartDeduct.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/kTSvodSumPrilE1.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TfmDif.h"
#include "screens/TfmDif2.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TUpDown.h"

namespace zizaza {

namespace {

// Children a count takes from the user: the first and second are at most two; the others have a
// bound that no family's declaration reaches, to catch a slip of the keyboard.
constexpr int kMaxFirstChildren = 2;
constexpr int kMaxOtherChildren = 20;

const char* const kMonthSuffixes[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <typename W>
W* NamedAs(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

TMaskedEdit* CountEdit(QWidget* parent, const QString& name, int digits) {
    auto* edit = NamedAs(new TMaskedEdit(parent), name);
    edit->SetupDigits(digits);
    edit->setFixedWidth(36);
    return edit;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QRadioButton(caption, parent), name);
}

// The headings of the month grid, in its first row; the hint of each says what its column counts.
void AddMonthHeadings(QGridLayout* grid, QWidget* parent) {
    struct Heading {
        const char* name;
        QString caption;
        QString hint;
    };
    const Heading headings[] = {
        {"lbHeadMonth", QStringLiteral("Месяц"), QString()},
        {"lbHeadChildren", QStringLiteral("1-й и 2-й"), QStringLiteral("Первый и второй ребенок")},
        {"lbHeadChildren3", QStringLiteral("3-й и далее"), QStringLiteral("Дети, считая с 3-го")},
        {"lbHeadChildren2", QStringLiteral("Инвалиды"), QStringLiteral("Дети-инвалиды")},
    };
    int column = 0;
    for (const Heading& h : headings) {
        auto* label = NamedAs(new QLabel(h.caption, parent), QLatin1String(h.name));
        label->setToolTip(h.hint);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        grid->addWidget(label, 0, column, column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
        ++column;
    }
}

}  // namespace

TfrFrameStandartDeduct::TfrFrameStandartDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frFrameStandartDeduct"));
    LoadingGuard guard(Host());
    m_hasBusiness = EntrepreneurMonthsCount(Doc());
    BuildLayout();
    Connect();
    Bind();
    WatchControls();
    LoadFromDocument();
    ApplyEnabled();
    m_loading = false;
    ApplyGuardianPanel();
}

mTStandartDeduct& TfrFrameStandartDeduct::Record() const {
    return Doc().StandardDeductions;
}

void TfrFrameStandartDeduct::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* box =
        ScreenGroup(this, "gbStandartDeduct", QStringLiteral("Стандартные налоговые вычеты (коды 104-105,114-149)"));
    auto* boxLayout = new QVBoxLayout(box);
    chbGrantingStanDeduct =
        Named(new QCheckBox(QStringLiteral("Предоставить стандартные вычеты"), box), "chbGrantingStanDeduct");
    boxLayout->addWidget(chbGrantingStanDeduct);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildOwnCodes(box));
    left->addWidget(BuildEntrepreneur(box), 1);
    columns->addLayout(left);
    columns->addWidget(BuildChildren(box), 1);
    boxLayout->addLayout(columns, 1);
    layout->addWidget(box, 1);
}

namespace {

// "Код 104 - 500 в месяц".
QString OwnCodeText(const MonthlyDeductionFact& fact) {
    return QStringLiteral("Код %1 - %2 в месяц").arg(fact.Code).arg(fact.Monthly.WholeRoubles());
}

}  // namespace

QWidget* TfrFrameStandartDeduct::BuildOwnCodes(QWidget* parent) {
    auto* panel = Named(new QFrame(parent), "pnSelf");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на себя"));
    auto* layout = new QVBoxLayout(panel);
    rb103 = Radio(panel, "rb103", QStringLiteral("Нет ни 104, ни 105 вычета"));
    rb104 = Radio(panel, "rb104", OwnCodeText(kPersonalDeduction104));
    rb105 = Radio(panel, "rb105", OwnCodeText(kPersonalDeduction105));
    rbQ = Radio(panel, "rbQ", QStringLiteral("Код менялся"));
    m_ownCodeBefore = rb103;
    for (QRadioButton* r : {rb103, rb104, rb105, rbQ})
        layout->addWidget(r);
    return panel;
}

QWidget* TfrFrameStandartDeduct::BuildChildren(QWidget* parent) {
    auto* panel = Named(new QFrame(parent), "pnChildren");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на детей. Подробности смотрите в Справке к программе."));
    auto* layout = new QVBoxLayout(panel);
    rbTowParents = Radio(panel, "rbTowParents", QStringLiteral("Вычет на ребенка (детей)"));
    rbOneParent = Radio(panel, "rbOneParent", QStringLiteral("Вычет на ребенка (детей) единственному родителю"));
    rbOneParent->setToolTip(QStringLiteral("или при отказе второго родителя от вычета"));
    rbQ2 = Radio(panel, "rbQ2", QStringLiteral("Статус менялся"));
    m_childKindBefore = rbTowParents;
    for (QRadioButton* r : {rbTowParents, rbOneParent, rbQ2})
        layout->addWidget(r);

    BuildCount(m_children, panel, "Childrens", "", QStringLiteral("Количество детей в году не изменялось и составило"),
               1, kMaxFirstChildren, QStringLiteral("Количество детей в этом месяце"),
               QStringLiteral("Количество детей (первый и второй ребенок) не может быть больше 2"));
    BuildCount(m_third, panel, "Childrens3", "3",
               QStringLiteral("Количество детей, начиная с 3-го не изменялось и составило"), 2, kMaxOtherChildren,
               QStringLiteral("Количество детей в этом месяце, считая с 3-го"),
               QStringLiteral("Количество детей, начиная с 3-го, не может быть больше %1").arg(kMaxOtherChildren));
    BuildCount(m_disabled, panel, "Childrens2", "2",
               QStringLiteral("Количество детей-инвалидов в году не изменялось и составило"), 2, kMaxOtherChildren,
               QStringLiteral("Количество детей инвалидов I и II групп в этом месяце"),
               QStringLiteral("Количество детей-инвалидов не может быть больше %1").arg(kMaxOtherChildren));
    for (const Count* count : {&m_children, &m_third, &m_disabled}) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(count->constant);
        row->addSpacing(6);
        row->addWidget(count->year);
        row->addWidget(count->upDown);
        row->addStretch();
        layout->addLayout(row);
    }

    // One row per month under the headings: first and second children, third and later, disabled.
    auto* months = new QGridLayout;
    AddMonthHeadings(months, panel);
    for (int m = 0; m < 12; ++m) {
        m_monthLabels[m] = NamedAs(new QLabel(MonthNames()[m], panel), QStringLiteral("lb") + kMonthSuffixes[m]);
        months->addWidget(m_monthLabels[m], m + 1, 0);
        months->addWidget(m_children.months[m], m + 1, 1);
        months->addWidget(m_third.months[m], m + 1, 2);
        months->addWidget(m_disabled.months[m], m + 1, 3);
    }
    months->setColumnStretch(4, 1);
    layout->addLayout(months);

    pnPopOp = Named(new QWidget(panel), "pnPopOp");
    auto* guardian = new QHBoxLayout(pnPopOp);
    guardian->setContentsMargins(0, 0, 0, 0);
    cbPopOp = Named(new QCheckBox(QStringLiteral("Я являюсь:"), pnPopOp), "cbPopOp");
    guardian->addWidget(cbPopOp);
    for (const QString& text : {QStringLiteral("опекуном или"), QStringLiteral("попечителем, "),
                                QStringLiteral("приемным "), QStringLiteral("родителем")}) {
        m_guardianLabels.push_back(new QLabel(text, pnPopOp));
        guardian->addWidget(m_guardianLabels.back());
    }
    guardian->addStretch();
    layout->addWidget(pnPopOp);
    layout->addStretch();
    return panel;
}

void TfrFrameStandartDeduct::BuildCount(Count& count, QWidget* parent, const char* name, const char* suffix,
                                        const QString& caption, int digits, int maximum, const QString& monthHint,
                                        const QString& aboveMaximum) {
    count.constant = NamedAs(new QCheckBox(caption, parent), QStringLiteral("chbConst") + QLatin1String(name));
    count.year = CountEdit(parent, QStringLiteral("me") + QLatin1String(name), digits);
    count.year->SetMaximum(maximum, aboveMaximum);
    count.upDown = NamedAs(new TUpDown(count.year, 0, maximum, parent), QStringLiteral("ud") + QLatin1String(name));
    for (int m = 0; m < 12; ++m) {
        count.months[m] = CountEdit(parent, QStringLiteral("me") + kMonthSuffixes[m] + QLatin1String(suffix), 2);
        count.months[m]->SetMaximum(maximum, aboveMaximum);
        count.months[m]->setToolTip(monthHint);
    }
}

QGroupBox* TfrFrameStandartDeduct::BuildEntrepreneur(QWidget* parent) {
    auto* box = Named(new QGroupBox(QStringLiteral("Доходы/расходы помесячно для предпринимателей"), parent),
                      "gbBusinessMonths");
    auto* grid = new QGridLayout(box);
    for (const QString& caption : {QStringLiteral("Доходы"), QStringLiteral("Расходы")}) {
        m_amountLabels.push_back(new QLabel(caption, box));
        grid->addWidget(m_amountLabels.back(), 0, static_cast<int>(m_amountLabels.size()));
    }
    for (int m = 0; m < 12; ++m) {
        const QByteArray number = QByteArray::number(m + 1);
        m_monthTicks[m] = NamedAs(new QCheckBox(MonthNames()[m], box), QStringLiteral("cb") + kMonthSuffixes[m]);
        m_incomes[m] = parts::MoneyEdit(box, ("me" + number).constData());
        m_expenses[m] = parts::MoneyEdit(box, ("meR" + number).constData());
        grid->addWidget(m_monthTicks[m], m + 1, 0);
        grid->addWidget(m_incomes[m], m + 1, 1);
        grid->addWidget(m_expenses[m], m + 1, 2);
    }
    grid->setRowStretch(13, 1);
    return box;
}

void TfrFrameStandartDeduct::Connect() {
    connect(chbGrantingStanDeduct, &QCheckBox::clicked, this, &TfrFrameStandartDeduct::OnGrantClicked);
    for (Count* count : {&m_children, &m_third, &m_disabled}) {
        connect(count->constant, &QCheckBox::clicked, this, [this, count] { OnConstantClicked(*count); });
        connect(count->year, &TMaskedEdit::Changed, this, [this, count] { OnYearCountChanged(*count); });
    }
    for (TMaskedEdit* month : m_disabled.months)
        connect(month, &TMaskedEdit::Changed, this, &TfrFrameStandartDeduct::ApplyGuardianPanel);
    connect(m_disabled.year, &TMaskedEdit::Changed, this, &TfrFrameStandartDeduct::ApplyGuardianPanel);
    // Cancelling the monthly dialog of a "changed" button just chosen goes back to the button chosen
    // before: a changed code or status without its months would grant nothing or the wrong amounts.
    for (QRadioButton* rb : {rb103, rb104, rb105})
        connect(rb, &QRadioButton::toggled, this, [this, rb](bool on) {
            if (on)
                m_ownCodeBefore = rb;
        });
    for (QRadioButton* rb : {rbTowParents, rbOneParent})
        connect(rb, &QRadioButton::toggled, this, [this, rb](bool on) {
            if (on)
                m_childKindBefore = rb;
        });
    connect(rbQ, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_loading && !RunCodesDialog())
            m_ownCodeBefore->setChecked(true);
    });
    connect(rbQ2, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !m_loading && !RunStatusDialog())
            m_childKindBefore->setChecked(true);
    });
    rbQ->installEventFilter(this);
    rbQ2->installEventFilter(this);
    for (int m = 0; m < 12; ++m) {
        for (TMaskedEdit* edit : {m_incomes[m], m_expenses[m]})
            connect(edit, &TMaskedEdit::Changed, this, [this, m, edit] { OnAmountChanged(m, edit); });
        connect(m_monthTicks[m], &QCheckBox::clicked, this, [this, m] { OnMonthTickClicked(m); });
    }
}

bool TfrFrameStandartDeduct::eventFilter(QObject* watched, QEvent* event) {
    // A double click on a chosen "changed" button opens its monthly dialog again.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == rbQ && rbQ->isChecked()) {
            RunCodesDialog();
            return true;
        }
        if (watched == rbQ2 && rbQ2->isChecked()) {
            RunStatusDialog();
            return true;
        }
    }
    return TThinkingFrame::eventFilter(watched, event);
}

void TfrFrameStandartDeduct::Bind() {
    using R = mTStandartDeduct;
    m_ownCode = new QButtonGroup(this);
    m_ownCode->addButton(rb103, 103);
    m_ownCode->addButton(rb104, 104);
    m_ownCode->addButton(rb105, 105);
    m_ownCode->addButton(rbQ, 110);
    m_childKind = new QButtonGroup(this);
    m_childKind->addButton(rbTowParents, 101);
    m_childKind->addButton(rbOneParent, 102);
    m_childKind->addButton(rbQ2, 103);

    m_grant.Check(chbGrantingStanDeduct, &R::Granted);
    m_choices.RadioGroup(m_ownCode, &R::PersonalCode, 103);
    m_choices.RadioGroup(m_childKind, &R::ChildStatus, 101);
    m_children.isConstant = &R::ChildrenConstant;
    m_children.yearCount = &R::ChildrenCount;
    m_children.monthly = &R::MonthlyChildren;
    m_third.isConstant = &R::ThirdConstant;
    m_third.yearCount = &R::ThirdCount;
    m_third.monthly = &R::MonthlyThird;
    m_disabled.isConstant = &R::DisabledConstant;
    m_disabled.yearCount = &R::DisabledCount;
    m_disabled.monthly = &R::MonthlyDisabled;
    for (Count* count : {&m_children, &m_third, &m_disabled})
        m_choices.Check(count->constant, count->isConstant);

    m_counts.Check(cbPopOp, &R::Guardian);
    for (Count* count : {&m_children, &m_third, &m_disabled})
        m_counts.Fields([count](const R& r) { LoadCount(*count, r); }, [count](R& r) { SaveCount(*count, r); });

    for (size_t m = 0; m < 12; ++m) {
        m_months.Check(
            m_monthTicks[m], [m](auto& r) -> auto& { return r.MonthMarks[m]; });
        m_months.MoneyOrEmpty(
            m_incomes[m], [m](auto& r) -> auto& { return r.MonthlyIncomes[m]; });
        m_months.MoneyOrEmpty(
            m_expenses[m], [m](auto& r) -> auto& { return r.MonthlyExpenses[m]; });
    }
}

void TfrFrameStandartDeduct::LoadFromDocument() {
    const mTStandartDeduct& r = Record();
    m_grant.Load(r);
    // The radio buttons and constant ticks follow the record even when no deduction is asked for,
    // so that ticking the grant later starts from the stored choices.
    m_choices.Load(r);
    if (r.Granted)
        m_counts.Load(r);
    if (m_hasBusiness)
        m_months.Load(r);
}

void TfrFrameStandartDeduct::LoadCount(Count& count, const mTStandartDeduct& record) {
    const bool constant = record.*count.isConstant;
    count.year->SetStoredText(IntegerToScreen(constant ? record.*count.yearCount : 0));
    for (size_t m = 0; m < 12; ++m)
        count.months[m]->SetStoredText(IntegerToScreen(constant ? 0 : (record.*count.monthly)[m]));
}

void TfrFrameStandartDeduct::SaveToDocument() {
    mTStandartDeduct& r = Record();
    m_grant.Save(r);
    if (!r.Granted)
        return;
    // The months are stored as shown: without entrepreneurial income they are empty and unticked,
    // so months typed while the business income was ticked do not outlive it.
    m_months.Save(r);
    r.EntrepreneurMonthsPresent = std::find(r.MonthMarks.begin(), r.MonthMarks.end(), true) != r.MonthMarks.end();
    // The constant ticks first: the counts are saved by them.
    m_choices.Save(r);
    m_counts.Save(r);
}

void TfrFrameStandartDeduct::SaveCount(const Count& count, mTStandartDeduct& record) {
    if (record.*count.isConstant) {
        record.*count.yearCount = static_cast<int32_t>(IntegerFieldValue(count.year->text()));
        return;
    }
    // The year count of a varying number is the largest monthly count.
    int32_t largest = 0;
    Months& months = record.*count.monthly;
    for (size_t m = 0; m < 12; ++m) {
        months[m] = static_cast<int32_t>(IntegerFieldValue(count.months[m]->text()));
        largest = std::max(largest, months[m]);
    }
    record.*count.yearCount = largest;
}

void TfrFrameStandartDeduct::ApplyEnabled() {
    const bool on = chbGrantingStanDeduct->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{rb103, rb104, rb105, rbQ, rbTowParents, rbOneParent, rbQ2, cbPopOp})
        w->setEnabled(on);
    for (QLabel* label : m_monthLabels)
        label->setEnabled(on);
    for (QLabel* label : m_guardianLabels + m_amountLabels)
        label->setEnabled(on);
    for (const Count* count : {&m_children, &m_third, &m_disabled}) {
        const bool constant = count->constant->isChecked();
        count->constant->setEnabled(on);
        count->year->setEnabled(on && constant);
        count->upDown->setEnabled(on && constant);
        for (TMaskedEdit* month : count->months)
            month->setEnabled(on && !constant);
    }
    for (int m = 0; m < 12; ++m) {
        m_monthTicks[m]->setEnabled(on && m_hasBusiness);
        m_incomes[m]->setEnabled(on && m_hasBusiness);
        m_expenses[m]->setEnabled(on && m_hasBusiness);
    }
}

void TfrFrameStandartDeduct::OnGrantClicked() {
    ApplyEnabled();
    if (!chbGrantingStanDeduct->isChecked()) {
        for (const Count* count : {&m_children, &m_third, &m_disabled})
            count->year->clear();
    }
}

void TfrFrameStandartDeduct::OnConstantClicked(Count& count) {
    ApplyEnabled();
    if (count.constant->isChecked())
        OnYearCountChanged(count);
}

void TfrFrameStandartDeduct::OnYearCountChanged(const Count& count) {
    if (m_loading || !count.constant->isChecked())
        return;
    for (TMaskedEdit* month : count.months)
        month->SetStoredText(count.year->text());
}

void TfrFrameStandartDeduct::ApplyGuardianPanel() {
    if (m_loading)
        return;
    bool disabledChildren = IntegerFieldValue(m_disabled.year->text()) > 0;
    for (const TMaskedEdit* month : m_disabled.months)
        disabledChildren = disabledChildren || IntegerFieldValue(month->text()) > 0;
    pnPopOp->setVisible(disabledChildren);
}

bool TfrFrameStandartDeduct::RunCodesDialog() {
    TfmDif dialog(Host());
    dialog.SetChoices(Record().MonthlyPersonalCodes);
    if (!dialog.Run())
        return false;
    Record().MonthlyCodesPresent = true;
    Record().MonthlyPersonalCodes = dialog.GetChoices();
    NotifyChanged();
    return true;
}

bool TfrFrameStandartDeduct::RunStatusDialog() {
    TfmDif2 dialog(Host());
    dialog.SetChoices(Record().MonthlySingleParentMarks);
    if (!dialog.Run())
        return false;
    Record().MonthlyStatusPresent = true;
    Record().MonthlySingleParentMarks = dialog.GetChoices();
    NotifyChanged();
    return true;
}

void TfrFrameStandartDeduct::OnAmountChanged(int month, TMaskedEdit* edit) {
    if (!m_loading && !edit->text().isEmpty())
        m_monthTicks[month]->setChecked(true);
}

void TfrFrameStandartDeduct::OnMonthTickClicked(int month) {
    if (m_monthTicks[month]->isChecked())
        return;
    m_incomes[month]->clear();
    m_expenses[month]->clear();
}

}  // namespace zizaza
