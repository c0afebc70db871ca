#include "dictionaries/CodeList.h"

#include "dictionaries/XmlDoc.h"

namespace zizaza {

std::vector<CodeName> ReadCodeList(const XmlDoc& doc) {
    std::vector<CodeName> rows;
    for (xmlNode* child : ChildElements(doc.Root()))
        rows.push_back({AttributeOr(child, "Code"), ElementText(child)});
    return rows;
}

std::optional<size_t> FindCodeRow(const std::vector<CodeName>& rows, std::string_view code) {
    if (code.empty())
        return std::nullopt;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].code == code)
            return i;
    return std::nullopt;
}

}  // namespace zizaza
