#pragma once

#include <QString>

#include "dictionaries/ui/TCodeListPicker.h"

namespace zizaza {

class CurrencyRates;

// The currency picker ("Справочник валют"), made for one choice from the currencies of the rate
// dictionary in file order. The row of the current code is preselected (an empty code counts
// as "0"), otherwise the first row.
class TfmInputCurrencyCode : public TCodeListPicker {
    Q_OBJECT
public:
    TfmInputCurrencyCode(QWidget* parent, const QString& currentCode, const CurrencyRates& rates);

    QString ChosenCode() const { return m_chosenCode; }
    QString ChosenName() const { return m_chosenName; }

private:
    void TakeRow(int row) override;

    const CurrencyRates& m_rates;
    QString m_chosenCode;
    QString m_chosenName;
};

}  // namespace zizaza
