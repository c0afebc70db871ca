#pragma once

#include "calc/SheetMath.h"
#include "export/XmlDom.h"
#include "storage/Money.h"
#include "storage/NumberText.h"

#include <string>
#include <string_view>

// The text rules every element and attribute of the declaration export follows.
namespace zizaza {

// Upper case of the Cyrillic and Latin letters (ё, і, ў, ґ and the other Cyrillic letters of
// Windows-1251 included); every other character unchanged. Invalid UTF-8 is kept as it is.
std::string UpperCase(std::string_view utf8);

// Without the blanks and control characters at both ends.
std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);
// The first count characters (not bytes) of a UTF-8 text.
std::string FirstChars(std::string_view utf8, size_t count);
// The text after its first count characters.
std::string AfterChars(std::string_view utf8, size_t count);
// "0" put in front until the text has at least width characters.
std::string PadZeros(std::string text, size_t width);

// Every "," replaced by ".", then trimmed: for amounts that reach the export as text.
std::string CommaToDot(std::string_view text);

// A new random version-4 GUID as 36 upper-case characters in five groups (8-4-4-4-12).
std::string NewFileGuid();

// A new element appended as the last child of parent.
XmlElement AppendElement(XmlElement parent, std::string_view name);
// The attribute with the upper-case form of value.
void PutAttribute(XmlElement element, std::string_view name, std::string_view value);

// The two amount forms of the export: whole roubles ("1500") and two decimals ("1500.00"). A
// whole amount is rounded half up, so that kopecks a file holds never reach it ("13000.4").
inline std::string WholeAmount(Money v) {
    return WholeMoneyToText(WholeRoubles(v));
}
inline std::string KopeckAmount(Money v) {
    return MoneyToText2(v);
}

inline void PutKopecks(XmlElement e, std::string_view name, Money v) {
    PutAttribute(e, name, KopeckAmount(v));
}
inline void PutWhole(XmlElement e, std::string_view name, Money v) {
    PutAttribute(e, name, WholeAmount(v));
}
inline void PutKopecksIfPositive(XmlElement e, std::string_view name, Money v) {
    if (v > Money())
        PutKopecks(e, name, v);
}

}  // namespace zizaza
