#pragma once

#include "screens/TEntryDialog.h"

class QCheckBox;

namespace zizaza {

class TMaskedEdit;
class mTThirteenPercent;

// "Источник выплаты": name, INN, KPP and OKTMO of a source of incomes at 13%, and whether the
// standard deductions are computed for it. "Да" runs the payment-source check.
class TfmInput13SourseIncome : public TEntryDialog {
    Q_OBJECT
public:
    // The standard-deductions tick is hidden in non-resident mode.
    TfmInput13SourseIncome(ScreenHost& host, bool nonResident);

    void Fill(const mTThirteenPercent& source);
    // Writes the five items of the dialog into the source.
    void Apply(mTThirteenPercent& source) const;
    // The name as typed, trimmed: an empty one means no source.
    QString TrimmedName() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;

private:
    TMaskedEdit* meName = nullptr;
    TMaskedEdit* meINN = nullptr;
    TMaskedEdit* meKPP = nullptr;
    TMaskedEdit* meOKTMO = nullptr;
    QCheckBox* cbStandartDeduct = nullptr;
};

}  // namespace zizaza
