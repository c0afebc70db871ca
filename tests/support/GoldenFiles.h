#pragma once

#include <cstdlib>
#include <string_view>

namespace zizaza::testsupport {

// ZIZAZA_UPDATE_GOLDEN=1 makes the tests rewrite the files they compare with (the export's golden
// XML, the sample declarations and their expected texts) instead of comparing; read the diff after.
inline bool UpdatingGoldenFiles() {
    const char* v = std::getenv("ZIZAZA_UPDATE_GOLDEN");
    return v && std::string_view(v) == "1";
}

}  // namespace zizaza::testsupport
