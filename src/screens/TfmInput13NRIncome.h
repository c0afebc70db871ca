#pragma once

#include "screens/TfmInput13Income.h"

namespace zizaza {

// "Сведения о доходе" of a non-resident's income at 13%: the incomes the dictionary marks for
// non-residents, every deduction entry of the income with its amount typed (limited to the
// entry's maximum), the month; no property panel. A deduction above the income is refused only
// when the user chooses to fix it. Enter and Escape in its fields do nothing.
class TfmInput13NRIncome : public TfmInput13Income {
    Q_OBJECT
public:
    explicit TfmInput13NRIncome(ScreenHost& host);
};

}  // namespace zizaza
