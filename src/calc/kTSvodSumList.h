#pragma once

#include "storage/Money.h"

#include <string>

namespace zizaza {

// One block of section 2: the tax base and the tax of one rate and kind of income. The values
// carry the names of the XML attributes they are exported under.
class kTSvodSumList {
public:
    std::string Ставка;  // the rate as exported: "13", "30", "35", "09", "15"

    Money ДоходОбщ;          // total income
    Money ДоходОбщНеНал;     // part of it not subject to tax
    Money СумНалВыч;         // tax deductions
    Money ДоходОбщНал;       // taxable income
    Money СумРасхУм;         // expenses and losses reducing the income
    Money СумДохДивКИК;      // CFC profit added to the base
    Money НалБаза;           // tax base
    Money Исчисл;            // tax computed, whole roubles
    Money УдержОбщ;          // tax withheld by sources
    Money УдержОбщМВ;        // tax withheld on income code 2620
    Money УплАвФакт;         // advance payments actually paid
    Money ОбщАвУплЗач227_1;  // ОбщАвУплЗач227.1: fixed advance payments of a foreigner on a patent
    Money УплИнПодлЗач;      // foreign tax credited
    Money ИсчислУпл;         // tax computed for payment
    Money ПодлВозв;          // tax to be refunded
    Money УплПатентЗач;      // patent payments credited
    Money ТСУплПерЗач;       // trade fee credited
    Money ПодлУпл;           // tax to be paid

    // Every value 0, the rate text empty.
    void Reset();
    // Base (never below 0) and tax at the given rate (percent), once incomes and deductions are set.
    void ComputeTax(int ratePercent);
    // The closing steps common to every block, once the incomes, deductions and credits are set:
    // base, tax, tax to pay and tax to refund.
    void ApplyBaseSteps(int ratePercent);
    // ПодлУпл − ПодлВозв.
    Money Net() const { return ПодлУпл - ПодлВозв; }
    // Credits against the tax computed: withheld, advance, fixed, foreign and trade fee.
    Money Credits() const;

protected:
    kTSvodSumList() = default;
};

// The seven blocks of section 2.
class kTSvodSumList1 : public kTSvodSumList {};    // 13%, other than dividends and CFC profit
class kTSvodSumListKIK : public kTSvodSumList {};  // 13%, profit of controlled foreign companies
class kTSvodSumListDiv : public kTSvodSumList {};  // 13%, dividends
class kTSvodSumList2 : public kTSvodSumList {};    // 30%, non-resident
class kTSvodSumList3 : public kTSvodSumList {};    // 35%
class kTSvodSumList4 : public kTSvodSumList {};    // 9%
class kTSvodSumList5 : public kTSvodSumList {};    // 15%, dividends of a non-resident

// The tax on a base at a whole rate, rounded half up to whole roubles.
Money TaxAtRate(Money base, int ratePercent);

}  // namespace zizaza
