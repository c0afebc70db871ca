#include "report/TradeRegister.h"

#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilJ.h"
#include "model/mTDeclaration.h"
#include "report/HtmlText.h"

namespace zizaza {

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
            // Traded securities count only the expenses of code 201 as such.
            if (g.incomeCode != 1530 || r.DeductionCode == 201)
                g.expenses += r.DeductionAmount;
        }
    }
    return groups;
}

namespace report {
namespace {

std::string RateText(const mTCurrencyIncome& r) {
    return r.IncomeUnits <= 1 ? r.IncomeRate.ToText(',')
                              : r.IncomeRate.ToText(',') + " за " + std::to_string(r.IncomeUnits);
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
        "сделки (ст. 210 п. 5 НК РФ). Лоты каждой продажи с датами, количеством и курсами — в реестре, "
        "который показывает загрузка из отчета брокера (zizaza-cli import-foreign ... --register ФАЙЛ).",
        "note");
    const kTSvodSumPrilJ& j = sum.PrilJ();
    const Money sheetIncome[] = {j.ДохОперЦБОрг.ДохСовОпер, j.ДохПФИОргЦБ.ДохСовОпер};
    const Money sheetExpenses[] = {j.ДохОперЦБОрг.РасхРеалЦБ, j.ДохПФИОргЦБ.РасхРеалПФИ};
    for (size_t n = 0; n < groups.size(); ++n) {
        const TradeRegisterGroup& g = groups[n];
        if (g.sales.empty())
            continue;
        appendix.Heading(3, g.title);
        appendix.TableStart({"Дата дохода", "Ценная бумага", "Доход в валюте", "Курс", "Доход, руб.", "Код расхода",
                             "Расходы, руб.", "Результат, руб."});
        for (const mTCurrencyIncome* r : g.sales)
            appendix.Row(
                {r->IncomeDate.ToText(), r->SourceName, r->IncomeInCurrency.ToText(',') + " " + r->CurrencyName,
                 RateText(*r), HtmlText::Figure(r->IncomeInRoubles), std::to_string(r->DeductionCode),
                 HtmlText::Figure(r->DeductionAmount), HtmlText::Figure(r->IncomeInRoubles - r->DeductionAmount)});
        appendix.Row({"Итого", std::to_string(g.sales.size()) + " продаж", "", "", HtmlText::Figure(g.income), "",
                      HtmlText::Figure(g.expenses), HtmlText::Figure(g.income - g.expenses)});
        appendix.TableEnd();
        appendix.Paragraph("Реестр: доходы " + HtmlText::Figure(g.income) + " руб., расходы " +
                               HtmlText::Figure(g.expenses) + " руб.; по листу З (вместе с доходами в РФ): доходы " +
                               HtmlText::Figure(sheetIncome[n]) + " руб., расходы " +
                               HtmlText::Figure(sheetExpenses[n]) + " руб.",
                           "note");
    }
}

}  // namespace report
}  // namespace zizaza
