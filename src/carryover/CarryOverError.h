#pragma once

#include <stdexcept>

namespace zizaza {

// Last year's declaration cannot be taken over; the message, in Russian, says why.
class CarryOverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zizaza
