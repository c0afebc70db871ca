#pragma once

#include "screens/TSourceEntryDialog.h"

class QCheckBox;

namespace zizaza {

class mTThirteenPercent;

// "Источник выплаты": name, INN, KPP and OKTMO of a source of incomes at 13%, and whether the
// standard deductions are computed for it. "Да" runs the payment-source check.
class TfmInput13SourseIncome : public TSourceEntryDialog {
    Q_OBJECT
public:
    // The standard-deductions tick is hidden in non-resident mode.
    TfmInput13SourseIncome(ScreenHost& host, bool nonResident);

    void Fill(const mTThirteenPercent& source);
    // Writes the five items of the dialog into the source.
    void Apply(mTThirteenPercent& source) const;

private:
    RecordBindings<mTThirteenPercent> m_fields;
    QCheckBox* cbStandartDeduct = nullptr;
};

}  // namespace zizaza
