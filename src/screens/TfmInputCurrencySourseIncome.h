#pragma once

#include <QString>

#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QPushButton;

namespace zizaza {

class TMaskedEdit;
class mTCurrencyIncome;

// "Доход": a source of income abroad, its name and the code of its country. "Да" and Enter
// need a country code; when it is missing the check dialog offers only "Исправить", and after
// "Да" the countries picker follows at once.
class TfmInputCurrencySourseIncome : public TEntryDialog {
    Q_OBJECT
public:
    explicit TfmInputCurrencySourseIncome(ScreenHost& host);

    void Fill(const mTCurrencyIncome& income);
    // Writes the source's name and country as typed.
    void Apply(mTCurrencyIncome& income) const;
    // The name as typed, trimmed: an empty one means no source.
    QString TrimmedName() const;

protected:
    int CheckEntries() override;
    void FocusEntry(int item) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The countries picker positioned on the code typed; its choice fills the code.
    void ChooseCountry();

    RecordBindings<mTCurrencyIncome> m_fields;
    TMaskedEdit* meSourseName = nullptr;
    TMaskedEdit* meGos = nullptr;
    QPushButton* bnGos = nullptr;
    bool m_byEnter = false;
};

}  // namespace zizaza
