#pragma once

#include "dictionaries/CodeList.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

inline constexpr const char* kCountriesFileName = "Oksm.xml";

// The countries by their OKSM code, in file order: the "Code" attribute and the text of each
// child of the root. DictionaryError naming the file when it cannot be read or parsed.
std::vector<CodeName> LoadCountries(const std::string& path);

// The letter codes of the ISO 3166 classification beside each OKSM code.
struct CountryLetters {
    const char* code;    // OKSM, "840"
    const char* alpha2;  // "US"
    const char* alpha3;  // "USA"
};
std::span<const CountryLetters> CountryLetterCodes();

// The OKSM code of a country given by that code or by its two- or three-letter code (any case);
// empty when there is no such country.
std::string CountryCodeOf(std::string_view text);

}  // namespace zizaza
