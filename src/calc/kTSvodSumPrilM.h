#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;
class kTSvodSumPrilA35;

// Income of one exempt kind from all sources and the part of it that is exempt.
struct kTExemptIncome {
    Money ДоходВсИст;  // income from all sources
    Money ДоходНеНал;  // the exempt part

    bool operator==(const kTExemptIncome&) const = default;
};

// Incomes exempt up to fixed limits (exported as ДоходОсвПрев).
class kTSvodSumPrilM {
public:
    kTExemptIncome МатПомРожд;  // 2762 / 508, the deduction amount, no limit
    kTExemptIncome МатПомРаб;   // 2760 / 503, 4000
    kTExemptIncome ДопСВПенс;   // 1211 / 510, 12000
    kTExemptIncome МатПомИнв;   // 2761 / 506, 4000
    kTExemptIncome ПодарНП;     // 2720 / 501, 4000
    kTExemptIncome ПризНП;      // 2730 / 502, 4000
    kTExemptIncome ВозмМед;     // 2770 / 504, 4000
    kTExemptIncome ПомПодар;    // 2790 / 507, 10000
    kTExemptIncome НатОплСХ;    // always 0
    // Prizes of code 2740: ДоходВсИст the prize income, ДоходНеНал the non-taxable prizes total
    // (at most 4000). Not part of ДохНеНалОбщ.
    kTExemptIncome ПризРекл;
    // The exempt total of the nine kinds above ПризРекл: the non-taxable incomes total.
    Money ДохНеНалОбщ;

    Money NonTaxableIncomesTotal() const { return ДохНеНалОбщ; }
    Money NonTaxablePrizesTotal() const { return ПризРекл.ДоходНеНал; }

    void Reset();
    // Always succeeds; reads the document only. For a resident, given the 35% income sheet, it
    // replaces the taxable amount and tax that sheet set for the prize sources (code 2740 with a
    // deduction code) by those after the prizes' exemption.
    bool Compute(const mTDeclaration& declaration, kTSvodSumPrilA35* incomes35 = nullptr);

private:
    void addExemptLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction);
    void limitExemptTotals();
    void computeResidentPrizes(const mTDeclaration& declaration, kTSvodSumPrilA35* incomes35);
    void computeNonResidentPrizes(const mTDeclaration& declaration);
};

}  // namespace zizaza
