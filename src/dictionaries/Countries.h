#pragma once

#include "dictionaries/CodeList.h"

#include <string>
#include <vector>

namespace zizaza {

inline constexpr const char* kCountriesFileName = "Oksm.xml";

// The countries by their OKSM code, in file order: the "Code" attribute and the text of each
// child of the root. DictionaryError naming the file when it cannot be read or parsed.
std::vector<CodeName> LoadCountries(const std::string& path);

}  // namespace zizaza
