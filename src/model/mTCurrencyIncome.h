#pragma once

#include "model/TaxFacts.h"
#include "model/mTTradeSale.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zizaza {

class mTDocumentStorage;

// "Порядок определения прибыли КИК". The file keeps the value as a word.
enum class CfcProfitRule : uint16_t {
    NotChosen = 0,
    ByStatements = 1,    // by the financial statements of the CFC
    ByRussianRules = 2,  // by the rules for Russian companies
};

// One income received abroad, in a foreign currency.
class mTCurrencyIncome {
public:
    bool operator==(const mTCurrencyIncome&) const = default;
    int32_t RateCode = 0;  // "Stav" attribute of the income code (13, 14, 99, ...)
    int32_t IncomeCode = 0;
    std::string IncomeName;
    std::string SourceName;   // "Наименование источника выплаты"
    std::string CountryCode;  // ОКСМ code of the source's country
    Date IncomeDate = Date::Ymd(kTaxYear, 1, 1);
    Date TaxPaymentDate = Date::Ymd(kTaxYear, 1, 1);
    std::string CurrencyCode;
    Money IncomeRate;  // roubles per IncomeUnits units on the income date
    int32_t IncomeUnits = 0;
    Money TaxRate;  // roubles per TaxUnits units on the tax payment date
    int32_t TaxUnits = 0;
    std::string CurrencyName;
    Money IncomeInCurrency;
    Money IncomeInRoubles;  // computed by SetIncomeInCurrency
    Money TaxInCurrency;
    Money TaxInRoubles;          // computed by SetTaxInCurrency
    bool AutomaticRate = false;  // "Автоматическое определение"
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    int32_t DeductionPercent = 0;
    zizaza::CfcProfitRule CfcProfitRule = CfcProfitRule::NotChosen;
    std::string CfcNumber;  // "Номер КИК"
    // The sales behind a record made by the broker import, lot by lot; empty for a record typed
    // in. Kept in the stream "@ForeignTrades" of the declaration, not in the record's own.
    std::vector<mTTradeSale> Trades;

    // Whether the sales still give the record's amounts: the proceeds in the currency, the rate,
    // the roubles and the deduction. A record changed by hand afterwards no longer agrees, and
    // its sales are then not shown as its computation.
    bool TradesAgree() const;

    // Store the amount in currency and recompute the amount in roubles with the current rate and
    // units (0 roubles when the units are 0).
    void SetIncomeInCurrency(Money value);
    void SetTaxInCurrency(Money value);

    // amount ÷ units × rate, rounded to kopecks (halves up); 0 when units is 0.
    static Money ToRoubles(Money amount, int32_t units, Money rate);

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position) const;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position);
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
