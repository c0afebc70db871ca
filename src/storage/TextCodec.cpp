#include "storage/TextCodec.h"

#include <array>
#include <unordered_map>

namespace zizaza {
namespace {

// Code points of the bytes 0x80 to 0xFF. Byte 0x98 has no character in Windows-1251; it maps
// to the C1 control U+0098 so that every byte survives a round trip.
constexpr std::array<char32_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr std::array<char32_t, 128> kCp866High = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429,
    0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436,
    0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407,
    0x0457, 0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};

class ReverseTable {
public:
    explicit ReverseTable(const std::array<char32_t, 128>& high) {
        for (int i = 0; i < 128; ++i)
            m_map.emplace(high[static_cast<size_t>(i)], static_cast<unsigned char>(0x80 + i));
    }
    bool find(char32_t cp, unsigned char& out) const {
        if (cp < 0x80) {
            out = static_cast<unsigned char>(cp);
            return true;
        }
        auto it = m_map.find(cp);
        if (it == m_map.end())
            return false;
        out = it->second;
        return true;
    }

private:
    std::unordered_map<char32_t, unsigned char> m_map;
};

const ReverseTable& cp1251Reverse() {
    static const ReverseTable t(kCp1251High);
    return t;
}

const ReverseTable& cp866Reverse() {
    static const ReverseTable t(kCp866High);
    return t;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string decode8(std::string_view bytes, const std::array<char32_t, 128>& high) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        appendUtf8(out, b < 0x80 ? char32_t(b) : high[b - 0x80u]);
    }
    return out;
}

std::optional<std::string> encode8(std::string_view utf8, const ReverseTable& table) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (!NextCodePoint(utf8, pos, cp))
            return std::nullopt;
        unsigned char b = 0;
        if (!table.find(cp, b))
            return std::nullopt;
        out.push_back(static_cast<char>(b));
    }
    return out;
}

}  // namespace

bool NextCodePoint(std::string_view s, size_t& pos, char32_t& cp) {
    auto at = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b = at(pos);
    size_t len = 0;
    if (b < 0x80) {
        cp = b;
        len = 1;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        len = 2;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        len = 3;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        len = 4;
    } else {
        return false;
    }
    if (pos + len > s.size())
        return false;
    for (size_t i = 1; i < len; ++i) {
        unsigned char c = at(pos + i);
        if ((c & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    pos += len;
    return true;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    return decode8(bytes, kCp1251High);
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
    return encode8(utf8, cp1251Reverse());
}

std::string Cp866ToUtf8(std::string_view bytes) {
    return decode8(bytes, kCp866High);
}

std::optional<std::string> Utf8ToCp866(std::string_view utf8) {
    return encode8(utf8, cp866Reverse());
}

bool FitsCp1251(std::string_view utf8) {
    return Utf8ToCp1251(utf8).has_value();
}

bool FitsCp1251(char32_t cp) {
    unsigned char b = 0;
    return cp1251Reverse().find(cp, b);
}

size_t CodePointCount(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace zizaza
