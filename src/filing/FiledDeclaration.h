#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// A filing document that cannot be made: the message is the Russian text for the user.
class FilingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One line of section 1 as the declaration's file has it (whole roubles).
struct Section1Entry {
    std::string kbk;
    std::string oktmo;
    std::string sign;  // ПрУплВозв: "1" to pay, "2" to refund, "3" neither
    long long toPay = 0;
    long long toRefund = 0;
};

// What the documents made after a declaration need from its exchange file: who, which form and
// year, which correction, and section 1.
struct FiledDeclaration {
    std::string fileId;  // ИдФайл
    std::string formVersion;
    std::string knd;  // 1151020 for 3-NDFL
    std::string year;
    std::string correctionNumber;
    std::string documentDate;
    std::string inspectionCode;
    std::string inn;  // empty when the declaration has none
    std::string surname, firstName, patronymic;
    std::string birthDate, birthPlace;
    std::string idDocCode, idDocNumber, idDocDate, idDocIssuer;
    std::string signerCode;  // ПрПодп: "1" the taxpayer, "2" a representative
    std::string signerSurname, signerFirstName, signerPatronymic, signerDocument;
    std::vector<Section1Entry> section1;

    std::vector<const Section1Entry*> RefundLines() const;
};

// Reads the exchange file's text (its own encoding, as the export writes it, or UTF-8). Throws
// FilingError for a text that is not XML or not a declaration.
FiledDeclaration ReadFiledDeclaration(std::string_view xmlText, const std::string& name);

}  // namespace zizaza
