#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts are UTF-8 inside the program. Windows-1251 (declaration files, XML export, dictionaries)
// and CP866 (the tax service's DBF directory) exist only at the edges and are converted here.
// Both 8-bit tables are lossless: every byte value maps to one code point and back.
namespace zizaza {

std::string Cp1251ToUtf8(std::string_view bytes);
// nullopt when the text is not valid UTF-8 or holds a character Windows-1251 has no byte for.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

std::string Cp866ToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToCp866(std::string_view utf8);

// Whether a text (or one character) can be stored in Windows-1251; entry controls refuse the rest.
bool FitsCp1251(std::string_view utf8);
bool FitsCp1251(char32_t cp);

// Reads one code point of valid UTF-8 at pos and advances pos; false on malformed input.
bool NextCodePoint(std::string_view s, size_t& pos, char32_t& cp);

// Number of characters of a valid UTF-8 text (a Windows-1251 text has as many bytes).
size_t CodePointCount(std::string_view utf8);

}  // namespace zizaza
