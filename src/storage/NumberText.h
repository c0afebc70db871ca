#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// x rounded to a whole number: halves away from zero for x >= 0, truncated toward zero for x < 0
// (so 2.5 gives 3, -2.5 gives -2, -2.7 gives -2).
int64_t RoundHalfUp(double x);
// RoundHalfUp of x * 100 (as a double), divided by 100.
double RoundTo2(double x);

// A whole amount as text ("1500"); "999999999999999" when longer than 15 characters.
std::string WholeMoneyToText(Money v);
// Exactly two decimals with "." (the third and fourth decimals cut off), negative amounts as
// "0.00"; "999999999999.99" when longer than 15 characters.
std::string MoneyToText2(Money v);
// x rounded to four decimals in the general format with ".".
std::string RealToDotText(double x);

// The general floating format: at most 15 significant digits, shortest form, exponent written
// as "1E-5" / "1E20" when the number needs one.
std::string GeneralFloatText(double x, char decimalSeparator = '.');
// Parses a floating number with the given separator (and an optional exponent); nullopt for
// anything else.
std::optional<double> ParseFloat(std::string_view text, char decimalSeparator = '.');
// Parses a signed decimal integer (leading blanks allowed); nullopt for anything else or a
// value beyond 64 bits.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace zizaza
