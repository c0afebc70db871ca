#include "report/TradeRegister.h"

#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilJ.h"
#include "model/mTDeclaration.h"
#include "report/HtmlText.h"

namespace zizaza {

bool TradeRegisterCountsExpenses(const TradeRegisterGroup& g, const mTCurrencyIncome& r) {
    // Traded securities count only the expenses of code 201 as such.
    return g.incomeCode != 1530 || r.DeductionCode == 201;
}

std::vector<TradeRegisterGroup> ForeignTradeRegister(const mTDeclaration& doc) {
    std::vector<TradeRegisterGroup> groups(2);
    groups[0].title = "Ценные бумаги, обращающиеся на организованном рынке (код дохода 1530)";
    groups[0].incomeCode = 1530;
    groups[1].title = "ПФИ, обращающиеся на организованном рынке, базис — ценные бумаги и индексы (код дохода 1532)";
    groups[1].incomeCode = 1532;
    if (!doc.HasIncome(kIncomeForeign))
        return groups;
    for (size_t i = 0; i < doc.CurrencyIncomeCount(); ++i) {
        const mTCurrencyIncome& r = doc.CurrencyIncome(i);
        // As the securities sheet: a line without a deduction code is not counted there.
        if (r.DeductionCode == 0)
            continue;
        for (TradeRegisterGroup& g : groups) {
            if (r.IncomeCode != g.incomeCode)
                continue;
            g.sales.push_back(&r);
            g.income += r.IncomeInRoubles;
            if (TradeRegisterCountsExpenses(g, r))
                g.expenses += r.DeductionAmount;
        }
    }
    return groups;
}

namespace report {
namespace {

std::string RateText(Money rate, int32_t units) {
    return units <= 1 ? rate.ToText(',') : rate.ToText(',') + " за " + std::to_string(units);
}

std::string InCurrency(Money amount, const mTCurrencyIncome& r) {
    return amount.ToText(',') + " " + r.CurrencyName;
}

std::string Figure(Money value) {
    return HtmlText::Figure(value);
}

// The day money moved, with the trade day when that was another one.
std::string Day(Date paid, Date trade) {
    return paid == trade ? paid.ToText() : paid.ToText() + " (сделка " + trade.ToText() + ")";
}

// A commission and an option premium of a sale or a lot, as expense rows.
void CostRows(HtmlText& out, const char* what, Date day, Money commission, Money rate, int32_t units, Money roubles,
              Money premium, const mTCurrencyIncome& r) {
    if (!commission.IsZero() || !roubles.IsZero())
        out.Row({day.ToText(), std::string("комиссия ") + what, "", InCurrency(commission, r), RateText(rate, units),
                 "", Figure(roubles), ""});
    if (!premium.IsZero())
        out.Row({day.ToText(), "премия опциона, исполненного в эту сделку", "", "", "", "", Figure(premium), ""});
}

// A sale with the lots FIFO matched to it, their commissions and the sale's result.
void SaleRows(HtmlText& out, const mTTradeSale& s, const mTCurrencyIncome& r) {
    out.Row({Day(s.IncomeDate, s.TradeDate), (s.ShortClose ? "короткая продажа " : "продажа ") + r.SourceName,
             s.Quantity.ToText(','), InCurrency(s.Proceeds, r), RateText(s.Rate, s.Units), Figure(s.ProceedsRoubles),
             "", ""});
    for (const mTTradeLot& l : s.Lots) {
        std::string what = s.ShortClose ? "покупка, закрывшая ее" : "лот по ФИФО";
        if (!l.Note.empty())
            what += " (" + l.Note + ")";
        out.Row({Day(l.PaidDate, l.TradeDate), what, l.Quantity.ToText(','), InCurrency(l.Amount, r),
                 RateText(l.Rate, l.Units), "", Figure(l.Roubles), ""});
        CostRows(out, s.ShortClose ? "при покупке" : "при покупке лота", l.TradeDate, l.Commission, l.CommissionRate,
                 l.CommissionUnits, l.CommissionRoubles, l.Premium, r);
    }
    CostRows(out, "при продаже", s.TradeDate, s.Commission, s.CommissionRate, s.CommissionUnits, s.CommissionRoubles,
             s.Premium, r);
    const Money cost = s.CostRoubles();
    out.Row({"", "результат продажи", "", "", "", Figure(s.ProceedsRoubles), Figure(cost),
             Figure(s.ProceedsRoubles - cost)});
}

// The record as the securities sheet takes it: with its sales when they still give its amounts.
void RecordRows(HtmlText& out, const mTCurrencyIncome& r, bool expensesCounted) {
    const bool detailed = r.TradesAgree();
    if (detailed)
        for (const mTTradeSale& s : r.Trades)
            SaleRows(out, s, r);
    std::string what = "доход декларации (код " + std::to_string(r.IncomeCode) + "), расход (код " +
                       std::to_string(r.DeductionCode) + "): " + r.SourceName;
    if (!r.Trades.empty() && !detailed)
        what += " — сделки не показаны: доход или расход изменен после загрузки из отчета брокера";
    else if (r.Trades.empty())
        what += " — введен вручную, лотов нет";
    else if (r.Trades.size() > 1)
        what += " — продаж " + std::to_string(r.Trades.size()) + " одного дня по одному курсу";
    if (!expensesCounted)
        what += "; расход этого кода листом З не учитывается";
    const Money expenses = expensesCounted ? r.DeductionAmount : Money();
    out.Row({r.IncomeDate.ToText(), what, "", InCurrency(r.IncomeInCurrency, r), RateText(r.IncomeRate, r.IncomeUnits),
             Figure(r.IncomeInRoubles), Figure(expenses), Figure(r.IncomeInRoubles - expenses)});
}

}  // namespace

void WriteTradeRegister(HtmlText& appendix, const mTDeclaration& doc, const kTSvodSum& sum) {
    const std::vector<TradeRegisterGroup> groups = ForeignTradeRegister(doc);
    if (groups[0].sales.empty() && groups[1].sales.empty())
        return;
    appendix.Heading(2, "Приложение. Реестр сделок с ценными бумагами и ПФИ за пределами РФ", "trades");
    appendix.Paragraph(
        "Доход от продажи — по курсу Банка России на дату получения дохода, расходы — стоимость лотов, "
        "списанных по ФИФО (ст. 214.1 п. 13 НК РФ), по курсу на дату их оплаты и комиссии по курсу на дату "
        "сделки (ст. 210 п. 5 НК РФ). Под каждой продажей — ее лоты и комиссии, затем строка дохода "
        "декларации: ее суммы и входят в лист З.",
        "note");
    const kTSvodSumPrilJ& j = sum.PrilJ();
    const Money sheetIncome[] = {j.ДохОперЦБОрг.ДохСовОпер, j.ДохПФИОргЦБ.ДохСовОпер};
    const Money sheetExpenses[] = {j.ДохОперЦБОрг.РасхРеалЦБ, j.ДохПФИОргЦБ.РасхРеалПФИ};
    for (size_t n = 0; n < groups.size(); ++n) {
        const TradeRegisterGroup& g = groups[n];
        if (g.sales.empty())
            continue;
        appendix.Heading(3, g.title);
        appendix.TableStart({"Дата", "Операция", "Количество", "Сумма в валюте", "Курс ЦБ РФ", "Доход, руб.",
                             "Расход, руб.", "Результат, руб."});
        for (const mTCurrencyIncome* r : g.sales)
            RecordRows(appendix, *r, TradeRegisterCountsExpenses(g, *r));
        appendix.Row({"Итого", "доходов декларации: " + std::to_string(g.sales.size()), "", "", "", Figure(g.income),
                      Figure(g.expenses), Figure(g.income - g.expenses)});
        appendix.TableEnd();
        appendix.Paragraph("Реестр: доходы " + Figure(g.income) + " руб., расходы " + Figure(g.expenses) +
                               " руб.; по листу З (вместе с доходами в РФ): доходы " + Figure(sheetIncome[n]) +
                               " руб., расходы " + Figure(sheetExpenses[n]) + " руб.",
                           "note");
    }
}

}  // namespace report
}  // namespace zizaza
