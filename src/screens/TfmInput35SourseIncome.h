#pragma once

#include <QString>
#include <optional>

#include "screens/TSourceEntryDialog.h"
#include "storage/Money.h"

class QLabel;
class QPushButton;

namespace zizaza {

class IncomeCodeDict;
class mTThirtyFivePercent;
struct DeductionEntry;

// "Доход": a source of incomes at 35% with its income code, income, deduction code and amount
// from the code dictionary, and the tax withheld.
class TfmInput35SourseIncome : public TSourceEntryDialog {
    Q_OBJECT
public:
    enum Item {
        kItemIncomeSum = 5,
        kItemDeductCode = 6,
        kItemDeductSum = 7,
        kItemWithheld = 8,
        kItemIncomeCode = 9,
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
    void BuildLayout();
    void ShowIncomeCode(const QString& code, const QString& name);
    void SetDeductionPartEnabled(bool enabled);
    void ApplyDeductionAttributes();
    bool DeductionSumEditable() const;
    std::optional<Money> IncomeSum() const;
    // The deduction that follows the income: the income when the entry is Equivalent, else 0,
    // limited to the entry's maximum.
    Money FollowingDeduction() const;
    void OnIncomeSumChanged();

    const IncomeCodeDict& m_dict;
    QString m_incomeCode;
    QString m_deductCode;
    const DeductionEntry* m_deduction = nullptr;
    bool m_deductionPartEnabled = false;
    bool m_updating = false;

    TMaskedEdit* meIncomeCode = nullptr;
    QPushButton* bnIncomeCode = nullptr;
    QLabel* lbIncomeName = nullptr;
    QLabel* lbIncomeSum = nullptr;
    TMaskedEdit* meIncomeSum = nullptr;
    QLabel* lbDeductCode = nullptr;
    TMaskedEdit* meDeductCode = nullptr;
    QPushButton* bnDeductCode = nullptr;
    QLabel* lbDeductSum = nullptr;
    TMaskedEdit* meDeductSum = nullptr;
    TMaskedEdit* meHoldSum = nullptr;
};

}  // namespace zizaza
