#pragma once

#include "storage/Date.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zizaza {

class XmlDoc;

inline constexpr const char* kCurrencyRatesFileName = "CurrencyRates.xml";

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
};

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

    // The rate in force on the date: the entry dated that day or, failing that, the last entry
    // in file order dated before it; none when every entry is dated on or after the day without
    // an exact match, or the currency is unknown. Same results as WalkRates, found by binary
    // search when the entries are in strictly ascending order of well-formed dates.
    const CurrencyRate* FindRate(std::string_view code, Date date) const;

    // The walk over the entries in file order that defines the result: an entry whose date text
    // equals the date written as "DD.MM.YYYY" stops the walk; an entry dated earlier becomes
    // the result so far; later or unreadable dates change nothing.
    static const CurrencyRate* WalkRates(const Currency& currency, Date date);

private:
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
