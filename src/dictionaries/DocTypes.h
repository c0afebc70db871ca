#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zizaza {

// An identity-document type: the two-digit code and the name.
struct DocType {
    std::string_view code;
    std::string_view name;
};

// The fifteen document types in picker order.
std::span<const DocType> DocTypes();

// The row whose code equals the number written with two digits ("%.2d"); nullopt for 0 or a
// code that no row has.
std::optional<size_t> FindDocTypeRow(int code);

// The code of a row as the document stores it (an integer).
int DocTypeNumber(const DocType& type);

}  // namespace zizaza
