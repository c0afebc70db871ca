#include "screens/TfrThirtyPercent.h"

#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/TfmInput30SourseIncome.h"

namespace zizaza {

namespace {

constexpr int32_t kDividendIncome = 1010;

}  // namespace

TfrThirtyPercent::TfrThirtyPercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TSourceListScreen(owner, parent, slot) {
    setObjectName(QStringLiteral("frThirtyPercent"));
    Build({{"pnlIncome", QStringLiteral("Сумма дивидендов")}, {"pnlHoldSum", QStringLiteral("Удержанный налог")}});
}

int TfrThirtyPercent::Rate() const {
    return Doc().DeclarationForm == kForm3Ndfl ? kRatePercent13 : kRatePercent15;
}

int TfrThirtyPercent::Count() const {
    return static_cast<int>(Doc().Income30Count());
}

std::string TfrThirtyPercent::NameOf(int record) const {
    return Doc().Income30(static_cast<size_t>(record)).Name;
}

QStringList TfrThirtyPercent::TotalsOf(int record) const {
    const mTThirtyPercent& source = Doc().Income30(static_cast<size_t>(record));
    return {MoneyToScreen(source.TotalIncome), MoneyToScreen(source.TaxWithheld)};
}

bool TfrThirtyPercent::AddRecord() {
    if (!Doc().HasIncome(kIncomeRussia))
        return false;
    TfmInput30SourseIncome dialog(Host(), Rate());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    mTThirtyPercent& source = Doc().Income30(Doc().AddIncome30());
    dialog.Apply(source);
    source.IncomeCode = kDividendIncome;
    return true;
}

bool TfrThirtyPercent::EditRecord(int record) {
    mTThirtyPercent& source = Doc().Income30(static_cast<size_t>(record));
    TfmInput30SourseIncome dialog(Host(), Rate());
    dialog.Fill(source);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.Apply(source);
    return true;
}

void TfrThirtyPercent::RemoveRecord(int record) {
    Doc().SetIncome30(static_cast<size_t>(record), nullptr);
}

}  // namespace zizaza
