#pragma once

#include "model/TaxFacts.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zizaza {

class mTCurrencyIncome;
class mTDeclaration;

// One income received abroad, converted for the declaration (exported as РасчДохНалИно).
struct DohodCur {
    std::string CountryCode;  // ОКСМ
    std::string CurrencyName;
    std::string CurrencyCode;      // КодВалют
    std::string SourceName;        // НаимИстДох
    Date IncomeDate;               // ДатаДох
    std::string IncomeRateText;    // КурсВалютДох: roubles per unit, four decimals; empty for 0 units
    std::string IncomeInCurrency;  // ДоходИноВал: two decimals, the rest cut off
    Money IncomeInRoubles;         // ДоходИноРуб
    int32_t IncomeCode = 0;
    Money DeductionAmount;
    int32_t DeductionCode = 0;
    Date TaxPaymentDate;        // ДатаУплНал
    std::string TaxRateText;    // КурсВалютНал
    std::string TaxInCurrency;  // НалУплИноВал
    Money TaxInRoubles;         // НалУплИноРуб
    Money RussianTaxComputed;   // НалЗачРФОбщ: the Russian tax on the income, in kopecks
    Money Credit;               // НалогЗачРФОбщ: the foreign tax that may be credited
    std::string IncomeKind;     // КодВидДох: "1" for CFC profit (code 1000), "2" otherwise
    std::string CfcNumber;      // НомерКИК
    uint8_t CfcProfitRule = 0;  // ПорядПрибКИК: low byte of the record's rule
    Money LiquidationIncome;    // ДохСтИмЛиквИн: income of code 1001 only
    Money CfcDividendIncome;    // ДохДивКИК: income of code 1012 only
};

// Foreign incomes at one Russian rate: 13, 9 or 35. Takes the records of CurrencyIncomes whose
// rate code is the rate, the rate + 1 or the rate + 86 (13: 13, 14, 99; 9: 9, 10, 95; 35: 35, 36,
// 121), except income code 2620.
class kTSvodSumPrilB {
public:
    explicit kTSvodSumPrilB(int rate = kRatePercent13) : m_rate(rate) {}

    std::vector<DohodCur> Lines;

    Money OtherIncome;          // income of codes other than 1000, 1010, 1012
    Money CfcIncome;            // code 1000
    Money DividendIncome;       // codes 1010 and 1012
    Money ForeignTax;           // tax paid abroad, all lines
    Money DividendTaxComputed;  // Russian tax of code 1010
    Money OtherCredit;          // credit of codes other than 1000, 1010, 1012
    Money CfcCredit;            // code 1000
    Money DividendCredit;       // codes 1010 and 1012
    Money LiquidationIncome;    // code 1001
    Money CfcDividendIncome;    // code 1012

    int Rate() const { return m_rate; }
    size_t LineCount() const { return Lines.size(); }

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);

    // Whether a record's rate code belongs to this sheet.
    bool TakesRateCode(int32_t rateCode) const;

private:
    DohodCur lineOf(const mTCurrencyIncome& record) const;

    int m_rate;
};

}  // namespace zizaza
