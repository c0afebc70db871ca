#pragma once

#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"
#include "storage/Money.h"

namespace zizaza {

class TMaskedEdit;

// "Сумма за обучение": one amount paid for the education of a child.
class TfmChildEduSum : public TEntryDialog {
    Q_OBJECT
public:
    explicit TfmChildEduSum(ScreenHost& host);

    void SetAmount(Money amount);
    // An empty field is 0.
    Money Amount() const;

private:
    TMaskedEdit* meSum = nullptr;
    RecordBindings<Money> m_fields;
};

}  // namespace zizaza
