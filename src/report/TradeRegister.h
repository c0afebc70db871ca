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

namespace report {
// "Реестр сделок": each sale's date, security, proceeds in the currency, rate and roubles, its
// expenses and result, the totals of each group beside the sheet's figures. The lots of each sale
// are in the import report, which the program keeps apart (the declaration file holds the records).
void WriteTradeRegister(HtmlText& appendix, const mTDeclaration& doc, const kTSvodSum& sum);
}  // namespace report

}  // namespace zizaza
