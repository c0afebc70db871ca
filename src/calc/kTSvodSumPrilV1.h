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
    // The document's trade fee and patent payments; 0 without business income (bit 4 of
    // IncomeFlags): they are credited against business tax only.
    Money TradeFee;
    Money PatentPayments;

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
};

}  // namespace zizaza
