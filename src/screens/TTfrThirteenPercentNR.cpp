#include "screens/TTfrThirteenPercentNR.h"

namespace zizaza {

TTfrThirteenPercentNR::TTfrThirteenPercentNR(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TfrThirteenPercent(owner, parent, slot, true) {}

}  // namespace zizaza
