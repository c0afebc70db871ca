#pragma once

#include <QList>

#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;
class TMaskedEdit;
class TUpDown;
class mTBusinessNew;

// Norm expenses of an activity whose expenses are not itemized: 20% of the income, rounded to
// kopecks with halves away from zero.
Money BusinessNormExpenses(Money income);

// "Предприниматели": the activities of the declaration's list BusinessIncomes with the income
// and expenses of the selected one, and the entrepreneur fields of the declaration (advance
// payments, corrected base and tax, trade fee, patent payments, farm data).
class TfrBusinessNew : public TThinkingFrame {
    Q_OBJECT
public:
    TfrBusinessNew(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    // Selects the activity with the 1-based number.
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;

private:
    void BuildList(QGroupBox* box);
    void BuildActivity(QGroupBox* box);
    void BuildDeclarationFields(QGroupBox* box);
    void BindFields();
    mTBusinessNew& Activity() const;

    bool AddActivity();
    bool EditActivity(int record);
    void RemoveActivity(int record);
    void ActivitySelected(int record);
    void ShowActivity();
    void SaveActivity();

    // Shows the itemized fields or the norm display by the itemized box.
    void ShowExpensesKind();
    void ItemizedClicked();
    void IncomeChanged();
    void UpdateFarmEnabling();
    // The controls that need at least one activity; with none the declaration amounts and the
    // farm box are cleared.
    void EnableEntries();
    Date FarmYear() const;

    // The selected activity (-1: none); its values are in the fields.
    int m_selected = -1;
    // The selected activity: its income, the kind of its expenses and the expenses it keeps.
    RecordBindings<mTBusinessNew> m_activity;
    RecordBindings<mTBusinessNew> m_expenses;
    // The norm of expenses, kept while the activity does not itemize them.
    RecordBindings<mTBusinessNew> m_normExpenses;
    RecordBindings<mTDeclaration> m_declaration;

    QTreeWidget* lvSourseIncomeInfo = nullptr;
    TListScreenHelper* m_list = nullptr;
    TMaskedEdit* MaskedEdit1 = nullptr;
    QCheckBox* chbIsConfirmedExpensies = nullptr;
    QWidget* m_itemized = nullptr;
    QWidget* m_norm = nullptr;
    QLabel* pnlNormExpensies = nullptr;
    QList<TMaskedEdit*> m_itemizedEdits;  // MaskedEdit2 to MaskedEdit7
    QList<TMaskedEdit*> m_declarationAmounts;
    QList<QWidget*> m_declarationEntries;
    QCheckBox* cbIsFH = nullptr;
    TMaskedEdit* meBeginninFH = nullptr;
    TUpDown* m_farmYearUpDown = nullptr;
    TMaskedEdit* meFHSum = nullptr;
    QList<QWidget*> m_farmEntries;
};

}  // namespace zizaza
