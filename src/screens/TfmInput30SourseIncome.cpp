#include "screens/TfmInput30SourseIncome.h"

#include <QFormLayout>

#include "checks/EntryRules.h"
#include "model/mTThirtyPercent.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

TfmInput30SourseIncome::TfmInput30SourseIncome(ScreenHost& host, int rate)
    : TSourceEntryDialog(host, QStringLiteral("Доход в виде дивидендов"), 10, SourceRule::Organization,
                         kSectionDividends),
      m_rate(rate) {
    setObjectName(QStringLiteral("fmInput30SourseIncome"));
    meDividends = parts::MoneyEdit(this, "meDividends");
    meTaxable = parts::MoneyEdit(this, "meTaxable");
    meHoldSum = parts::RoublesEdit(this, "meHoldSum");
    meTaxIsch = parts::RoublesEdit(this, "meTaxIsch");
    Form()->addRow(QStringLiteral("Сумма дивидендов"), meDividends);
    Form()->addRow(QStringLiteral("Облагаемая сумма дивидендов"), meTaxable);
    Form()->addRow(QStringLiteral("Удержанный налог"), meHoldSum);
    Form()->addRow(QStringLiteral("Исчисленный налог"), meTaxIsch);
    m_fields.Money(meDividends, &mTThirtyPercent::TotalIncome);
    m_fields.Money(meTaxable, &mTThirtyPercent::TaxableAmount);
    m_fields.WholeRoubles(meHoldSum, &mTThirtyPercent::TaxWithheld);
    m_fields.WholeRoubles(meTaxIsch, &mTThirtyPercent::TaxComputed);
}

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& source) {
    FillSource(source);
    m_fields.Load(source);
}

void TfmInput30SourseIncome::Apply(mTThirtyPercent& source) const {
    ApplySource(source);
    m_fields.Save(source);
}

int TfmInput30SourseIncome::CheckAmounts(ISourceCheckDialog& dialog) {
    mTThirtyPercent source;
    Apply(source);
    return ShowEntryProblems(dialog, kSectionDividends, DividendProblems(source, m_rate));
}

void TfmInput30SourseIncome::FocusAmount(int item) {
    switch (item) {
        case kItemDividends:
            meDividends->setFocus();
            break;
        case kItemWithheld:
            meHoldSum->setFocus();
            break;
        case kItemComputed:
            meTaxIsch->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
