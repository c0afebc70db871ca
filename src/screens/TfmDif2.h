#pragma once

#include "screens/TMonthlyChoiceDialog.h"

namespace zizaza {

// The single-parent status of each month when it changed during the year: 0 "да", 1 "нет".
class TfmDif2 : public TMonthlyChoiceDialog {
    Q_OBJECT
public:
    explicit TfmDif2(ScreenHost& host);
};

}  // namespace zizaza
