#include "screens/TfrPersonNaim.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "dictionaries/ui/TfmDocType.h"
#include "dictionaries/ui/TfmGrazhd.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

const Date kEarliestDate = Date::Ymd(1900, 1, 1);
const Date kChosenKindIssueDate = Date::Ymd(1990, 1, 1);
// The ids of the citizenship buttons: the values of the citizenship kind.
constexpr int kCitizen = 1;
constexpr int kStateless = 2;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

TMaskedEdit* TextEdit(QWidget* parent, const char* name, int length) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupText(length);
    return edit;
}

TMaskedEdit* DigitsEdit(QWidget* parent, const char* name, int length) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupDigits(length);
    return edit;
}

// A field filled only by its chooser: read-only and shown greyed, yet able to take the focus.
TMaskedEdit* ChosenField(QWidget* parent, const char* name) {
    auto* edit = TextEdit(parent, name, 0);
    edit->setReadOnly(true);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    edit->setPalette(p);
    return edit;
}

QPushButton* Chooser(QWidget* parent, const char* name) {
    auto* button = Named(new QPushButton(QStringLiteral("..."), parent), name);
    button->setFixedWidth(28);
    return button;
}

TDtpPanel* DateEntry(QWidget* parent, const char* name) {
    auto* date = Named(new TDtpPanel(parent), name);
    date->SetMinDate(kEarliestDate);
    date->SetMaxDate(Date::Today());
    date->setFixedWidth(120);
    return date;
}

}  // namespace

std::optional<TDocumentMaskEnum> TfrPersonNaim::StoredKindFormat(int kindCode) {
    switch (kindCode) {
        case 1:
        case 3:
            return TDocumentMaskEnum::edtR_BB;
        case 2:
        case 9:
        case 22:
            return TDocumentMaskEnum::edt99;
        case 21:
            return TDocumentMaskEnum::edt99_;
        case 4:
        case 6:
            return TDocumentMaskEnum::edtBB;
        case 7:
        case 26:
        case 27:
            return TDocumentMaskEnum::edtBB0;
        case 10:
            return TDocumentMaskEnum::edtNone1;
        case 5:
        case 11:
        case 12:
        case 13:
        case 14:
        case 91:
            return TDocumentMaskEnum::edtNone2;
        default:
            return std::nullopt;
    }
}

std::optional<TDocumentMaskEnum> TfrPersonNaim::ChosenKindFormat(int kindCode) {
    switch (kindCode) {
        case 3:
        case 5:
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
        case 18:
        case 23:
        case 91:
            return TDocumentMaskEnum::edtNone1;
        case 2:
        case 9:
        case 22:
            return TDocumentMaskEnum::edt99;
        case 21:
            return TDocumentMaskEnum::edt99_;
        case 4:
        case 6:
            return TDocumentMaskEnum::edtBB;
        case 7:
        case 24:
        case 26:
        case 27:
            return TDocumentMaskEnum::edtBB0;
        default:
            return std::nullopt;
    }
}

TfrPersonNaim::TfrPersonNaim(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    const LoadingGuard loading(owner);
    setObjectName(QStringLiteral("frPersonNaim"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    gbFIO = ScreenGroup(this, "gbFIO", QStringLiteral("Ф.И.О."));
    gbDocument = ScreenGroup(this, "gbDocument", QStringLiteral("Сведения о документе, удостоверяющем личность"));
    gbGrazhd = ScreenGroup(this, "gbGrazhd", QStringLiteral("Данные о гражданстве"));
    gbPhone = ScreenGroup(this, "gbPhone", QStringLiteral("Контактный телефон"));
    BuildNameGroup(gbFIO);
    BuildDocumentGroup(gbDocument);
    BuildCitizenshipGroup(gbGrazhd);
    BuildPhoneGroup(gbPhone);
    grid->addWidget(gbFIO, 0, 0);
    grid->addWidget(gbPhone, 1, 0);
    grid->addWidget(gbDocument, 0, 1);
    grid->addWidget(gbGrazhd, 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);

    BindFields();
    FillFromDocument();
    WatchControls();
    connect(bnDocType, &QPushButton::clicked, this, &TfrPersonNaim::ChooseDocType);
    connect(bnGrazhd, &QPushButton::clicked, this, &TfrPersonNaim::ChooseCountry);
}

void TfrPersonNaim::BuildNameGroup(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    meSurName = TextEdit(box, "meSurName", 33);
    meName = TextEdit(box, "meName", 33);
    mePatronymic = TextEdit(box, "mePatronymic", 33);
    meINN = DigitsEdit(box, "meINN", 12);
    meINN->setFixedWidth(120);
    lbBirthDate = Named(new QLabel(QStringLiteral("Дата рождения"), box), "lbBirthDate");
    dtBirthDate = DateEntry(box, "dtBirthDate");
    lbMesto = Named(new QLabel(QStringLiteral("Место рождения"), box), "lbMesto");
    meMesto = TextEdit(box, "meMesto", 128);
    layout->addWidget(new QLabel(QStringLiteral("Фамилия"), box), 0, 0);
    layout->addWidget(meSurName, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Имя"), box), 1, 0);
    layout->addWidget(meName, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Отчество"), box), 2, 0);
    layout->addWidget(mePatronymic, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("ИНН"), box), 3, 0);
    layout->addWidget(meINN, 3, 1, Qt::AlignLeft);
    layout->addWidget(lbBirthDate, 4, 0);
    layout->addWidget(dtBirthDate, 4, 1, Qt::AlignLeft);
    layout->addWidget(lbMesto, 5, 0);
    layout->addWidget(meMesto, 5, 1);
    layout->setColumnMinimumWidth(1, 240);
}

void TfrPersonNaim::BuildDocumentGroup(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    pnlDocType = Named(new QLabel(box), "pnlDocType");
    pnlDocType->setFrameShape(QFrame::StyledPanel);
    pnlDocType->setFrameShadow(QFrame::Sunken);
    pnlDocType->setWordWrap(true);
    pnlDocType->setMinimumHeight(36);
    bnDocType = Chooser(box, "bnDocType");
    lbSerial = Named(new QLabel(QStringLiteral("Серия и номер"), box), "lbSerial");
    meSerial = Named(new TMaskedDocEdit(box), "meSerial");
    meSerial->setFixedWidth(180);
    lbRegDate = Named(new QLabel(QStringLiteral("Дата выдачи"), box), "lbRegDate");
    dtRegDate = DateEntry(box, "dtRegDate");
    lbKem = Named(new QLabel(QStringLiteral("Кем выдан"), box), "lbKem");
    meKem = TextEdit(box, "meKem", 128);
    layout->addWidget(new QLabel(QStringLiteral("Вид документа"), box), 0, 0);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(pnlDocType, 1);
    kindRow->addWidget(bnDocType, 0, Qt::AlignTop);
    layout->addLayout(kindRow, 0, 1);
    layout->addWidget(lbSerial, 1, 0);
    layout->addWidget(meSerial, 1, 1, Qt::AlignLeft);
    layout->addWidget(lbRegDate, 2, 0);
    layout->addWidget(dtRegDate, 2, 1, Qt::AlignLeft);
    layout->addWidget(lbKem, 3, 0);
    layout->addWidget(meKem, 3, 1);
    layout->setColumnMinimumWidth(1, 280);
    layout->setRowStretch(4, 1);
}

void TfrPersonNaim::BuildCitizenshipGroup(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    // The citizenship kind travels with the record; the screen offers no choice of it.
    rbGr = Named(new QRadioButton(QStringLiteral("Гражданин"), box), "rbGr");
    rbBomzh = Named(new QRadioButton(QStringLiteral("Лицо без гражданства"), box), "rbBomzh");
    rbGr->hide();
    rbBomzh->hide();
    m_citizenship = new QButtonGroup(this);
    m_citizenship->addButton(rbGr, kCitizen);
    m_citizenship->addButton(rbBomzh, kStateless);
    meKodGrazhd = ChosenField(box, "meKodGrazhd");
    meKodGrazhd->setFixedWidth(50);
    bnGrazhd = Chooser(box, "bnGrazhd");
    meCitizenship = ChosenField(box, "meCitizenship");
    layout->addWidget(new QLabel(QStringLiteral("Код страны"), box), 0, 0);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(meKodGrazhd);
    codeRow->addWidget(bnGrazhd);
    codeRow->addWidget(meCitizenship, 1);
    layout->addLayout(codeRow, 0, 1);
    layout->setColumnMinimumWidth(1, 280);
}

void TfrPersonNaim::BuildPhoneGroup(QGroupBox* box) {
    auto* layout = new QHBoxLayout(box);
    meHomePhone = DigitsEdit(box, "meHomePhone", 20);
    meHomePhone->setFixedWidth(180);
    layout->addWidget(meHomePhone);
    layout->addStretch();
}

std::string TfrPersonNaim::Stored(TMaskedEdit* edit, const std::string& text) {
    const QString shown = Q(text);
    if (!edit->Accepts(shown)) {
        const int length = std::max(edit->WholeLength(), static_cast<int>(shown.size()));
        edit->SetupText(length);
    }
    return text;
}

void TfrPersonNaim::BindFields() {
    // Each text field with the person record's item it shows; a field too short for a stored text
    // is widened first, so that the text is kept.
    auto bind = [this](TMaskedEdit* edit, auto field) {
        m_fields.Fields([this, edit, field](const mTDeclaration& doc) { Stored(edit, field(doc.Person)); },
                        [](mTDeclaration&) {});
        m_fields.Text(
            edit, [field](auto& doc) -> auto& { return field(doc.Person); });
    };
    bind(
        meSurName, [](auto& r) -> auto& { return r.Name.Surname; });
    bind(
        meName, [](auto& r) -> auto& { return r.Name.FirstName; });
    bind(
        mePatronymic, [](auto& r) -> auto& { return r.Name.Patronymic; });
    bind(
        meINN, [](auto& r) -> auto& { return r.Name.Inn; });
    bind(
        meHomePhone, [](auto& r) -> auto& { return r.HomePhone.Number; });
    bind(
        meMesto, [](auto& r) -> auto& { return r.Document.BirthPlace; });
    bind(
        meKem, [](auto& r) -> auto& { return r.Document.IssuedBy; });
    bind(
        meKodGrazhd, [](auto& r) -> auto& { return r.Foreigner.CountryCode; });
    bind(
        meCitizenship, [](auto& r) -> auto& { return r.Foreigner.CountryName; });
    m_fields.DateField(
        dtRegDate, [](auto& doc) -> auto& { return doc.Person.Document.IssueDate; });
    m_fields.DateField(
        dtBirthDate, [](auto& doc) -> auto& { return doc.Person.Document.BirthDate; });
    // The kind of document with the series in its format; the series is shown even without a kind
    // name, so that saving does not drop it.
    m_fields.Custom(
        [](auto& doc) -> auto& { return doc.Person.Document.KindCode; }, [this](int code) { m_kindCode = code; },
        [this] { return m_kindCode; });
    m_fields.Custom(
        [](auto& doc) -> auto& { return doc.Person.Document.KindName; },
        [this](const std::string& name) { pnlDocType->setText(Q(name)); },
        [this] { return pnlDocType->text().toStdString(); });
    m_fields.Custom(
        [](auto& doc) -> auto& { return doc.Person.Document.SeriesNumber; },
        [this](const std::string& series) {
            const bool kindChosen = !pnlDocType->text().isEmpty();
            if (kindChosen)
                if (std::optional<TDocumentMaskEnum> format = StoredKindFormat(m_kindCode))
                    meSerial->SetEditType(*format);
            meSerial->SetStoredText(Q(series));
            SetDocumentFieldsEnabled(kindChosen);
        },
        [this] { return meSerial->text().toStdString(); });
    m_fields.RadioGroup(
        m_citizenship, [](auto& doc) -> auto& { return doc.Person.Foreigner.CitizenshipKind; }, kCitizen);
}

void TfrPersonNaim::FillFromDocument() {
    m_fourNdfl = Doc().DeclarationForm == kForm4Ndfl;
    SetIdentityShown(!m_fourNdfl);
    m_fields.Load(Doc());
    bnGrazhd->setEnabled(Host().CountriesPicker() != nullptr);
}

void TfrPersonNaim::SetIdentityShown(bool shown) {
    for (QWidget* w : std::initializer_list<QWidget*>{gbGrazhd, gbDocument, lbMesto, meMesto, lbBirthDate, dtBirthDate})
        w->setVisible(shown);
}

void TfrPersonNaim::SetDocumentFieldsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{lbSerial, meSerial, lbRegDate, dtRegDate, lbKem, meKem})
        w->setEnabled(enabled);
}

void TfrPersonNaim::SaveToDocument() {
    m_fields.Save(Doc());
}

uint16_t TfrPersonNaim::CheckScreen() {
    SaveToDocument();
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckPersonScreen(Doc(), dialog);
}

void TfrPersonNaim::FocusItem(uint16_t item) {
    // The document and the birth place are hidden on a 4-NDFL declaration; the whole-declaration
    // check may still name them (a document entered before the form was changed), so they are
    // brought into view to be fixed.
    if (item >= kItemDocumentKind && item <= kItemBirthPlace && m_fourNdfl)
        SetIdentityShown(true);
    switch (item) {
        case kItemSurname:
            meSurName->setFocus();
            break;
        case kItemFirstName:
            meName->setFocus();
            break;
        case kItemPatronymic:
            mePatronymic->setFocus();
            break;
        case kItemInn:
            meINN->setFocus();
            break;
        case kItemDocumentKind:
            bnDocType->setFocus();
            ChooseDocType();
            break;
        case kItemSeriesNumber:
            meSerial->setFocus();
            break;
        case kItemIssueDate:
            dtRegDate->setFocus();
            break;
        case kItemIssuedBy:
            meKem->setFocus();
            break;
        case kItemBirthPlace:
            meMesto->setFocus();
            break;
        default:
            break;
    }
}

void TfrPersonNaim::ChooseDocType() {
    TfmDocType picker(m_kindCode, Host().DialogParent());
    if (Host().Ui().RunModal(picker) != QDialog::Accepted)
        return;
    const QString name = picker.ChosenName();
    if (name == pnlDocType->text())
        return;
    NotifyChanged();
    m_kindCode = static_cast<uint16_t>(picker.ChosenCode());
    pnlDocType->setText(name);
    if (name.isEmpty())
        return;
    if (std::optional<TDocumentMaskEnum> format = ChosenKindFormat(m_kindCode))
        meSerial->SetEditType(*format);
    meSerial->clear();
    meKem->clear();
    SetDocumentFieldsEnabled(true);
    dtRegDate->SetDate(kChosenKindIssueDate);
}

void TfrPersonNaim::ChooseCountry() {
    TfmGrazhd* picker = Host().CountriesPicker();
    if (!picker)
        return;
    picker->SetCurrentCode(meKodGrazhd->text());
    if (Host().Ui().RunModal(*picker) != QDialog::Accepted)
        return;
    if (picker->ChosenCode() == meKodGrazhd->text())
        return;
    meKodGrazhd->setText(picker->ChosenCode());
    meCitizenship->setText(picker->ChosenName());
    NotifyChanged();
}

}  // namespace zizaza
