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
    if (target.screen >= kScreenRussianIncome13 && target.screen <= kScreenRussianIncome35) {
        target.container = NavigationTarget::Container::RussianIncome;
        target.subScreen = static_cast<uint16_t>(target.screen - kScreenRussianIncome13);
    } else if (target.screen == kScreenRussianIncomeNonResident13 || target.screen == kScreenRussianIncome9) {
        target.container = NavigationTarget::Container::RussianIncome;
        target.subScreen = static_cast<uint16_t>(target.screen - kScreenRussianIncomeNonResident13 + 3);
    } else if (target.screen >= kScreenStandardDeductions && target.screen <= kScreenPropertyDeductions) {
        target.container = NavigationTarget::Container::Deductions;
        target.subScreen = static_cast<uint16_t>(target.screen - kScreenStandardDeductions);
    }
    return target;
}

}  // namespace zizaza
