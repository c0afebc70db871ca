#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zizaza {

// A sum, difference or product of amounts that leaves the range of Money. Raised instead of a
// wrapped value, so that a calculation, a check or an export never reports one as a result.
class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow();
};

// An amount of money: a signed 64-bit count of ten-thousandths of a rouble (1 rouble = 10000).
// Sums are exact; rounding happens only where a computation asks for it. The range is symmetric
// (the most negative 64-bit count is not an amount), so negation never overflows; every
// arithmetic operation checks its result and raises MoneyOverflow rather than wrap.
class Money {
public:
    static constexpr int64_t kScale = 10000;
    static constexpr int64_t kMaxRaw = INT64_MAX;  // 922 337 203 685 477.5807 roubles

    constexpr Money() = default;
    static constexpr Money FromRaw(int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money Roubles(int64_t roubles) { return Money(checkedMul(roubles, kScale)); }
    // Kopecks are hundredths of a rouble.
    static constexpr Money Kopecks(int64_t kopecks) { return Money(checkedMul(kopecks, 100)); }
    // The nearest ten-thousandth, halves away from zero; MoneyOverflow beyond the range or for a
    // value that is not a number.
    static Money FromDouble(double roubles);

    // Decimal text with an optional sign and at most one separator; digits past the fourth
    // decimal round half away from zero. Surrounding blanks are allowed. nullopt for anything else
    // or for a value outside the range (more than 15 digits of roubles or beyond kMaxRaw).
    static std::optional<Money> Parse(std::string_view text, char decimalSeparator = '.');

    constexpr int64_t raw() const { return m_value; }
    double ToDouble() const { return static_cast<double>(m_value) / kScale; }
    // Shortest text: no trailing zeros of the fraction, no bare separator ("0", "1234.5", "-20").
    std::string ToText(char decimalSeparator = '.') const;

    // Truncated toward zero to whole roubles / kopecks.
    constexpr Money TruncRoubles() const { return Money(m_value / kScale * kScale); }
    constexpr Money TruncKopecks() const { return Money(m_value / 100 * 100); }
    constexpr int64_t WholeRoubles() const { return m_value / kScale; }
    constexpr bool IsZero() const { return m_value == 0; }

    constexpr auto operator<=>(const Money&) const = default;
    constexpr Money operator-() const { return Money(checkedSub(0, m_value)); }
    constexpr Money operator+(Money o) const { return Money(checkedAdd(m_value, o.m_value)); }
    constexpr Money operator-(Money o) const { return Money(checkedSub(m_value, o.m_value)); }
    constexpr Money operator*(int64_t k) const { return Money(checkedMul(m_value, k)); }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }

private:
    constexpr explicit Money(int64_t v) : m_value(v) {}

    [[noreturn]] static void raiseOverflow();
    // The checks cost one predictable branch each; the most negative count counts as overflow.
    static constexpr int64_t checked(bool overflow, int64_t r) {
        if (overflow || r == INT64_MIN)
            raiseOverflow();
        return r;
    }
    static constexpr int64_t checkedAdd(int64_t a, int64_t b) {
        int64_t r = 0;
        const bool overflow = __builtin_add_overflow(a, b, &r);
        return checked(overflow, r);
    }
    static constexpr int64_t checkedSub(int64_t a, int64_t b) {
        int64_t r = 0;
        const bool overflow = __builtin_sub_overflow(a, b, &r);
        return checked(overflow, r);
    }
    static constexpr int64_t checkedMul(int64_t a, int64_t b) {
        int64_t r = 0;
        const bool overflow = __builtin_mul_overflow(a, b, &r);
        return checked(overflow, r);
    }

    int64_t m_value = 0;
};

constexpr Money Min(Money a, Money b) {
    return a < b ? a : b;
}
constexpr Money Max(Money a, Money b) {
    return a < b ? b : a;
}

}  // namespace zizaza
