#include "screens/TSourceEntryDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "checks/IdentifierChecks.h"
#include "checks/ui/SourceCheckDialog.h"
#include "model/mTSourseIncomeInfo.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

TSourceEntryDialog::TSourceEntryDialog(ScreenHost& host, const QString& caption, int innLength, SourceRule rule,
                                       std::string_view areaTitle)
    : TEntryDialog(host, caption), m_rule(rule), m_areaTitle(areaTitle) {
    m_form = new QFormLayout;
    meName = Named(new TMaskedEdit(this), "meName");
    meName->SetupText(1000);
    meName->setMinimumWidth(360);
    meINN = parts::DigitsEdit(this, "meINN", innLength);
    meKPP = parts::DigitsEdit(this, "meKPP", 9);
    meOKTMO = parts::DigitsEdit(this, "meOKTMO", 11);
    m_form->addRow(QStringLiteral("Наименование источника выплаты"), meName);
    m_form->addRow(QStringLiteral("ИНН"), meINN);
    m_form->addRow(QStringLiteral("КПП"), meKPP);
    m_form->addRow(QStringLiteral("ОКТМО"), meOKTMO);
    Content()->addLayout(m_form);
    m_sourceFields.Text(meName, &mTSourseIncomeInfo::Name);
    m_sourceFields.Text(meINN, &mTSourseIncomeInfo::Inn);
    m_sourceFields.Text(meKPP, &mTSourseIncomeInfo::Kpp);
    m_sourceFields.Text(meOKTMO, &mTSourseIncomeInfo::Oktmo);
    meName->setFocus();
}

void TSourceEntryDialog::FillSource(const mTSourseIncomeInfo& source) {
    m_sourceFields.Load(source);
}

void TSourceEntryDialog::ApplySource(mTSourseIncomeInfo& source) const {
    m_sourceFields.Save(source);
}

QString TSourceEntryDialog::TrimmedName() const {
    return meName->text().trimmed();
}

void TSourceEntryDialog::SetNameCaption(const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(m_form->labelForField(meName)))
        label->setText(caption);
}

bool TSourceEntryDialog::Blocks(ISourceCheckDialog& dialog, std::string_view message, bool skippable) const {
    const bool fix = dialog.ShowProblem(m_areaTitle, message, skippable) == CheckDialogAnswer::Fix;
    return fix || !skippable;
}

int TSourceEntryDialog::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    const SourceField field =
        m_rule == SourceRule::Organization
            ? CheckOrganizationSource(dialog, m_areaTitle, Std(meName), Std(meOKTMO), Std(meKPP), Std(meINN))
            : CheckPaymentSource(dialog, m_areaTitle, Std(meName), m_rule == SourceRule::Payment, Std(meOKTMO),
                                 Std(meKPP), Std(meINN));
    return field != SourceField::None ? static_cast<int>(field) : CheckAmounts(dialog);
}

void TSourceEntryDialog::FocusEntry(int item) {
    switch (static_cast<SourceField>(item)) {
        case SourceField::Name:
            meName->setFocus();
            break;
        case SourceField::Inn:
            meINN->setFocus();
            break;
        case SourceField::Kpp:
            meKPP->setFocus();
            break;
        case SourceField::Oktmo:
            meOKTMO->setFocus();
            break;
        default:
            FocusAmount(item);
            break;
    }
}

}  // namespace zizaza
