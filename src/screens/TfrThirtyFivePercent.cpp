#include "screens/TfrThirtyFivePercent.h"

#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/TfmInput35SourseIncome.h"

namespace zizaza {

TfrThirtyFivePercent::TfrThirtyFivePercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TSourceListScreen(owner, parent, slot) {
    setObjectName(QStringLiteral("frThirtyFivePercent"));
    Build({{"pnlIncomeCode", QStringLiteral("Код дохода")},
           {"pnlIncome", QStringLiteral("Сумма дохода")},
           {"pnlDeductCode", QStringLiteral("Код вычета")},
           {"pnlDeduct", QStringLiteral("Сумма вычета")},
           {"pnlHoldSum", QStringLiteral("Сумма удержанного налога")}});
}

int TfrThirtyFivePercent::Count() const {
    return static_cast<int>(Doc().Income35Count());
}

std::string TfrThirtyFivePercent::NameOf(int record) const {
    return Doc().Income35(static_cast<size_t>(record)).Name;
}

QStringList TfrThirtyFivePercent::TotalsOf(int record) const {
    const mTThirtyFivePercent& source = Doc().Income35(static_cast<size_t>(record));
    return {CodeToList(source.IncomeCode), MoneyToScreen(source.TotalIncome), CodeToList(source.DeductionCode),
            MoneyToScreen(source.DeductionAmount), MoneyToScreen(source.TaxWithheld)};
}

bool TfrThirtyFivePercent::AddRecord() {
    if (!Doc().HasIncome(kIncomeRussia))
        return false;
    TfmInput35SourseIncome dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.Apply(Doc().Income35(Doc().AddIncome35()));
    return true;
}

bool TfrThirtyFivePercent::EditRecord(int record) {
    mTThirtyFivePercent& source = Doc().Income35(static_cast<size_t>(record));
    TfmInput35SourseIncome dialog(Host());
    dialog.Fill(source);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.Apply(source);
    return true;
}

void TfrThirtyFivePercent::RemoveRecord(int record) {
    Doc().SetIncome35(static_cast<size_t>(record), nullptr);
}

}  // namespace zizaza
