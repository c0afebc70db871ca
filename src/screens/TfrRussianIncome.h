#pragma once

#include "screens/TContainerFrame.h"

namespace zizaza {

// "Доходы, полученные в РФ": the incomes received in Russia by tax rate, one sub-screen at a
// time. Sub-screen 0 is the 13% screen (on a non-resident declaration its incomes are those at
// the non-resident rate). A 4-NDFL declaration has no sub-screen.
class TfrRussianIncome : public TContainerFrame {
    Q_OBJECT
public:
    TfrRussianIncome(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);
};

}  // namespace zizaza
