#include "screens/TfmDif.h"

namespace zizaza {

TfmDif::TfmDif(ScreenHost& host)
    : TMonthlyChoiceDialog(host, {QStringLiteral("----"), QStringLiteral("104"), QStringLiteral("105")}, QString()) {
    setObjectName(QStringLiteral("fmDif"));
}

}  // namespace zizaza
