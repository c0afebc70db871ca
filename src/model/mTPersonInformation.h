#pragma once

#include "storage/Date.h"

#include <array>
#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

struct mTPersonName {
    bool operator==(const mTPersonName&) const = default;
    std::string Surname;          // "Фамилия"
    std::string FirstName;        // "Имя"
    std::string Patronymic;       // "Отчество"
    std::string Inn;              // 12 digits when given
    std::string FifthText;        // kept in its place only
    std::string SixthText = "0";  // kept in its place only
};

struct mTPersonDoc {
    bool operator==(const mTPersonDoc&) const = default;
    uint16_t KindCode = 0;  // identity-document dictionary code; 0 = none chosen
    std::string KindName;
    std::string SeriesNumber;
    Date IssueDate = Date::Ymd(1990, 1, 1);  // "Дата выдачи"
    Date BirthDate = Date::Ymd(1977, 1, 1);  // "Дата рождения"
    std::string IssuedBy;                    // "Кем выдан"
    std::string BirthPlace;                  // "Место рождения"
};

struct mTForeigner {
    bool operator==(const mTForeigner&) const = default;
    std::string CitizenshipKind;  // "1" citizen, "2" stateless; empty reads as citizen
    std::string CountryName = "РОССИЯ";
    std::string AddressAbroad;        // exported as АдрИно when not blank
    std::string CountryCode = "643";  // ОКСМ
};

// Only the OKTMO is used by the current edition; the rest is kept from earlier editions.
struct mTPersonAddress {
    bool operator==(const mTPersonAddress&) const = default;
    uint8_t AddressKind = 0;
    std::string RegionName;
    uint16_t RegionCode = 0;
    std::array<std::string, 8> Texts;
    std::string Oktmo;
};

struct mTPersonPhone {
    bool operator==(const mTPersonPhone&) const = default;
    std::string Code;
    std::string Number;
};

// The taxpayer's personal data: the only part of a declaration that is taken over from files of
// earlier yearly editions.
class mTPersonInformation {
public:
    bool operator==(const mTPersonInformation&) const = default;
    mTPersonName Name;
    mTPersonDoc Document;
    mTForeigner Foreigner;
    mTPersonAddress Address;
    mTPersonPhone HomePhone;  // its number is the contact telephone (Тлф)
    mTPersonPhone WorkPhone;
    mTPersonPhone ForeignHomePhone;
    mTPersonPhone ForeignWorkPhone;
    uint8_t DocumentFlag = 0;  // travels in "@PersonDocument"; kept only

    // Writes the eight person streams at the storage's position.
    void SaveToStorage(mTDocumentStorage& storage) const;
    // Reads the layout of the edition named by the storage's DocumentName.
    void LoadFromStorage(mTDocumentStorage& storage);
    // Exactly the bytes SaveToStorage writes.
    uint64_t ComputeSize() const;
};

}  // namespace zizaza
