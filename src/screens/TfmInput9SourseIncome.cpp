#include "screens/TfmInput9SourseIncome.h"

#include <QFormLayout>

#include "calc/SheetMath.h"
#include "checks/EntryRules.h"
#include "model/TaxFacts.h"
#include "model/mTThirtyPercent.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

constexpr int kRate = kRatePercent9;

}  // namespace

TfmInput9SourseIncome::TfmInput9SourseIncome(ScreenHost& host)
    : TSourceEntryDialog(host, QString::fromStdString("Доход, облагаемый по ставке " + std::to_string(kRate) + "%"), 10,
                         SourceRule::Organization, kSectionIncome9) {
    setObjectName(QStringLiteral("fmInput9SourseIncome"));
    meIncome = parts::MoneyEdit(this, "meIncome");
    meHoldSum = parts::RoublesEdit(this, "meHoldSum");
    Form()->addRow(QStringLiteral("Сумма дохода"), meIncome);
    Form()->addRow(QStringLiteral("Удержанный налог"), meHoldSum);
    m_fields.Money(meIncome, &mTThirtyPercent::TotalIncome);
    m_fields.WholeRoubles(meHoldSum, &mTThirtyPercent::TaxWithheld);
}

void TfmInput9SourseIncome::Fill(const mTThirtyPercent& source) {
    FillSource(source);
    m_fields.Load(source);
}

void TfmInput9SourseIncome::Apply(mTThirtyPercent& source) const {
    ApplySource(source);
    m_fields.Save(source);
    source.TaxableAmount = source.TotalIncome;
    source.TaxComputed = PercentInWholeRoubles(source.TotalIncome, kRate);
}

int TfmInput9SourseIncome::CheckAmounts(ISourceCheckDialog& dialog) {
    mTThirtyPercent source;
    Apply(source);
    return ShowEntryProblems(dialog, kSectionIncome9, Income9Problems(source));
}

void TfmInput9SourseIncome::FocusAmount(int item) {
    if (item == kItemIncome)
        meIncome->setFocus();
    else if (item == kItemWithheld)
        meHoldSum->setFocus();
}

}  // namespace zizaza
