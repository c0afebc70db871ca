#include "export/XmlExportText.h"

#include "storage/TextCodec.h"

#include <array>
#include <cstdint>
#include <random>

namespace zizaza {
namespace {

char32_t UpperCodePoint(char32_t cp) {
    if (cp >= U'a' && cp <= U'z')
        return cp - 0x20;
    if (cp >= 0x0430 && cp <= 0x044F)  // а to я
        return cp - 0x20;
    if (cp >= 0x0450 && cp <= 0x045F)  // ѐ ё ђ ѓ є ѕ і ї ј љ њ ћ ќ ѝ ў џ
        return cp - 0x50;
    if (cp == 0x0491)  // ґ
        return 0x0490;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Byte offset of the character after the first count characters (the end when shorter).
size_t OffsetOfChar(std::string_view utf8, size_t count) {
    size_t pos = 0;
    char32_t cp = 0;
    for (size_t i = 0; i < count && pos < utf8.size(); ++i) {
        size_t before = pos;
        if (!NextCodePoint(utf8, pos, cp))
            pos = before + 1;  // a stray byte counts as one character
    }
    return pos;
}

}  // namespace

std::string UpperCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char c = utf8[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
            ++pos;
            continue;
        }
        size_t before = pos;
        char32_t cp = 0;
        if (!NextCodePoint(utf8, pos, cp)) {
            out += utf8[before];
            pos = before + 1;
            continue;
        }
        char32_t up = UpperCodePoint(cp);
        if (up == cp)
            out.append(utf8.substr(before, pos - before));
        else
            AppendUtf8(out, up);
    }
    return out;
}

std::string Trim(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsTrimmed(text[b]))
        ++b;
    while (e > b && IsTrimmed(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (!IsTrimmed(c))
            return false;
    return true;
}

std::string FirstChars(std::string_view utf8, size_t count) {
    return std::string(utf8.substr(0, OffsetOfChar(utf8, count)));
}

std::string AfterChars(std::string_view utf8, size_t count) {
    return std::string(utf8.substr(OffsetOfChar(utf8, count)));
}

std::string PadZeros(std::string text, size_t width) {
    size_t n = CodePointCount(text);
    if (n < width)
        text.insert(0, width - n, '0');
    return text;
}

std::string CommaToDot(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',')
            c = '.';
    return Trim(s);
}

std::string NewFileGuid() {
    std::random_device device;
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); i += 4) {
        uint32_t r = device();
        for (size_t k = 0; k < 4; ++k)
            bytes[i + k] = static_cast<uint8_t>(r >> (8 * k));
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(36);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

XmlElement AppendElement(XmlElement parent, std::string_view name) {
    return parent.AppendElement(name);
}

void PutAttribute(XmlElement element, std::string_view name, std::string_view value) {
    element.SetAttribute(name, UpperCase(value));
}

}  // namespace zizaza
