#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zizaza {

// A lot bought (or, for a short sale, sold) earlier and matched by FIFO to a sale: the day it was
// paid, its quantity, the amount in the currency at the Central Bank's rate of that day, and its
// share of the commission at the rate of the trade day.
struct mTTradeLot {
    Date TradeDate;  // the day of the trade, when its commission was charged
    Date PaidDate;   // the day the money moved, whose rate converts the amount
    Money Quantity;
    Money Amount;  // in the currency
    Money Rate;    // roubles per Units units on PaidDate
    int32_t Units = 1;
    Money Roubles;
    Money Commission;  // in the currency
    Money CommissionRate;
    int32_t CommissionUnits = 1;
    Money CommissionRoubles;
    Money Premium;     // roubles of an option assigned or exercised into this lot
    std::string Note;  // "дробление 4:1 15.06.2017", ...

    bool operator==(const mTTradeLot&) const = default;
};

// One sale abroad behind a foreign income record, as the broker import computed it: what the
// sale brought and what it cost, lot by lot, every amount with the rate of its own day.
struct mTTradeSale {
    Date TradeDate;
    Date IncomeDate;          // the day the proceeds count
    bool ShortClose = false;  // the purchase that closed a short sale; the proceeds are the short sale's
    Money Quantity;
    Money Proceeds;  // in the currency
    Money Rate;      // roubles per Units units on IncomeDate
    int32_t Units = 1;
    Money ProceedsRoubles;
    Money Commission;  // the sale's own, in the currency, charged on TradeDate
    Money CommissionRate;
    int32_t CommissionUnits = 1;
    Money CommissionRoubles;
    Money Premium;  // roubles of an option assigned or exercised into this sale
    std::vector<mTTradeLot> Lots;

    bool operator==(const mTTradeSale&) const = default;

    // The lots with their commissions, the sale's commission and the premiums, in roubles.
    Money CostRoubles() const;
};

namespace recordio {

// The fields of a matched lot and of a sale in the order the declaration file holds them, for
// every pass of RecordIo.h.
template <class Io, class Lot>
void TransferTradeLot(Io& io, Lot& l) {
    io.DateTime(l.TradeDate);
    io.DateTime(l.PaidDate);
    io.Currency(l.Quantity);
    io.Currency(l.Amount);
    io.Currency(l.Rate);
    io.Integer(l.Units);
    io.Currency(l.Roubles);
    io.Currency(l.Commission);
    io.Currency(l.CommissionRate);
    io.Integer(l.CommissionUnits);
    io.Currency(l.CommissionRoubles);
    io.Currency(l.Premium);
    io.Text(l.Note);
}

template <class Io, class Sale>
void TransferTradeSale(Io& io, Sale& s) {
    io.DateTime(s.TradeDate);
    io.DateTime(s.IncomeDate);
    io.Flag(s.ShortClose);
    io.Currency(s.Quantity);
    io.Currency(s.Proceeds);
    io.Currency(s.Rate);
    io.Integer(s.Units);
    io.Currency(s.ProceedsRoubles);
    io.Currency(s.Commission);
    io.Currency(s.CommissionRate);
    io.Integer(s.CommissionUnits);
    io.Currency(s.CommissionRoubles);
    io.Currency(s.Premium);
    // Every sale matched at least one lot: the import never writes a sale without.
    io.List(s.Lots, 1, [&](auto& lot) { TransferTradeLot(io, lot); });
}

}  // namespace recordio
}  // namespace zizaza
