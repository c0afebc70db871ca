#pragma once

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QButtonGroup;
class QFormLayout;
class QLabel;

namespace zizaza {

class TDtpPanel;
class TMaskedEdit;
class mTPens;

// "Вид и данные договора": a pension or insurance contract of the social deductions. Contracts
// of kinds 1 to 3 are made with an organisation whose identifiers and contract number "Да"
// checks; additional contributions to the funded pension (kind 4) have no organisation.
class TfmInputSoursePens : public TEntryDialog {
    Q_OBJECT
public:
    // Fields that the checks send the focus to: 1 to 3 are the source check's.
    enum Item { kItemNumber = kContractNumber, kItemContribution = kContractContribution };

    explicit TfmInputSoursePens(ScreenHost& host);

    void Fill(const mTPens& contract);
    // Every item of the contract, kind included.
    void Apply(mTPens& contract) const;
    int Kind() const;
    QString TrimmedName() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Kinds 1 to 3 enter the organisation and the contract; the agent's code follows the kind.
    void ApplyKind();

    QFormLayout* m_form = nullptr;
    RecordBindings<mTPens> m_fields;
    QButtonGroup* m_kinds = nullptr;
    TMaskedEdit* meSourseName = nullptr;
    TMaskedEdit* meINN = nullptr;
    TMaskedEdit* meKPP = nullptr;
    TMaskedEdit* meNomDog = nullptr;
    TDtpPanel* dtpDatDog = nullptr;
    TMaskedEdit* meVZSum = nullptr;
    TMaskedEdit* meVichSum = nullptr;
    TMaskedEdit* meNA = nullptr;
};

}  // namespace zizaza
