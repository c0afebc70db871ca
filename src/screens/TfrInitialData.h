#pragma once

#include <QString>
#include <array>
#include <utility>

#include "checks/NavigationCode.h"
#include "model/TaxpayerCodes.h"
#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zizaza {

class mTDeclaration;

class TMaskedEdit;
class TUpDown;

// "Задание условий": the form of the declaration, the inspection, the correction number, the
// OKTMO, the taxpayer's category, the kinds of income and who signs. Its choices switch the
// main window's screen buttons on and off.
class TfrInitialData : public TThinkingFrame {
    Q_OBJECT
public:
    // Item codes of FocusItem, those of the checks of screen 1.
    using enum InitialDataItem;

    TfrInitialData(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    void FocusItem(uint16_t item) override;

    // Opens the inspections picker on the code in the field.
    void ChooseInspection();

private:
    void BuildTypeGroup(QGroupBox* box);
    void BuildGeneralGroup(QGroupBox* box);
    void BuildCategoryGroup(QGroupBox* box);
    void BuildIncomeGroup(QGroupBox* box);
    void BuildSignerGroup(QGroupBox* box);
    void BuildAppendixGroup(QGroupBox* box);
    void BindFields();
    void FillFromDocument();
    void ConnectRules();

    // A tick or radio button set to a new state runs its click rule, as a click does.
    void SetTick(QCheckBox* tick, bool checked);
    void Choose(QRadioButton* radio);

    void OnFormChosen();
    void OnIncomeTick(QCheckBox* tick);
    void OnSignerChosen();
    void UpdateDeductionsByAnyTick();
    bool AnyIncomeTicked() const;
    DeclarationForm CheckedForm() const;
    SignerKind CheckedSigner() const;
    // The category radio buttons with the categories they choose.
    std::array<std::pair<QRadioButton*, TaxpayerCategory>, 6> CategoryChoices() const;
    void SetEstimatedIncomeEnabled(bool enabled);

    RecordBindings<mTDeclaration> m_fields;
    RecordBindings<mTDeclaration> m_sheetCount;
    QString m_inspectionName;

    QRadioButton* rbSimple = nullptr;
    QRadioButton* rbNeRez = nullptr;
    QRadioButton* rb4ndfl = nullptr;
    TMaskedEdit* meInspection = nullptr;
    QPushButton* bnInspection = nullptr;
    TMaskedEdit* meNumVer = nullptr;
    TUpDown* updCorr = nullptr;
    TMaskedEdit* meOKATO = nullptr;
    QRadioButton* rbPredp = nullptr;
    QRadioButton* rbFermer = nullptr;
    QRadioButton* rbNotarius = nullptr;
    QRadioButton* rbAdvokat = nullptr;
    QRadioButton* rbFLProch = nullptr;
    QRadioButton* rbArbitr = nullptr;
    QCheckBox* chbIncomeInquiry = nullptr;
    QLabel* lbIncomeInquiry = nullptr;
    QCheckBox* chbIncomeCurrency = nullptr;
    QCheckBox* chbIncomeBusiness = nullptr;
    QCheckBox* chbInvestTov = nullptr;
    QLabel* lbSupposeIncome = nullptr;
    TMaskedEdit* meSupposeIncome = nullptr;
    QRadioButton* rbGiveSelf = nullptr;
    QRadioButton* rbGiveTrustFase = nullptr;
    QRadioButton* rbGiveByMail = nullptr;
    QLabel* lbFIO = nullptr;
    TMaskedEdit* meFIO = nullptr;
    QLabel* lbOsn = nullptr;
    TMaskedEdit* meOsn = nullptr;
    QLabel* lbUL = nullptr;
    TMaskedEdit* meUL = nullptr;
    QGroupBox* gbAppendixes = nullptr;
    TMaskedEdit* meAppendixes = nullptr;
    QCheckBox* chbAutoCount = nullptr;
};

}  // namespace zizaza
