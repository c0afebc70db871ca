#include "screens/TfmInput13SourseIncome.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "checks/IdentifierChecks.h"
#include "model/mTThirteenPercent.h"
#include "screens/ScreenWidgets.h"

namespace zizaza {

TfmInput13SourseIncome::TfmInput13SourseIncome(ScreenHost& host, bool nonResident)
    : TSourceEntryDialog(host, QStringLiteral("Источник выплаты"), 12, SourceRule::Payment, kSectionIncome13) {
    setObjectName(QStringLiteral("fmInput13SourseIncome"));
    cbStandartDeduct = Named(new QCheckBox(QStringLiteral("Расчет стандартных вычетов вести по этому источнику"), this),
                             "cbStandartDeduct");
    cbStandartDeduct->setVisible(!nonResident);
    Content()->addWidget(cbStandartDeduct);
    m_fields.Check(cbStandartDeduct, &mTThirteenPercent::WorkplaceFlag);
}

void TfmInput13SourseIncome::Fill(const mTThirteenPercent& source) {
    FillSource(source);
    m_fields.Load(source);
}

void TfmInput13SourseIncome::Apply(mTThirteenPercent& source) const {
    ApplySource(source);
    m_fields.Save(source);
}

}  // namespace zizaza
