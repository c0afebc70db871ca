#pragma once

#include "screens/TfrThirteenPercent.h"

namespace zizaza {

// "Доходы нерезидентов, высококвалифицированных специалистов": a non-resident's incomes at 13%
// by source and month, kept in the declaration's list NonResidentIncomes13. Built like the 13%
// screen, with its own income dialog; it has no checks of its own.
class TTfrThirteenPercentNR : public TfrThirteenPercent {
    Q_OBJECT
public:
    TTfrThirteenPercentNR(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    uint16_t CheckScreen() override { return 0; }
};

}  // namespace zizaza
