#pragma once

#include "dictionaries/ui/TCodeListPicker.h"

namespace zizaza {

// The identity-document types picker ("Справочник видов документов"), made for one choice.
class TfmDocType : public TCodeListPicker {
    Q_OBJECT
public:
    // The row of the current code (written with two digits) is preselected; 0 or an unknown
    // code preselects nothing.
    explicit TfmDocType(int currentCode, QWidget* parent = nullptr);

    // The accepted row: its code as a number and its name.
    int ChosenCode() const { return m_chosenCode; }
    QString ChosenName() const { return m_chosenName; }

private:
    void TakeRow(int row) override;

    int m_chosenCode = 0;
    QString m_chosenName;
};

}  // namespace zizaza
