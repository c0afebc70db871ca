// The trades part of the import report: what the user confirms before anything is added, and
// what the inspector asks for (every sale with its lots, dates, rates and roubles).
#include "imports/BrokerTrades.h"

namespace zizaza {
namespace {

std::string Amount(Money value) {
    return value.ToText(',');
}

std::string RateText(Money rate, int32_t units) {
    return units == 1 ? Amount(rate) : Amount(rate) + "/" + std::to_string(units);
}

std::string LotLine(const MatchedLot& lot, const std::string& currency) {
    std::string text = lot.where.Text() + ", сделка " + lot.tradeDate.ToText() + ", оплата " + lot.cashDate.ToText() +
                       ": " + Amount(lot.quantity) + " шт., " + Amount(lot.amount) + " " + currency + " × " +
                       RateText(lot.rate, lot.units) + " = " + Amount(lot.roubles) + " руб.";
    if (!lot.commission.IsZero())
        text += "; комиссия " + Amount(lot.commission) + " " + currency + " × " +
                RateText(lot.commissionRate, lot.units) + " = " + Amount(lot.commissionRoubles) + " руб.";
    if (!lot.premium.IsZero())
        text += "; премия опциона " + Amount(lot.premium) + " руб.";
    if (!lot.note.empty())
        text += " (" + lot.note + ")";
    return text;
}

}  // namespace

std::string DescribeTrades(const TradesResult& t) {
    std::string text;
    if (!t.sales.empty() || !t.open.empty()) {
        text += "Сделки (ФИФО по каждой ценной бумаге, ст. 214.1 п. 13 НК РФ): " + TradeDatesRule(t.dates) + "\n";
        std::string security;
        for (const SaleResult& s : t.sales) {
            if (s.security != security) {
                security = s.security;
                text += "Ценная бумага " + security + ", " + s.currency + (s.derivative ? " (ПФИ)" : "") + "\n";
            }
            text += std::string("  ") + (s.shortClose ? "короткая продажа " : "продажа ") + s.where.Text() +
                    ", сделка " + s.tradeDate.ToText() + ", доход " + s.incomeDate.ToText() + ": " +
                    Amount(s.quantity) + " шт., " + Amount(s.proceeds) + " " + s.currency + " × " +
                    RateText(s.rate, s.units) + " = " + Amount(s.proceedsRoubles) + " руб.";
            if (!s.commission.IsZero())
                text += "; комиссия " + Amount(s.commission) + " " + s.currency + " × " +
                        RateText(s.commissionRate, s.units) + " = " + Amount(s.commissionRoubles) + " руб.";
            if (!s.optionRoubles.IsZero())
                text += "; премия опциона " + Amount(s.optionRoubles) + " руб.";
            text += "\n";
            for (const MatchedLot& lot : s.lots)
                text += std::string("    ") + (s.shortClose ? "закрыта покупкой " : "лот ") + LotLine(lot, s.currency) +
                        "\n";
            text += "    расходы " + Amount(s.CostRoubles()) + " руб., результат " +
                    Amount(s.proceedsRoubles - s.CostRoubles()) + " руб.\n";
        }
    }
    if (!t.open.empty()) {
        text += "Открытые позиции на конец отчетов (лоты следующего года): " + std::to_string(t.open.size()) + "\n";
        for (const OpenPosition& p : t.open)
            text +=
                "  " + p.security + (p.shortLot ? " короткая позиция " : " лот ") + LotLine(p.lot, p.currency) + "\n";
    }
    if (!t.splits.empty()) {
        text +=
            "Дробления и консолидации (коэффициент из описания — проверьте): " + std::to_string(t.splits.size()) + "\n";
        for (const std::string& line : t.splits)
            text += "  " + line + "\n";
    }
    if (!t.fees.empty()) {
        text += "Комиссии, сборы и проценты по займам (не вычитаются): " + std::to_string(t.fees.size()) + "\n";
        for (const std::string& line : t.fees)
            text += "  " + line + "\n";
    }
    if (!t.ignored.empty()) {
        text += "Не учитывается: " + std::to_string(t.ignored.size()) + "\n";
        for (const std::string& line : t.ignored)
            text += "  " + line + "\n";
    }
    if (!t.otherYears.empty()) {
        text += "Другие годы:\n";
        for (const std::string& line : t.otherYears)
            text += "  " + line + "\n";
    }
    return text;
}

}  // namespace zizaza
