#pragma once

#include <QString>
#include <optional>

#include "model/mTSourseIncome.h"
#include "screens/TEntryDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace zizaza {

class IncomeCodeDict;
class TMaskedEdit;
struct DeductionEntry;

// "Сведения о доходе": one income line of a 13% source with its income and deduction codes
// from the code dictionary, the amounts, the month and, for sales of property (1510 to 1512),
// the cadastral items. The deduction amount follows the rules of the chosen deduction entry.
class TfmInput13Income : public TEntryDialog {
    Q_OBJECT
public:
    // Items of the dialog's own check.
    enum Item { kItemIncomeCode = 1, kItemIncomeSum = 2, kItemDeductCode = 3, kItemDeductSum = 4 };

    // Whose incomes the dialog enters.
    enum class Mode {
        Resident,
        // The 13% screen of a non-resident: the incomes at 13% and 35% but 2620, only the
        // deductions beginning with "2" or "5", and no month.
        NonResident,
        // The non-resident incomes at 13%: the incomes marked for non-residents, no property
        // panel; a deduction amount is typed, never computed from the income.
        NonResident13,
    };

    TfmInput13Income(ScreenHost& host, bool nonResident);
    TfmInput13Income(ScreenHost& host, Mode mode);

    void Fill(const mTSourseIncome& line);
    // The line as entered: the month typed (1 when empty), empty amounts as 0, the cadastral
    // items only for the property sale codes.
    mTSourseIncome Line() const;
    bool HasIncomeCode() const { return !m_incomeCode.isEmpty(); }

    // The "..." buttons.
    void ChooseIncomeCode();
    void ChooseDeductCode();

    static bool IsPropertySale(int incomeCode) { return incomeCode >= 1510 && incomeCode <= 1512; }
    // The title of the dialog's checks.
    QString AreaTitle() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    void BuildLayout();
    void TakeIncomeCode(const QString& code, const QString& name);
    void TakeDeduction(const DeductionEntry* entry);
    // The deduction part is enabled from the dictionary entry of the income code.
    void EnableDeductionPart();
    void SetDeductionPartEnabled(bool enabled);
    void ShowDeductionAttributes();
    void SetMonthEnabled(bool enabled);
    void ShowPropertyPanel(bool shown);
    void ApplyPropertyTick();
    bool HasPropertyPanel(int incomeCode) const { return m_mode != Mode::NonResident13 && IsPropertySale(incomeCode); }
    // The dictionary entry of a stored line's deduction, when the income offers it.
    const DeductionEntry* StoredDeduction(const mTSourseIncome& line) const;
    // The deduction of a stored line as the resident modes show it, and as the non-resident
    // 13% mode does.
    void FillDeduction(const mTSourseIncome& line);
    void FillTypedDeduction(const mTSourseIncome& line);
    bool DeductionSumEditable() const;
    std::optional<Money> IncomeSum() const;

    void OnIncomeSumChanged();
    void OnDeductSumChanged();
    void OnMonthChanged();
    void OnPropertyTick();
    void OnPropertyValuesChanged();

    const IncomeCodeDict& m_dict;
    const Mode m_mode;
    QString m_incomeCode;
    QString m_incomeName;
    QString m_deductCode;
    const DeductionEntry* m_deduction = nullptr;
    bool m_deductionPartEnabled = false;
    // Set while the dialog itself writes a field, so that its live rules do not run again.
    bool m_updating = false;

    QGroupBox* gbIncome = nullptr;
    TMaskedEdit* meIncomeCode = nullptr;
    QLabel* lbIncomeName = nullptr;
    QPushButton* bnIncomeCode = nullptr;
    QLabel* lbIncomeSum = nullptr;
    TMaskedEdit* meIncomeSum = nullptr;
    QWidget* pnlProperty = nullptr;
    QCheckBox* cbAfter2016 = nullptr;
    QLabel* lbCadNumber = nullptr;
    TMaskedEdit* meCadNumber = nullptr;
    QLabel* lbCadValue = nullptr;
    TMaskedEdit* meCadValue = nullptr;
    QLabel* lbPrice = nullptr;
    TMaskedEdit* mePrice = nullptr;
    QLabel* lbDeductCode = nullptr;
    TMaskedEdit* meDeductCode = nullptr;
    QPushButton* bnDeductCode = nullptr;
    QLabel* lbDeductSum = nullptr;
    TMaskedEdit* meDeductSum = nullptr;
    QLabel* lbMonth = nullptr;
    TMaskedEdit* meMonth = nullptr;
};

}  // namespace zizaza
