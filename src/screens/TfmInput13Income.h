#pragma once

#include <QString>

#include "checks/NavigationCode.h"
#include "model/mTSourseIncome.h"
#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace zizaza {

class IncomeDeductionPart;
class TMaskedEdit;

// "Сведения о доходе": one income line of a 13% source with its income and deduction codes
// from the code dictionary, the amounts, the month and, for sales of property (1510 to 1512),
// the cadastral items. The deduction amount follows the rules of the chosen deduction entry.
class TfmInput13Income : public TEntryDialog {
    Q_OBJECT
public:
    // Items of the dialog's own check.
    enum Item {
        kItemIncomeCode = kLineIncomeCode,
        kItemIncomeSum = kLineIncomeSum,
        kItemDeductCode = kLineDeductCode,
        kItemDeductSum = kLineDeductSum,
    };

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
    bool HasIncomeCode() const;

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
    void Bind();
    // What follows a newly chosen income code: the month and the property panel.
    void OnIncomeCodeTaken();
    void SetMonthEnabled(bool enabled);
    void ShowPropertyPanel(bool shown);
    void ApplyPropertyTick();
    bool HasPropertyPanel(int incomeCode) const { return m_mode != Mode::NonResident13 && IsPropertySale(incomeCode); }

    void OnMonthChanged();
    void OnPropertyTick();
    void OnPropertyValuesChanged();

    const Mode m_mode;
    // Set while the dialog itself writes a field, so that its live rules do not run again.
    bool m_updating = false;
    // The codes, amounts and month; the cadastral items of a property sale.
    RecordBindings<mTSourseIncome> m_line;
    RecordBindings<mTSourseIncome> m_property;

    QGroupBox* gbIncome = nullptr;
    IncomeDeductionPart* m_part = nullptr;
    QWidget* pnlProperty = nullptr;
    QCheckBox* cbAfter2016 = nullptr;
    QLabel* lbCadNumber = nullptr;
    TMaskedEdit* meCadNumber = nullptr;
    QLabel* lbCadValue = nullptr;
    TMaskedEdit* meCadValue = nullptr;
    QLabel* lbPrice = nullptr;
    TMaskedEdit* mePrice = nullptr;
    QLabel* lbMonth = nullptr;
    TMaskedEdit* meMonth = nullptr;
};

}  // namespace zizaza
