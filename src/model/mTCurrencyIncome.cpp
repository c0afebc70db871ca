#include "model/mTCurrencyIncome.h"

namespace zizaza {

Money mTCurrencyIncome::ToRoubles(Money amount, int32_t units, Money rate) {
    if (units == 0)
        return Money();
    // Exact: amount and rate are ten-thousandths, so amount * rate / units is in units of 1e-8
    // roubles; dividing by 1e6 gives kopecks. Halves go up for positive results and negative
    // results are cut toward zero, as RoundTo2 does.
    __int128 num = static_cast<__int128>(amount.raw()) * rate.raw();
    __int128 den = static_cast<__int128>(units) * 1000000;
    bool negative = (num < 0) != (den < 0);
    if (num < 0)
        num = -num;
    if (den < 0)
        den = -den;
    __int128 q = num / den;
    __int128 r = num % den;
    if (!negative && 2 * r >= den)
        ++q;
    auto kopecks = static_cast<int64_t>(negative ? -q : q);
    return Money::Kopecks(kopecks);
}

void mTCurrencyIncome::SetIncomeInCurrency(Money value) {
    IncomeInCurrency = value;
    IncomeInRoubles = ToRoubles(value, IncomeUnits, IncomeRate);
}

void mTCurrencyIncome::SetTaxInCurrency(Money value) {
    TaxInCurrency = value;
    TaxInRoubles = ToRoubles(value, TaxUnits, TaxRate);
}

}  // namespace zizaza
