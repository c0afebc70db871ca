#include "imports/ImportText.h"

#include "storage/TextCodec.h"

#include <array>
#include <utility>

namespace zizaza {
namespace {

// The plain letter of each code point from U+00C0 to U+017F; '*' where the spelling takes more
// than one letter (kLonger) or where windows-1251 has the character itself.
constexpr std::string_view kLatinLetters =
    "AAAAAA*CEEEEIIIIDNOOOOO*OUUUUY**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNn*NnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kFirstLatin = 0xC0;

constexpr std::array<std::pair<char32_t, std::string_view>, 37> kLonger = {{
    {0xC6, "AE"},  {0xD7, "x"},    {0xDE, "TH"},  {0xDF, "ss"},  {0xE6, "ae"},  {0xF7, ":"},   {0xFE, "th"},
    {0x132, "IJ"}, {0x133, "ij"},  {0x149, "'n"}, {0x152, "OE"}, {0x153, "oe"}, {0x192, "f"},  {0x2B9, "'"},
    {0x2BC, "'"},  {0x2C6, "^"},   {0x2DC, "~"},  {0xB4, "'"},   {0xB2, "2"},   {0xB3, "3"},   {0xB9, "1"},
    {0x2010, "-"}, {0x2011, "-"},  {0x2012, "-"}, {0x2015, "-"}, {0x2212, "-"}, {0x201B, "'"}, {0x201F, "\""},
    {0x2032, "'"}, {0x2033, "\""}, {0x2035, "'"}, {0x2044, "/"}, {0xBC, "1/4"}, {0xBD, "1/2"}, {0xBE, "3/4"},
    {0x2039, "<"}, {0x203A, ">"},
}};

bool IsControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029;
}

bool IsBlank(char32_t cp) {
    return (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

// Marks and joiners that carry nothing once the letter they sit on is plain.
bool IsInvisible(char32_t cp) {
    return (cp >= 0x300 && cp <= 0x36F) || (cp >= 0x200B && cp <= 0x200D) || cp == 0x2060 || cp == 0xFEFF;
}

// The plain spelling of a character windows-1251 lacks; empty when it has none.
std::string_view PlainOf(char32_t cp) {
    for (const auto& [code, text] : kLonger)
        if (code == cp)
            return text;
    if (cp >= kFirstLatin && cp < kFirstLatin + kLatinLetters.size() && kLatinLetters[cp - kFirstLatin] != '*')
        return kLatinLetters.substr(cp - kFirstLatin, 1);
    return {};
}

std::string Utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

std::string CodeText(char32_t cp) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t v = cp; v || digits.size() < 4; v >>= 4)
        digits.insert(digits.begin(), kHex[v & 0xF]);
    return "U+" + digits;
}

void Trim(std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
}

}  // namespace

ImportedText PlainImportedText(std::string_view utf8, size_t maxLength) {
    ImportedText result;
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        if (!NextCodePoint(utf8, pos, cp)) {
            result.refusal = "текст не в кодировке UTF-8 или windows-1251";
            return result;
        }
        if (IsControl(cp) || IsBlank(cp)) {
            result.text += ' ';
            result.replaced = true;
        } else if (IsInvisible(cp)) {
            result.replaced = true;
        } else if (FitsCp1251(cp)) {
            result.text += Utf8Of(cp);
        } else if (cp >= 0xFF01 && cp <= 0xFF5E) {  // full-width forms of the ASCII characters
            result.text += static_cast<char>(cp - 0xFEE0);
            result.replaced = true;
        } else if (std::string_view plain = PlainOf(cp); !plain.empty()) {
            result.text += plain;
            result.replaced = true;
        } else {
            result.refusal = "знак «" + Utf8Of(cp) + "» (" + CodeText(cp) +
                             ") нельзя сохранить в файле декларации, и замены ему нет";
            return result;
        }
    }
    Trim(result.text);
    if (CodePointCount(result.text) > maxLength)
        result.refusal = "текст длиннее " + std::to_string(maxLength) + " знаков";
    return result;
}

std::string ImportedDateRefusal(Date date) {
    if (Date::IsStorable(date.days()) && date.days() != 0)
        return {};
    return "дата " + date.ToText() + " вне допустимого диапазона (01.01.1900 - 31.12.2099)";
}

std::string ImportedAmountRefusal(Money amount) {
    if (amount <= kMaxImportedAmount && amount >= -kMaxImportedAmount)
        return {};
    return "сумма " + amount.ToText(',') + " больше 999 999 999 999,99";
}

}  // namespace zizaza
