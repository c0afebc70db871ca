#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstddef>
#include <string>
#include <string_view>

// What another program's file brings into a declaration (a broker statement, our template, last
// year's XML) must fit the declaration file, or neither Save nor the recovery copy would work from
// then on. Texts, amounts, dates and counts are bounded here, once, as the file holds them.
namespace zizaza {

inline constexpr size_t kMaxImportedTextLength = 9999;  // characters of one text of the file
inline constexpr size_t kMaxImportedRecords = 65535;    // records of one list of the file
// The largest amount the money fields of the screens take: 12 digits of roubles and kopecks.
inline constexpr Money kMaxImportedAmount = Money::Kopecks(99'999'999'999'999);

struct ImportedText {
    std::string text;       // every character in windows-1251, no control character, no blanks at the ends
    bool replaced = false;  // a character became its plain equivalent or a blank
    std::string refusal;    // why the text cannot be kept; empty when it can
};

// The text with letters the file cannot hold replaced by their plain equivalents (é→e, ß→ss,
// ø→o, typographic dashes and quotes by plain ones) and control characters by blanks. Refused
// when a character has no plain equivalent (emoji, Chinese, ...), when the text is not UTF-8 or
// when it is longer than maxLength characters.
ImportedText PlainImportedText(std::string_view utf8, size_t maxLength = kMaxImportedTextLength);

// Empty when the date can be kept in the file; otherwise why not.
std::string ImportedDateRefusal(Date date);
// Empty when the amount is within the range of the money fields; otherwise why not.
std::string ImportedAmountRefusal(Money amount);

}  // namespace zizaza
