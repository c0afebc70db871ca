#pragma once

#include <vector>

#include "dictionaries/CodeList.h"
#include "dictionaries/ui/TCodeListPicker.h"

namespace zizaza {

// The countries picker ("Справочник стран"), built once by the main window from the countries
// dictionary and reused for every choice of a country.
class TfmGrazhd : public TCodeListPicker {
    Q_OBJECT
public:
    explicit TfmGrazhd(std::vector<CodeName> rows, QWidget* parent = nullptr);

    // Positions the picker on the first row of the code. An empty code, or one that no row has,
    // leaves no row selected: a row highlighted by an earlier use is not offered as the answer.
    void SetCurrentCode(const QString& code);
    QString CurrentCode() const { return m_currentCode; }

    // The code and the name of the row accepted last.
    QString ChosenCode() const { return m_chosenCode; }
    QString ChosenName() const { return m_chosenName; }

    const std::vector<CodeName>& Rows() const { return m_rows; }

private:
    void TakeRow(int row) override;

    std::vector<CodeName> m_rows;
    QString m_currentCode;
    QString m_chosenCode;
    QString m_chosenName;
};

}  // namespace zizaza
