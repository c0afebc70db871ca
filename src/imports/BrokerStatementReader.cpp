// The activity statement of a foreign broker: sections keyed by the first column, each with its
// "Header" rows naming the columns and its "Data", "Total" and "SubTotal" rows. Dividends come from
// the "Dividends" section, the tax withheld from "Withholding Tax".
#include "dictionaries/CsvText.h"
#include "imports/ForeignIncomeImport.h"
#include "model/TaxFacts.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace zizaza::foreignimport {
namespace {

constexpr std::string_view kDividends = "Dividends";
constexpr std::string_view kWithholding = "Withholding Tax";

struct Row {
    size_t line = 0;
    Date date;
    std::string currency;
    std::string isin;
    std::string name;
    Money amount;
};

// A payment while its reversals, corrections and withholdings are netted into it.
struct Open {
    ForeignPayment payment;
    std::string key;  // security and currency
    std::optional<Date> reversedOn;
    bool taxMatched = false;
};

bool IsIsin(std::string_view s) {
    auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return s.size() == 12 && upper(s[0]) && upper(s[1]) &&
           std::all_of(s.begin() + 2, s.end() - 1, [&](char c) { return upper(c) || digit(c); }) && digit(s[11]);
}

// "AAPL(US0378331005) Cash Dividend ...": the name before the ISIN and the ISIN.
bool SplitDescription(std::string_view text, std::string& name, std::string& isin) {
    for (size_t open = text.find('('); open != std::string_view::npos; open = text.find('(', open + 1)) {
        if (open + 13 < text.size() && text[open + 13] == ')' && IsIsin(text.substr(open + 1, 12))) {
            name = std::string(TrimField(text.substr(0, open)));
            isin = std::string(text.substr(open + 1, 12));
            return !name.empty();
        }
    }
    return false;
}

std::optional<Date> IsoDate(std::string_view text) {
    text = TrimField(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const std::string dotted =
        std::string(text.substr(8, 2)) + "." + std::string(text.substr(5, 2)) + "." + std::string(text.substr(0, 4));
    return Date::Parse(dotted);
}

class Reader {
public:
    Payments Read(std::string_view text, ProgressTicker& ticker) {
        const std::vector<CsvRow> rows = ReadCsvRows(text, ',');
        // Each row is a step of reading and may be one of making its record.
        ticker.SetTotal(2 * rows.size());
        for (const CsvRow& row : rows)
            if (ticker.Step())
                Take(row);
            else
                return {};
        // Postings, reversals and withholdings are netted day by day for each security, whatever
        // their order in the statement.
        auto byDay = [](const Row& a, const Row& b) { return a.date != b.date ? a.date < b.date : Key(a) < Key(b); };
        std::stable_sort(m_dividends.begin(), m_dividends.end(), byDay);
        std::stable_sort(m_withholdings.begin(), m_withholdings.end(), byDay);
        for (size_t first = 0, last = 0; first < m_dividends.size(); first = last) {
            while (last < m_dividends.size() && m_dividends[last].date == m_dividends[first].date &&
                   Key(m_dividends[last]) == Key(m_dividends[first]))
                ++last;
            NetDividendDay(first, last);
        }
        for (const Row& r : m_withholdings)
            NetWithholding(r);
        Finish();
        return std::move(m_result);
    }

private:
    void Take(const CsvRow& row) {
        if (row.fields.size() < 2 || (row.fields[0] != kDividends && row.fields[0] != kWithholding))
            return;
        std::map<std::string, size_t>& columns = m_columns[row.fields[0]];
        const std::string& kind = row.fields[1];
        if (kind == "Header") {
            columns.clear();
            for (size_t i = 2; i < row.fields.size(); ++i)
                columns[std::string(TrimField(row.fields[i]))] = i;
            return;
        }
        auto field = [&](const char* name) {
            auto it = columns.find(name);
            return it == columns.end() || it->second >= row.fields.size()
                       ? std::string()
                       : std::string(TrimField(row.fields[it->second]));
        };
        const std::string currency = field("Currency");
        // Total rows carry "Total…" in their first column, whichever column that is.
        const bool totalRow =
            currency.starts_with("Total") || (row.fields.size() > 2 && TrimField(row.fields[2]).starts_with("Total"));
        if (kind == "Total" || kind == "SubTotal" || totalRow) {
            ++m_result.skipped;
            return;
        }
        if (kind != "Data")
            return;
        Row r{row.line, {}, currency, {}, {}, {}};
        const std::optional<Date> date = IsoDate(field("Date"));
        std::string amount = field("Amount");
        amount.erase(std::remove(amount.begin(), amount.end(), ','), amount.end());
        const std::optional<Money> value = ParseAmount(amount, 2);
        if (!date)
            return Refuse(r.line, "неверная дата «" + field("Date") + "»");
        if (!value)
            return Refuse(r.line, "неверное число «" + field("Amount") + "»");
        if (!SplitDescription(field("Description"), r.name, r.isin))
            return Refuse(r.line, "в описании нет ISIN ценной бумаги «" + field("Description") + "»");
        r.date = *date;
        r.amount = *value;
        (row.fields[0] == kDividends ? m_dividends : m_withholdings).push_back(std::move(r));
    }

    void Refuse(size_t line, std::string reason) { m_result.refused.push_back({line, std::move(reason)}); }

    static std::string Key(const Row& r) { return r.isin + " " + r.currency; }

    // The latest payment of the security dated on or before the day, preferring one whose
    // amount equals `amount` when given.
    Open* Latest(const Row& r, std::optional<Money> amount) {
        auto it = m_byKey.find(Key(r));
        if (it == m_byKey.end())
            return nullptr;
        Open* found = nullptr;
        for (auto i = it->second.rbegin(); i != it->second.rend(); ++i) {
            Open& o = m_open[*i];
            if (r.date < o.payment.incomeDate)
                continue;
            if (!amount || o.payment.income == *amount)
                return &o;
            if (!found)
                found = &o;
        }
        return amount ? found : nullptr;
    }

    void Merge(const Row& r, const Open& into, const char* what) {
        m_result.merged.push_back("строка " + std::to_string(r.line) + " (" + what + " " + r.date.ToText() +
                                  ") учтена в выплате строки " + std::to_string(into.payment.line));
    }

    // The rows [first, last) of one security on one day: a reversal first cancels a posting of
    // the same amount that day, then an earlier payment; a posting left over corrects a payment
    // reversed that day or is a payment of its own.
    void NetDividendDay(size_t first, size_t last) {
        std::vector<const Row*> postings;
        std::vector<const Row*> reversals;
        for (size_t i = first; i < last; ++i)
            (m_dividends[i].amount < Money() ? reversals : postings).push_back(&m_dividends[i]);
        std::vector<const Row*> unmatched;
        for (const Row* r : reversals) {
            auto same =
                std::find_if(postings.begin(), postings.end(), [&](const Row* p) { return p->amount == -r->amount; });
            if (same == postings.end()) {
                unmatched.push_back(r);
                continue;
            }
            m_result.merged.push_back("строки " + std::to_string((*same)->line) + " и " + std::to_string(r->line) +
                                      " (выплата и ее сторно " + r->date.ToText() + ") погашены друг другом");
            postings.erase(same);
        }
        for (const Row* r : unmatched) {
            Open* into = Latest(*r, -r->amount);
            if (!into) {
                OutsideOrRefuse(*r, "сторно без исходной выплаты дивиденда");
                continue;
            }
            into->payment.income += r->amount;
            into->reversedOn = r->date;
            Merge(*r, *into, "сторно");
        }
        for (const Row* r : postings) {
            if (Open* into = Latest(*r, std::nullopt); into && into->reversedOn == r->date) {
                into->payment.income += r->amount;
                into->reversedOn.reset();
                Merge(*r, *into, "исправление");
                continue;
            }
            ForeignPayment p;
            p.line = r->line;
            p.incomeDate = r->date;
            p.taxDate = r->date;
            p.country = r->isin.substr(0, 2);
            p.source = r->name;
            p.currency = r->currency;
            p.income = r->amount;
            m_byKey[Key(*r)].push_back(m_open.size());
            m_open.push_back({std::move(p), Key(*r), std::nullopt, false});
        }
    }

    // A row of another year belongs to that year's declaration: it is listed, never refused.
    void OutsideOrRefuse(const Row& r, std::string reason) {
        if (r.date.Year() == kTaxYear)
            return Refuse(r.line, std::move(reason));
        m_result.otherYear.push_back("строка " + std::to_string(r.line) + ": " + r.date.ToText() + " " + r.name + " " +
                                     r.amount.ToText(',') + " " + r.currency + " относится к " +
                                     std::to_string(r.date.Year()) + " году");
    }

    void NetWithholding(const Row& r) {
        Open* into = Latest(r, std::nullopt);
        if (!into)
            return OutsideOrRefuse(r, "удержание налога не сопоставлено с выплатой дивиденда");
        into->payment.tax -= r.amount;
        if (!into->taxMatched) {
            into->taxMatched = true;
            into->payment.taxDate = r.date;
        }
        Merge(r, *into, "налог");
    }

    void Finish() {
        for (Open& o : m_open) {
            const ForeignPayment& p = o.payment;
            if (p.incomeDate.Year() != kTaxYear)
                m_result.otherYear.push_back("выплата строки " + std::to_string(p.line) + " (" + p.incomeDate.ToText() +
                                             " " + p.source + " " + p.income.ToText(',') + " " + p.currency +
                                             ") относится к " + std::to_string(p.incomeDate.Year()) + " году");
            else if (p.income.IsZero())
                m_result.merged.push_back("выплата строки " + std::to_string(p.line) + " сторнирована полностью");
            else if (p.income < Money())
                Refuse(p.line, "сторно больше выплаты");
            else if (p.tax < Money())
                Refuse(p.line, "возврат налога больше удержанного");
            else
                m_result.payments.push_back(p);
        }
    }

    Payments m_result;
    std::map<std::string, std::map<std::string, size_t>> m_columns;  // per section
    std::vector<Row> m_dividends;
    std::vector<Row> m_withholdings;
    std::vector<Open> m_open;
    std::map<std::string, std::vector<size_t>> m_byKey;  // open payments of a security, in date order
};

}  // namespace

bool IsBrokerStatement(std::string_view text) {
    const std::vector<CsvRow> rows = ReadCsvRows(text.substr(0, text.find('\n')), ',');
    return !rows.empty() && rows[0].fields.size() > 1 && (rows[0].fields[1] == "Header" || rows[0].fields[1] == "Data");
}

Payments ReadBrokerStatement(std::string_view text, ProgressTicker& ticker) {
    return Reader().Read(text, ticker);
}

}  // namespace zizaza::foreignimport
