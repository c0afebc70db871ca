#pragma once

#include <QString>
#include <vector>

#include "dictionaries/ui/TCodeListPicker.h"

namespace zizaza {

class IncomeCodeDict;
struct IncomeEntry;

// The income-code picker ("Справочник видов доходов"), made for one choice. The rate filter
// chooses the rows: empty for every income, "100" for the incomes at 13% and 35% but 2620,
// any other text for the incomes of that rate (with the non-resident flag only those a
// non-resident may report at 13%).
class TfmInputIncomeCode : public TCodeListPicker {
    Q_OBJECT
public:
    TfmInputIncomeCode(QWidget* parent, bool nonResident13Only, const QString& currentCode, const QString& rateFilter,
                       const IncomeCodeDict& dict);

    // The accepted row.
    QString ChosenCode() const { return m_chosenCode; }
    QString ChosenName() const { return m_chosenName; }
    // The rate filter's number when a filter was given, otherwise the income's rate.
    int ChosenRate() const { return m_chosenRate; }
    bool ChosenHasDeductions() const { return m_chosenHasDeductions; }
    bool ChosenIsSale() const { return m_chosenIsSale; }

private:
    void TakeRow(int row) override;

    std::vector<const IncomeEntry*> m_rows;
    QString m_rateFilter;
    QString m_chosenCode;
    QString m_chosenName;
    int m_chosenRate = 0;
    bool m_chosenHasDeductions = false;
    bool m_chosenIsSale = false;
};

}  // namespace zizaza
