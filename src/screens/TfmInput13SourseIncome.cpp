#include "screens/TfmInput13SourseIncome.h"

#include <QCheckBox>
#include <QFormLayout>

#include "checks/IdentifierChecks.h"
#include "checks/ui/SourceCheckDialog.h"
#include "model/mTThirteenPercent.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

TMaskedEdit* DigitsEdit(QWidget* parent, const char* name, int length) {
    auto* edit = Named(new TMaskedEdit(parent), name);
    edit->SetupDigits(length);
    edit->setFixedWidth(140);
    return edit;
}

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

TfmInput13SourseIncome::TfmInput13SourseIncome(ScreenHost& host, bool nonResident)
    : TEntryDialog(host, QStringLiteral("Источник выплаты")) {
    setObjectName(QStringLiteral("fmInput13SourseIncome"));
    auto* form = new QFormLayout;
    meName = Named(new TMaskedEdit(this), "meName");
    meName->SetupText(1000);
    meName->setMinimumWidth(360);
    meINN = DigitsEdit(this, "meINN", 12);
    meKPP = DigitsEdit(this, "meKPP", 9);
    meOKTMO = DigitsEdit(this, "meOKTMO", 11);
    cbStandartDeduct = Named(new QCheckBox(QStringLiteral("Расчет стандартных вычетов вести по этому источнику"), this),
                             "cbStandartDeduct");
    cbStandartDeduct->setVisible(!nonResident);
    form->addRow(QStringLiteral("Наименование источника выплаты"), meName);
    form->addRow(QStringLiteral("ИНН"), meINN);
    form->addRow(QStringLiteral("КПП"), meKPP);
    form->addRow(QStringLiteral("ОКТМО"), meOKTMO);
    Content()->addLayout(form);
    Content()->addWidget(cbStandartDeduct);
    meName->setFocus();
}

void TfmInput13SourseIncome::Fill(const mTThirteenPercent& source) {
    meName->setText(QString::fromStdString(source.Name));
    meINN->setText(QString::fromStdString(source.Inn));
    meKPP->setText(QString::fromStdString(source.Kpp));
    meOKTMO->setText(QString::fromStdString(source.Oktmo));
    cbStandartDeduct->setChecked(source.WorkplaceFlag);
}

void TfmInput13SourseIncome::Apply(mTThirteenPercent& source) const {
    source.Name = Std(meName);
    source.Inn = Std(meINN);
    source.Kpp = Std(meKPP);
    source.Oktmo = Std(meOKTMO);
    source.WorkplaceFlag = cbStandartDeduct->isChecked();
}

QString TfmInput13SourseIncome::TrimmedName() const {
    return meName->text().trimmed();
}

int TfmInput13SourseIncome::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    return CheckPaymentSource(dialog, kSectionIncome13, Std(meName), true, Std(meOKTMO), Std(meKPP), Std(meINN));
}

void TfmInput13SourseIncome::FocusEntry(int item) {
    switch (item) {
        case kSourceFieldName:
            meName->setFocus();
            break;
        case kSourceFieldInn:
            meINN->setFocus();
            break;
        case kSourceFieldKpp:
            meKPP->setFocus();
            break;
        case kSourceFieldOktmo:
            meOKTMO->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
