#pragma once

#include <string_view>

namespace zizaza {

// One line of a sheet of the 3-NDFL form and the attribute of the exchange file it shows.
struct FormLine {
    std::string_view sheet;    // "Приложение 1"
    std::string_view top;      // the sheet's element under НДФЛ3 ("ДоходИстРФ")
    std::string_view element;  // the element holding the attribute, or its parent for a path
    std::string_view attribute;
    std::string_view code;  // "070"
    std::string_view label;
};

// The line of the attribute of an element within the sheet whose element under НДФЛ3 is top;
// null when the form has no such line.
const FormLine* FindFormLine(std::string_view top, std::string_view element, std::string_view attribute);

// The sheet of an element under НДФЛ3 ("Раздел 2" for НалБаза); empty for an unknown one.
std::string_view SheetOf(std::string_view top);

}  // namespace zizaza
