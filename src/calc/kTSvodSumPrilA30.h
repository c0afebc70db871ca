#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "calc/mbPrilA.h"
#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTDeclaration;

// Incomes of a non-resident at 30%: the sources of ResidentIncomes13 and the investment
// partnerships. A resident's sheet stays 0. Derives the income kind code of every source it takes.
class kTSvodSumPrilA30 {
public:
    Money TotalIncome;
    Money TaxWithheld;
    Money TaxComputed;
    Money TaxableAmount;
    std::vector<mbPrilA> CadastralItems;
    kTIncomeKindCodes KindCodes;  // of the sources it takes

    size_t CadastralItemCount() const { return CadastralItems.size(); }

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
};

}  // namespace zizaza
