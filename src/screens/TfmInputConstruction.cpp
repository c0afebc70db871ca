#include "screens/TfmInputConstruction.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>

#include "checks/EntryRules.h"
#include "checks/ui/SourceCheckDialog.h"
#include "model/TaxFacts.h"
#include "model/mTConstructionDeductObj.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TUpDown.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

const char* const kPurchaseKinds[] = {
    "Жилой дом",
    "Квартира",
    "Комната",
    "Доля (доли) в жилом доме, квартире, комнате",
    "Земельный участок для индивидуального жилищного строительства",
    "Земельный участок, на котором расположен приобретенный жилой дом",
    "Жилой дом с земельным участком",
    "Доля (доли) в земле",
};
const char* const kInvestmentKinds[] = {"Жилой дом", "Квартира", "Комната", "Доля (доли) в доме, квартире, комнате"};

const char* const kOwnershipFrom2014[] = {
    "Индивидуальная собственность",
    "Общая долевая собственность",
    "Общая совместная собственность (с заявлением о распределении расходов)",
    "Собственность несовершеннолетнего ребёнка ",
    "Общая совместная собственность (без заявления о распределении расходов)",
    "Общая долевая собственность супругов (с заявлением о распределении расходов)",
};
const char* const kOwnershipBefore2014[] = {"Индивидуальная собственность", "Общая долевая собственность",
                                            "Общая совместная собственность",
                                            "Собственность несовершеннолетнего ребёнка "};

const char* const kNumberKinds[] = {"Кадастровый номер", "Условный номер", "Инвентарный номер", "Номер отсутствует"};
constexpr int kNoNumber = 3;  // "Номер отсутствует"

const char* const kTaxpayerSigns[] = {
    "Собственник объекта",
    "Супруг(а) собственника объекта",
    "Родитель несовершеннолетнего собственника объекта",
    "Объект в общей долевой собственности заявителя и несовершеннолетнего ребенка",
    "Объект в общей долевой собственности супруга(и) заявителя и несовершеннолетнего ребенка",
};

constexpr int kFirstLandKind = 4;  // position of the first land kind of a purchase
constexpr int kLatestYear = kTaxYear;
constexpr int kLatestPensionerYear = 2020;
constexpr int kEmptyYear = 1997;

template <size_t N>
void SetItems(QComboBox* box, const char* const (&items)[N]) {
    const int keep = box->currentIndex() < static_cast<int>(N) ? box->currentIndex() : -1;
    const QSignalBlocker block(box);
    box->clear();
    for (const char* item : items)
        box->addItem(QString::fromUtf8(item));
    box->setCurrentIndex(keep);
}

QComboBox* Choice(QWidget* parent, const char* name) {
    auto* box = Named(new QComboBox(parent), name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(40);
    return box;
}

TDtpPanel* DatePanel(QWidget* parent, const char* name) {
    return Named(new TDtpPanel(parent), name);
}

// Widgets side by side as one field of the table (spacing -1: the style's).
QWidget* SideBySide(QWidget* parent, std::initializer_list<QWidget*> widgets, int spacing = -1) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    if (spacing >= 0)
        row->setSpacing(spacing);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    return box;
}

// "Доля": an empty or zero part counts as 1, and a share is never more than the whole.
void NormalizeShare(int32_t& num, int32_t& den) {
    num = std::max(num, 0);
    den = std::max(den, 0);
    if (num == 0)
        num = 1;
    if (den == 0)
        den = 1;
    num = std::min(num, den);
}

bool From2014(Date date) {
    return date.Year() >= kPropertyCurrentRulesFrom;
}

}  // namespace

TfmInputConstruction::TfmInputConstruction(ScreenHost& host) : TEntryDialog(host, QStringLiteral("Данные объекта")) {
    setObjectName(QStringLiteral("fmInputConstruction"));
    BuildLayout();
    Connect();
    Bind();
    // Only "Да", "Нет" and the close box end this dialog.
    SetEnterEscapeHandled(false);
    rbPurchase->setChecked(true);
    OnAcquisitionChanged();
    ApplyBounds();
    udBeginningUsePrivilegeDate->SetPosition(kLatestYear);
    ApplyNumberKind();
    ApplyApplicationDate();
    ApplyDatesRule();
}

void TfmInputConstruction::MakeFields(QWidget* box) {
    rbInvestment = Named(new QRadioButton(QStringLiteral("инвестирование"), box), "rbInvestment");
    rbPurchase = Named(new QRadioButton(QStringLiteral("договор купли-продажи"), box), "rbPurchase");
    rbPurchase->setToolTip(QStringLiteral("а также самостоятельное строительство"));
    // The group's ids are the stored "by investment" flag.
    m_acquisition = new QButtonGroup(this);
    m_acquisition->addButton(rbPurchase, 0);
    m_acquisition->addButton(rbInvestment, 1);

    cbObjectNaim = Choice(box, "cbObjectNaim");
    cbVidSob = Choice(box, "cbVidSob");
    cbKodNomSob = Choice(box, "cbKodNomSob");
    SetItems(cbKodNomSob, kNumberKinds);
    meNom = Named(new TMaskedEdit(box), "meNom");
    meNom->SetupText(100);
    meNom->setMinimumWidth(300);
    meMesto = Named(new TMaskedEdit(box), "meMesto");
    meMesto->SetupText(255);
    meMesto->setMinimumWidth(300);
    cbPrizNal = Choice(box, "cbPrizNal");
    SetItems(cbPrizNal, kTaxpayerSigns);
    dtpRegRightDate = DatePanel(box, "dtpRegRightDate");
    dtpRegZemDate = DatePanel(box, "dtpRegZemDate");
    dtpBuyDate = DatePanel(box, "dtpBuyDate");
    dtpAppDate = DatePanel(box, "dtpAppDate");

    // The year is changed only by the arrows.
    meBeginningUsePrivilegeDate = parts::DigitsEdit(box, "meBeginningUsePrivilegeDate", 4);
    meBeginningUsePrivilegeDate->setReadOnly(true);
    meBeginningUsePrivilegeDate->setFixedWidth(50);
    udBeginningUsePrivilegeDate =
        Named(new TUpDown(meBeginningUsePrivilegeDate, 1992, kLatestPensionerYear, box), "udBeginningUsePrivilegeDate");
    meDol1 = parts::DigitsEdit(box, "meDol1", 6);
    meDol2 = parts::DigitsEdit(box, "meDol2", 6);
    for (TMaskedEdit* part : {meDol1, meDol2})
        part->setFixedWidth(70);
    meObsch = parts::MoneyEdit(box, "meObsch");
    meObsch->SetWholeLength(8);
    meobschip = parts::MoneyEdit(box, "meobschip");
    meobschip->SetWholeLength(8);
    chbPensioner = Named(new QCheckBox(QStringLiteral("Являюсь пенсионером"), box), "chbPensioner");
}

void TfmInputConstruction::BuildLayout() {
    auto* box = Named(new QGroupBox(QStringLiteral(" Сведения об объекте"), this), "gbObject");
    auto* grid = new QGridLayout(box);
    MakeFields(box);
    auto* acquisition = new QHBoxLayout;
    acquisition->addWidget(rbInvestment);
    acquisition->addWidget(rbPurchase);
    acquisition->addStretch();
    QWidget* year = SideBySide(box, {meBeginningUsePrivilegeDate, udBeginningUsePrivilegeDate}, 0);
    QWidget* share = SideBySide(box, {meDol1, new QLabel(QStringLiteral("/"), box), meDol2});

    const Qt::Alignment left = Qt::AlignLeft;
    parts::AddRows(grid, box,
                   {{.layout = acquisition},
                    {.caption = QStringLiteral("Наименование объекта"), .field = cbObjectNaim, .align = left},
                    {.caption = QStringLiteral("Вид собственности"), .field = cbVidSob, .align = left},
                    {.caption = QStringLiteral("Код номера объекта"), .field = cbKodNomSob, .align = left},
                    {.caption = QStringLiteral("Номер объекта"), .field = meNom, .align = left},
                    {.caption = QStringLiteral("Место нахождения"), .field = meMesto, .align = left},
                    {.caption = QStringLiteral("Признак налогоплательщика"), .field = cbPrizNal, .align = left},
                    {.caption = QStringLiteral("Дата регистрации права собственности на жилой дом, квартиру, комнату"),
                     .field = dtpRegRightDate,
                     .align = left,
                     .hint = QStringLiteral("указывается при приобретении по договору купли-продажи")},
                    {.caption = QStringLiteral("Дата регистрации права собственности на земельный участок"),
                     .field = dtpRegZemDate,
                     .align = left},
                    {.caption = QStringLiteral("Дата акта о передаче квартиры, комнаты или доли в них"),
                     .field = dtpBuyDate,
                     .align = left,
                     .hint = QStringLiteral("указывается при приобретении по договору инвестирования")},
                    {.caption = QStringLiteral("Дата заявления о распределении имущественного вычета / расходов"),
                     .field = dtpAppDate,
                     .align = left},
                    {.caption = QStringLiteral("Год начала использования вычета"), .field = year, .align = left},
                    {.caption = QStringLiteral("Доля"), .field = share, .align = left},
                    {.caption = QStringLiteral("Стоимость объекта (доли)"), .field = meObsch, .align = left},
                    {.caption = QStringLiteral("Проценты по кредитам за все годы"),
                     .field = meobschip,
                     .align = left,
                     .hint = QStringLiteral("Заполняются только по одному объекту")},
                    {.field = chbPensioner}},
                   0, true);
    grid->setColumnStretch(1, 1);
    Content()->addWidget(box);
}

void TfmInputConstruction::Connect() {
    connect(rbInvestment, &QRadioButton::toggled, this, &TfmInputConstruction::OnAcquisitionChanged);
    connect(cbObjectNaim, &QComboBox::currentIndexChanged, this, &TfmInputConstruction::ApplyLandDate);
    connect(cbKodNomSob, &QComboBox::currentIndexChanged, this, &TfmInputConstruction::ApplyNumberKind);
    connect(cbVidSob, &QComboBox::currentIndexChanged, this, &TfmInputConstruction::ApplyApplicationDate);
    connect(cbPrizNal, &QComboBox::currentIndexChanged, this, &TfmInputConstruction::ApplyApplicationDate);
    connect(dtpRegRightDate, &TDtpPanel::Changed, this, &TfmInputConstruction::ApplyDatesRule);
    connect(dtpBuyDate, &TDtpPanel::Changed, this, &TfmInputConstruction::ApplyDatesRule);
    connect(chbPensioner, &QCheckBox::toggled, this, &TfmInputConstruction::OnPensionerClicked);
    connect(udBeginningUsePrivilegeDate, &TUpDown::Moved, this, &TfmInputConstruction::ClampYear);
}

void TfmInputConstruction::SetRestrict2014(bool restrict) {
    m_restrict2014 = restrict;
    ApplyBounds();
}

void TfmInputConstruction::SetCostLocked(bool locked) {
    meObsch->setEnabled(!locked);
}

void TfmInputConstruction::SetInterestOpen(bool open) {
    meobschip->setEnabled(open);
}

void TfmInputConstruction::SetPensioner(bool pensioner) {
    chbPensioner->setChecked(pensioner);
    ApplyBounds();
}

bool TfmInputConstruction::Pensioner() const {
    return chbPensioner->isChecked();
}

bool TfmInputConstruction::Investment() const {
    return rbInvestment->isChecked();
}

void TfmInputConstruction::ApplyBounds() {
    const Date earliest = m_restrict2014 ? Date::Ymd(kPropertyCurrentRulesFrom, 1, 1) : Date::Ymd(1990, 1, 1);
    const bool pensioner = chbPensioner->isChecked();
    const Date latest = pensioner ? Date::Ymd(2020, 12, 31) : Date::Ymd(kTaxYear, 12, 31);
    const Date latestApplication = pensioner ? Date::Ymd(2021, 12, 31) : Date::Ymd(2020, 12, 31);
    for (TDtpPanel* panel : {dtpRegRightDate, dtpRegZemDate, dtpBuyDate, dtpAppDate}) {
        panel->SetMinDate(earliest);
        panel->SetMaxDate(panel == dtpAppDate ? latestApplication : latest);
    }
    ClampYear();
}

void TfmInputConstruction::OnPensionerClicked() {
    ApplyBounds();
}

int TfmInputConstruction::FirstYear() const {
    const int64_t year = IntegerFieldValue(meBeginningUsePrivilegeDate->text());
    return year == 0 ? kEmptyYear : static_cast<int>(year);
}

void TfmInputConstruction::ClampYear() {
    const int earliest = m_restrict2014 ? kPropertyCurrentRulesFrom : 1992;
    const int latest = chbPensioner->isChecked() ? kLatestPensionerYear : kLatestYear;
    if (meBeginningUsePrivilegeDate->text().trimmed().isEmpty())
        return;
    const int year = std::clamp(FirstYear(), earliest, latest);
    if (year != FirstYear())
        udBeginningUsePrivilegeDate->SetPosition(year);
}

void TfmInputConstruction::OnAcquisitionChanged() {
    const bool investment = Investment();
    const Date fixed = Date::Ymd(kTaxYear, 1, 1);
    if (investment) {
        dtpRegRightDate->SetDate(fixed);
        dtpRegZemDate->SetDate(fixed);
    } else {
        dtpBuyDate->SetDate(fixed);
    }
    dtpRegRightDate->setEnabled(!investment);
    dtpBuyDate->setEnabled(investment);
    FillObjectKinds(investment);
    ApplyLandDate();
}

void TfmInputConstruction::FillObjectKinds(bool investment) {
    if (investment)
        SetItems(cbObjectNaim, kInvestmentKinds);
    else
        SetItems(cbObjectNaim, kPurchaseKinds);
}

void TfmInputConstruction::ApplyLandDate() {
    dtpRegZemDate->setEnabled(!Investment() && cbObjectNaim->currentIndex() >= kFirstLandKind);
}

void TfmInputConstruction::ApplyNumberKind() {
    const int kind = cbKodNomSob->currentIndex();
    const bool number = kind >= 0 && kind != kNoNumber;
    const bool place = kind >= 0;
    if (!number)
        meNom->clear();
    if (!place)
        meMesto->clear();
    meNom->setEnabled(number);
    meMesto->setEnabled(place);
}

void TfmInputConstruction::ApplyApplicationDate() {
    const int ownership = cbVidSob->currentIndex();
    const bool spouse = ownership == 0 && cbPrizNal->currentIndex() == 1;
    dtpAppDate->setEnabled(ownership == 2 || ownership == 5 || spouse);
}

void TfmInputConstruction::ApplyDatesRule() {
    const bool from2014 = From2014(dtpRegRightDate->GetDate()) && From2014(dtpBuyDate->GetDate());
    if (from2014) {
        meDol1->setText(QStringLiteral("1"));
        meDol2->setText(QStringLiteral("1"));
    }
    meDol1->setEnabled(!from2014);
    meDol2->setEnabled(!from2014);
    FillOwnershipKinds(from2014);
}

void TfmInputConstruction::FillOwnershipKinds(bool from2014) {
    if (cbVidSob->count() > 0 && from2014 == m_ownershipFrom2014)
        return;
    m_ownershipFrom2014 = from2014;
    if (from2014)
        SetItems(cbVidSob, kOwnershipFrom2014);
    else
        SetItems(cbVidSob, kOwnershipBefore2014);
    ApplyApplicationDate();
}

void TfmInputConstruction::Bind() {
    using Obj = mTConstructionDeductObj;
    // In the order the rules need: the bounds, the kinds offered and the share follow what is
    // filled before them.
    m_fields.Check(chbPensioner, &Obj::Pensioner);
    m_fields.Then([this] { ApplyBounds(); });
    m_fields.RadioGroup(m_acquisition, &Obj::ByInvestment);
    m_fields.Then([this] { OnAcquisitionChanged(); });
    m_fields.ComboIndex(cbObjectNaim, &Obj::ObjectKind, 1);
    m_fields.ComboIndex(cbKodNomSob, &Obj::NumberKind, 1);
    m_fields.Text(meNom, &Obj::Number);
    m_fields.Text(meMesto, &Obj::Place);
    // A number or place the number kind does not take is not shown.
    m_fields.Then([this] { ApplyNumberKind(); });
    m_fields.ComboIndex(cbPrizNal, &Obj::TaxpayerSign, 1);
    m_fields.DateField(dtpRegRightDate, &Obj::OwnershipRegistrationDate);
    m_fields.DateField(dtpRegZemDate, &Obj::LandRegistrationDate);
    m_fields.DateField(dtpBuyDate, &Obj::TransferActDate);
    m_fields.DateField(dtpAppDate, &Obj::ApplicationDate);
    m_fields.Custom(
        &Obj::FirstYearOfUse, [this](Date first) { udBeginningUsePrivilegeDate->SetPosition(first.Year()); },
        [this] { return Date::Ymd(FirstYear(), 1, 1); });
    m_fields.Then([this] { ClampYear(); });
    m_fields.Integer(meDol1, &Obj::ShareNumerator);
    m_fields.Integer(meDol2, &Obj::ShareDenominator);
    m_fields.Then([this] { ApplyDatesRule(); });
    m_fields.ComboIndex(cbVidSob, &Obj::OwnershipKind, 1);
    m_fields.MoneyOrEmpty(meObsch, &Obj::Cost);
    m_fields.MoneyOrEmpty(meobschip, &Obj::Interest);
}

void TfmInputConstruction::Fill(const mTConstructionDeductObj& object) {
    m_fields.Load(object);
}

void TfmInputConstruction::Apply(mTConstructionDeductObj& object) const {
    m_fields.Save(object);
    NormalizeShare(object.ShareNumerator, object.ShareDenominator);
}

QString TfmInputConstruction::ObjectKindText() const {
    return cbObjectNaim->currentText();
}

int TfmInputConstruction::CheckEntries() {
    mTConstructionDeductObj object;
    Apply(object);
    SourceCheckDialog dialog(Host().Ui(), this);
    if (const int item = ShowEntryProblems(dialog, kPropertyObjectTitle, PropertyObjectProblems(object)))
        return item;
    return ShowEntryProblems(dialog, kPropertyStartYearTitle, PropertyStartYearProblems(object));
}

void TfmInputConstruction::FocusEntry(int item) {
    QWidget* target = nullptr;
    switch (item) {
        case kItemKind:
            target = cbObjectNaim;
            break;
        case kItemOwnership:
            target = cbVidSob;
            break;
        case kItemTaxpayer:
            target = cbPrizNal;
            break;
        case kItemNumberKind:
            target = cbKodNomSob;
            break;
        case kItemNumber:
            target = meNom;
            break;
        case kItemPlace:
            target = meMesto;
            break;
        case kItemYear:
            target = meBeginningUsePrivilegeDate;
            break;
        default:
            return;
    }
    target->setFocus();
}

}  // namespace zizaza
