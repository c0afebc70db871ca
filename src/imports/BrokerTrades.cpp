// The trade sections of a foreign broker's activity statement: Trades, Corporate Actions, Interest,
// Fees, Deposits & Withdrawals and Financial Instrument Information. Columns are found by their
// header names, as each section may change its columns with a new "Header" row.
#include "imports/BrokerTrades.h"

#include "dictionaries/CsvText.h"

#include <algorithm>
#include <set>

namespace zizaza {

std::string StatementLine::Text() const {
    return (file.empty() ? std::string() : file + ", ") + "строка " + std::to_string(line);
}

bool BrokerTrade::HasCode(std::string_view token) const {
    std::string_view rest = code;
    while (!rest.empty()) {
        const size_t end = std::min(rest.find(';'), rest.size());
        if (TrimField(rest.substr(0, end)) == token)
            return true;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return false;
}

bool BrokerTrade::IsOption() const {
    return category.find("Option") != std::string::npos;
}

bool BrokerTrade::IsDerivative() const {
    return IsOption() || category.find("Future") != std::string::npos;
}

std::string BrokerTrade::Identity() const {
    return category + "|" + currency + "|" + symbol + "|" + dateTime + "|" + quantity.ToText() + "|" +
           proceeds.ToText() + "|" + commission.ToText() + "|" + code;
}

std::string SplitAction::Identity() const {
    return symbol + "|" + dateTime + "|" + description;
}

std::string CashLine::Identity() const {
    return section + "|" + currency + "|" + date.ToText() + "|" + description + "|" + amount.ToText();
}

namespace foreignimport {
namespace {

// "2017-08-31", "2017-08-31, 10:00:00" or "20170831"; nullopt for anything else.
std::optional<Date> StatementDate(std::string_view text) {
    text = TrimField(text);
    auto number = [&text](size_t from, size_t length) -> std::optional<int> {
        if (from + length > text.size())
            return std::nullopt;
        int value = 0;
        for (size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const bool dashed = text.size() >= 10 && text[4] == '-' && text[7] == '-';
    const std::optional<int> year = number(0, 4);
    const std::optional<int> month = dashed ? number(5, 2) : number(4, 2);
    const std::optional<int> day = dashed ? number(8, 2) : number(6, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return Date::FromYmd(*year, *month, *day);
}

std::optional<Money> StatementNumber(std::string_view text) {
    std::string value(TrimField(text));
    value.erase(std::remove(value.begin(), value.end(), ','), value.end());
    if (value.empty() || value == "-" || value == "--")
        return Money();
    return Money::Parse(value);
}

// "Split 4 for 1": the ratio; nullopt for any other action.
std::optional<std::pair<int64_t, int64_t>> SplitRatio(std::string_view description) {
    const size_t at = description.find("Split ");
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = description.substr(at + 6);
    auto number = [&rest]() -> std::optional<int64_t> {
        size_t n = 0;
        while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9')
            ++n;
        if (n == 0 || n > 9)
            return std::nullopt;
        const int64_t value = std::stoll(std::string(rest.substr(0, n)));
        rest.remove_prefix(n);
        return value;
    };
    const std::optional<int64_t> to = number();
    if (!to || !rest.starts_with(" for "))
        return std::nullopt;
    rest.remove_prefix(5);
    const std::optional<int64_t> from = number();
    if (!from || *to == 0 || *from == 0)
        return std::nullopt;
    return std::make_pair(*to, *from);
}

class EventReader {
public:
    EventReader(const std::string& file, StatementEvents& into) : m_file(file), m_into(into) {}

    void Read(std::string_view text) {
        for (const CsvRow& row : ReadCsvRows(text, ','))
            Take(row);
        // One of Order and Trade rows tells each trade: the orders when the statement has them.
        const bool orders = std::any_of(m_trades.begin(), m_trades.end(), [](const auto& t) { return t.second; });
        for (auto& [trade, isOrder] : m_trades)
            if (isOrder || !orders)
                m_into.trades.push_back(std::move(trade));
    }

private:
    using Columns = std::map<std::string, size_t>;

    void Take(const CsvRow& row) {
        if (row.fields.size() < 2)
            return;
        const std::string& section = row.fields[0];
        static const std::set<std::string> kSections = {
            "Trades", "Corporate Actions",      "Interest",
            "Fees",   "Deposits & Withdrawals", "Financial Instrument Information"};
        if (!kSections.contains(section))
            return;
        Columns& columns = m_columns[section];
        if (row.fields[1] == "Header") {
            columns.clear();
            for (size_t i = 2; i < row.fields.size(); ++i)
                columns[std::string(TrimField(row.fields[i]))] = i;
            return;
        }
        if (row.fields[1] != "Data" || (row.fields.size() > 2 && TrimField(row.fields[2]).starts_with("Total")))
            return;
        auto field = [&](std::initializer_list<const char*> names) {
            for (const char* name : names) {
                auto it = columns.find(name);
                if (it != columns.end() && it->second < row.fields.size())
                    return std::string(TrimField(row.fields[it->second]));
            }
            return std::string();
        };
        const StatementLine where{m_file, row.line};
        if (field({"Currency"}).starts_with("Total") || field({"Asset Category"}).starts_with("Total"))
            return;
        if (section == "Trades")
            TakeTrade(where, field);
        else if (section == "Corporate Actions")
            TakeAction(where, field);
        else if (section == "Financial Instrument Information") {
            const std::string symbol = field({"Symbol"});
            if (!field({"Security ID"}).empty())
                m_into.isinOf[symbol] = field({"Security ID"});
            m_into.nameOf[symbol] = field({"Description"});
        } else
            TakeCash(where, section, field);
    }

    template <class Field>
    void TakeTrade(const StatementLine& where, const Field& field) {
        const std::string kind = field({"DataDiscriminator"});
        if (kind == "ClosedLot") {
            ++m_into.hints;
            return;
        }
        BrokerTrade t;
        t.where = where;
        t.category = field({"Asset Category"});
        t.currency = field({"Currency"});
        t.symbol = field({"Symbol"});
        t.dateTime = field({"Date/Time", "TradeDate", "Trade Date"});
        t.code = field({"Code", "Notes/Codes"});
        if (t.category == "Forex") {
            m_into.ignored.push_back(where.Text() + ": обмен валюты " + t.symbol + " " + t.dateTime +
                                     " — не доход, не учитывается");
            return;
        }
        const std::optional<Date> date = StatementDate(t.dateTime);
        const std::optional<Money> quantity = StatementNumber(field({"Quantity"}));
        const std::optional<Money> proceeds = StatementNumber(field({"Proceeds"}));
        const std::optional<Money> commission = StatementNumber(field({"Comm/Fee", "Comm in USD", "Commission"}));
        const std::string settle = field({"Settle Date", "SettleDate", "Settlement Date"});
        if (!date || !quantity || quantity->IsZero() || !proceeds || !commission || t.symbol.empty())
            return Refuse(where, "сделка не прочитана (дата, количество, сумма или комиссия)");
        t.tradeDate = *date;
        t.quantity = *quantity;
        t.proceeds = *proceeds;
        t.commission = *commission;
        if (!settle.empty()) {
            t.settleDate = StatementDate(settle);
            if (!t.settleDate)
                return Refuse(where, "неверная дата расчетов «" + settle + "»");
        }
        m_trades.emplace_back(std::move(t), kind == "Order");
    }

    template <class Field>
    void TakeAction(const StatementLine& where, const Field& field) {
        const std::string description = field({"Description"});
        const std::optional<Date> date = StatementDate(field({"Date/Time"}));
        const std::optional<std::pair<int64_t, int64_t>> ratio = SplitRatio(description);
        const size_t open = description.find('(');
        if (!ratio || !date || open == std::string::npos || open == 0)
            return Refuse(where, "корпоративное действие не учитывается программой: «" + description +
                                     "»; учтите его в расчете сами");
        SplitAction s;
        s.where = where;
        s.symbol = std::string(TrimField(std::string_view(description).substr(0, open)));
        s.isin = description.substr(open + 1, std::min<size_t>(12, description.size() - open - 1));
        s.dateTime = field({"Date/Time"});
        s.date = *date;
        s.to = ratio->first;
        s.from = ratio->second;
        s.description = description;
        m_into.splits.push_back(std::move(s));
    }

    template <class Field>
    void TakeCash(const StatementLine& where, const std::string& section, const Field& field) {
        CashLine c;
        c.where = where;
        c.section = section;
        c.currency = field({"Currency"});
        c.description = field({"Description"});
        const std::optional<Date> date = StatementDate(field({"Date", "Settle Date"}));
        const std::optional<Money> amount = StatementNumber(field({"Amount"}));
        if (!date || !amount)
            return Refuse(where, "строка раздела " + section + " не прочитана");
        c.date = *date;
        c.amount = *amount;
        if (section == "Deposits & Withdrawals") {
            m_into.ignored.push_back(where.Text() + ": " + (c.amount < Money() ? "вывод" : "зачисление") + " денег " +
                                     c.amount.ToText(',') + " " + c.currency + " " + c.date.ToText() +
                                     " — не доход, не учитывается");
            return;
        }
        if (section == "Interest" && !(c.amount < Money()))
            m_into.interest.push_back(std::move(c));
        else
            m_into.fees.push_back(std::move(c));
    }

    void Refuse(const StatementLine& where, std::string reason) {
        m_into.refused.emplace_back(where, std::move(reason));
    }

    std::string m_file;
    StatementEvents& m_into;
    std::map<std::string, Columns> m_columns;
    std::vector<std::pair<BrokerTrade, bool>> m_trades;  // with "is an Order row"
};

// Keeps the items of each file that earlier files did not already hold as many times.
template <class Item>
void TakeNew(std::vector<Item>& into, std::vector<Item>& from, std::map<std::string, size_t>& seen,
             std::vector<std::string>& ignored) {
    std::map<std::string, size_t> here;
    for (Item& item : from) {
        const std::string id = item.Identity();
        if (++here[id] > seen[id])
            into.push_back(std::move(item));
        else
            ignored.push_back(item.where.Text() + ": повтор строки другого отчета — учтена один раз");
    }
    for (const auto& [id, n] : here)
        seen[id] = std::max(seen[id], n);
}

}  // namespace

void ReadStatementEvents(std::string_view text, const std::string& file, StatementEvents& into) {
    EventReader(file, into).Read(text);
}

StatementEvents JoinStatements(std::vector<StatementEvents> files) {
    if (files.size() == 1)
        return std::move(files.front());
    StatementEvents joined;
    std::map<std::string, size_t> trades, splits, interest, fees;
    for (StatementEvents& f : files) {
        TakeNew(joined.trades, f.trades, trades, joined.ignored);
        TakeNew(joined.splits, f.splits, splits, joined.ignored);
        TakeNew(joined.interest, f.interest, interest, joined.ignored);
        TakeNew(joined.fees, f.fees, fees, joined.ignored);
        joined.ignored.insert(joined.ignored.end(), f.ignored.begin(), f.ignored.end());
        joined.refused.insert(joined.refused.end(), f.refused.begin(), f.refused.end());
        joined.isinOf.insert(f.isinOf.begin(), f.isinOf.end());
        joined.nameOf.insert(f.nameOf.begin(), f.nameOf.end());
        joined.hints += f.hints;
    }
    return joined;
}

}  // namespace foreignimport
}  // namespace zizaza
