#include "dictionaries/CurrencyRates.h"

#include "dictionaries/XmlDoc.h"

#include <algorithm>

namespace zizaza {

CurrencyRates CurrencyRates::Load(const std::string& path) {
    return FromDoc(XmlDoc::ParseFile(path));
}

CurrencyRates CurrencyRates::FromDoc(const XmlDoc& doc) {
    CurrencyRates result;
    for (xmlNode* node : ChildElements(doc.Root())) {
        Currency currency{AttributeOr(node, "Code"), AttributeOr(node, "Name"), {}};
        for (xmlNode* entry : ChildElements(node))
            currency.rates.push_back(
                {AttributeOr(entry, "Date"), AttributeOr(entry, "Rate"), AttributeOr(entry, "Quantity")});
        result.m_byCode.emplace(currency.code, result.m_currencies.size());  // keeps the first
        result.m_index.push_back(BuildIndex(currency));
        result.m_currencies.push_back(std::move(currency));
    }
    return result;
}

CurrencyRates::DayIndex CurrencyRates::BuildIndex(const Currency& currency) {
    DayIndex index;
    index.days.reserve(currency.rates.size());
    for (const CurrencyRate& r : currency.rates) {
        auto day = Date::Parse(r.date);
        // A date that is not in the canonical form would not match the walk's text comparison.
        if (!day || day->ToText() != r.date || (!index.days.empty() && day->days() <= index.days.back()))
            return {};
        index.days.push_back(day->days());
    }
    index.usable = true;
    return index;
}

const Currency* CurrencyRates::FindCurrency(std::string_view code) const {
    if (code.empty())
        return nullptr;
    auto it = m_byCode.find(std::string(code));
    return it == m_byCode.end() ? nullptr : &m_currencies[it->second];
}

const CurrencyRate* CurrencyRates::FindRate(std::string_view code, Date date) const {
    const Currency* currency = FindCurrency(code);
    if (!currency)
        return nullptr;
    const DayIndex& index = m_index[static_cast<size_t>(currency - m_currencies.data())];
    if (!index.usable)
        return WalkRates(*currency, date);
    // With strictly ascending whole days, an entry of the same day is the exact match and every
    // entry before it (or before the first later one) is dated earlier.
    double day = date.DateOnly().days();
    auto it = std::lower_bound(index.days.begin(), index.days.end(), day);
    size_t pos = static_cast<size_t>(it - index.days.begin());
    if (it != index.days.end() && *it == day)
        return &currency->rates[pos];
    return pos == 0 ? nullptr : &currency->rates[pos - 1];
}

const CurrencyRate* CurrencyRates::WalkRates(const Currency& currency, Date date) {
    const std::string text = date.ToText();
    const CurrencyRate* result = nullptr;
    for (const CurrencyRate& r : currency.rates) {
        if (r.date == text)
            return &r;
        auto day = Date::Parse(r.date);
        if (day && *day < date)
            result = &r;
    }
    return result;
}

std::optional<size_t> PreselectCurrencyRow(const std::vector<Currency>& currencies, std::string_view currentCode) {
    if (currencies.empty())
        return std::nullopt;
    std::string_view code = currentCode.empty() ? std::string_view("0") : currentCode;
    for (size_t i = 0; i < currencies.size(); ++i)
        if (currencies[i].code == code)
            return i;
    return 0;
}

std::optional<std::string_view> CurrencyChoiceWarning(std::string_view previousCode, std::string_view chosenCode) {
    if (chosenCode == previousCode)
        return std::nullopt;
    if (chosenCode == "974")
        return "Курс старого белорусского рубля после 30 июня 2016 в автоматическом режиме не определяется. "
               "При необходимости указывайте правильный курс в ручном режиме.";
    if (chosenCode == "933")
        return "Курс нового белорусского рубля до 1 июля 2016 в автоматическом режиме не определяется. "
               "При необходимости указывайте правильный курс в ручном режиме.";
    return std::nullopt;
}

}  // namespace zizaza
