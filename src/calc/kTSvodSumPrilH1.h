#pragma once

#include "model/TaxFacts.h"
#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;

// An income from a sale and the deduction claimed against it.
struct kTSaleDeductionPair {
    Money ДохВсехИст;  // income
    Money НалВычет;    // deduction; exported as РасхДок for the pairs of expenses incurred
    Money РасхДок() const { return НалВычет; }
};

// Property sale deductions of a resident: ten pairs by income and deduction code, the fixed
// deduction of kHousingSaleLimit shared by housing and shares in housing, kOtherRealEstateSaleLimit
// for other real estate, and for other property what the company shares (905, 907) leave of
// kOtherPropertySaleLimit. Each line's deduction is limited to its own income.
class kTSvodSumPrilH1 {
public:
    kTSaleDeductionPair СумИмущ;          // 1510 with 901
    kTSaleDeductionPair СумДолИмущ;       // 1511 with 904
    kTSaleDeductionPair СумИмущДок;       // 1510, 1511 with 903
    kTSaleDeductionPair СумИнНедИмущ;     // 1512 with 902
    kTSaleDeductionPair СумИнНедИмущДок;  // 1512 with 903
    kTSaleDeductionPair СумИнИмущ;        // 1520 with 906
    kTSaleDeductionPair СумИнИмущДок;     // 1520 with 903
    kTSaleDeductionPair СумИзтИмущ;       // 4900 with 908
    kTSaleDeductionPair СумЛиквИО;        // 4910 with 910
    kTSaleDeductionPair СумИмущКИК;       // 4920 with 912
    Money ВычетОбщ;                       // total deduction

    void Reset();
    // Resets, then computes on a resident declaration with a 13% source or foreign incomes.
    // otherPropertyLimit: what the fixed deductions of company shares (905, 907) left of
    // kOtherPropertySaleLimit. Always succeeds.
    bool Compute(const mTDeclaration& doc, Money otherPropertyLimit = kOtherPropertySaleLimit);
};

}  // namespace zizaza
