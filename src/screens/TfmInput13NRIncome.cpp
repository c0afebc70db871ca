#include "screens/TfmInput13NRIncome.h"

namespace zizaza {

TfmInput13NRIncome::TfmInput13NRIncome(ScreenHost& host) : TfmInput13Income(host, Mode::NonResident13) {
    setObjectName(QStringLiteral("fmInput13NRIncome"));
    SetEnterEscapeHandled(false);
}

}  // namespace zizaza
