#pragma once

#include "screens/TMonthlyChoiceDialog.h"

namespace zizaza {

// The personal deduction of each month when the code changed during the year: 0 "----",
// 1 code 104, 2 code 105.
class TfmDif : public TMonthlyChoiceDialog {
    Q_OBJECT
public:
    explicit TfmDif(ScreenHost& host);
};

}  // namespace zizaza
