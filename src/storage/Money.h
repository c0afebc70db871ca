#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// An amount of money: a signed 64-bit count of ten-thousandths of a rouble (1 rouble = 10000).
// Sums are exact; rounding happens only where a computation asks for it.
class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromRaw(int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money Roubles(int64_t roubles) { return Money(roubles * kScale); }
    // Kopecks are hundredths of a rouble.
    static constexpr Money Kopecks(int64_t kopecks) { return Money(kopecks * 100); }
    // The nearest ten-thousandth, halves away from zero.
    static Money FromDouble(double roubles);

    // Decimal text with an optional sign and at most one separator; digits past the fourth
    // decimal round half away from zero. Surrounding blanks are allowed. nullopt for anything else
    // or for a value outside the 64-bit range.
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
    constexpr Money operator-() const { return Money(-m_value); }
    constexpr Money operator+(Money o) const { return Money(m_value + o.m_value); }
    constexpr Money operator-(Money o) const { return Money(m_value - o.m_value); }
    constexpr Money operator*(int64_t k) const { return Money(m_value * k); }
    constexpr Money& operator+=(Money o) { m_value += o.m_value; return *this; }
    constexpr Money& operator-=(Money o) { m_value -= o.m_value; return *this; }

private:
    constexpr explicit Money(int64_t v) : m_value(v) {}
    int64_t m_value = 0;
};

constexpr Money Min(Money a, Money b) { return a < b ? a : b; }
constexpr Money Max(Money a, Money b) { return a < b ? b : a; }

}  // namespace zizaza
