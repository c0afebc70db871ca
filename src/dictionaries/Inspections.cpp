#include "dictionaries/Inspections.h"

#include "dictionaries/XmlDoc.h"

namespace zizaza {

std::vector<CodeName> LoadInspections(const std::string& path) {
    return ReadCodeList(XmlDoc::ParseFile(path));
}

std::optional<size_t> FindInspectionByPrefix(const std::vector<CodeName>& rows, std::string_view typed) {
    if (typed.empty())
        return std::nullopt;
    for (size_t i = 0; i < rows.size(); ++i)
        if (std::string_view(rows[i].code).starts_with(typed))
            return i;
    return std::nullopt;
}

std::string InspectionStatusText(const CodeName& row) {
    return row.code + "   " + row.name;
}

}  // namespace zizaza
