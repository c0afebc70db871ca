// The trades of all statements matched lot by lot (FIFO) per security, every amount in roubles at
// the Central Bank's rate of its own day: the proceeds and each lot's cost on the day the money
// moved (settlement, or the trade day when asked), each commission on the trade day, when the
// broker charged it.
#include "dictionaries/CurrencyRates.h"
#include "imports/BrokerTrades.h"
#include "imports/FifoLots.h"
#include "imports/SettlementDates.h"
#include "model/TaxFacts.h"
#include "model/mTCurrencyIncome.h"

#include <algorithm>
#include <map>
#include <set>

namespace zizaza {

Money SaleResult::CostRoubles() const {
    Money cost = commissionRoubles + optionRoubles;
    for (const MatchedLot& lot : lots)
        cost += lot.roubles + lot.commissionRoubles + lot.premium;
    return cost;
}

std::string TradeDatesRule(TradeDates dates) {
    return dates == TradeDates::Trade
               ? "доходы и расходы по сделкам — по курсу ЦБ РФ на дату сделки (--dates trade); комиссии — на "
                 "дату сделки"
               : "доходы и расходы по сделкам — по курсу ЦБ РФ на дату расчетов (дата из отчета или T+3 "
                 "рабочих дня биржи США по 04.09.2017, T+2 с 05.09.2017; сделки не в долларах — T+2 рабочих "
                 "дня без учета праздников; опционы — на дату сделки); "
                 "комиссии — на дату сделки";
}

namespace {

constexpr const char* kLoadRates =
    "загрузите курсы Банка России командой «Загрузить курсы ЦБ РФ...» или zizaza-cli import-rates";

// A sortable moment of a trade or action: the day, then the time as written (none sorts last:
// a corporate action without a time takes effect after the day's trades).
std::string Moment(Date date, const std::string& dateTime, bool endOfDay) {
    int y = 0, m = 0, d = 0;
    date.ToYmd(y, m, d);
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02d%02d", y, m, d);
    std::string time;
    for (size_t i = std::min<size_t>(10, dateTime.size()); i < dateTime.size(); ++i)
        if (dateTime[i] >= '0' && dateTime[i] <= '9')
            time += dateTime[i];
    return day + (time.empty() ? (endOfDay ? "999999" : "000000") : time);
}

struct Rated {
    Money rate;
    int32_t units = 1;
    std::string missing;
};

Rated RateOf(const CurrencyRates& rates, const std::string& currency, Date date) {
    const Currency* c = rates.FindCurrencyByCodeOrAlpha(currency);
    if (!c)
        return {{}, 1, "нет курса ЦБ РФ валюты «" + currency + "»: " + kLoadRates};
    const CurrencyRate* entry = rates.FindRate(c->code, date);
    if (!entry || !RateValue(*entry) || !RateQuantity(*entry))
        return {{}, 1, "нет курса ЦБ РФ " + currency + " на " + date.ToText() + ": " + kLoadRates};
    return {*RateValue(*entry), *RateQuantity(*entry), {}};
}

class Matcher {
public:
    Matcher(const StatementEvents& events, const CurrencyRates& rates, TradeDates dates,
            const ExchangeHolidays* holidays)
        : m_events(events), m_rates(rates), m_holidays(holidays) {
        m_result.dates = dates;
    }

    TradesResult Run() {
        m_result.ignored = m_events.ignored;
        m_result.refused = m_events.refused;
        if (m_events.hints)
            m_result.ignored.push_back(
                "строк ClosedLot (списание лотов по методу брокера): " + std::to_string(m_events.hints) +
                " — не учитываются, лоты списываются по ФИФО (ст. 214.1 п. 13 НК РФ)");
        std::vector<const BrokerTrade*> trades = NetCancellations();
        // Options first: an assigned or exercised option moves into the stock trade of that day.
        std::map<std::string, std::vector<const BrokerTrade*>> bySecurity;
        for (const BrokerTrade* t : trades)
            bySecurity[t->symbol + " " + t->currency].push_back(t);
        for (int pass = 0; pass < 2; ++pass)
            for (auto& [key, list] : bySecurity)
                if ((pass == 0) == list.front()->IsOption())
                    MatchSecurity(list);
        Cash();
        std::stable_sort(m_result.sales.begin(), m_result.sales.end(), [](const SaleResult& a, const SaleResult& b) {
            return a.security != b.security ? a.security < b.security : a.incomeDate < b.incomeDate;
        });
        for (const auto& [year, count] : m_otherYears)
            m_result.otherYears.insert(m_result.otherYears.begin(),
                                       "продаж " + std::to_string(year) + " года: " + std::to_string(count) +
                                           " (в декларацию за " + std::to_string(kTaxYear) +
                                           " год не входят; их лоты списаны по ФИФО)");
        return std::move(m_result);
    }

private:
    // A cancelled trade ("Ca") takes away itself and the trade it reverses (the same trade with the
    // opposite signs); a "Ca" row without one is the cancelled trade itself. A correction ("Co") stays.
    std::vector<const BrokerTrade*> NetCancellations() {
        std::vector<const BrokerTrade*> kept;
        std::vector<const BrokerTrade*> cancels;
        for (const BrokerTrade& t : m_events.trades)
            (t.HasCode("Ca") ? cancels : kept).push_back(&t);
        for (const BrokerTrade* c : cancels) {
            auto original = std::find_if(kept.begin(), kept.end(), [&](const BrokerTrade* t) {
                return t->symbol == c->symbol && t->currency == c->currency && t->tradeDate == c->tradeDate &&
                       t->quantity == -c->quantity && t->proceeds == -c->proceeds && !t->HasCode("Co");
            });
            if (original == kept.end()) {
                m_result.ignored.push_back(c->where.Text() + ": сделка " + c->symbol + " " + c->dateTime +
                                           " отменена брокером (Ca) — не учитывается");
                continue;
            }
            m_result.ignored.push_back((*original)->where.Text() + ": сделка " + c->symbol + " " + c->dateTime +
                                       " отменена строкой " + std::to_string(c->where.line) + " — не учитывается");
            kept.erase(original);
        }
        return kept;
    }

    std::string SecurityName(const BrokerTrade& t) const {
        auto isin = m_events.isinOf.find(t.symbol);
        return isin == m_events.isinOf.end() || isin->second.empty() ? t.symbol : t.symbol + " (" + isin->second + ")";
    }

    FifoBook::Piece PieceOf(const BrokerTrade& t) {
        FifoBook::Piece p;
        MatchedLot& lot = p.lot;
        lot.where = t.where;
        lot.tradeDate = t.tradeDate.DateOnly();
        lot.quantity = t.quantity < Money() ? -t.quantity : t.quantity;
        lot.amount = t.proceeds < Money() ? -t.proceeds : t.proceeds;
        lot.commission = -t.commission;
        if (m_result.dates == TradeDates::Trade || t.IsOption())
            lot.cashDate = lot.tradeDate;
        else if (t.settleDate)
            lot.cashDate = t.settleDate->DateOnly();
        else if (t.currency != "USD" && t.currency != "840")
            lot.cashDate = SettlementDateOutsideUs(lot.tradeDate);
        else if (std::optional<Date> settle = m_holidays ? SettlementDate(lot.tradeDate, *m_holidays) : std::nullopt)
            lot.cashDate = *settle;
        else {
            lot.cashDate = lot.tradeDate;
            p.refusal = "нет календаря биржи на " + std::to_string(lot.tradeDate.Year()) +
                        " год для даты расчетов (файл " + kExchangeHolidaysFileName +
                        "); задайте --dates trade или дату расчетов в отчете";
        }
        const Rated cash = RateOf(m_rates, t.currency, lot.cashDate);
        const Rated fee = RateOf(m_rates, t.currency, lot.tradeDate);
        lot.rate = cash.rate;
        lot.units = cash.units;
        lot.roubles = mTCurrencyIncome::ToRoubles(lot.amount, cash.units, cash.rate);
        lot.commissionRate = fee.rate;
        lot.commissionUnits = fee.units;
        lot.commissionRoubles = mTCurrencyIncome::ToRoubles(lot.commission, fee.units, fee.rate);
        if (p.refusal.empty())
            p.refusal = !cash.missing.empty() ? cash.missing : lot.commission.IsZero() ? std::string() : fee.missing;
        return p;
    }

    void MatchSecurity(std::vector<const BrokerTrade*>& list) {
        const BrokerTrade& first = *list.front();
        struct Event {
            std::string moment;
            const BrokerTrade* trade = nullptr;
            const SplitAction* split = nullptr;
        };
        std::vector<Event> events;
        for (const BrokerTrade* t : list)
            events.push_back({Moment(t->tradeDate, t->dateTime, false), t, nullptr});
        for (const SplitAction& s : m_events.splits)
            if (s.symbol == first.symbol && !first.IsOption()) {
                events.push_back({Moment(s.date, s.dateTime, true), nullptr, &s});
                m_result.splits.push_back(s.where.Text() + ": " + first.symbol + " " + s.date.ToText() +
                                          " — дробление " + std::to_string(s.to) + ":" + std::to_string(s.from) +
                                          " (из описания «" + s.description + "»)");
            }
        std::stable_sort(events.begin(), events.end(),
                         [](const Event& a, const Event& b) { return a.moment < b.moment; });
        FifoBook book;
        const std::string security = SecurityName(first);
        for (const Event& e : events) {
            if (e.split) {
                book.Split(e.split->to, e.split->from,
                           "дробление " + std::to_string(e.split->to) + ":" + std::to_string(e.split->from) + " " +
                               e.split->date.ToText());
                continue;
            }
            const BrokerTrade& t = *e.trade;
            FifoBook::Piece piece = PieceOf(t);
            if (!t.IsOption() && (t.HasCode("A") || t.HasCode("Ex")))
                piece.lot.premium = TakePremium(t);
            const bool buy = t.quantity > Money();
            std::vector<FifoBook::Close> closes = book.Trade(std::move(piece), buy);
            const bool intoStock = t.IsOption() && (t.HasCode("A") || t.HasCode("Ex"));
            for (FifoBook::Close& c : closes)
                TakeClose(t, security, std::move(c), intoStock);
        }
        for (const FifoBook::Piece& p : book.Open())
            m_result.open.push_back({security, first.currency, p.lot, book.ShortLots()});
    }

    // The option's net cost kept for the stock trade of the same day; 0 when none was closed.
    Money TakePremium(const BrokerTrade& stock) {
        const std::string key = stock.symbol + " " + stock.tradeDate.ToText();
        auto it = m_premiums.find(key);
        if (it == m_premiums.end())
            return Money();
        const Money premium = it->second;
        m_premiums.erase(it);
        return premium;
    }

    void TakeClose(const BrokerTrade& t, const std::string& security, FifoBook::Close c, bool intoStock) {
        SaleResult s;
        s.security = security;
        s.symbol = t.symbol;
        s.currency = t.currency;
        s.derivative = t.IsDerivative();
        s.shortClose = c.shortClose;
        const MatchedLot& side = c.saleSide.lot;
        s.where = side.where;
        s.tradeDate = side.tradeDate;
        s.incomeDate = side.cashDate;
        s.quantity = side.quantity;
        s.proceeds = side.amount;
        s.rate = side.rate;
        s.units = side.units;
        s.proceedsRoubles = side.roubles;
        s.commission = side.commission;
        s.commissionRate = side.commissionRate;
        s.commissionUnits = side.commissionUnits;
        s.commissionRoubles = side.commissionRoubles;
        s.optionRoubles = side.premium;
        s.refusal = c.saleSide.refusal;
        for (FifoBook::Piece& p : c.lots) {
            if (s.refusal.empty())
                s.refusal = p.refusal;
            s.lots.push_back(std::move(p.lot));
        }
        if (intoStock) {
            // The stock's underlying symbol comes first in the option's ("AAPL 19JAN18 150 C").
            const std::string underlying = t.symbol.substr(0, t.symbol.find(' '));
            m_premiums[underlying + " " + t.tradeDate.DateOnly().ToText()] += s.CostRoubles() - s.proceedsRoubles;
            m_result.ignored.push_back(t.where.Text() + ": опцион " + t.symbol + " " +
                                       (t.HasCode("A") ? "исполнен по назначению" : "исполнен") +
                                       " — его премия и комиссии учтены в сделке с " + underlying + " того же дня");
            return;
        }
        // The year of a close is the year its result is fixed: the sale's day, or the purchase
        // closing a short sale.
        const int year = c.shortClose ? s.lots.front().cashDate.Year() : s.incomeDate.Year();
        if (year != kTaxYear) {
            ++m_otherYears[year];
            return;
        }
        if (!s.refusal.empty()) {
            m_result.refused.emplace_back(
                s.where, "продажа " + s.security + " " + s.tradeDate.ToText() + " не загружена: " + s.refusal);
            return;
        }
        m_result.sales.push_back(std::move(s));
    }

    void Cash() {
        for (const CashLine& c : m_events.interest) {
            if (c.date.Year() != kTaxYear)
                m_result.otherYears.push_back(c.where.Text() + ": проценты " + c.date.ToText() + " " +
                                              c.amount.ToText(',') + " " + c.currency + " относятся к " +
                                              std::to_string(c.date.Year()) + " году");
            else
                m_result.interest.push_back(c);
        }
        for (const CashLine& c : m_events.fees) {
            const bool interest = c.section == "Interest";
            m_result.fees.push_back(
                c.where.Text() + ": " + c.date.ToText() + " " + c.description + " " + c.amount.ToText(',') + " " +
                c.currency +
                (interest ? " — проценты по займу брокера не вычитаются: в расходы (код 218) входят только проценты по "
                            "займам для сделок с ценными бумагами в пределах ст. 214.1 п. 10 НК РФ (для займа в "
                            "валюте — не выше 9% годовых), а отчет этого не показывает; при подтверждении добавьте их "
                            "сами"
                          : " — не вычитается: расходы по ценным бумагам — это расходы на их приобретение, "
                            "реализацию и хранение (ст. 214.1 п. 10 НК РФ); плату за рыночные данные и прочие "
                            "услуги к ним не относят, плату за хранение добавьте к расходам сами"));
        }
    }

    const StatementEvents& m_events;
    const CurrencyRates& m_rates;
    const ExchangeHolidays* m_holidays;
    TradesResult m_result;
    std::map<std::string, Money> m_premiums;  // "AAPL 20.10.2017": an option's cost for the stock trade
    std::map<int, size_t> m_otherYears;
};

}  // namespace

TradesResult MatchTrades(const StatementEvents& events, const CurrencyRates& rates, TradeDates dates,
                         const ExchangeHolidays* holidays) {
    return Matcher(events, rates, dates, holidays).Run();
}

}  // namespace zizaza
