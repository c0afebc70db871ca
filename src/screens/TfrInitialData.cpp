#include "screens/TfrInitialData.h"
#include "screens/ScreenWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/ScreenChecks.h"
#include "checks/ui/AreaCheckDialog.h"
#include "dictionaries/ui/TfmInputInspectionNumber.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/controls/TMaskedEdit.h"
#include "screens/controls/TUpDown.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// A read-only field that looks greyed but can still take the focus.
void ShowGreyed(TMaskedEdit* edit) {
    edit->setReadOnly(true);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    edit->setPalette(p);
}

// A group of radio buttons whose ids are the values they choose.
template <typename Choice, size_t N>
QButtonGroup* Choices(QObject* owner, const std::array<Choice, N>& choices) {
    auto* group = new QButtonGroup(owner);
    for (auto [radio, value] : choices)
        group->addButton(radio, static_cast<int>(value));
    return group;
}

}  // namespace

TfrInitialData::TfrInitialData(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frInitialData"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    auto* typeBox = ScreenGroup(this, "gbType", QStringLiteral("Тип декларации"));
    auto* generalBox = ScreenGroup(this, "gbGeneral", QStringLiteral("Общая информация"));
    auto* categoryBox = ScreenGroup(this, "gbCategory", QStringLiteral("Признак налогоплательщика"));
    auto* incomeBox = ScreenGroup(this, "gbIncome", QStringLiteral("Имеются доходы"));
    auto* signerBox = ScreenGroup(this, "gbSigner", QStringLiteral("Достоверность подтверждается"));
    gbAppendixes = ScreenGroup(this, "gbAppendixes", QStringLiteral("Приложения"));
    BuildTypeGroup(typeBox);
    BuildGeneralGroup(generalBox);
    BuildCategoryGroup(categoryBox);
    BuildIncomeGroup(incomeBox);
    BuildSignerGroup(signerBox);
    BuildAppendixGroup(gbAppendixes);
    grid->addWidget(typeBox, 0, 0);
    grid->addWidget(generalBox, 1, 0);
    grid->addWidget(categoryBox, 2, 0);
    grid->addWidget(incomeBox, 0, 1, 2, 1);
    grid->addWidget(signerBox, 2, 1);
    grid->addWidget(gbAppendixes, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
    // The sheet count is kept in the document but has no place on the screen.
    gbAppendixes->hide();

    BindFields();
    FillFromDocument();
    ConnectRules();
    WatchControls();
}

void TfrInitialData::BuildTypeGroup(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    rbSimple = Named(new QRadioButton(QStringLiteral("3-НДФЛ"), box), "rbSimple");
    rbNeRez = Named(new QRadioButton(QStringLiteral("3-НДФЛ нерезидента"), box), "rbNeRez");
    rb4ndfl = Named(new QRadioButton(QStringLiteral("4-НДФЛ"), box), "rb4ndfl");
    for (QRadioButton* r : {rbSimple, rbNeRez, rb4ndfl})
        layout->addWidget(r);
}

void TfrInitialData::BuildGeneralGroup(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    meInspection = Named(new TMaskedEdit(box), "meInspection");
    meInspection->SetupDigits(4);
    meInspection->setFixedWidth(60);
    ShowGreyed(meInspection);
    bnInspection = Named(new QPushButton(QStringLiteral("..."), box), "bnInspection");
    bnInspection->setFixedWidth(28);
    meNumVer = Named(new TMaskedEdit(box), "meNumVer");
    meNumVer->SetupDigits(3);
    meNumVer->setFixedWidth(44);
    updCorr = Named(new TUpDown(meNumVer, 0, 999, box), "updCorr");
    meOKATO = Named(new TMaskedEdit(box), "meOKATO");
    meOKATO->SetupDigits(11);
    meOKATO->setFixedWidth(110);

    layout->addWidget(new QLabel(QStringLiteral("Номер инспекции"), box), 0, 0);
    auto* inspectionRow = new QHBoxLayout;
    inspectionRow->addWidget(meInspection);
    inspectionRow->addWidget(bnInspection);
    inspectionRow->addStretch();
    layout->addLayout(inspectionRow, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Номер корректировки"), box), 1, 0);
    auto* correctionRow = new QHBoxLayout;
    correctionRow->setSpacing(0);
    correctionRow->addWidget(meNumVer);
    correctionRow->addWidget(updCorr);
    correctionRow->addStretch();
    layout->addLayout(correctionRow, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("ОКТМО"), box), 2, 0);
    layout->addWidget(meOKATO, 2, 1, Qt::AlignLeft);
}

void TfrInitialData::BuildCategoryGroup(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    rbPredp = Named(new QRadioButton(QStringLiteral("Индивидуальный предприниматель"), box), "rbPredp");
    rbFermer = Named(new QRadioButton(QStringLiteral("Глава фермерского хозяйства"), box), "rbFermer");
    rbNotarius = Named(new QRadioButton(QStringLiteral("Частный нотариус"), box), "rbNotarius");
    rbAdvokat = Named(new QRadioButton(QStringLiteral("Адвокат"), box), "rbAdvokat");
    rbFLProch = Named(new QRadioButton(QStringLiteral("Иное физическое лицо"), box), "rbFLProch");
    rbArbitr = Named(new QRadioButton(QStringLiteral("Арбитражный управляющий"), box), "rbArbitr");
    for (QRadioButton* r : {rbPredp, rbFermer, rbNotarius, rbAdvokat, rbFLProch, rbArbitr})
        layout->addWidget(r);
}

void TfrInitialData::BuildIncomeGroup(QGroupBox* box) {
    auto* layout = new QVBoxLayout(box);
    chbIncomeInquiry = Named(
        new QCheckBox(QStringLiteral("Учитываемые \"справками о доходах физического лица\", доходы по договорам"), box),
        "chbIncomeInquiry");
    lbIncomeInquiry = Named(
        new QLabel(QStringLiteral("гр.-правового характера, авторским вознаграждениям, от продажи имущества и др."),
                   box),
        "lbIncomeInquiry");
    lbIncomeInquiry->setIndent(22);
    chbIncomeCurrency = Named(new QCheckBox(QStringLiteral("В иностранной валюте"), box), "chbIncomeCurrency");
    chbIncomeBusiness =
        Named(new QCheckBox(QStringLiteral("От предпринимательской деятельности"), box), "chbIncomeBusiness");
    chbInvestTov =
        Named(new QCheckBox(QStringLiteral("От участия в инвестиционных товариществах"), box), "chbInvestTov");
    layout->addWidget(chbIncomeInquiry);
    layout->addWidget(lbIncomeInquiry);
    layout->addWidget(chbIncomeCurrency);
    layout->addWidget(chbIncomeBusiness);
    layout->addWidget(chbInvestTov);
    auto* estimated = new QHBoxLayout;
    lbSupposeIncome = Named(new QLabel(QStringLiteral("Предполагаемый доход"), box), "lbSupposeIncome");
    meSupposeIncome = Named(new TMaskedEdit(box), "meSupposeIncome");
    meSupposeIncome->SetupRoubles(12);
    meSupposeIncome->setFixedWidth(120);
    estimated->addWidget(lbSupposeIncome);
    estimated->addWidget(meSupposeIncome);
    estimated->addStretch();
    layout->addLayout(estimated);
    layout->addStretch();
}

void TfrInitialData::BuildSignerGroup(QGroupBox* box) {
    auto* layout = new QGridLayout(box);
    rbGiveSelf = Named(new QRadioButton(QStringLiteral("Лично"), box), "rbGiveSelf");
    rbGiveTrustFase = Named(new QRadioButton(QStringLiteral("Представителем - ФЛ"), box), "rbGiveTrustFase");
    rbGiveByMail = Named(new QRadioButton(QStringLiteral("Представителем - ЮЛ"), box), "rbGiveByMail");
    auto* radios = new QHBoxLayout;
    for (QRadioButton* r : {rbGiveSelf, rbGiveTrustFase, rbGiveByMail})
        radios->addWidget(r);
    radios->addStretch();
    layout->addLayout(radios, 0, 0, 1, 2);
    lbFIO = Named(new QLabel(QStringLiteral("ФИО"), box), "lbFIO");
    meFIO = Named(new TMaskedEdit(box), "meFIO");
    meFIO->SetupText(182);
    lbOsn = Named(new QLabel(QStringLiteral("Документ"), box), "lbOsn");
    meOsn = Named(new TMaskedEdit(box), "meOsn");
    meOsn->SetupText(120);
    lbUL = Named(new QLabel(QStringLiteral("Организация - представитель"), box), "lbUL");
    meUL = Named(new TMaskedEdit(box), "meUL");
    meUL->SetupText(1000);
    layout->addWidget(lbFIO, 1, 0);
    layout->addWidget(meFIO, 1, 1);
    layout->addWidget(lbOsn, 2, 0);
    layout->addWidget(meOsn, 2, 1);
    layout->addWidget(lbUL, 3, 0);
    layout->addWidget(meUL, 3, 1);
    layout->setColumnMinimumWidth(1, 260);
}

void TfrInitialData::BuildAppendixGroup(QGroupBox* box) {
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Общее число листов подтверждающих документов"), box));
    meAppendixes = Named(new TMaskedEdit(box), "meAppendixes");
    meAppendixes->SetupDigits(4);
    chbAutoCount = Named(new QCheckBox(QStringLiteral("Подсчитать автоматически"), box), "chbAutoCount");
    layout->addWidget(meAppendixes);
    layout->addWidget(chbAutoCount);
}

void TfrInitialData::BindFields() {
    using D = mTDeclaration;
    m_fields.Text(meInspection, &D::InspectionCode);
    m_fields.Custom(
        &D::InspectionName, [this](const std::string& name) { m_inspectionName = QString::fromStdString(name); },
        [this] { return m_inspectionName.toStdString(); });
    m_fields.Text(
        meOKATO, [](auto& doc) -> auto& { return doc.Person.Address.Oktmo; });
    m_fields.TextWhenEnabled(meFIO, &D::RepresentativeName);
    m_fields.TextWhenEnabled(meOsn, &D::RepresentativeDocument);
    m_fields.TextWhenEnabled(meUL, &D::RepresentativeOrganization);
    m_fields.Integer(meNumVer, &D::CorrectionNumber);
    // The arrows stand at the number shown.
    m_fields.Then([this] { updCorr->SetPosition(static_cast<int>(IntegerFieldValue(meNumVer->text()))); });
    m_fields.RadioGroup(Choices(this, std::array{std::pair{rbGiveSelf, SignerKind::InPerson},
                                                 std::pair{rbGiveTrustFase, SignerKind::Representative},
                                                 std::pair{rbGiveByMail, SignerKind::RepresentativeOrganization}}),
                        &D::SignerKind);
    m_fields.Then([this] { OnSignerChosen(); });
    m_fields.RadioGroup(Choices(this, CategoryChoices()), &D::TaxpayerCategory);
    // Each tick with its kind of income; the rules of a tick run when it changes.
    const std::array<std::pair<QCheckBox*, uint16_t>, 4> ticks = {{{chbIncomeInquiry, kIncomeRussia},
                                                                   {chbIncomeCurrency, kIncomeForeign},
                                                                   {chbIncomeBusiness, kIncomeBusiness},
                                                                   {chbInvestTov, kIncomeInvestTov}}};
    m_fields.Fields(
        [this, ticks](const D& doc) {
            for (auto [tick, kind] : ticks)
                SetTick(tick, doc.HasIncome(kind));
        },
        [ticks](D& doc) {
            uint16_t flags = 0;
            for (auto [tick, kind] : ticks)
                flags |= tick->isChecked() ? kind : 0;
            doc.SetIncomeFlags(flags);
        });
    // After the ticks: clearing the business tick empties the estimated income.
    m_fields.Money(meSupposeIncome, &D::EstimatedIncome);
    m_fields.RadioGroup(
        Choices(this, std::array{std::pair{rbSimple, kForm3Ndfl}, std::pair{rbNeRez, kForm3NdflNonResident},
                                 std::pair{rb4ndfl, kForm4Ndfl}}),
        &D::DeclarationForm);
    m_fields.Then([this] { OnFormChosen(); });
    // The sheet count typed is kept; while it is counted automatically the stored one stays.
    m_sheetCount.Integer(meAppendixes, &D::AppendixCount);
    m_fields.Fields(
        [this](const D& doc) {
            m_sheetCount.Load(doc);
            chbAutoCount->setChecked(false);
        },
        [this](D& doc) {
            if (!chbAutoCount->isChecked())
                m_sheetCount.Save(doc);
        });
}

void TfrInitialData::FillFromDocument() {
    const mTDeclaration& doc = Doc();
    m_fields.Load(doc);
    meNumVer->setEnabled(true);
    bnInspection->setEnabled(Host().InspectionsPicker() != nullptr);
}

void TfrInitialData::ConnectRules() {
    for (QRadioButton* r : {rbSimple, rbNeRez, rb4ndfl})
        connect(r, &QRadioButton::clicked, this, &TfrInitialData::OnFormChosen);
    for (QRadioButton* r : {rbGiveSelf, rbGiveTrustFase, rbGiveByMail})
        connect(r, &QRadioButton::clicked, this, &TfrInitialData::OnSignerChosen);
    for (QCheckBox* tick : {chbIncomeInquiry, chbIncomeCurrency, chbIncomeBusiness, chbInvestTov})
        connect(tick, &QCheckBox::clicked, this, [this, tick] { OnIncomeTick(tick); });
    connect(chbAutoCount, &QCheckBox::toggled, meAppendixes, &QWidget::setDisabled);
    connect(bnInspection, &QPushButton::clicked, this, &TfrInitialData::ChooseInspection);
    connect(updCorr, &TUpDown::Moved, this, [this] { NotifyChanged(); });
}

void TfrInitialData::SetTick(QCheckBox* tick, bool checked) {
    if (tick->isChecked() == checked)
        return;
    tick->setChecked(checked);
    OnIncomeTick(tick);
}

void TfrInitialData::Choose(QRadioButton* radio) {
    if (radio->isChecked())
        return;
    radio->setChecked(true);
    if (radio == rbSimple || radio == rbNeRez || radio == rb4ndfl)
        OnFormChosen();
    else if (radio == rbGiveSelf || radio == rbGiveTrustFase || radio == rbGiveByMail)
        OnSignerChosen();
}

DeclarationForm TfrInitialData::CheckedForm() const {
    return rb4ndfl->isChecked() ? kForm4Ndfl : rbNeRez->isChecked() ? kForm3NdflNonResident : kForm3Ndfl;
}

SignerKind TfrInitialData::CheckedSigner() const {
    return rbGiveByMail->isChecked()      ? SignerKind::RepresentativeOrganization
           : rbGiveTrustFase->isChecked() ? SignerKind::Representative
                                          : SignerKind::InPerson;
}

std::array<std::pair<QRadioButton*, TaxpayerCategory>, 6> TfrInitialData::CategoryChoices() const {
    return {{{rbPredp, TaxpayerCategory::Entrepreneur},
             {rbFermer, TaxpayerCategory::FarmHead},
             {rbNotarius, TaxpayerCategory::Notary},
             {rbAdvokat, TaxpayerCategory::Lawyer},
             {rbFLProch, TaxpayerCategory::Other},
             {rbArbitr, TaxpayerCategory::ArbitrationManager}}};
}

bool TfrInitialData::AnyIncomeTicked() const {
    return chbIncomeInquiry->isChecked() || chbIncomeCurrency->isChecked() || chbIncomeBusiness->isChecked() ||
           chbInvestTov->isChecked();
}

void TfrInitialData::UpdateDeductionsByAnyTick() {
    Host().SetScreenButtonEnabled(ScreenId::Deduction, AnyIncomeTicked());
}

void TfrInitialData::SetEstimatedIncomeEnabled(bool enabled) {
    lbSupposeIncome->setEnabled(enabled);
    meSupposeIncome->setEnabled(enabled);
}

void TfrInitialData::OnFormChosen() {
    const DeclarationForm form = CheckedForm();
    const bool fourNdfl = form == kForm4Ndfl;
    if (form == kForm3NdflNonResident) {
        SetTick(chbIncomeCurrency, false);
        SetTick(chbIncomeBusiness, false);
    }
    if (fourNdfl) {
        // Clearing the business tick empties the estimated income; for 4-NDFL that amount is
        // the declaration itself, so it is kept.
        const QString estimated = meSupposeIncome->text();
        for (QCheckBox* tick : {chbIncomeInquiry, chbIncomeCurrency, chbIncomeBusiness, chbInvestTov})
            SetTick(tick, false);
        meSupposeIncome->setText(estimated);
    }
    chbIncomeCurrency->setEnabled(form == kForm3Ndfl);
    chbIncomeBusiness->setEnabled(form == kForm3Ndfl);
    chbInvestTov->setEnabled(!fourNdfl);
    chbIncomeInquiry->setEnabled(!fourNdfl);
    lbIncomeInquiry->setEnabled(!fourNdfl);
    chbAutoCount->setEnabled(!fourNdfl);
    const bool russianOrOwn =
        chbIncomeInquiry->isChecked() || chbIncomeBusiness->isChecked() || chbIncomeCurrency->isChecked();
    Host().SetScreenButtonEnabled(ScreenId::Deduction, form == kForm3Ndfl && russianOrOwn);
    rbFermer->setEnabled(true);
    rbFLProch->setEnabled(!fourNdfl);
    rbArbitr->setEnabled(!fourNdfl);
    if (fourNdfl && (rbFLProch->isChecked() || rbArbitr->isChecked()))
        Choose(rbPredp);
    lbSupposeIncome->setVisible(fourNdfl);
    meSupposeIncome->setVisible(fourNdfl);
    if (fourNdfl)
        SetEstimatedIncomeEnabled(true);
    rbGiveByMail->setVisible(fourNdfl);
    lbUL->setVisible(fourNdfl);
    meUL->setVisible(fourNdfl);
    if (!fourNdfl && rbGiveByMail->isChecked())
        Choose(rbGiveTrustFase);
}

void TfrInitialData::OnIncomeTick(QCheckBox* tick) {
    const bool on = tick->isChecked();
    if (tick == chbIncomeInquiry) {
        Host().SetScreenButtonEnabled(ScreenId::RussianIncome, on);
        if (!on)
            Doc().SetIncomeFlags(Doc().IncomeFlags() & ~kIncomeRussia);
        Host().SetScreenButtonEnabled(ScreenId::Deduction, AnyIncomeTicked() && CheckedForm() != kForm3NdflNonResident);
    } else if (tick == chbIncomeCurrency) {
        Host().SetScreenButtonEnabled(ScreenId::ForeignIncome, on);
        UpdateDeductionsByAnyTick();
    } else if (tick == chbIncomeBusiness) {
        Host().SetScreenButtonEnabled(ScreenId::BusinessIncome, on);
        SetEstimatedIncomeEnabled(on);
        if (!on)
            meSupposeIncome->clear();
        UpdateDeductionsByAnyTick();
    } else if (tick == chbInvestTov) {
        Host().SetScreenButtonEnabled(ScreenId::InvestTov, on);
        if (!AnyIncomeTicked())
            Host().SetScreenButtonEnabled(ScreenId::Deduction, false);
        else if (CheckedForm() == kForm3Ndfl)
            Host().SetScreenButtonEnabled(ScreenId::Deduction, true);
    }
}

void TfrInitialData::OnSignerChosen() {
    const SignerKind signer = CheckedSigner();
    for (QWidget* w : std::initializer_list<QWidget*>{lbFIO, meFIO, lbOsn, meOsn})
        w->setEnabled(signer != SignerKind::InPerson);
    lbUL->setEnabled(signer == SignerKind::RepresentativeOrganization);
    meUL->setEnabled(signer == SignerKind::RepresentativeOrganization);
}

void TfrInitialData::SaveToDocument() {
    mTDeclaration& doc = Doc();
    doc.AppendixCountLocked = 0;
    m_fields.Save(doc);
}

uint16_t TfrInitialData::CheckScreen() {
    SaveToDocument();
    AreaCheckDialog dialog(Host().Ui(), this);
    return CheckInitialDataScreen(Doc(), dialog);
}

void TfrInitialData::FocusItem(uint16_t item) {
    switch (item) {
        case kItemInspection:
            if (bnInspection->isEnabled()) {
                bnInspection->setFocus();
                ChooseInspection();
            } else {
                meInspection->setFocus();
            }
            break;
        case kItemEstimatedIncome:
            meSupposeIncome->setFocus();
            break;
        case kItemRepresentativeName:
            meFIO->setFocus();
            break;
        case kItemRepresentativeDocument:
            meOsn->setFocus();
            break;
        case kItemRepresentativeOrganization:
            meUL->setFocus();
            break;
        case kItemOktmo:
            meOKATO->setFocus();
            break;
        case kItemTaxpayerCategory:
            rbPredp->setFocus();
            break;
        default:
            break;
    }
}

void TfrInitialData::ChooseInspection() {
    TfmInputInspectionNumber* picker = Host().InspectionsPicker();
    if (!picker)
        return;
    picker->SelectInspection(meInspection->text());
    if (Host().Ui().RunModal(*picker) != QDialog::Accepted)
        return;
    const QString code = picker->ChosenCode();
    const QString name = picker->ChosenName();
    const bool codeChanged = code != meInspection->text();
    // The name goes to the print module as the recipient; it follows the chosen row.
    const bool nameChanged = !name.isEmpty() && name != m_inspectionName;
    if (codeChanged) {
        meInspection->setText(code);
        m_inspectionName = name;
    } else if (nameChanged) {
        m_inspectionName = name;
        NotifyChanged();
    }
}

}  // namespace zizaza
