#include "screens/TfmInputSourseInvestTov.h"

#include <QFormLayout>
#include <string>

#include "checks/IdentifierChecks.h"
#include "checks/ui/SourceCheckDialog.h"
#include "model/mTSourseIncomeInfo.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

std::string Std(const TMaskedEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

TfmInputSourseInvestTov::TfmInputSourseInvestTov(ScreenHost& host)
    : TEntryDialog(host, QStringLiteral("Источник выплаты")) {
    setObjectName(QStringLiteral("fmInputSourseInvestTov"));
    meSourseName = Named(new TMaskedEdit(this), "meSourseName");
    meSourseName->SetupText(1000);
    meSourseName->setMinimumWidth(380);
    meINN = parts::DigitsEdit(this, "meINN", 12);
    meKPP = parts::DigitsEdit(this, "meKPP", 9);
    meOKATO = parts::DigitsEdit(this, "meOKATO", 11);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование инвестиционного товарищества"), meSourseName);
    form->addRow(QStringLiteral("ИНН"), meINN);
    form->addRow(QStringLiteral("КПП"), meKPP);
    form->addRow(QStringLiteral("ОКТМО"), meOKATO);
    Content()->addLayout(form);
    meSourseName->setFocus();
}

void TfmInputSourseInvestTov::Fill(const mTSourseIncomeInfo& source) {
    meSourseName->setText(QString::fromStdString(source.Name));
    meINN->setText(QString::fromStdString(source.Inn));
    meKPP->setText(QString::fromStdString(source.Kpp));
    meOKATO->setText(QString::fromStdString(source.Oktmo));
}

void TfmInputSourseInvestTov::Apply(mTSourseIncomeInfo& source) const {
    source.Name = Std(meSourseName);
    source.Inn = Std(meINN);
    source.Kpp = Std(meKPP);
    source.Oktmo = Std(meOKATO);
}

QString TfmInputSourseInvestTov::TrimmedName() const {
    return meSourseName->text().trimmed();
}

int TfmInputSourseInvestTov::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    return CheckPaymentSource(dialog, kSectionInvestPartnership, Std(meSourseName), false, Std(meOKATO), Std(meKPP),
                              Std(meINN));
}

TMaskedEdit* TfmInputSourseInvestTov::FieldOf(int item) const {
    switch (item) {
        case kSourceFieldName:
            return meSourseName;
        case kSourceFieldInn:
            return meINN;
        case kSourceFieldKpp:
            return meKPP;
        case kSourceFieldOktmo:
            return meOKATO;
        default:
            return nullptr;
    }
}

void TfmInputSourseInvestTov::FocusEntry(int item) {
    if (TMaskedEdit* edit = FieldOf(item))
        edit->setFocus();
}

}  // namespace zizaza
