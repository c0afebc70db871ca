#pragma once

#include <QString>

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace zizaza {

class TDtpPanel;
class TMaskedEdit;
class TUpDown;
class mTConstructionDeductObj;

// "Данные объекта": one object of the property deduction on purchase with its acquisition
// data, share, cost and credit interest. The screen decides before the dialog is run whether
// the object falls under the rules from 2014, whether its cost may be entered and whether it
// may carry credit interest.
class TfmInputConstruction : public TEntryDialog {
    Q_OBJECT
public:
    explicit TfmInputConstruction(ScreenHost& host);

    // Only dates from 2014 on and a first year of use from 2014 on.
    void SetRestrict2014(bool restrict);
    void SetCostLocked(bool locked);
    void SetInterestOpen(bool open);
    void SetPensioner(bool pensioner);

    // Bounds first: the dates of the object are clamped into them.
    void Fill(const mTConstructionDeductObj& object);
    // Writes every item of the dialog into the object.
    void Apply(mTConstructionDeductObj& object) const;
    // The object kind as its list shows it.
    QString ObjectKindText() const;
    bool Pensioner() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    enum Item {
        kItemKind = kObjectKind,
        kItemOwnership = kObjectOwnership,
        kItemTaxpayer = kObjectTaxpayer,
        kItemNumberKind = kObjectNumberKind,
        kItemNumber = kObjectNumber,
        kItemPlace = kObjectPlace,
        kItemYear = kObjectStartYear,
    };

    // The object's fields, made as children of box; BuildLayout lays them out in its rows.
    void MakeFields(QWidget* box);
    void BuildLayout();
    void Connect();
    void Bind();

    void ApplyBounds();
    void OnPensionerClicked();
    void OnAcquisitionChanged();
    void FillObjectKinds(bool investment);
    void ApplyLandDate();
    void ApplyNumberKind();
    void ApplyApplicationDate();
    // The share and the ownership kinds by the registration and transfer act dates.
    void ApplyDatesRule();
    void FillOwnershipKinds(bool from2014);
    void ClampYear();
    int FirstYear() const;
    bool Investment() const;

    bool m_restrict2014 = false;
    bool m_ownershipFrom2014 = false;

    QComboBox* cbObjectNaim = nullptr;
    QComboBox* cbVidSob = nullptr;
    TMaskedEdit* meNom = nullptr;
    TMaskedEdit* meMesto = nullptr;
    QComboBox* cbKodNomSob = nullptr;
    QComboBox* cbPrizNal = nullptr;
    TDtpPanel* dtpRegRightDate = nullptr;
    TDtpPanel* dtpRegZemDate = nullptr;
    TDtpPanel* dtpBuyDate = nullptr;
    TDtpPanel* dtpAppDate = nullptr;
    TMaskedEdit* meBeginningUsePrivilegeDate = nullptr;
    TUpDown* udBeginningUsePrivilegeDate = nullptr;
    TMaskedEdit* meDol1 = nullptr;
    TMaskedEdit* meDol2 = nullptr;
    TMaskedEdit* meObsch = nullptr;
    TMaskedEdit* meobschip = nullptr;
    RecordBindings<mTConstructionDeductObj> m_fields;
    QButtonGroup* m_acquisition = nullptr;
    QRadioButton* rbInvestment = nullptr;
    QRadioButton* rbPurchase = nullptr;
    QCheckBox* chbPensioner = nullptr;
};

}  // namespace zizaza
