#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class CurrencyRates;
class ExchangeHolidays;
class mTCurrencyIncome;

// The day each trade's money counts: the day it settles (the statement's own settlement date, or
// T+3 / T+2 business days of the exchange) or the trade day itself.
enum class TradeDates { Settlement, Trade };

// Where a line of a statement comes from: its file (empty for a single statement) and line.
struct StatementLine {
    std::string file;
    size_t line = 0;
    std::string Text() const;  // "строка 12" or "a.csv, строка 12"
};

// One trade of the Trades section. Amounts in the trade's currency, signs as the broker writes
// them: quantity and proceeds opposite, the commission negative when charged.
struct BrokerTrade {
    StatementLine where;
    std::string category;  // "Stocks", "Equity and Index Options", ...
    std::string currency;
    std::string symbol;
    std::string dateTime;  // as written, "2017-08-31, 10:00:00"; orders the trades of one day
    Date tradeDate;
    std::optional<Date> settleDate;  // when the statement gives it
    Money quantity;
    Money proceeds;
    Money commission;
    std::string code;  // "O;P", "C;Ca", "A;C", ...

    bool HasCode(std::string_view token) const;
    bool IsOption() const;
    bool IsDerivative() const;
    // The same trade in another statement file has the same identity.
    std::string Identity() const;
};

// A split or reverse split of Corporate Actions: `to` new shares for `from` old ones.
struct SplitAction {
    StatementLine where;
    std::string symbol;
    std::string isin;
    std::string dateTime;
    Date date;
    int64_t to = 1;
    int64_t from = 1;
    std::string description;
    std::string Identity() const;
};

// A row of Interest, Fees and the sections that are no income (deposits, forex).
struct CashLine {
    StatementLine where;
    std::string section;
    std::string currency;
    Date date;
    std::string description;
    Money amount;
    std::string Identity() const;
};

struct StatementEvents {
    std::vector<BrokerTrade> trades;
    std::vector<SplitAction> splits;
    std::vector<CashLine> interest;
    std::vector<CashLine> fees;  // Fees and debit interest
    std::vector<std::string> ignored;
    std::vector<std::pair<StatementLine, std::string>> refused;
    std::map<std::string, std::string> isinOf;  // symbol → ISIN, from Financial Instrument Information
    std::map<std::string, std::string> nameOf;  // symbol → description
    size_t hints = 0;                           // ClosedLot rows: the broker's lot method, not FIFO
};

namespace foreignimport {
// The trades, splits, interest and fees of one activity statement, added to `into`; a trade that
// another file already gave (same identity, as many times as there) is counted once.
void ReadStatementEvents(std::string_view text, const std::string& file, StatementEvents& into);
// Joins the events of several files: what two files both hold is taken once.
StatementEvents JoinStatements(std::vector<StatementEvents> files);
}  // namespace foreignimport

// A part of a lot matched to a sale by FIFO: its day, quantity (after splits), the amount paid in
// the currency, the rate of the day it was paid and its roubles, and its share of the commission.
struct MatchedLot {
    StatementLine where;
    Date tradeDate;
    Date cashDate;
    Money quantity;
    Money amount;
    Money rate;
    int32_t units = 1;
    Money roubles;
    Money commission;  // in the currency
    Money commissionRate;
    int32_t commissionUnits = 1;
    Money commissionRoubles;
    Money premium;     // roubles of an assigned or exercised option moved into this trade's cost
    std::string note;  // "дробление 4:1", ...
};

// A sale (or the purchase that closed a short sale) with the lots it used, all in roubles.
struct SaleResult {
    std::string security;  // "AAPL (US0378331005)"
    std::string symbol;
    std::string currency;
    bool derivative = false;
    bool shortClose = false;  // a short sale closed by a purchase: the income is the short sale's
    StatementLine where;
    Date tradeDate;
    Date incomeDate;  // the day the proceeds count
    Money quantity;
    Money proceeds;  // in the currency
    Money rate;      // of the income date, for `units`
    int32_t units = 1;
    Money proceedsRoubles;
    Money commission;  // the sale's own, in the currency
    Money commissionRate;
    int32_t commissionUnits = 1;
    Money commissionRoubles;
    Money optionRoubles;  // premium of an assigned or exercised option moved into this trade
    std::vector<MatchedLot> lots;
    std::string refusal;  // a missing rate: the sale is not taken

    Money CostRoubles() const;  // lots and their commissions, the sale's commission, the option premium
};

struct OpenPosition {
    std::string security;
    std::string currency;
    MatchedLot lot;  // what is left of it
    bool shortLot = false;
};

// Everything the trades of the statements give, in the order of the securities.
struct TradesResult {
    TradeDates dates = TradeDates::Settlement;
    std::vector<SaleResult> sales;  // of the tax year, in order of securities and dates
    std::vector<std::string> otherYears;
    std::vector<OpenPosition> open;
    std::vector<CashLine> interest;
    std::vector<std::string> fees;     // listed with why they are not deducted
    std::vector<std::string> ignored;  // forex, deposits, cancelled trades, the broker's lot hints
    std::vector<std::pair<StatementLine, std::string>> refused;
    std::vector<std::string> splits;  // ratios read from the descriptions, shown to the user
};

// FIFO per security over all trades, in roubles at the Central Bank's rate of each date.
TradesResult MatchTrades(const StatementEvents& events, const CurrencyRates& rates, TradeDates dates,
                         const ExchangeHolidays* holidays);

// The text of the rule used for the dates, for the reports.
std::string TradeDatesRule(TradeDates dates);

// The lines of the import report for the trades: per security the sales with their lots, then
// interest, fees, ignored and open lots.
std::string DescribeTrades(const TradesResult& trades);

}  // namespace zizaza
