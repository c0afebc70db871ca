#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// A day number: day 0 is 30 December 1899, the fraction is the time of day
// (1 January 2000 is 36526). Shown and exported as "DD.MM.YYYY".
class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(double days) : m_days(days) {}
    // nullopt for a day that the calendar does not have (31 February, month 13, year 0).
    static std::optional<Date> FromYmd(int year, int month, int day);
    // For days known to exist (constants): an invalid day gives day 0.
    static Date Ymd(int year, int month, int day);
    static Date Today();
    // "D.M.YYYY" with one or two digits for day and month and four (or two) for the year,
    // the separator given; nullopt for other text or a day that does not exist.
    static std::optional<Date> Parse(std::string_view text, char separator = '.');

    constexpr double days() const { return m_days; }
    // The calendar parts. A day count beyond the years 1 to 9999 (or not a number) is taken as the
    // nearest end of that range, so the conversion is defined for every value.
    int Year() const;
    int Month() const;
    int Day() const;
    void ToYmd(int& year, int& month, int& day) const;
    // Whole day, without the time of day.
    Date DateOnly() const;
    std::string ToText() const;  // "DD.MM.YYYY"

    // The dates a declaration file may hold: 01.01.1900 to 31.12.2099, or day 0, which a record
    // keeps for a date not yet entered. Loading refuses any other, saving never writes one.
    static bool IsStorable(double days);
    static constexpr double kFirstStorable = 2;    // 01.01.1900
    static constexpr double kEndStorable = 73051;  // 01.01.2100, the first day beyond

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);

    constexpr auto operator<=>(const Date&) const = default;

private:
    double m_days = 0;
};

}  // namespace zizaza
