#pragma once

#include "storage/Money.h"

#include <cstdint>

namespace zizaza {

// Exact rounding of amount × mul ÷ div, done in integers so that no binary fraction can move a
// result across a half. The rounding is that of RoundHalfUp: halves up for values >= 0, truncation
// toward zero for negative values. div must be positive; mul must be small (a rate or a percent).
constexpr int64_t RoundHalfUpRatio(int64_t value, int64_t mul, int64_t div) {
    // Split the value so that no product overflows: value = whole × div + part.
    int64_t whole = value / div;
    int64_t part = value % div;
    int64_t scaled = part * mul;
    int64_t result = whole * mul + scaled / div;
    if (value >= 0 && 2 * (scaled % div) >= div)
        ++result;
    return result;
}

// amount × percent ÷ 100 rounded half up to whole roubles: the tax on a base at a rate.
constexpr Money PercentInWholeRoubles(Money amount, int64_t percent) {
    return Money::Roubles(RoundHalfUpRatio(amount.raw(), percent, 100 * Money::kScale));
}

// amount × percent ÷ 100 rounded half up to kopecks.
constexpr Money PercentInKopecks(Money amount, int64_t percent) {
    return Money::Kopecks(RoundHalfUpRatio(amount.raw(), percent, Money::kScale));
}

// An amount rounded half up to whole roubles: tax withheld or paid is counted in whole roubles
// (art. 52 p. 6), even when a file holds kopecks.
constexpr Money WholeRoubles(Money amount) {
    return Money::Roubles(RoundHalfUpRatio(amount.raw(), 1, Money::kScale));
}

// A difference that may not go below zero.
constexpr Money AtLeastZero(Money value) {
    return value < Money() ? Money() : value;
}

}  // namespace zizaza
