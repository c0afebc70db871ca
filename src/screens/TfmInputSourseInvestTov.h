#pragma once

#include <QString>

#include "screens/TEntryDialog.h"

namespace zizaza {

class TMaskedEdit;
class mTSourseIncomeInfo;

// "Источник выплаты" of the investment partnership screen: name, INN, KPP and OKTMO of a
// partnership. "Да" and Enter run the payment-source check, in which nothing may be skipped.
class TfmInputSourseInvestTov : public TEntryDialog {
    Q_OBJECT
public:
    explicit TfmInputSourseInvestTov(ScreenHost& host);

    void Fill(const mTSourseIncomeInfo& source);
    // Writes the four fields of the dialog into the source.
    void Apply(mTSourseIncomeInfo& source) const;
    // The name as typed, trimmed: an empty one means no source.
    QString TrimmedName() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    TMaskedEdit* FieldOf(int item) const;

    TMaskedEdit* meSourseName = nullptr;
    TMaskedEdit* meINN = nullptr;
    TMaskedEdit* meKPP = nullptr;
    TMaskedEdit* meOKATO = nullptr;
};

}  // namespace zizaza
