#pragma once

#include "imports/BrokerTrades.h"

#include <deque>
#include <string>
#include <vector>

namespace zizaza {

// The part `quantity` of `whole` of an amount, rounded to hundredths (halves away from zero).
Money ShareOf(Money amount, Money quantity, Money whole);

// The open lots of one security in the order they were opened, and the matching of each new trade
// against them: first in, first out, whatever method the broker used. A sale beyond the lots held
// opens a short lot, a purchase first closes short lots. Quantities are positive; a trade's piece
// carries its amounts, dates, rates and roubles, and a refusal (a missing rate) travels with every
// part of it.
class FifoBook {
public:
    struct Piece {
        MatchedLot lot;
        std::string refusal;
    };
    struct Close {
        Piece saleSide;  // the part of the sale (for a short lot: of the short sale)
        std::vector<Piece> lots;
        bool shortClose = false;
    };

    // The closes the trade makes; what is left of it opens a lot.
    std::vector<Close> Trade(Piece piece, bool buy);
    // `to` new for `from` old: the quantities change, the amounts stay.
    void Split(int64_t to, int64_t from, const std::string& note);

    const std::deque<Piece>& Open() const { return m_lots; }
    bool ShortLots() const { return m_short; }

private:
    std::deque<Piece> m_lots;
    bool m_short = false;  // all open lots are of one side
};

}  // namespace zizaza
