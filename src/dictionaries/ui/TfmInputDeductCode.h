#pragma once

#include <QString>
#include <vector>

#include "dictionaries/ui/TCodeListPicker.h"
#include "storage/Money.h"

namespace zizaza {

class IncomeCodeDict;
struct DeductionEntry;

// The deduction-code picker ("Справочник видов вычетов"), made for one choice: the deduction
// entries of one income in dictionary order; without the all-deductions flag only the codes
// beginning with "2" or "5" and the entry "0".
class TfmInputDeductCode : public TCodeListPicker {
    Q_OBJECT
public:
    TfmInputDeductCode(QWidget* parent, bool allDeductions, const QString& currentCode, const QString& incomeCode,
                       const IncomeCodeDict& dict);

    // The accepted entry; nullptr before acceptance. It lives as long as the dictionary.
    const DeductionEntry* Chosen() const { return m_chosen; }
    QString ChosenCode() const;
    QString ChosenName() const;
    Money ChosenMaxSum() const;
    bool ChosenEnabled() const;
    bool ChosenEquivalent() const;
    bool ChosenVisible() const;
    int ChosenPercent() const;

private:
    void TakeRow(int row) override;

    std::vector<const DeductionEntry*> m_rows;
    const DeductionEntry* m_chosen = nullptr;
};

}  // namespace zizaza
