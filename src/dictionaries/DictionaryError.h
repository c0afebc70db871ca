#pragma once

#include <stdexcept>
#include <string>

namespace zizaza {

// A dictionary file that cannot be read, parsed or written. The message names the file.
class DictionaryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zizaza
