#include "screens/TfmInputSourseInvestTov.h"

#include "checks/IdentifierChecks.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

TfmInputSourseInvestTov::TfmInputSourseInvestTov(ScreenHost& host)
    : TSourceEntryDialog(host, QStringLiteral("Источник выплаты"), 12, SourceRule::PaymentStrict,
                         kSectionInvestPartnership) {
    setObjectName(QStringLiteral("fmInputSourseInvestTov"));
    SetNameCaption(QStringLiteral("Наименование инвестиционного товарищества"));
    NameEdit()->setObjectName(QStringLiteral("meSourseName"));
    OktmoEdit()->setObjectName(QStringLiteral("meOKATO"));
}

}  // namespace zizaza
