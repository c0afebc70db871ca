#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;

// Entrepreneurial and private-practice incomes (exported as ДоходПредпр).
class kTSvodSumPrilV1 {
public:
    Money BusinessIncome;      // ДоходИт
    Money BusinessExpenses;    // ВычПрофИт: itemized or norm expenses, never above the income
    Money ActualPrepayments;   // УплФактАвИт: the document's ActualPrepayments
    Money AccruedPrepayments;  // НачислАвИт: the document's AccruedPrepayments

    void Reset();
    // Always succeeds. Without business income (bit 4 of IncomeFlags) it sets the document's
    // TradeFee and PatentPayments to 0 and writes nothing else.
    bool Compute(mTDeclaration& declaration);
};

}  // namespace zizaza
