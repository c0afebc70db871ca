#include "calc/kTSvodSumPrilB.h"

#include "calc/SheetMath.h"
#include "model/IncomeCodes.h"
#include "model/mTDeclaration.h"
#include "storage/NumberText.h"

namespace zizaza {
namespace {

// Roubles per one unit of the currency, four decimals; empty when the units are unknown.
std::string ratePerUnit(Money rate, int32_t units) {
    if (units == 0)
        return std::string();
    return RealToDotText(rate.ToDouble() / units);
}

}  // namespace

void kTSvodSumPrilB::Reset() {
    *this = kTSvodSumPrilB(m_rate);
}

bool kTSvodSumPrilB::TakesRateCode(int32_t rateCode) const {
    // The dictionary marks dividends with the rate + 1 and CFC profit with the rate + 86.
    return rateCode == m_rate || rateCode == m_rate + 1 || rateCode == m_rate + 86;
}

DohodCur kTSvodSumPrilB::lineOf(const mTCurrencyIncome& record) const {
    DohodCur line;
    line.CountryCode = record.CountryCode;
    line.CurrencyName = record.CurrencyName;
    line.CurrencyCode = record.CurrencyCode;
    line.SourceName = record.SourceName;
    line.IncomeDate = record.IncomeDate;
    line.IncomeRateText = ratePerUnit(record.IncomeRate, record.IncomeUnits);
    line.IncomeInCurrency = MoneyToText2(record.IncomeInCurrency);
    line.IncomeInRoubles = record.IncomeInRoubles;
    line.IncomeCode = record.IncomeCode;
    line.DeductionAmount = record.DeductionAmount;
    line.DeductionCode = record.DeductionCode;
    line.TaxPaymentDate = record.TaxPaymentDate;
    line.TaxRateText = ratePerUnit(record.TaxRate, record.TaxUnits);
    line.TaxInCurrency = MoneyToText2(record.TaxInCurrency);
    line.TaxInRoubles = record.TaxInRoubles;
    line.IncomeKind = record.IncomeCode == kIncomeCodeCfcProfit ? "1" : "2";
    line.CfcNumber = record.CfcNumber;
    line.CfcProfitRule = static_cast<uint8_t>(static_cast<uint16_t>(record.CfcProfitRule) & 0xFF);

    Money base = AtLeastZero(record.IncomeInRoubles - record.DeductionAmount);
    line.RussianTaxComputed = PercentInKopecks(base, m_rate);
    // Liquidation property and CFC dividends are shown with their income but bear no tax here.
    if (record.IncomeCode == kIncomeCodeCfcLiquidation || record.IncomeCode == kIncomeCodeCfcDividends) {
        line.RussianTaxComputed = Money();
        if (record.IncomeCode == kIncomeCodeCfcLiquidation)
            line.LiquidationIncome = record.IncomeInRoubles;
        else
            line.CfcDividendIncome = record.IncomeInRoubles;
    }
    line.Credit = Min(line.RussianTaxComputed, line.TaxInRoubles);
    return line;
}

bool kTSvodSumPrilB::Compute(const mTDeclaration& declaration) {
    Reset();
    if (!declaration.HasIncome(kIncomeForeign))
        return true;
    for (const mTCurrencyIncome& record : declaration.CurrencyIncomes()) {
        if (!TakesRateCode(record.RateCode) || record.IncomeCode == kIncomeCodeMaterialBenefit)
            continue;
        Lines.push_back(lineOf(record));
        const DohodCur& line = Lines.back();
        LiquidationIncome += line.LiquidationIncome;
        CfcDividendIncome += line.CfcDividendIncome;
        ForeignTax += line.TaxInRoubles;
        if (line.IncomeCode == kIncomeCodeCfcProfit) {
            CfcIncome += line.IncomeInRoubles;
            CfcCredit += line.Credit;
        } else if (line.IncomeCode == kIncomeCodeDividends || line.IncomeCode == kIncomeCodeCfcDividends) {
            DividendIncome += line.IncomeInRoubles;
            DividendCredit += line.Credit;
            if (line.IncomeCode == kIncomeCodeDividends)
                DividendTaxComputed += line.RussianTaxComputed;
        } else {
            OtherIncome += line.IncomeInRoubles;
            OtherCredit += line.Credit;
        }
    }
    return true;
}

}  // namespace zizaza
