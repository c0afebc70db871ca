#pragma once

#include <string>

namespace zizaza::testsupport {

// What a run of zizaza-cli printed and how it ended.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The text as one word of a shell command line, whatever it holds.
inline std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace zizaza::testsupport
