#include "imports/SettlementDates.h"

#include "dictionaries/CsvText.h"
#include "dictionaries/FileIo.h"

#include <cmath>
#include <stdexcept>

namespace zizaza {

ExchangeHolidays ExchangeHolidays::Parse(std::string_view text) {
    ExchangeHolidays table;
    for (const CsvRow& row : ReadCsvRows(text, ';')) {
        if (row.fields.empty() || row.fields[0].empty() || row.fields[0][0] == '#' || row.fields[0] == "Дата")
            continue;
        const std::optional<Date> date = Date::Parse(TrimField(row.fields[0]));
        if (!date)
            throw std::runtime_error("Календарь биржи: неверная дата в строке " + std::to_string(row.line));
        table.m_days.insert(date->DateOnly().days());
        table.m_firstYear = table.m_firstYear ? std::min(table.m_firstYear, date->Year()) : date->Year();
        table.m_lastYear = std::max(table.m_lastYear, date->Year());
    }
    return table;
}

ExchangeHolidays ExchangeHolidays::Load(const std::string& path) {
    try {
        return Parse(DecodeTextFile(ReadWholeFile(path)));
    } catch (const std::exception& e) {
        throw std::runtime_error("Не удалось прочитать календарь биржи " + path + ": " + e.what());
    }
}

bool ExchangeHolidays::IsBusinessDay(Date date) const {
    // Day 0 (30.12.1899) was a Saturday.
    const double day = date.DateOnly().days();
    const long weekday = std::lround(day) % 7;
    return weekday != 0 && weekday != 1 && !m_days.contains(day);
}

std::optional<Date> SettlementDate(Date trade, const ExchangeHolidays& holidays) {
    const Date day = trade.DateOnly();
    int left = day < Date::Ymd(2017, 9, 5) ? 3 : 2;
    Date settle = day;
    while (left > 0) {
        settle = Date(settle.days() + 1);
        if (!holidays.Covers(settle.Year()))
            return std::nullopt;
        if (holidays.IsBusinessDay(settle))
            --left;
    }
    return holidays.Covers(day.Year()) ? std::optional<Date>(settle) : std::nullopt;
}

Date SettlementDateOutsideUs(Date trade) {
    const ExchangeHolidays weekendsOnly;
    Date settle = trade.DateOnly();
    for (int left = 2; left > 0;) {
        settle = Date(settle.days() + 1);
        if (weekendsOnly.IsBusinessDay(settle))
            --left;
    }
    return settle;
}

}  // namespace zizaza
