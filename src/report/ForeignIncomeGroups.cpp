#include "report/ForeignIncomeGroups.h"

#include "calc/kTSvodSumPrilB.h"

#include <map>
#include <tuple>

namespace zizaza {

std::vector<ForeignIncomeGroup> GroupForeignIncomes(const kTSvodSumPrilB& sheet) {
    std::vector<ForeignIncomeGroup> groups;
    std::map<std::tuple<std::string, std::string, std::string>, size_t> index;
    for (const DohodCur& line : sheet.Lines) {
        auto [it, added] = index.try_emplace({line.SourceName, line.CountryCode, line.CurrencyCode}, groups.size());
        if (added)
            groups.push_back(
                {line.SourceName, line.CountryCode, line.CurrencyCode, line.CurrencyName, {}, {}, {}, {}, {}});
        ForeignIncomeGroup& g = groups[it->second];
        g.lines.push_back(&line);
        g.incomeInRoubles += line.IncomeInRoubles;
        g.taxInRoubles += line.TaxInRoubles;
        g.russianTaxComputed += line.RussianTaxComputed;
        g.credit += line.Credit;
    }
    return groups;
}

}  // namespace zizaza
