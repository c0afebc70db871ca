#pragma once

#include "calc/mbPrilA.h"
#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTDeclaration;

// Incomes of a non-resident at 30%: the sources of ResidentIncomes13 and the investment
// partnerships. A resident's sheet stays 0. Writes the income kind code of every source it takes.
class kTSvodSumPrilA30 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    Money TaxComputed;
    Money TaxableAmount;
    std::vector<mbPrilA> CadastralItems;

    size_t CadastralItemCount() const { return CadastralItems.size(); }

    void Reset();
    // Always succeeds. Writes only IncomeKindCode of the sources it takes.
    bool Compute(mTDeclaration& declaration);
};

}  // namespace zizaza
