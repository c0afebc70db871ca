#include "imports/FifoLots.h"

namespace zizaza {

Money ShareOf(Money amount, Money quantity, Money whole) {
    if (whole.IsZero() || quantity == whole)
        return amount;
    __int128 num = static_cast<__int128>(amount.raw()) * quantity.raw();
    const __int128 den = static_cast<__int128>(whole.raw()) * 100;
    const bool negative = (num < 0) != (den < 0);
    if (num < 0)
        num = -num;
    const __int128 absDen = den < 0 ? -den : den;
    const __int128 hundredths = (num + absDen / 2) / absDen;
    return Money::FromRaw(static_cast<int64_t>(negative ? -hundredths * 100 : hundredths * 100));
}

namespace {

// Takes `quantity` off the piece: the part goes out with its share of every amount, the rest stays.
FifoBook::Piece Take(FifoBook::Piece& from, Money quantity) {
    FifoBook::Piece part = from;
    MatchedLot& whole = from.lot;
    MatchedLot& p = part.lot;
    p.quantity = quantity;
    p.amount = ShareOf(whole.amount, quantity, whole.quantity);
    p.roubles = ShareOf(whole.roubles, quantity, whole.quantity);
    p.commission = ShareOf(whole.commission, quantity, whole.quantity);
    p.commissionRoubles = ShareOf(whole.commissionRoubles, quantity, whole.quantity);
    p.premium = ShareOf(whole.premium, quantity, whole.quantity);
    whole.quantity -= quantity;
    whole.amount -= p.amount;
    whole.roubles -= p.roubles;
    whole.commission -= p.commission;
    whole.commissionRoubles -= p.commissionRoubles;
    whole.premium -= p.premium;
    return part;
}

}  // namespace

std::vector<FifoBook::Close> FifoBook::Trade(Piece piece, bool buy) {
    std::vector<Close> closes;
    // A purchase closes short lots, a sale long ones; each lot it meets makes one part of a close.
    const bool closing = !m_lots.empty() && m_short == buy;
    if (closing) {
        Close close;
        close.shortClose = buy;
        while (piece.lot.quantity > Money() && !m_lots.empty()) {
            Piece& front = m_lots.front();
            const Money q = Min(piece.lot.quantity, front.lot.quantity);
            Piece lotPart = Take(front, q);
            Piece tradePart = Take(piece, q);
            if (front.lot.quantity.IsZero())
                m_lots.pop_front();
            if (buy) {
                // The short sale is the income, the purchase its cost: one close per short lot.
                Close c;
                c.shortClose = true;
                c.saleSide = std::move(lotPart);
                c.lots.push_back(std::move(tradePart));
                closes.push_back(std::move(c));
            } else {
                if (close.lots.empty())
                    close.saleSide = tradePart;
                else {
                    MatchedLot& s = close.saleSide.lot;
                    s.quantity += tradePart.lot.quantity;
                    s.amount += tradePart.lot.amount;
                    s.roubles += tradePart.lot.roubles;
                    s.commission += tradePart.lot.commission;
                    s.commissionRoubles += tradePart.lot.commissionRoubles;
                    s.premium += tradePart.lot.premium;
                }
                close.lots.push_back(std::move(lotPart));
            }
        }
        if (!buy && !close.lots.empty())
            closes.push_back(std::move(close));
    }
    if (piece.lot.quantity > Money()) {
        if (m_lots.empty())
            m_short = !buy;
        m_lots.push_back(std::move(piece));
    }
    return closes;
}

void FifoBook::Split(int64_t to, int64_t from, const std::string& note) {
    for (Piece& p : m_lots) {
        const __int128 q = static_cast<__int128>(p.lot.quantity.raw()) * to / from;
        if (q > Money::kMaxRaw)
            throw MoneyOverflow();
        p.lot.quantity = Money::FromRaw(static_cast<int64_t>(q));
        p.lot.note += (p.lot.note.empty() ? "" : "; ") + note;
    }
}

}  // namespace zizaza
