#include "screens/TfmChildEduSum.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

TfmChildEduSum::TfmChildEduSum(ScreenHost& host) : TEntryDialog(host, QStringLiteral("Сумма за обучение")) {
    setObjectName(QStringLiteral("fmChildEduSum"));
    auto* form = new QFormLayout;
    meSum = parts::MoneyEdit(this, "meSum");
    form->addRow(QStringLiteral("Сумма, уплаченная за обучение ребенка"), meSum);
    Content()->addLayout(form);
    m_fields.Money(
        meSum, [](auto& amount) -> auto& { return amount; });
    meSum->setFocus();
}

void TfmChildEduSum::SetAmount(Money amount) {
    m_fields.Load(amount);
}

Money TfmChildEduSum::Amount() const {
    Money amount;
    m_fields.Save(amount);
    return amount;
}

}  // namespace zizaza
