#pragma once

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TSourceEntryDialog.h"

namespace zizaza {

class mTThirtyPercent;

// "Доход, облагаемый по ставке 9%": an organisation paying incomes at 9%, the income and the tax
// withheld. "Да" runs the organisation check and the amount checks.
class TfmInput9SourseIncome : public TSourceEntryDialog {
    Q_OBJECT
public:
    enum Item { kItemIncome = kIncome9Sum, kItemWithheld = kIncome9Withheld };

    explicit TfmInput9SourseIncome(ScreenHost& host);

    void Fill(const mTThirtyPercent& source);
    // Name, identifiers, the income (also as the taxable amount), the tax computed at 9% in
    // whole roubles and the tax withheld. The income code is the caller's.
    void Apply(mTThirtyPercent& source) const;

protected:
    int CheckAmounts(ISourceCheckDialog& dialog) override;
    void FocusAmount(int item) override;

private:
    RecordBindings<mTThirtyPercent> m_fields;
    TMaskedEdit* meIncome = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
};

}  // namespace zizaza
