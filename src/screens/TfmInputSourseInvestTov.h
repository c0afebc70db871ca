#pragma once

#include "screens/TSourceEntryDialog.h"

namespace zizaza {

// "Источник выплаты" of the investment partnership screen: name, INN, KPP and OKTMO of a
// partnership. "Да" and Enter run the payment-source check, in which nothing may be skipped.
class TfmInputSourseInvestTov : public TSourceEntryDialog {
    Q_OBJECT
public:
    explicit TfmInputSourseInvestTov(ScreenHost& host);
};

}  // namespace zizaza
