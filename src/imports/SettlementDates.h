#pragma once

#include "storage/Date.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace zizaza {

inline constexpr const char* kExchangeHolidaysFileName = "UsExchangeHolidays.csv";

// The weekdays the US stock exchanges were closed, for the years the table covers. The file is
// "DD.MM.YYYY;name" lines (lines starting with "#" and the heading are skipped).
class ExchangeHolidays {
public:
    ExchangeHolidays() = default;
    // std::runtime_error naming the line for a date that cannot be read.
    static ExchangeHolidays Parse(std::string_view text);
    // std::runtime_error naming the file when it cannot be read.
    static ExchangeHolidays Load(const std::string& path);

    bool Covers(int year) const { return !m_days.empty() && m_firstYear <= year && year <= m_lastYear; }
    bool IsBusinessDay(Date date) const;
    int FirstYear() const { return m_firstYear; }
    int LastYear() const { return m_lastYear; }

private:
    std::set<double> m_days;
    int m_firstYear = 0;
    int m_lastYear = 0;
};

// The day a US exchange trade settles: T+3 business days for trades up to 04.09.2017, T+2 from
// 05.09.2017; nullopt when the table does not cover the years passed through.
std::optional<Date> SettlementDate(Date trade, const ExchangeHolidays& holidays);

// The day a trade in another currency settles when the statement does not say: T+2 weekdays, the
// European rule since 06.10.2014 (the exchanges' own holidays are not known to the program).
Date SettlementDateOutsideUs(Date trade);

}  // namespace zizaza
