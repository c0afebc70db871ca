#pragma once

#include <string>
#include <string_view>

#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QFormLayout;

namespace zizaza {

class ISourceCheckDialog;
class TMaskedEdit;
class mTSourseIncomeInfo;

// The base of the dialogs that enter a source of payment: name, INN, KPP and OKTMO on top, the
// dialog's own rows below. "Да" runs the source check of the identifiers and then the dialog's
// amount checks, in one check dialog captioned with the area's title.
class TSourceEntryDialog : public TEntryDialog {
    Q_OBJECT
public:
    enum class SourceRule {
        Payment,        // a person or an organisation; a missing OKTMO may be skipped
        PaymentStrict,  // a person or an organisation; nothing may be skipped
        Organization,   // an organisation with a 10-digit INN; nothing may be skipped
    };

    TSourceEntryDialog(ScreenHost& host, const QString& caption, int innLength, SourceRule rule,
                       std::string_view areaTitle);

    void FillSource(const mTSourseIncomeInfo& source);
    // Writes name, INN, KPP and OKTMO as typed.
    void ApplySource(mTSourseIncomeInfo& source) const;
    // The name as typed, trimmed: an empty one means no source.
    QString TrimmedName() const;

protected:
    // Rows of the derived dialog go below the source fields.
    QFormLayout* Form() const { return m_form; }
    TMaskedEdit* NameEdit() const { return meName; }
    TMaskedEdit* OktmoEdit() const { return meOKTMO; }
    void SetNameCaption(const QString& caption);
    std::string_view AreaTitle() const { return m_areaTitle; }

    // Runs after the source check has passed; 0 accepts, another code names the item to focus.
    virtual int CheckAmounts(ISourceCheckDialog& /*dialog*/) { return 0; }
    virtual void FocusAmount(int /*item*/) {}
    // Shows one problem of the amount checks. True when it keeps the dialog open: the user
    // chose "Исправить", or the problem is one that cannot be skipped.
    bool Blocks(ISourceCheckDialog& dialog, std::string_view message, bool skippable) const;

    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    SourceRule m_rule;
    std::string m_areaTitle;
    RecordBindings<mTSourseIncomeInfo> m_sourceFields;
    QFormLayout* m_form = nullptr;
    TMaskedEdit* meName = nullptr;
    TMaskedEdit* meINN = nullptr;
    TMaskedEdit* meKPP = nullptr;
    TMaskedEdit* meOKTMO = nullptr;
};

}  // namespace zizaza
