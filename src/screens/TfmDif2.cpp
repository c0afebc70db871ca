#include "screens/TfmDif2.h"

namespace zizaza {

TfmDif2::TfmDif2(ScreenHost& host)
    : TMonthlyChoiceDialog(host, {QStringLiteral("да"), QStringLiteral("нет")},
                           QStringLiteral("В этом месяце был статус единственного родителя (опекуна)")) {
    setObjectName(QStringLiteral("fmDif2"));
}

}  // namespace zizaza
