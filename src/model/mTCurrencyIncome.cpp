#include "model/mTCurrencyIncome.h"

#include "model/RecordIo.h"

namespace zizaza {

Money mTCurrencyIncome::ToRoubles(Money amount, int32_t units, Money rate) {
    if (units == 0)
        return Money();
    // Exact: amount and rate are ten-thousandths, so amount * rate / units is in units of 1e-8
    // roubles; dividing by 1e6 (a scale squared over the 100 kopecks of a rouble) gives kopecks.
    // Halves go up for positive results and negative results are cut toward zero, as RoundTo2 does.
    __int128 num = static_cast<__int128>(amount.raw()) * rate.raw();
    __int128 den = static_cast<__int128>(units) * (Money::kScale * Money::kScale / 100);
    bool negative = (num < 0) != (den < 0);
    if (num < 0)
        num = -num;
    if (den < 0)
        den = -den;
    __int128 q = num / den;
    __int128 r = num % den;
    if (!negative && 2 * r >= den)
        ++q;
    if (q > INT64_MAX / 100)
        throw MoneyOverflow();
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

Money mTTradeSale::CostRoubles() const {
    Money cost = CommissionRoubles + Premium;
    for (const mTTradeLot& lot : Lots)
        cost += lot.Roubles + lot.CommissionRoubles + lot.Premium;
    return cost;
}

bool mTCurrencyIncome::TradesAgree() const {
    if (Trades.empty())
        return false;
    Money proceeds, cost;
    for (const mTTradeSale& s : Trades) {
        if (s.Rate != IncomeRate || s.Units != IncomeUnits)
            return false;
        proceeds += s.Proceeds;
        cost += s.CostRoubles();
    }
    return proceeds == IncomeInCurrency && cost == DeductionAmount &&
           ToRoubles(IncomeInCurrency, IncomeUnits, IncomeRate) == IncomeInRoubles;
}

namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@CurrencyIncome", position));
    io.Integer(r.RateCode);
    io.Integer(r.IncomeCode);
    io.Text(r.IncomeName);
    io.Text(r.SourceName);
    io.Text(r.CountryCode);
    io.DateTime(r.IncomeDate);
    io.DateTime(r.TaxPaymentDate);
    io.Flag(r.AutomaticRate);
    io.Text(r.CurrencyCode);
    io.Currency(r.IncomeRate);
    io.Integer(r.IncomeUnits);
    io.Currency(r.TaxRate);
    io.Integer(r.TaxUnits);
    io.Text(r.CurrencyName);
    io.Currency(r.IncomeInCurrency);
    io.Currency(r.IncomeInRoubles);
    io.Currency(r.TaxInCurrency);
    io.Currency(r.TaxInRoubles);
    io.Integer(r.DeductionCode);
    io.Currency(r.DeductionAmount);
    io.Integer(r.DeductionPercent);
    recordio::Coded(io, r.CfcProfitRule);
    io.Text(r.CfcNumber);
}

}  // namespace

void mTCurrencyIncome::SaveToStorage(mTDocumentStorage& storage, uint16_t position) const {
    recordio::WithCaller(377, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTCurrencyIncome::LoadFromStorage(mTDocumentStorage& storage, uint16_t position) {
    recordio::WithCaller(378, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTCurrencyIncome::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
