#pragma once

#include <QString>
#include <optional>
#include <string>

#include "checks/NavigationCode.h"
#include "screens/FieldBindings.h"
#include "screens/TThinkingFrame.h"
#include "screens/controls/TMaskedDocEdit.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zizaza {

class TDtpPanel;
class TMaskedEdit;

// "Сведения о декларанте": the taxpayer's name, INN, birth date and place, identity document,
// citizenship and contact telephone, kept in the declaration's person record.
class TfrPersonNaim : public TThinkingFrame {
    Q_OBJECT
public:
    // Item codes of FocusItem, those of the checks of screen 2.
    using enum PersonItem;

    TfrPersonNaim(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    void FocusItem(uint16_t item) override;

    // The document-type picker on the current kind; the country picker on the current code.
    void ChooseDocType();
    void ChooseCountry();

    // Series formats of the document kinds: as a stored document is shown, and as a kind is
    // chosen in the dictionary. Kinds not listed keep the format the field has.
    static std::optional<TDocumentMaskEnum> StoredKindFormat(int kindCode);
    static std::optional<TDocumentMaskEnum> ChosenKindFormat(int kindCode);

private:
    void BuildNameGroup(QGroupBox* box);
    void BuildDocumentGroup(QGroupBox* box);
    void BuildCitizenshipGroup(QGroupBox* box);
    void BuildPhoneGroup(QGroupBox* box);
    void BindFields();
    void FillFromDocument();
    void SetIdentityShown(bool shown);
    void SetDocumentFieldsEnabled(bool enabled);
    // A stored text the field would refuse (from an earlier edition) widens the field's limits
    // instead of being dropped.
    std::string Stored(TMaskedEdit* edit, const std::string& text);

    RecordBindings<mTDeclaration> m_fields;
    // "Гражданин" (1) or "Лицо без гражданства" (2).
    QButtonGroup* m_citizenship = nullptr;
    bool m_fourNdfl = false;
    uint16_t m_kindCode = 0;

    QGroupBox* gbFIO = nullptr;
    QGroupBox* gbDocument = nullptr;
    QGroupBox* gbGrazhd = nullptr;
    QGroupBox* gbPhone = nullptr;
    TMaskedEdit* meSurName = nullptr;
    TMaskedEdit* meName = nullptr;
    TMaskedEdit* mePatronymic = nullptr;
    TMaskedEdit* meINN = nullptr;
    QLabel* lbBirthDate = nullptr;
    TDtpPanel* dtBirthDate = nullptr;
    QLabel* lbMesto = nullptr;
    TMaskedEdit* meMesto = nullptr;
    QLabel* pnlDocType = nullptr;
    QPushButton* bnDocType = nullptr;
    QLabel* lbSerial = nullptr;
    TMaskedDocEdit* meSerial = nullptr;
    QLabel* lbRegDate = nullptr;
    TDtpPanel* dtRegDate = nullptr;
    QLabel* lbKem = nullptr;
    TMaskedEdit* meKem = nullptr;
    TMaskedEdit* meKodGrazhd = nullptr;
    QPushButton* bnGrazhd = nullptr;
    TMaskedEdit* meCitizenship = nullptr;
    QRadioButton* rbGr = nullptr;
    QRadioButton* rbBomzh = nullptr;
    TMaskedEdit* meHomePhone = nullptr;
};

}  // namespace zizaza
