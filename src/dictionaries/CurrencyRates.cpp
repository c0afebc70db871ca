#include "dictionaries/CurrencyRates.h"

#include "dictionaries/XmlDoc.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace zizaza {

bool Currency::Covers(Date date) const {
    if (!covered)
        return true;
    return std::any_of(covered->begin(), covered->end(), [date](const DateRange& r) { return r.Contains(date); });
}

std::optional<Money> RateValue(const CurrencyRate& rate) {
    if (auto v = Money::Parse(rate.rate, '.'))
        return v;
    return Money::Parse(rate.rate, ',');
}

std::optional<int32_t> RateQuantity(const CurrencyRate& rate) {
    std::string_view text = rate.quantity;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<std::vector<DateRange>> ParseCoverage(std::string_view text) {
    std::vector<DateRange> ranges;
    while (!text.empty()) {
        const size_t end = std::min(text.find(';'), text.size());
        const std::string_view piece = text.substr(0, end);
        const size_t dash = piece.find('-');
        if (dash == std::string_view::npos)
            return std::nullopt;
        auto first = Date::Parse(piece.substr(0, dash));
        auto last = Date::Parse(piece.substr(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        ranges.push_back({*first, *last});
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return ranges;
}

std::string CoverageText(const std::vector<DateRange>& ranges) {
    std::string text;
    for (const DateRange& r : ranges)
        text.append(text.empty() ? "" : ";").append(r.first.ToText()).append("-").append(r.last.ToText());
    return text;
}

CurrencyRates CurrencyRates::Load(const std::string& path) {
    return FromDoc(XmlDoc::ParseFile(path));
}

CurrencyRates CurrencyRates::FromDoc(const XmlDoc& doc) {
    CurrencyRates result;
    for (xmlNode* node : ChildElements(doc.Root())) {
        Currency currency{AttributeOr(node, "Code"), AttributeOr(node, "Name"), {}, AttributeOr(node, "Alpha"), {}};
        // Coverage that cannot be read covers nothing: no rate is better than a wrong one.
        if (auto covered = GetAttribute(node, "Covered"))
            currency.covered = ParseCoverage(*covered).value_or(std::vector<DateRange>{});
        for (xmlNode* entry : ChildElements(node))
            currency.rates.push_back(
                {AttributeOr(entry, "Date"), AttributeOr(entry, "Rate"), AttributeOr(entry, "Quantity")});
        result.Add(std::move(currency));
    }
    return result;
}

CurrencyRates CurrencyRates::FromCurrencies(std::vector<Currency> currencies) {
    CurrencyRates result;
    for (Currency& c : currencies)
        result.Add(std::move(c));
    return result;
}

void CurrencyRates::Add(Currency currency) {
    m_byCode.emplace(currency.code, m_currencies.size());  // keeps the first
    m_index.push_back(BuildIndex(currency));
    m_currencies.push_back(std::move(currency));
}

std::string CurrencyRates::Serialize() const {
    XmlDoc doc = XmlDoc::WithRoot("CurrencyRates");
    for (const Currency& c : m_currencies) {
        xmlNode* node = AppendElement(doc.Root(), "Currency");
        SetAttribute(node, "Code", c.code);
        if (!c.alpha.empty())
            SetAttribute(node, "Alpha", c.alpha);
        SetAttribute(node, "Name", c.name);
        if (c.covered)
            SetAttribute(node, "Covered", CoverageText(*c.covered));
        for (const CurrencyRate& r : c.rates) {
            xmlNode* entry = AppendElement(node, "Rate");
            SetAttribute(entry, "Date", r.date);
            SetAttribute(entry, "Rate", r.rate);
            SetAttribute(entry, "Quantity", r.quantity);
        }
    }
    return doc.Serialize("windows-1251");
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

const Currency* CurrencyRates::FindCurrencyByCodeOrAlpha(std::string_view text) const {
    if (text.size() != 3 || !std::isalpha(static_cast<unsigned char>(text[0])))
        return FindCurrency(text);
    auto upper = [](char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); };
    for (const Currency& c : m_currencies)
        if (c.alpha.size() == 3 &&
            std::equal(text.begin(), text.end(), c.alpha.begin(), [&](char a, char b) { return upper(a) == upper(b); }))
            return &c;
    return nullptr;
}

const CurrencyRate* CurrencyRates::FindRate(std::string_view code, Date date) const {
    const Currency* currency = FindCurrency(code);
    if (!currency || !currency->Covers(date))
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
