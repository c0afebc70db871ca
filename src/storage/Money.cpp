#include "storage/Money.h"

#include <cmath>
#include <limits>

namespace zizaza {

MoneyOverflow::MoneyOverflow()
    : std::overflow_error("Сумма слишком велика: в декларации суммы не могут быть больше 15 цифр рублей.") {}

void Money::raiseOverflow() {
    throw MoneyOverflow();
}

Money Money::FromDouble(double roubles) {
    const double scaled = std::round(roubles * kScale);
    // 2^63 is the first double beyond the range; a NaN fails the comparison too.
    if (!(std::fabs(scaled) < 9223372036854775808.0))
        raiseOverflow();
    return Money(checked(false, static_cast<int64_t>(scaled)));
}

std::optional<Money> Money::Parse(std::string_view text, char decimalSeparator) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Leading zeros aside, more than 15 digits of roubles is no amount of the form.
    constexpr int kMaxWholeDigits = 15;
    int64_t whole = 0;
    int digits = 0;
    int significant = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') {
        if (whole != 0 || text[i] != '0')
            ++significant;
        if (significant > kMaxWholeDigits)
            return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
        ++i;
        ++digits;
    }
    int64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < end && text[i] == decimalSeparator) {
        ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            if (fractionDigits < 4) {
                fraction = fraction * 10 + (text[i] - '0');
            } else if (fractionDigits == 4) {
                roundUp = text[i] >= '5';
            }
            ++fractionDigits;
            ++i;
            ++digits;
        }
    }
    if (i != end || digits == 0)
        return std::nullopt;
    for (int k = fractionDigits; k < 4; ++k)
        fraction *= 10;
    // 15 digits of roubles fit into 64 bits as ten-thousandths only up to kMaxRaw.
    int64_t value = 0;
    if (__builtin_mul_overflow(whole, kScale, &value) ||
        __builtin_add_overflow(value, fraction + (roundUp ? 1 : 0), &value))
        return std::nullopt;
    return Money(negative ? -value : value);
}

std::string Money::ToText(char decimalSeparator) const {
    // Work on the unsigned magnitude so that the most negative value has a text too.
    bool negative = m_value < 0;
    uint64_t magnitude = negative ? uint64_t(0) - static_cast<uint64_t>(m_value) : static_cast<uint64_t>(m_value);
    std::string text = std::to_string(magnitude / kScale);
    auto fraction = static_cast<unsigned>(magnitude % kScale);
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + 10000).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += decimalSeparator;
        text += digits;
    }
    return negative ? "-" + text : text;
}

}  // namespace zizaza
