#include "screens/TfrMultyConstructionDeduct.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <tuple>

#include "calc/PropertyLimits.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/TListScreenHelper.h"
#include "screens/TfmInputConstruction.h"
#include "screens/controls/TMaskedEdit.h"
#include "storage/NumberText.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

using Object = mTConstructionDeductObj;

const char* const kShortKinds[] = {"Жилой дом",
                                   "Квартира",
                                   "Комната",
                                   "Доля в доме, квартире, комнате",
                                   "Земельный участок под строительство",
                                   "Земельный участок с приобретенным домом",
                                   "Дом с земельным участком",
                                   "Доля в земле"};

template <typename Pred>
bool AllObjects(const mTConstructionDeduct& record, Pred pred) {
    for (size_t i = 0; i < record.ObjectCount(); ++i)
        if (!pred(record.Object(i)))
            return false;
    return true;
}

template <typename Pred>
bool AnyObject(const mTConstructionDeduct& record, Pred pred) {
    return !AllObjects(record, [&](const Object& o) { return !pred(o); });
}

// Both the registration of the right and the transfer act lie in the years of the rules from
// 2014 on.
bool AllNew(const mTConstructionDeduct& record) {
    return AllObjects(record, [](const Object& o) {
        return o.OwnershipRegistrationDate.Year() >= kPropertyCurrentRulesFrom &&
               o.TransferActDate.Year() >= kPropertyCurrentRulesFrom;
    });
}

bool AllFromTaxYear(const mTConstructionDeduct& record) {
    return AllObjects(record, [](const Object& o) {
        return o.OwnershipRegistrationDate.Year() >= kTaxYear && o.TransferActDate.Year() >= kTaxYear;
    });
}

// One object under the earlier rules; it may still get a second object for its credit interest.
bool SingleOld(const mTConstructionDeduct& record) {
    return record.ObjectCount() == 1 && !AllNew(record) && record.Object(0).Interest.IsZero();
}

bool AnyPensioner(const mTConstructionDeduct& record) {
    return AnyObject(record, [](const Object& o) { return o.Pensioner; });
}

bool AnyInterest(const mTConstructionDeduct& record, size_t except) {
    for (size_t i = 0; i < record.ObjectCount(); ++i)
        if (i != except && !record.Object(i).Interest.IsZero())
            return true;
    return false;
}

QString ShortKind(int32_t kind) {
    if (kind < 1 || kind > static_cast<int32_t>(std::size(kShortKinds)))
        return QStringLiteral("Объект не выбран");
    return QString::fromUtf8(kShortKinds[kind - 1]);
}

}  // namespace

TfrMultyConstructionDeduct::TfrMultyConstructionDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frMultyConstructionDeduct"));
    const LoadingGuard loading(Host());
    BuildLayout();
    BindAmounts();
    WatchControls();
    connect(chbGrantingConstructionDeduct, &QCheckBox::clicked, this, &TfrMultyConstructionDeduct::OnGrantClicked);

    chbGrantingConstructionDeduct->setChecked(Record().Granted);
    ApplyGrant();
    if (Record().Granted) {
        m_kindTexts.clear();
        for (size_t i = 0; i < Record().ObjectCount(); ++i)
            m_kindTexts.push_back(ShortKind(static_cast<int32_t>(Record().Object(i).ObjectKind)));
        m_objects->Rebuild();
        RefreshTotals();
        if (Record().ObjectCount() > 0)
            m_amounts.Load(Record());
    }
    ApplyAddRule();
    ApplyEarlierYearsRule();
}

mTConstructionDeduct& TfrMultyConstructionDeduct::Record() const {
    return Doc().PropertyDeductions;
}

void TfrMultyConstructionDeduct::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    chbGrantingConstructionDeduct =
        Named(new QCheckBox(QStringLiteral("Предоставить имущественный налоговый вычет"), this),
              "chbGrantingConstructionDeduct");
    layout->addWidget(chbGrantingConstructionDeduct);
    layout->addWidget(BuildObjects(), 1);
    layout->addWidget(BuildCalculation());
}

QGroupBox* TfrMultyConstructionDeduct::BuildObjects() {
    gbObjects = Named(new QGroupBox(QStringLiteral(" Сведения об объектах"), this), "gbObjects");
    auto* layout = new QVBoxLayout(gbObjects);
    lvObjects = Named(new QTreeWidget(gbObjects), "lvObjects");
    TListScreenHelper::SetupView(
        lvObjects, {QStringLiteral("Объект"), QStringLiteral("Номер объекта"), QStringLiteral("Место нахождения")});
    TListScreenHelper::StretchColumn(lvObjects, 2);
    lvObjects->setToolTip(QStringLiteral("Список объектов"));
    layout->addWidget(lvObjects, 1);
    lbObjectNotes = Named(new QLabel(gbObjects), "lbObjectNotes");
    lbObjectNotes->setWordWrap(true);
    lbObjectNotes->hide();
    layout->addWidget(lbObjectNotes);
    auto* row = new QHBoxLayout;
    fbAddObject = parts::ListButton(gbObjects, "fbAddObject", QStringLiteral("Добавить объект"),
                                    QStringLiteral("Добавить объект"));
    fbDeleteObject = parts::ListButton(gbObjects, "fbDeleteObject", QStringLiteral("Удалить объект"),
                                       QStringLiteral("Удалить объект"));
    fbEditObject = parts::ListButton(gbObjects, "fbEditObject", QStringLiteral("Редактировать объект"),
                                     QStringLiteral("Редактировать объект"));
    for (QPushButton* button : {fbAddObject, fbDeleteObject, fbEditObject})
        row->addWidget(button);
    row->addStretch();
    layout->addLayout(row);
    lbAddObjectWhy = Named(new QLabel(gbObjects), "lbAddObjectWhy");
    lbAddObjectWhy->setWordWrap(true);
    lbAddObjectWhy->hide();
    layout->addWidget(lbAddObjectWhy);

    ListOperations ops;
    ops.count = [this] { return static_cast<int>(Record().ObjectCount()); };
    ops.rowTexts = [this](int i) { return RowTexts(i); };
    ops.recordName = [this](int i) { return RowTexts(i).mid(0, 2).join(QLatin1Char(' ')); };
    ops.add = [this] { return AddObject(); };
    ops.edit = [this](int i) { return EditObject(i); };
    ops.remove = [this](int i) { RemoveObject(i); };
    ops.refreshTotals = [this] { RefreshTotals(); };
    m_objects = new TListScreenHelper(Host(), lvObjects, std::move(ops), this);
    // The add button follows its own rule; the helper enables edit and delete by the selection.
    connect(fbAddObject, &QPushButton::clicked, m_objects, &TListScreenHelper::Add);
    m_objects->ConnectButtons(nullptr, fbEditObject, fbDeleteObject);
    return gbObjects;
}

QGroupBox* TfrMultyConstructionDeduct::BuildCalculation() {
    auto* box = Named(new QGroupBox(QStringLiteral(" Расчет имущественного вычета"), this), "gbCalculation");
    auto* grid = new QGridLayout(box);
    pnlAllCost = parts::TotalDisplay(box, "pnlAllCost");
    pnlAllInterest = parts::TotalDisplay(box, "pnlAllInterest");
    meAgentPurchase = parts::MoneyEdit(box, "meAgentPurchase");
    meAgentPurchase->setToolTip(QStringLiteral("т.е. у работодателя"));
    mePrevPurchase = parts::MoneyEdit(box, "mePrevPurchase");
    meAgentInterest = parts::MoneyEdit(box, "meAgentInterest");
    mePrevInterest = parts::MoneyEdit(box, "mePrevInterest");
    lbAgentPurchase = Named(new QLabel(QStringLiteral("Вычет у налогового агента в отчетном году (код 311)"), box),
                            "lbAgentPurchase");
    lbAgentPurchase->setToolTip(QStringLiteral("т.е. у работодателя"));
    lbPrevPurchase = Named(new QLabel(QStringLiteral("Вычет по предыдущим годам"), box), "lbPrevPurchase");
    lbAgentInterest = Named(new QLabel(QStringLiteral("Вычет у налогового агента в отчетном году (код 312)"), box),
                            "lbAgentInterest");
    lbPrevInterest = Named(new QLabel(QStringLiteral("Вычет по предыдущим годам"), box), "lbPrevInterest");

    int row = 0;
    auto heading = [&](const QString& text) {
        auto* label = new QLabel(text, box);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        grid->addWidget(label, row++, 0, 1, 2);
    };
    auto line = [&](QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignLeft);
    };
    heading(QStringLiteral("Данные по покупке (строительству) объектов"));
    line(new QLabel(QStringLiteral("Общая стоимость всех объектов (с учетом ограничений вычета)"), box), pnlAllCost);
    line(lbAgentPurchase, meAgentPurchase);
    line(lbPrevPurchase, mePrevPurchase);
    heading(QStringLiteral("Данные процентов по кредитам"));
    line(new QLabel(QStringLiteral("Проценты по кредитам за все годы"), box), pnlAllInterest);
    line(lbAgentInterest, meAgentInterest);
    line(lbPrevInterest, mePrevInterest);
    grid->setColumnStretch(2, 1);
    return box;
}

void TfrMultyConstructionDeduct::BindAmounts() {
    using R = mTConstructionDeduct;
    m_amounts.MoneyOrEmpty(meAgentPurchase, &R::AgentPurchase);
    m_amounts.MoneyOrEmpty(mePrevPurchase, &R::PreviousYearsPurchase);
    m_amounts.MoneyOrEmpty(meAgentInterest, &R::AgentInterest);
    m_amounts.MoneyOrEmpty(mePrevInterest, &R::PreviousYearsInterest);
}

QStringList TfrMultyConstructionDeduct::RowTexts(int record) const {
    const size_t i = static_cast<size_t>(record);
    const QString kind =
        i < m_kindTexts.size() ? m_kindTexts[i] : ShortKind(static_cast<int32_t>(Record().Object(i).ObjectKind));
    return {kind, QString::fromStdString(Record().Object(i).Number), QString::fromStdString(Record().Object(i).Place)};
}

void TfrMultyConstructionDeduct::SaveToDocument() {
    Record().Granted = chbGrantingConstructionDeduct->isChecked();
    if (Record().Granted)
        m_amounts.Save(Record());
}

void TfrMultyConstructionDeduct::FocusItem(uint16_t item) {
    m_objects->FocusRecord(item);
}

void TfrMultyConstructionDeduct::OnGrantClicked() {
    if (!chbGrantingConstructionDeduct->isChecked() && !RemoveAllObjects()) {
        chbGrantingConstructionDeduct->setChecked(true);
        return;
    }
    ApplyGrant();
    RefreshTotals();
}

void TfrMultyConstructionDeduct::ApplyGrant() {
    const bool granted = chbGrantingConstructionDeduct->isChecked();
    gbObjects->setEnabled(granted);
    SetAmountsEnabled(granted && Record().ObjectCount() > 0);
    ApplyAddRule();
}

// Without the deduction its objects go; a list of entered objects is not thrown away without
// the user's consent.
bool TfrMultyConstructionDeduct::RemoveAllObjects() {
    if (Record().ObjectCount() > 0 && Host().Ui().Ask(QStringLiteral("Удалить все объекты имущественного вычета?"),
                                                      false) != UserInterface::Answer::Yes)
        return false;
    while (Record().ObjectCount() > 0)
        Record().SetObject(Record().ObjectCount() - 1, nullptr);
    m_kindTexts.clear();
    m_objects->Rebuild();
    return true;
}

void TfrMultyConstructionDeduct::SetAmountsEnabled(bool enabled) {
    for (TMaskedEdit* edit : {meAgentPurchase, mePrevPurchase, meAgentInterest, mePrevInterest}) {
        if (!enabled)
            edit->clear();
        edit->setEnabled(enabled);
    }
    for (QLabel* label : {lbAgentPurchase, lbPrevPurchase, lbAgentInterest, lbPrevInterest})
        label->setEnabled(enabled);
}

void TfrMultyConstructionDeduct::RefreshTotals() {
    // The figures the calculation will use.
    const PropertyLimits limits = LimitPropertyDeduction(Record());
    pnlAllCost->setText(MoneyToScreen(limits.Cost));
    pnlAllInterest->setText(MoneyToScreen(limits.Interest));
    QStringList notes;
    for (size_t i = 0; i < limits.Objects.size(); ++i) {
        const QString object = QStringLiteral("Объект %1 (%2)")
                                   .arg(i + 1)
                                   .arg(RowTexts(static_cast<int>(i)).mid(0, 2).join(QLatin1Char(' ')).trimmed());
        if (limits.Objects[i].Purchase == PropertyObjectRole::PurchaseAfterEarlierRules)
            notes << object + QStringLiteral(
                                  ": вычет на покупку не предоставляется — вычет по объекту, приобретенному "
                                  "до %1 года, предоставляется только один раз (пп. 2 п. 1 ст. 220 НК РФ в "
                                  "редакции до 01.01.%1).")
                                  .arg(kPropertyCurrentRulesFrom);
        if (limits.Objects[i].Interest == PropertyInterestRole::AnotherObject)
            notes << object + QStringLiteral(
                                  ": проценты по кредиту не учитываются — вычет по процентам предоставляется "
                                  "только по одному объекту (п. 11 ст. 220 НК РФ), учтены проценты объекта %1.")
                                  .arg(limits.InterestObject + 1);
    }
    lbObjectNotes->setText(notes.join(QLatin1Char('\n')));
    lbObjectNotes->setVisible(!notes.isEmpty());
    SetAmountsEnabled(chbGrantingConstructionDeduct->isChecked() && Record().ObjectCount() > 0);
    ApplyAddRule();
    ApplyEarlierYearsRule();
}

void TfrMultyConstructionDeduct::ApplyAddRule() {
    const mTConstructionDeduct& record = Record();
    const bool granted = chbGrantingConstructionDeduct->isChecked();
    const bool allowed = AllNew(record) || SingleOld(record);
    fbAddObject->setEnabled(granted && allowed);
    lbAddObjectWhy->setText(
        !granted ? QStringLiteral("Объект добавляется, когда отмечено «Предоставить имущественный налоговый вычет».")
                 : QStringLiteral("Объект не добавляется: по объекту, право на который возникло до %1 года, вычет "
                                  "предоставляется один раз; второй объект можно добавить лишь для процентов по "
                                  "кредиту, если у первого их нет (пп. 2 п. 1 ст. 220 НК РФ в редакции до "
                                  "01.01.%1).")
                       .arg(kPropertyCurrentRulesFrom));
    lbAddObjectWhy->setVisible(!(granted && allowed));
}

void TfrMultyConstructionDeduct::ApplyEarlierYearsRule() {
    const mTConstructionDeduct& record = Record();
    const bool pensioner = AnyPensioner(record);
    const bool purchase = chbGrantingConstructionDeduct->isChecked() && record.ObjectCount() > 0 &&
                          !(AllFromTaxYear(record) && !pensioner);
    Money earlierInterest;
    for (size_t i = 0; i < record.ObjectCount(); ++i) {
        const Object& o = record.Object(i);
        if (pensioner || o.OwnershipRegistrationDate.Year() < kTaxYear || o.TransferActDate.Year() < kTaxYear)
            earlierInterest += o.Interest;
    }
    const bool interest = purchase && earlierInterest > Money();
    for (auto [edit, label, on] :
         {std::tuple{mePrevPurchase, lbPrevPurchase, purchase}, std::tuple{mePrevInterest, lbPrevInterest, interest}}) {
        if (!on)
            edit->clear();
        edit->setEnabled(on);
        label->setEnabled(on);
    }
}

bool TfrMultyConstructionDeduct::AddObject() {
    mTConstructionDeduct& record = Record();
    if (!chbGrantingConstructionDeduct->isChecked() || !(AllNew(record) || SingleOld(record)))
        return false;
    TfmInputConstruction dialog(Host());
    dialog.SetRestrict2014(record.ObjectCount() > 0);
    dialog.SetCostLocked(SingleOld(record));
    dialog.SetInterestOpen(!AnyInterest(record, record.ObjectCount()));
    dialog.SetPensioner(AnyPensioner(record));
    if (!dialog.Run())
        return false;
    auto object = std::make_unique<Object>();
    dialog.Apply(*object);
    record.AddObject(std::move(object));
    m_kindTexts.resize(record.ObjectCount() - 1);
    m_kindTexts.push_back(dialog.ObjectKindText());
    SetPensionerEverywhere(dialog.Pensioner());
    return true;
}

bool TfrMultyConstructionDeduct::EditObject(int index) {
    mTConstructionDeduct& record = Record();
    const size_t i = static_cast<size_t>(index);
    const size_t n = record.ObjectCount();
    const Object& edited = record.Object(i);
    bool restrict = n > 2;
    if (n == 2) {
        // A pair of an object with its cost and one that carries only the credit interest on it
        // may keep the earlier dates.
        const Object& other = record.Object(1 - i);
        const bool costOnly = !edited.Cost.IsZero() && edited.Interest.IsZero();
        const bool interestOnly = !other.Interest.IsZero() && other.Cost.IsZero();
        restrict = !(costOnly && interestOnly);
    }
    TfmInputConstruction dialog(Host());
    dialog.SetRestrict2014(restrict);
    dialog.SetCostLocked(n == 2 && !AllNew(record) && !edited.Interest.IsZero());
    dialog.SetInterestOpen(!AnyInterest(record, i));
    dialog.Fill(edited);
    if (!dialog.Run())
        return false;
    auto object = std::make_unique<Object>(edited);
    dialog.Apply(*object);
    record.SetObject(i, std::move(object));
    m_kindTexts.resize(n);
    m_kindTexts[i] = dialog.ObjectKindText();
    SetPensionerEverywhere(dialog.Pensioner());
    return true;
}

void TfrMultyConstructionDeduct::RemoveObject(int index) {
    Record().SetObject(static_cast<size_t>(index), nullptr);
    if (static_cast<size_t>(index) < m_kindTexts.size())
        m_kindTexts.erase(m_kindTexts.begin() + index);
}

void TfrMultyConstructionDeduct::SetPensionerEverywhere(bool pensioner) {
    for (size_t i = 0; i < Record().ObjectCount(); ++i)
        Record().Object(i).Pensioner = pensioner;
}

}  // namespace zizaza
