#pragma once

#include "storage/Money.h"

#include <cstddef>
#include <vector>

namespace zizaza {

class HtmlText;
class kTSvodSum;
class mTCurrencyIncome;
class mTDeclaration;

// The sales abroad that the securities sheet of the ordinary account counts: the foreign income
// records of codes 1530 (traded securities) and 1532 (derivatives on an exchange) with a deduction
// code, in list order, with their totals.
struct TradeRegisterGroup {
    const char* title = "";
    int incomeCode = 0;
    std::vector<const mTCurrencyIncome*> sales;
    Money income;
    Money expenses;
};
std::vector<TradeRegisterGroup> ForeignTradeRegister(const mTDeclaration& doc);
// Whether the group's total takes the record's deduction as an expense.
bool TradeRegisterCountsExpenses(const TradeRegisterGroup& g, const mTCurrencyIncome& r);

namespace report {
// "Реестр сделок": per record of a group the sales the broker import stored with it (date,
// quantity, proceeds in the currency, rate, roubles; each matched lot with its date, quantity, rate
// and roubles; the commissions; the result), then the record's own line as the securities sheet
// takes it, and the totals of each group beside the sheet's figures.
void WriteTradeRegister(HtmlText& appendix, const mTDeclaration& doc, const kTSvodSum& sum);
}  // namespace report

}  // namespace zizaza
