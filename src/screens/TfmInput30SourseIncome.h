#pragma once

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TSourceEntryDialog.h"

namespace zizaza {

class mTThirtyPercent;

// "Доход в виде дивидендов": an organisation paying dividends, the dividends, their taxable
// part, the tax withheld and the tax computed, which is weighed against the rate of the
// declaration (13% for a resident, 15% for a non-resident).
class TfmInput30SourseIncome : public TSourceEntryDialog {
    Q_OBJECT
public:
    enum Item { kItemDividends = kDividendSum, kItemWithheld = kDividendWithheld, kItemComputed = kDividendComputed };

    // rate: 13 or 15.
    TfmInput30SourseIncome(ScreenHost& host, int rate);

    void Fill(const mTThirtyPercent& source);
    // The eight items as typed; empty amounts give 0. The income code is the caller's.
    void Apply(mTThirtyPercent& source) const;

protected:
    int CheckAmounts(ISourceCheckDialog& dialog) override;
    void FocusAmount(int item) override;

private:
    const int m_rate;
    RecordBindings<mTThirtyPercent> m_fields;
    TMaskedEdit* meDividends = nullptr;
    TMaskedEdit* meTaxable = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
    TMaskedEdit* meTaxIsch = nullptr;
};

}  // namespace zizaza
