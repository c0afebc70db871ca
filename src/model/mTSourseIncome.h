#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

// One income line of a 13% source.
struct mTSourseIncome {
    bool operator==(const mTSourseIncome&) const = default;
    int32_t IncomeCode = 0;  // income dictionary code
    std::string IncomeName;
    Money IncomeAmount;
    int32_t DeductionCode = 0;  // 0 = none
    Money DeductionAmount;
    int32_t DeductionPercent = 0;  // percent attribute of the chosen deduction entry
    uint16_t Month = 0;            // month of receipt, 1 to 12
    // The next four concern the income codes 1510, 1511 and 1512 only.
    bool AcquiredAfter2016 = false;
    std::string CadastralNumber;
    Money CadastralValue;
    Money ContractPrice;
};

}  // namespace zizaza
