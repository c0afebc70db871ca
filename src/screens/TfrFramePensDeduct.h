#pragma once

#include <QList>

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zizaza {

class TListScreenHelper;
class TMaskedEdit;
class mTSocialDeduct;

// "Социальные": the social deductions of the taxpayer: amounts spent on charity, education,
// treatment, insurance and the assessment of qualifications, the amounts paid for the children's
// education, the pension and life-insurance contracts, and what a tax agent granted already.
class TfrFramePensDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    // Item codes of FocusItem, those of the checks of screen 10.
    using enum SocialDeductionItem;

    TfrFramePensDeduct(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    void FocusItem(uint16_t item) override;

private:
    mTSocialDeduct& Record() const;
    void BuildLayout();
    QWidget* BuildSums(QWidget* parent);
    QWidget* BuildChildren(QWidget* parent);
    QWidget* BuildContracts(QWidget* parent);
    QWidget* BuildAgent(QWidget* parent);
    void BuildLists();
    TMaskedEdit* AddAmount(QWidget* parent, QFormLayout* form, const char* name, const QString& caption);

    // Enables the amounts, the lists and their buttons by the grant tick.
    void ApplyEnabled();
    void OnGrantClicked();

    bool AddChildAmount();
    bool EditChildAmount(int record);
    bool AddContract();
    bool EditContract(int record);
    void RemoveContract();
    QString ContractText(int record) const;

    RecordBindings<mTSocialDeduct> m_amounts;
    TListScreenHelper* m_children = nullptr;
    TListScreenHelper* m_contracts = nullptr;

    QCheckBox* chbGrantingSocDeduct = nullptr;
    TMaskedEdit* meCharitySum = nullptr;
    TMaskedEdit* meSelfEducationSum = nullptr;
    TMaskedEdit* meMedicalSum = nullptr;
    TMaskedEdit* meExpensiveMedicalSum = nullptr;
    TMaskedEdit* meStrahovka = nullptr;
    TMaskedEdit* meStrahovka2 = nullptr;
    TMaskedEdit* meKval = nullptr;
    TMaskedEdit* meSumNewNA = nullptr;
    QList<QWidget*> m_amountWidgets;  // the fields with their labels
    QTreeWidget* lvSumList = nullptr;
    QTreeWidget* lvPensInfo = nullptr;
    QPushButton* fbAddSum = nullptr;
    QPushButton* fbDeleteSum = nullptr;
    QPushButton* fbEditSum = nullptr;
    QPushButton* fbAddPens = nullptr;
    QPushButton* fbDeletePens = nullptr;
    QPushButton* fbEditPens = nullptr;
};

}  // namespace zizaza
