#include "screens/TfrRussianIncome.h"

#include "model/mTDeclaration.h"
#include "screens/TfrThirteenPercent.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza {

TfrRussianIncome::TfrRussianIncome(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TContainerFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frRussianIncome"));
    const uint16_t form = Doc().DeclarationForm;
    const bool nonResident = form == kForm3NdflNonResident;
    TFlashButton* first =
        AddSubScreen(QStringLiteral("FlashButton1"), nonResident ? QStringLiteral("30%") : QStringLiteral("13%"),
                     [](ScreenHost& h, QWidget* p, DeclarationSlot& s) { return new TfrThirteenPercent(h, p, s); });
    first->setToolTip(nonResident
                          ? QStringLiteral("Доходы нерезидента")
                          : QStringLiteral("Доходы, облагаемые по ставке 13% (КРОМЕ ДИВИДЕНДОВ), полученные от "
                                           "налоговых агентов или иных источников выплаты, в т.ч. от физических лиц"));
    if (form != kForm4Ndfl)
        ShowInitialSubScreen(0);
}

}  // namespace zizaza
