#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// One property object of the property deduction.
class mTConstructionDeductObj {
public:
    bool operator==(const mTConstructionDeductObj&) const = default;
    int32_t ObjectKind = 0;     // 1 house ... 8 share in house and land
    int32_t OwnershipKind = 0;  // 1 individual, 2 shared, 3 joint, 4 of a minor child
    std::string Number;         // "Номер" of the object
    std::string Place;          // "Место" (address)
    int32_t NumberKind = 0;     // 1 cadastral, 2 conditional, 3 inventory, 4 none
    int32_t TaxpayerSign = 0;   // 1 owner ... 5
    Date OwnershipRegistrationDate = Date::Ymd(2003, 1, 1);
    Date LandRegistrationDate;
    Date TransferActDate = Date::Ymd(2003, 1, 1);
    Date ApplicationDate;
    Date FirstYearOfUse = Date::Ymd(2003, 1, 1);  // 1 January of that year
    int32_t ShareNumerator = 0;                   // "Доля", left of "/"
    int32_t ShareDenominator = 0;                 // "Доля", right of "/"; may be 0 (no share entered)
    Money Cost;                                   // "Стоимость объекта (доли)"
    Money Interest;                               // "Проценты по кредитам за все годы"
    bool ByInvestment = false;                    // acquired by investment (true) or by sale contract
    bool Pensioner = false;                       // "Являюсь пенсионером"

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position) const;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position);
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
