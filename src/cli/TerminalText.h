#pragma once

#include <string>
#include <string_view>

namespace zizaza::cli {

// Text made safe for a terminal: valid UTF-8 passes, a line break stays a line break (a lone
// carriage return, which the storage's messages use between their lines, becomes one), a tab
// stays a tab; every other control character and every byte that is not UTF-8 is written as
// \xHH (\u00HH for the C1 controls), so nothing read from a file can steer the terminal.
std::string TerminalText(std::string_view text);

}  // namespace zizaza::cli
