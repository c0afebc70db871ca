#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// The codes of a property object, each kept in the file as an integer; 0 is none chosen, and a
// value of another edition survives loading and saving unchanged.
// "Наименование объекта".
enum class PropertyObjectKind : int32_t {
    None = 0,
    House = 1,
    Flat = 2,
    Room = 3,
    HousingShare = 4,    // a share in a house, flat or room
    LandForHousing = 5,  // land for individual housing construction
    LandWithHouse = 6,   // land under a house bought
    HouseWithLand = 7,
    LandShare = 8,
};
// "Вид собственности".
enum class PropertyOwnership : int32_t {
    None = 0,
    Individual = 1,
    Shared = 2,
    Joint = 3,  // with an application on the distribution of the deduction
    MinorChild = 4,
    JointWithoutApplication = 5,
    SpousesShared = 6,  // shared by spouses, with an application on the distribution
};
// "Код номера объекта".
enum class PropertyNumberKind : int32_t {
    None = 0,
    Cadastral = 1,
    Conditional = 2,
    Inventory = 3,
    NoNumber = 4,  // the place stands for the number
};
// "Признак налогоплательщика".
enum class PropertyTaxpayerSign : int32_t {
    None = 0,
    Owner = 1,
    OwnersSpouse = 2,
    MinorOwnersParent = 3,
    SharedWithChild = 4,
    SpouseSharedWithChild = 5,
};

// Whether a code is one of the list's (an object of an earlier edition or of another tool may hold
// another).
constexpr bool IsListed(PropertyObjectKind k) {
    return k >= PropertyObjectKind::House && k <= PropertyObjectKind::LandShare;
}
constexpr bool IsListed(PropertyOwnership k) {
    return k >= PropertyOwnership::Individual && k <= PropertyOwnership::SpousesShared;
}
constexpr bool IsListed(PropertyNumberKind k) {
    return k >= PropertyNumberKind::Cadastral && k <= PropertyNumberKind::NoNumber;
}
constexpr bool IsListed(PropertyTaxpayerSign k) {
    return k >= PropertyTaxpayerSign::Owner && k <= PropertyTaxpayerSign::SpouseSharedWithChild;
}
// The kinds that include land: their land registration date is written.
constexpr bool HasLand(PropertyObjectKind k) {
    return k >= PropertyObjectKind::LandForHousing && k <= PropertyObjectKind::LandShare;
}
// The deduction is distributed by an application: joint or spouses' ownership, or an owner's spouse.
constexpr bool NeedsApplication(PropertyOwnership ownership, PropertyTaxpayerSign sign) {
    return ownership == PropertyOwnership::Joint || ownership == PropertyOwnership::SpousesShared ||
           (ownership == PropertyOwnership::Individual && sign == PropertyTaxpayerSign::OwnersSpouse);
}

// One property object of the property deduction.
class mTConstructionDeductObj {
public:
    bool operator==(const mTConstructionDeductObj&) const = default;
    PropertyObjectKind ObjectKind = PropertyObjectKind::None;
    PropertyOwnership OwnershipKind = PropertyOwnership::None;
    std::string Number;  // "Номер" of the object
    std::string Place;   // "Место" (address)
    PropertyNumberKind NumberKind = PropertyNumberKind::None;
    PropertyTaxpayerSign TaxpayerSign = PropertyTaxpayerSign::None;
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
