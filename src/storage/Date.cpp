#include "storage/Date.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace zizaza {
namespace {

// Days of the proleptic Gregorian calendar counted from 1 January 1970.
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

// A compile-time constant, so that dates built during static initialisation in other files are
// right too.
constexpr long long kEpoch = daysFromCivil(1899, 12, 30);
static_assert(kEpoch == -25569);

bool parseNumber(std::string_view s, size_t& i, int maxDigits, int& value, int& count) {
    value = 0;
    count = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && count < maxDigits) {
        value = value * 10 + (s[i] - '0');
        ++i;
        ++count;
    }
    return count > 0;
}

}  // namespace

bool Date::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<Date> Date::FromYmd(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return Date(
        static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch));
}

Date Date::Ymd(int year, int month, int day) {
    return FromYmd(year, month, day).value_or(Date());
}

Date Date::Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Ymd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::optional<Date> Date::Parse(std::string_view text, char separator) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int day = 0, month = 0, year = 0, n = 0;
    if (!parseNumber(text, i, 2, day, n) || i >= text.size() || text[i++] != separator)
        return std::nullopt;
    if (!parseNumber(text, i, 2, month, n) || i >= text.size() || text[i++] != separator)
        return std::nullopt;
    if (!parseNumber(text, i, 4, year, n) || (n != 2 && n != 4))
        return std::nullopt;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i != text.size())
        return std::nullopt;
    if (n == 2)  // two-digit years: 00-49 are this century, 50-99 the last one
        year += year < 50 ? 2000 : 1900;
    return FromYmd(year, month, day);
}

static_assert(daysFromCivil(1900, 1, 1) - kEpoch == Date::kFirstStorable);
static_assert(daysFromCivil(2100, 1, 1) - kEpoch == Date::kEndStorable);

bool Date::IsStorable(double days) {
    return days == 0 || (days >= kFirstStorable && days < kEndStorable);
}

void Date::ToYmd(int& year, int& month, int& day) const {
    // Days of 1 January of the year 1 and of 31 December 9999.
    constexpr double kLowest = static_cast<double>(daysFromCivil(1, 1, 1) - kEpoch);
    constexpr double kHighest = static_cast<double>(daysFromCivil(9999, 12, 31) - kEpoch);
    double days = std::isnan(m_days) ? 0 : std::clamp(std::floor(m_days), kLowest, kHighest);
    civilFromDays(static_cast<long long>(days) + kEpoch, year, month, day);
}

int Date::Year() const {
    int y, m, d;
    ToYmd(y, m, d);
    return y;
}

int Date::Month() const {
    int y, m, d;
    ToYmd(y, m, d);
    return m;
}

int Date::Day() const {
    int y, m, d;
    ToYmd(y, m, d);
    return d;
}

Date Date::DateOnly() const {
    return Date(std::floor(m_days));
}

std::string Date::ToText() const {
    int y, m, d;
    ToYmd(y, m, d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
    return buf;
}

}  // namespace zizaza
