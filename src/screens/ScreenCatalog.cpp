#include "screens/ScreenCatalog.h"

#include "screens/TfrBusinessNew.h"
#include "screens/TfrCurrency.h"
#include "screens/TfrFrameDeductData.h"
#include "screens/TfrInitialData.h"
#include "screens/TfrInvestTov.h"
#include "screens/TfrPersonNaim.h"
#include "screens/TfrRussianIncome.h"

namespace zizaza {

namespace {

template <typename Screen>
ScreenFactory Make() {
    return [](ScreenHost& host, QWidget* parent, DeclarationSlot& slot) { return new Screen(host, parent, slot); };
}

}  // namespace

// One line per screen of the program; the buttons of screens missing here stay disabled.
ScreenCatalog ScreenCatalog::Standard() {
    ScreenCatalog catalog;
    catalog.Register(ScreenId::InitialData, Make<TfrInitialData>());
    catalog.Register(ScreenId::PersonInfo, Make<TfrPersonNaim>());
    catalog.Register(ScreenId::RussianIncome, Make<TfrRussianIncome>());
    catalog.Register(ScreenId::BusinessIncome, Make<TfrBusinessNew>());
    catalog.Register(ScreenId::ForeignIncome, Make<TfrCurrency>());
    catalog.Register(ScreenId::Deduction, Make<TfrFrameDeductData>());
    catalog.Register(ScreenId::InvestTov, Make<TfrInvestTov>());
    return catalog;
}

}  // namespace zizaza
