#include "screens/TfrNinePercent.h"

#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"
#include "screens/TfmInput9SourseIncome.h"

namespace zizaza {

namespace {

// Interest income, the one kind of income at 9% the screen enters.
constexpr int32_t kNinePercentIncome = 1011;

}  // namespace

TfrNinePercent::TfrNinePercent(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TSourceListScreen(owner, parent, slot) {
    setObjectName(QStringLiteral("frNinePercent"));
    Build({{"pnlIncome", QStringLiteral("Сумма дохода")}, {"pnlHoldSum", QStringLiteral("Удержанный налог")}});
}

int TfrNinePercent::Count() const {
    return static_cast<int>(Doc().Income9Count());
}

std::string TfrNinePercent::NameOf(int record) const {
    return Doc().Income9(static_cast<size_t>(record)).Name;
}

QStringList TfrNinePercent::TotalsOf(int record) const {
    const mTThirtyPercent& source = Doc().Income9(static_cast<size_t>(record));
    return {MoneyToScreen(source.TotalIncome), MoneyToScreen(source.TaxWithheld)};
}

bool TfrNinePercent::AddRecord() {
    if (!Doc().HasIncome(kIncomeRussia))
        return false;
    TfmInput9SourseIncome dialog(Host());
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    mTThirtyPercent& source = Doc().Income9(Doc().AddIncome9());
    dialog.Apply(source);
    source.IncomeCode = kNinePercentIncome;
    return true;
}

bool TfrNinePercent::EditRecord(int record) {
    mTThirtyPercent& source = Doc().Income9(static_cast<size_t>(record));
    TfmInput9SourseIncome dialog(Host());
    dialog.Fill(source);
    if (!dialog.Run() || dialog.TrimmedName().isEmpty())
        return false;
    dialog.Apply(source);
    return true;
}

void TfrNinePercent::RemoveRecord(int record) {
    Doc().SetIncome9(static_cast<size_t>(record), nullptr);
}

}  // namespace zizaza
