#pragma once

#include "storage/Money.h"

#include <string>
#include <vector>

namespace zizaza {

struct DohodCur;
class kTSvodSumPrilB;

// The foreign incomes of one sheet gathered by source, country and currency, so that a long list
// reads as a few lines; the group's lines stay at hand for the appendix.
struct ForeignIncomeGroup {
    std::string sourceName;
    std::string countryCode;
    std::string currencyCode;
    std::string currencyName;
    std::vector<const DohodCur*> lines;  // in the sheet's order
    Money incomeInRoubles;
    Money taxInRoubles;        // paid abroad
    Money russianTaxComputed;  // the Russian tax on these incomes
    Money credit;              // what may be credited
};

// Groups in the order of their first line; lines of the same source name, country code and
// currency code share a group.
std::vector<ForeignIncomeGroup> GroupForeignIncomes(const kTSvodSumPrilB& sheet);

}  // namespace zizaza
