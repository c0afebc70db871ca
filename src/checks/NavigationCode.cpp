#include "checks/NavigationCode.h"

namespace zizaza {

CheckOutcome DecideCheckOutcome(uint32_t code) {
    switch (NavigationItem(code)) {
        case kNavigationNoProblem:
            return CheckOutcome::Passed;
        case kNavigationNotFixed:
            return CheckOutcome::GaveUp;
        default:
            return CheckOutcome::FixRequested;
    }
}

NavigationTarget ResolveNavigation(uint32_t code) {
    NavigationTarget target;
    target.screen = NavigationScreen(code);
    target.item = NavigationItem(code);
    if (target.screen >= 4 && target.screen <= 6) {
        target.container = NavigationTarget::Container::RussianIncome;
        target.subScreen = static_cast<uint16_t>(target.screen - 4);
    } else if (target.screen >= 9 && target.screen <= 11) {
        target.container = NavigationTarget::Container::Deductions;
        target.subScreen = static_cast<uint16_t>(target.screen - 9);
    }
    return target;
}

}  // namespace zizaza
