#pragma once

#include <QString>
#include <vector>

#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"
#include "storage/Money.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;
class TMaskedEdit;
class mTConstructionDeduct;

// "Имущественный": the property deduction on buying or building housing. The objects with
// their acquisition data and costs, the amounts already granted by a tax agent this year and in
// earlier years, and the totals of the objects' costs within the legal limits and of their
// credit interest.
class TfrMultyConstructionDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    TfrMultyConstructionDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override { return 0; }
    // The item is the 1-based number of an object.
    void FocusItem(uint16_t item) override;

private:
    mTConstructionDeduct& Record() const;
    void BuildLayout();
    QGroupBox* BuildObjects();
    QGroupBox* BuildCalculation();
    void BindAmounts();
    QStringList RowTexts(int record) const;

    void OnGrantClicked();
    void ApplyGrant();
    bool RemoveAllObjects();
    // After every change of the list: the totals, the amount fields and the two rules.
    void RefreshTotals();
    void ApplyAddRule();
    void ApplyEarlierYearsRule();
    void SetAmountsEnabled(bool enabled);

    bool AddObject();
    bool EditObject(int record);
    void RemoveObject(int record);
    void SetPensionerEverywhere(bool pensioner);

    RecordBindings<mTConstructionDeduct> m_amounts;
    // The object kinds as the rows show them: the dialog's text after adding or editing, the
    // short name when filled from the document.
    std::vector<QString> m_kindTexts;

    QCheckBox* chbGrantingConstructionDeduct = nullptr;
    QGroupBox* gbObjects = nullptr;
    QTreeWidget* lvObjects = nullptr;
    TListScreenHelper* m_objects = nullptr;
    QPushButton* fbAddObject = nullptr;
    // Why "Добавить объект" is disabled, beside it.
    QLabel* lbAddObjectWhy = nullptr;
    QPushButton* fbDeleteObject = nullptr;
    QPushButton* fbEditObject = nullptr;
    QLabel* lbObjectNotes = nullptr;  // why an object counts nothing, when one does not
    QLabel* pnlAllCost = nullptr;
    QLabel* pnlAllInterest = nullptr;
    TMaskedEdit* meAgentPurchase = nullptr;
    TMaskedEdit* mePrevPurchase = nullptr;
    TMaskedEdit* meAgentInterest = nullptr;
    TMaskedEdit* mePrevInterest = nullptr;
    QLabel* lbAgentPurchase = nullptr;
    QLabel* lbPrevPurchase = nullptr;
    QLabel* lbAgentInterest = nullptr;
    QLabel* lbPrevInterest = nullptr;
};

}  // namespace zizaza
