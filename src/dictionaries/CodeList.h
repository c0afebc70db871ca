#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class XmlDoc;

// A row of a code picker: the code and the name shown beside it.
struct CodeName {
    std::string code;
    std::string name;
};

// The children of the root element, in document order, each as its "Code" attribute (empty
// when absent) and its text. The inspections and the countries dictionaries have this shape.
std::vector<CodeName> ReadCodeList(const XmlDoc& doc);

// The first row whose code equals the code exactly; nullopt for none (an empty code has none).
std::optional<size_t> FindCodeRow(const std::vector<CodeName>& rows, std::string_view code);

}  // namespace zizaza
