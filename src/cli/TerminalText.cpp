#include "cli/TerminalText.h"

#include <cstdio>

namespace zizaza::cli {
namespace {

void appendEscape(std::string& out, const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

// Length of the UTF-8 sequence at the start of s and its code point; 0 when s does not start
// with a valid, shortest-form sequence.
size_t decodeUtf8(std::string_view s, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    size_t len = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || len > s.size())
        return 0;
    cp = len == 1 ? b0 : b0 & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const size_t len = decodeUtf8(text.substr(i), cp);
        if (len == 0) {
            appendEscape(out, "\\x%02X", static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (cp == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n')
                out += '\n';
        } else if (cp == '\n' || cp == '\t' || (cp >= 0x20 && cp < 0x7F) || cp > 0x9F) {
            out.append(text.substr(i, len));
        } else {
            appendEscape(out, cp < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(cp));
        }
        i += len;
    }
    return out;
}

}  // namespace zizaza::cli
