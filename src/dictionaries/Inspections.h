#pragma once

#include "dictionaries/CodeList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

inline constexpr const char* kInspectionsFileName = "InspectionNumbers.xml";
// The row that the picker's digit search starts from while no inspection is chosen.
inline constexpr std::string_view kFirstInspectionCode = "0101";

// The inspections dictionary: one row per child of the root, in file order. DictionaryError
// naming the file when it cannot be read or parsed.
std::vector<CodeName> LoadInspections(const std::string& path);

// The picker's type-ahead search: the first row whose code begins with the typed digits.
std::optional<size_t> FindInspectionByPrefix(const std::vector<CodeName>& rows, std::string_view typed);

// What the picker's status line shows for a row: the code, three blanks and the name.
std::string InspectionStatusText(const CodeName& row);

}  // namespace zizaza
