#include "screens/TfmInputSoursePens.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "checks/EntryRules.h"
#include "checks/ui/SourceCheckDialog.h"
#include "model/TaxFacts.h"
#include "model/mTPens.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TDtpPanel.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

const char* const kKindCaptions[4] = {
    "Договор негосударственного пенсионного обеспечения", "Договор добровольного пенсионного страхования",
    "Договор добровольного страхования жизни", "Дополнительные страховые взносы на накопительную пенсию"};

// Every problem of a contract blocks its acceptance: "Пропустить" is never offered, so closing
// the check dialog is taken as "Исправить" instead of letting a faulty contract through.
class ContractCheckDialog : public ISourceCheckDialog {
public:
    ContractCheckDialog(UserInterface& ui, QWidget* parent) : m_dialog(ui, parent) {}
    CheckDialogAnswer ShowProblem(std::string_view sectionTitle, std::string_view message, bool skipEnabled) override {
        const CheckDialogAnswer answer = m_dialog.ShowProblem(sectionTitle, message, skipEnabled);
        return skipEnabled ? answer : CheckDialogAnswer::Fix;
    }

private:
    SourceCheckDialog m_dialog;
};

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

constexpr int kFirstKind = 1;

}  // namespace

TfmInputSoursePens::TfmInputSoursePens(ScreenHost& host) : TEntryDialog(host, QStringLiteral("Вид и данные договора")) {
    setObjectName(QStringLiteral("fmInputSoursePens"));
    auto* kinds = Named(new QGroupBox(QStringLiteral("Вид договора"), this), "gbKind");
    auto* kindLayout = new QVBoxLayout(kinds);
    m_kinds = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kKindCaptions[i]), kinds);
        radio->setObjectName(QStringLiteral("rbSelf%1").arg(i + 1));
        m_kinds->addButton(radio, kFirstKind + i);
        kindLayout->addWidget(radio);
    }
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ApplyKind();
    });
    Content()->addWidget(kinds);

    meSourseName = Named(new TMaskedEdit(this), "meSourseName");
    meSourseName->SetupText(1000);
    meSourseName->setMinimumWidth(360);
    meINN = parts::DigitsEdit(this, "meINN", 10);
    meKPP = parts::DigitsEdit(this, "meKPP", 9);
    meNomDog = Named(new TMaskedEdit(this), "meNomDog");
    meNomDog->SetupText(40);
    dtpDatDog = Named(new TDtpPanel(this), "dtpDatDog");
    dtpDatDog->SetMinDate(Date::Ymd(1900, 1, 1));
    dtpDatDog->SetMaxDate(Date::Ymd(kTaxYear, 12, 31));
    dtpDatDog->setFixedWidth(140);
    meVZSum = parts::MoneyEdit(this, "meVZSum");
    meVichSum = parts::MoneyEdit(this, "meVichSum");
    meNA = parts::MoneyEdit(this, "meNA");

    m_form = new QFormLayout;
    parts::AddRows(m_form, {{.caption = QStringLiteral("Наименование организации или фонда"), .field = meSourseName},
                            {.caption = QStringLiteral("ИНН"), .field = meINN},
                            {.caption = QStringLiteral("КПП"), .field = meKPP},
                            {.caption = QStringLiteral("Номер договора"), .field = meNomDog},
                            {.caption = QStringLiteral("Дата договора"), .field = dtpDatDog},
                            {.caption = QStringLiteral("Сумма взноса"), .field = meVZSum},
                            {.caption = QStringLiteral("Сумма взноса к вычету"), .field = meVichSum},
                            {.label = Named(new QLabel(this), "lbNA"), .field = meNA}});
    // The amount to deduct is kept with the contract but not entered here.
    m_form->setRowVisible(meVichSum, false);
    Content()->addLayout(m_form);

    m_fields.RadioGroup(m_kinds, &mTPens::ContractKind, kFirstKind);
    m_fields.Text(meSourseName, &mTPens::OrganizationName);
    m_fields.Text(meINN, &mTPens::Inn);
    m_fields.Text(meKPP, &mTPens::Kpp);
    m_fields.Text(meNomDog, &mTPens::ContractNumber);
    m_fields.DateField(dtpDatDog, &mTPens::ContractDate);
    m_fields.Money(meVZSum, &mTPens::Contribution);
    m_fields.Money(meVichSum, &mTPens::ContributionToDeduct);
    m_fields.Money(meNA, &mTPens::AgentDeduction);

    m_kinds->button(kFirstKind)->setChecked(true);
    meSourseName->setFocus();
}

int TfmInputSoursePens::Kind() const {
    const int kind = m_kinds->checkedId();
    return kind == -1 ? kFirstKind : kind;
}

void TfmInputSoursePens::ApplyKind() {
    const bool organization = Kind() != mTPens::kAdditionalContributions;
    for (QWidget* field : std::initializer_list<QWidget*>{meSourseName, meINN, meKPP, meNomDog, dtpDatDog}) {
        field->setEnabled(organization);
        if (QWidget* label = m_form->labelForField(field))
            label->setEnabled(organization);
    }
    if (auto* label = qobject_cast<QLabel*>(m_form->labelForField(meNA)))
        label->setText(organization ? QStringLiteral("Сумма вычета у налогового агента (код 327)")
                                    : QStringLiteral("Сумма вычета у налогового агента (код 328)"));
}

QString TfmInputSoursePens::TrimmedName() const {
    return meSourseName->text().trimmed();
}

void TfmInputSoursePens::Fill(const mTPens& contract) {
    m_fields.Load(contract);
}

void TfmInputSoursePens::Apply(mTPens& contract) const {
    m_fields.Save(contract);
}

int TfmInputSoursePens::CheckEntries() {
    ContractCheckDialog dialog(Host().Ui(), this);
    if (Kind() != mTPens::kAdditionalContributions) {
        const SourceField field = CheckOrganizationSource(dialog, kSectionPensionContracts, Std(meSourseName),
                                                          kPensionContractOktmo, Std(meKPP), Std(meINN));
        if (field != SourceField::None)
            return static_cast<int>(field);
    }
    mTPens contract;
    Apply(contract);
    return ShowEntryProblems(dialog, kSectionPensionContracts, PensionContractProblems(contract));
}

void TfmInputSoursePens::FocusEntry(int item) {
    QWidget* fields[] = {meSourseName, meINN, meKPP, meNomDog, meVZSum};
    if (item >= 1 && item <= 5)
        fields[item - 1]->setFocus();
}

void TfmInputSoursePens::keyPressEvent(QKeyEvent* event) {
    // Enter first takes the focus to "Да", so that a date being typed is settled before the checks.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        YesButton()->setFocus();
    TEntryDialog::keyPressEvent(event);
}

}  // namespace zizaza
