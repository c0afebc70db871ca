#pragma once

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TSourceEntryDialog.h"

namespace zizaza {

class IncomeDeductionPart;
class mTThirtyFivePercent;

// "Доход": a source of incomes at 35% with its income code, income, deduction code and amount
// from the code dictionary, and the tax withheld.
class TfmInput35SourseIncome : public TSourceEntryDialog {
    Q_OBJECT
public:
    enum Item {
        kItemIncomeSum = kIncome35Sum,
        kItemDeductCode = kIncome35DeductCode,
        kItemDeductSum = kIncome35DeductSum,
        kItemWithheld = kIncome35Withheld,
        kItemIncomeCode = kIncome35Code,
    };

    explicit TfmInput35SourseIncome(ScreenHost& host);

    void Fill(const mTThirtyFivePercent& source);
    // Identifiers, codes (0 when none), amounts (empty gives 0).
    void Apply(mTThirtyFivePercent& source) const;

    // The "..." buttons.
    void ChooseIncomeCode();
    void ChooseDeductCode();

protected:
    int CheckAmounts(ISourceCheckDialog& dialog) override;
    void FocusAmount(int item) override;

private:
    // The untaxed benefit takes no amount.
    void ApplyTaxed();
    bool Taxed() const;

    IncomeDeductionPart* m_part = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
    RecordBindings<mTThirtyFivePercent> m_fields;
};

}  // namespace zizaza
