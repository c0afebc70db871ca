#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zizaza {

class XmlDoc;

inline constexpr const char* kCurrencyRatesFileName = "CurrencyRates.xml";

// Told when the dictionary has no rate in force on a date.
inline constexpr const char* kNoRateMessage =
    "Нет курса ЦБ РФ на эту дату в справочнике: введите курс или загрузите курсы ЦБ";

// Whole days from `first` to `last`, both included.
struct DateRange {
    Date first;
    Date last;
    bool Contains(Date date) const { return first <= date.DateOnly() && date.DateOnly() <= last; }
};

// One rate entry as the file gives it; the screens take the texts as they are.
struct CurrencyRate {
    std::string date;  // "DD.MM.YYYY"
    std::string rate;  // roubles for `quantity` units
    std::string quantity;
};

struct Currency {
    std::string code;  // three-digit numeric code
    std::string name;
    std::vector<CurrencyRate> rates;  // in file order (ascending dates)
    std::string alpha;                // ISO letter code ("USD"), attribute Alpha; may be empty
    // The days the rates are known for, attribute Covered ("01.01.2015-31.12.2018;01.10.2016-31.10.2016").
    // Without the attribute (files of earlier editions) every day from the first entry on counts.
    std::optional<std::vector<DateRange>> covered;

    bool Covers(Date date) const;
};

// The rate value of an entry (either decimal separator) and its quantity; nullopt when the entry's
// texts are no number or no positive whole quantity.
std::optional<Money> RateValue(const CurrencyRate& rate);
std::optional<int32_t> RateQuantity(const CurrencyRate& rate);

// "DD.MM.YYYY-DD.MM.YYYY" pieces joined by ";" and back; nullopt for text that is not such a list.
std::optional<std::vector<DateRange>> ParseCoverage(std::string_view text);
std::string CoverageText(const std::vector<DateRange>& ranges);

// The currencies with the Central Bank's rates: the children of the root are the currencies
// (attributes Code and Name), their children the rate entries (Date, Rate, Quantity).
class CurrencyRates {
public:
    CurrencyRates() = default;
    // DictionaryError naming the file when it cannot be read or parsed.
    static CurrencyRates Load(const std::string& path);
    static CurrencyRates FromDoc(const XmlDoc& doc);

    const std::vector<Currency>& Currencies() const { return m_currencies; }

    // The first currency with exactly this code; none for an empty code.
    const Currency* FindCurrency(std::string_view code) const;
    // A numeric code as FindCurrency, or the first currency whose letter code matches in any case.
    const Currency* FindCurrencyByCodeOrAlpha(std::string_view text) const;

    // The rate in force on the date: none when the date lies outside the days the currency's
    // rates cover; otherwise the entry dated that day or, failing that, the last entry in file
    // order dated before it; none when every entry is dated on or after the day without an exact
    // match, or the currency is unknown. Same results as WalkRates within the covered days, found
    // by binary search when the entries are in strictly ascending order of well-formed dates.
    const CurrencyRate* FindRate(std::string_view code, Date date) const;

    // The walk over the entries in file order that defines the result: an entry whose date text
    // equals the date written as "DD.MM.YYYY" stops the walk; an entry dated earlier becomes
    // the result so far; later or unreadable dates change nothing.
    static const CurrencyRate* WalkRates(const Currency& currency, Date date);

    // The file's currency list with rates replaced; the look-up indexes are rebuilt.
    static CurrencyRates FromCurrencies(std::vector<Currency> currencies);
    // The document written back in the file's form (windows-1251 on saving).
    std::string Serialize() const;

private:
    void Add(Currency currency);
    // Day numbers of a currency's entries, when binary search gives the walk's results.
    struct DayIndex {
        bool usable = false;
        std::vector<double> days;
    };
    static DayIndex BuildIndex(const Currency& currency);

    std::vector<Currency> m_currencies;
    std::vector<DayIndex> m_index;
    std::unordered_map<std::string, size_t> m_byCode;
};

// The row the currency picker preselects: the row whose code equals the current code (an empty
// code counts as "0"), otherwise the first row; nullopt for an empty list.
std::optional<size_t> PreselectCurrencyRow(const std::vector<Currency>& currencies, std::string_view currentCode);

// The warning shown after the user picks a Belarusian rouble whose rate cannot be found
// automatically; none when the code did not change or needs no warning.
std::optional<std::string_view> CurrencyChoiceWarning(std::string_view previousCode, std::string_view chosenCode);

}  // namespace zizaza
