#include "screens/TfrFramePensDeduct.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmChildEduSum.h"
#include "screens/TfmInputSoursePens.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

const QString kContractsTitle = QStringLiteral(
    "Договоры добровольного страх. жизни, пенс. страх., негос. пенс. обеспеч. и доп. страх. взносы на накопит. пенсию");

// The kind of a contract as its list row names it.
QString ContractKindText(int32_t kind) {
    static const QString kinds[] = {QStringLiteral("Негосударственное пенсионное обеспечение"),
                                    QStringLiteral("Добровольное пенсионное страхование"),
                                    QStringLiteral("Добровольное страхование жизни"),
                                    QStringLiteral("Доп. взносы на накопительную пенсию")};
    return kind >= 1 && kind <= 4 ? kinds[kind - 1] : QString();
}

// Add, delete and edit under a list, returned in that order.
std::array<QPushButton*, 3> ListButtons(QWidget* parent, QBoxLayout* layout, const char* suffix, const QString& addHint,
                                        const QString& deleteHint, const QString& editHint) {
    const QByteArray s(suffix);
    std::array<QPushButton*, 3> buttons = {
        parts::ListButton(parent, ("fbAdd" + s).constData(), QStringLiteral("Добавить"), addHint),
        parts::ListButton(parent, ("fbDelete" + s).constData(), QStringLiteral("Удалить"), deleteHint),
        parts::ListButton(parent, ("fbEdit" + s).constData(), QStringLiteral("Изменить"), editHint)};
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    layout->addLayout(row);
    return buttons;
}

}  // namespace

TfrFramePensDeduct::TfrFramePensDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frFramePensDeduct"));
    LoadingGuard guard(Host());
    BuildLayout();
    BuildLists();
    WatchControls();
    chbGrantingSocDeduct->setChecked(Record().Granted);
    if (Record().Granted)
        m_amounts.Load(Record());
    m_children->Rebuild(Record().ChildEducationCount() > 0 ? 0 : -1);
    m_contracts->Rebuild();
    ApplyEnabled();
}

mTSocialDeduct& TfrFramePensDeduct::Record() const {
    return Doc().SocialDeductions;
}

void TfrFramePensDeduct::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* box = ScreenGroup(this, "gbSocialDeduct", QStringLiteral("Социальные налоговые вычеты"));
    auto* boxLayout = new QVBoxLayout(box);
    chbGrantingSocDeduct =
        Named(new QCheckBox(QStringLiteral("Предоставить социальные налоговые вычеты"), box), "chbGrantingSocDeduct");
    connect(chbGrantingSocDeduct, &QCheckBox::clicked, this, &TfrFramePensDeduct::OnGrantClicked);
    boxLayout->addWidget(chbGrantingSocDeduct);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildSums(box));
    top->addWidget(BuildChildren(box), 1);
    boxLayout->addLayout(top);
    boxLayout->addWidget(BuildContracts(box), 1);
    boxLayout->addWidget(BuildAgent(box));
    layout->addWidget(box, 1);
}

TMaskedEdit* TfrFramePensDeduct::AddAmount(QWidget* parent, QFormLayout* form, const char* name,
                                           const QString& caption) {
    TMaskedEdit* edit = parts::MoneyEdit(parent, name);
    auto* label = new QLabel(caption, parent);
    form->addRow(label, edit);
    m_amountWidgets << label << edit;
    return edit;
}

QWidget* TfrFramePensDeduct::BuildSums(QWidget* parent) {
    auto* box = ScreenGroup(parent, "gbSums", QStringLiteral("Суммы, затраченные на"));
    auto* form = new QFormLayout(box);
    meCharitySum = AddAmount(box, form, "meCharitySum", QStringLiteral("благотворительность"));
    meSelfEducationSum = AddAmount(box, form, "meSelfEducationSum", QStringLiteral("свое обучение"));
    meMedicalSum = AddAmount(box, form, "meMedicalSum", QStringLiteral("лечение"));
    meExpensiveMedicalSum = AddAmount(box, form, "meExpensiveMedicalSum", QStringLiteral("дорогостоящее лечение"));
    meStrahovka = AddAmount(box, form, "meStrahovka", QStringLiteral("добровольное страхование"));
    meStrahovka2 = AddAmount(box, form, "meStrahovka2", QStringLiteral("дополнительные страховые\nпенсионные взносы"));
    // Kept in the document and written back, but not entered on this screen.
    form->setRowVisible(meStrahovka2, false);
    meKval = AddAmount(box, form, "meKval", QStringLiteral("оценка квалификации"));

    auto money = [this](TMaskedEdit* edit, zizaza::Money mTSocialDeduct::*field) { m_amounts.Money(edit, field); };
    money(meCharitySum, &mTSocialDeduct::Charity);
    money(meSelfEducationSum, &mTSocialDeduct::OwnEducation);
    money(meMedicalSum, &mTSocialDeduct::Medical);
    money(meExpensiveMedicalSum, &mTSocialDeduct::ExpensiveMedical);
    money(meStrahovka, &mTSocialDeduct::VoluntaryInsurance);
    money(meStrahovka2, &mTSocialDeduct::AdditionalPensionContributions);
    money(meKval, &mTSocialDeduct::QualificationAssessment);
    return box;
}

QWidget* TfrFramePensDeduct::BuildChildren(QWidget* parent) {
    auto* box = Named(new QGroupBox(QStringLiteral("Суммы, уплаченные за обучение детей"), parent), "gbChildren");
    auto* layout = new QVBoxLayout(box);
    lvSumList = Named(new QTreeWidget(box), "lvSumList");
    TListScreenHelper::SetupView(lvSumList, {QStringLiteral("Суммы")});
    lvSumList->setToolTip(QStringLiteral("Список сумм, уплаченных за всех детей"));
    layout->addWidget(lvSumList, 1);
    const auto buttons =
        ListButtons(box, layout, "Sum", QStringLiteral("Добавить очередную сумму, уплаченную за обучение детей"),
                    QStringLiteral("Удалить сумму, уплаченную за обучение детей"),
                    QStringLiteral("Редактировать сумму, уплаченную за обучение детей"));
    fbAddSum = buttons[0];
    fbDeleteSum = buttons[1];
    fbEditSum = buttons[2];
    return box;
}

QWidget* TfrFramePensDeduct::BuildContracts(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    lvPensInfo = Named(new QTreeWidget(panel), "lvPensInfo");
    TListScreenHelper::SetupView(lvPensInfo, {QStringLiteral("Организация или фонд"), QStringLiteral("Вид договора"),
                                              QStringLiteral("Сумма взноса")});
    TListScreenHelper::StretchColumn(lvPensInfo, 0);
    lvPensInfo->setToolTip(kContractsTitle);
    layout->addWidget(lvPensInfo, 1);
    const auto buttons = ListButtons(panel, layout, "Pens", QStringLiteral("Добавить договор"),
                                     QStringLiteral("Удалить договор"), QStringLiteral("Редактировать договор"));
    fbAddPens = buttons[0];
    fbDeletePens = buttons[1];
    fbEditPens = buttons[2];
    return panel;
}

QWidget* TfrFramePensDeduct::BuildAgent(QWidget* parent) {
    auto* box = ScreenGroup(parent, "gbAgent", QStringLiteral("Социальные вычеты, предоставленные налоговым агентом"));
    auto* form = new QFormLayout(box);
    meSumNewNA = AddAmount(box, form, "meSumNewNA", QStringLiteral("(коды 320, 321, 324, 325, 326)"));
    m_amounts.Money(meSumNewNA, &mTSocialDeduct::AgentSocialDeductions);
    return box;
}

void TfrFramePensDeduct::BuildLists() {
    ListOperations children;
    children.count = [this] { return static_cast<int>(Record().ChildEducationCount()); };
    children.rowTexts = [this](int i) { return QStringList{MoneyToScreen(Record().ChildEducation(size_t(i)))}; };
    children.add = [this] { return AddChildAmount(); };
    children.edit = [this](int i) { return EditChildAmount(i); };
    children.remove = [this](int i) { Record().DeleteChildEducation(size_t(i)); };
    m_children = new TListScreenHelper(Host(), lvSumList, std::move(children), this);
    m_children->ConnectButtons(fbAddSum, fbEditSum, fbDeleteSum);

    ListOperations contracts;
    contracts.count = [this] { return static_cast<int>(Record().ContractCount()); };
    contracts.rowTexts = [this](int i) {
        const mTPens& contract = Record().Contract(size_t(i));
        return QStringList{ContractText(i), ContractKindText(contract.ContractKind),
                           MoneyToList(contract.Contribution)};
    };
    contracts.recordName = [this](int i) { return ContractText(i); };
    contracts.add = [this] { return AddContract(); };
    contracts.edit = [this](int i) { return EditContract(i); };
    contracts.remove = [this](int i) { Record().SetContract(size_t(i), nullptr); };
    m_contracts = new TListScreenHelper(Host(), lvPensInfo, std::move(contracts), this);
    m_contracts->ConnectButtons(fbAddPens, fbEditPens, nullptr);
    // A deleted contract leaves no row selected, so its delete button is wired here.
    connect(fbDeletePens, &QPushButton::clicked, this, &TfrFramePensDeduct::RemoveContract);
    m_contracts->SetDependents({fbDeletePens});
}

QString TfrFramePensDeduct::ContractText(int record) const {
    const mTPens& contract = Record().Contract(size_t(record));
    if (contract.ContractKind == mTPens::kAdditionalContributions)
        return QStringLiteral("Дополнительные страховые взносы на накопительную пенсию");
    return QString::fromStdString(contract.OrganizationName);
}

void TfrFramePensDeduct::ApplyEnabled() {
    const bool on = chbGrantingSocDeduct->isChecked();
    for (QWidget* w : m_amountWidgets)
        w->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{lvSumList, lvPensInfo, fbAddSum, fbAddPens})
        w->setEnabled(on);
}

void TfrFramePensDeduct::OnGrantClicked() {
    if (!chbGrantingSocDeduct->isChecked()) {
        for (QWidget* w : m_amountWidgets)
            if (auto* edit = qobject_cast<TMaskedEdit*>(w))
                edit->clear();
        mTSocialDeduct& r = Record();
        while (r.ChildEducationCount() > 0)
            r.DeleteChildEducation(r.ChildEducationCount() - 1);
        while (r.ContractCount() > 0)
            r.SetContract(r.ContractCount() - 1, nullptr);
        m_children->Rebuild();
        m_contracts->Rebuild();
    }
    ApplyEnabled();
}

void TfrFramePensDeduct::SaveToDocument() {
    Record().Granted = chbGrantingSocDeduct->isChecked();
    m_amounts.Save(Record());
}

uint16_t TfrFramePensDeduct::CheckScreen() {
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckSocialDeductionsScreen(Doc(), dialog);
}

void TfrFramePensDeduct::FocusItem(uint16_t item) {
    switch (item) {
        case kItemCharity:
            meCharitySum->setFocus();
            break;
        case kItemChildren:
            lvSumList->setFocus();
            break;
        case kItemAgent:
            meSumNewNA->setFocus();
            break;
        default:
            break;
    }
}

bool TfrFramePensDeduct::AddChildAmount() {
    TfmChildEduSum dialog(Host());
    if (!dialog.Run() || dialog.Amount().IsZero())
        return false;
    Record().AddChildEducation(dialog.Amount());
    return true;
}

bool TfrFramePensDeduct::EditChildAmount(int record) {
    TfmChildEduSum dialog(Host());
    dialog.SetAmount(Record().ChildEducation(size_t(record)));
    if (!dialog.Run() || dialog.Amount().IsZero())
        return false;
    Record().SetChildEducation(size_t(record), dialog.Amount());
    return true;
}

bool TfrFramePensDeduct::AddContract() {
    TfmInputSoursePens dialog(Host());
    if (!dialog.Run() || (dialog.TrimmedName().isEmpty() && dialog.Kind() != mTPens::kAdditionalContributions))
        return false;
    dialog.Apply(Record().Contract(Record().AddContract()));
    return true;
}

bool TfrFramePensDeduct::EditContract(int record) {
    mTPens& contract = Record().Contract(size_t(record));
    TfmInputSoursePens dialog(Host());
    dialog.Fill(contract);
    if (!dialog.Run() || (dialog.TrimmedName().isEmpty() && dialog.Kind() != mTPens::kAdditionalContributions))
        return false;
    dialog.Apply(contract);
    return true;
}

void TfrFramePensDeduct::RemoveContract() {
    m_contracts->Remove();
    m_contracts->Select(-1);
}

}  // namespace zizaza
