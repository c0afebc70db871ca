#pragma once

#include <cstdint>

namespace zizaza {

// Who confirms the declaration ("Достоверность подтверждается"). The file keeps the value as a
// word; a value of another edition survives loading and saving unchanged.
enum class SignerKind : uint16_t {
    InPerson = 0,
    Representative = 1,              // a representative who is a person
    RepresentativeOrganization = 2,  // a representative organisation
};

// "Признак налогоплательщика". The file keeps the value as a word; 4 is not used.
enum class TaxpayerCategory : uint16_t {
    Entrepreneur = 0,
    FarmHead = 1,
    Notary = 2,
    Lawyer = 3,
    Other = 5,
    ArbitrationManager = 6,
};

// "Форма декларации". The file keeps the value as a word.
enum class DeclarationForm : uint16_t {
    Ndfl3 = 0,             // 3-НДФЛ of a resident
    Ndfl3NonResident = 1,  // 3-НДФЛ of a non-resident
    Ndfl4 = 2,             // 4-НДФЛ
};

// Entrepreneurs, farm heads, notaries, lawyers and arbitration managers: they pay under the KBK
// of private practice and file a declaration in any case (ст. 227, 229 НК РФ).
constexpr bool IsPrivatePractice(TaxpayerCategory category) {
    switch (category) {
        case TaxpayerCategory::Entrepreneur:
        case TaxpayerCategory::FarmHead:
        case TaxpayerCategory::Notary:
        case TaxpayerCategory::Lawyer:
        case TaxpayerCategory::ArbitrationManager:
            return true;
        default:
            return false;
    }
}

}  // namespace zizaza
