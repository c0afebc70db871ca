#pragma once

#include <QString>

#include "checks/NavigationCode.h"
#include "model/mTInvestTovIncome.h"
#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QComboBox;
class QLabel;

namespace zizaza {

class TMaskedEdit;

// "Участие в инвестиционных товариществах": one operation line of a partnership, its kind and
// its four amounts. For the kind "exit from the partnership" (6) the expense share holds the
// contributions and the management expenses and past losses do not apply.
class TfmIncomeInvestTov : public TEntryDialog {
    Q_OBJECT
public:
    static constexpr int kItemOperationKind = kPartnershipOperationKind;
    // The operation kind whose second amount is the contributions.
    static constexpr int32_t kKindExit = 6;

    explicit TfmIncomeInvestTov(ScreenHost& host);

    void Fill(const mTInvestTovIncome& line);
    // The line as entered, empty amounts as 0. What the dialog does not show (the sixth value)
    // comes from the line it replaces.
    mTInvestTovIncome Line(const mTInvestTovIncome& replaced = {}) const;
    // 1 to 6, or 0 while no kind is chosen.
    int32_t OperationKind() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    void OnKindChanged();

    RecordBindings<mTInvestTovIncome> m_fields;
    QComboBox* cbIncomeCod = nullptr;
    TMaskedEdit* meIncomeSum = nullptr;
    TMaskedEdit* meExpenseSum = nullptr;
    TMaskedEdit* meRewardSum = nullptr;
    TMaskedEdit* mePrevYearsSum = nullptr;
    QLabel* lbExpenseSum = nullptr;
    QLabel* lbRewardSum = nullptr;
    QLabel* lbPrevYearsSum = nullptr;
};

}  // namespace zizaza
