#include "calc/kTSvodSumPrilH1.h"

#include "calc/SheetMath.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

// One income line as the sheet sees it, Russian or foreign.
struct SaleLine {
    int32_t incomeCode;
    int32_t deductionCode;
    Money income;
    Money deduction;
};

// Takes one line into its pair. `limit` is what remains of the fixed housing deduction. The
// deduction of a sale is that of the object sold: its expenses, or its share of a fixed deduction,
// never reduce more than its own income (art. 220 p. 2 pp. 2), so a loss on one object never
// covers the gain on another.
void takeLine(kTSvodSumPrilH1& s, const SaleLine& l, Money& limit) {
    auto capped = [&](kTSaleDeductionPair& p) {
        p.ДохВсехИст += l.income;
        p.НалВычет += AtLeastZero(Min(l.income, l.deduction));
    };
    const int32_t ic = l.incomeCode, dc = l.deductionCode;
    // Housing and shares in housing share one fixed deduction a year (art. 220 p. 2 pp. 1): each
    // sale takes what it can of the rest, never more than its own income, and the rest shrinks by
    // exactly what was taken.
    auto housing = [&](kTSaleDeductionPair& p, Money claimed) {
        const Money taken = Min(AtLeastZero(Min(claimed, l.income)), limit);
        p.ДохВсехИст += l.income;
        p.НалВычет += taken;
        limit -= taken;
    };
    if (ic == 1510 && dc == 901) {
        housing(s.СумИмущ, l.income);
    } else if (ic == 1511 && dc == 904) {
        housing(s.СумДолИмущ, l.deduction);
    } else if ((ic == 1510 || ic == 1511) && dc == 903) {
        capped(s.СумИмущДок);
    } else if (ic == 1512 && dc == 902) {
        capped(s.СумИнНедИмущ);
    } else if (ic == 1512 && dc == 903) {
        capped(s.СумИнНедИмущДок);
    } else if (ic == 1520 && dc == 906) {
        capped(s.СумИнИмущ);
    } else if (ic == 1520 && dc == 903) {
        capped(s.СумИнИмущДок);
    } else if (ic == 4900 && dc == 908) {
        capped(s.СумИзтИмущ);
    } else if (ic == 4910 && dc == 910) {
        capped(s.СумЛиквИО);
    } else if (ic == 4920 && dc == 912) {
        capped(s.СумИмущКИК);
    }
}

}  // namespace

void kTSvodSumPrilH1::Reset() {
    *this = kTSvodSumPrilH1();
}

bool kTSvodSumPrilH1::Compute(const mTDeclaration& doc, Money otherPropertyLimit) {
    Reset();
    const bool foreign = doc.HasIncome(kIncomeForeign);
    if (doc.DeclarationForm != kForm3Ndfl || (doc.ResidentIncome13Count() == 0 && !foreign))
        return true;

    Money limit = kHousingSaleLimit;
    for (const mTThirteenPercent& source : doc.ResidentIncomes13())
        for (const mTSourseIncome& line : source.Lines())
            takeLine(*this, {line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount}, limit);
    if (foreign)
        for (const mTCurrencyIncome& r : doc.CurrencyIncomes())
            takeLine(*this, {r.IncomeCode, r.DeductionCode, r.IncomeInRoubles, r.DeductionAmount}, limit);

    kTSaleDeductionPair* pairs[] = {&СумИмущ,   &СумДолИмущ,   &СумИмущДок, &СумИнНедИмущ, &СумИнНедИмущДок,
                                    &СумИнИмущ, &СумИнИмущДок, &СумИзтИмущ, &СумЛиквИО,    &СумИмущКИК};
    for (kTSaleDeductionPair* p : pairs)
        p->НалВычет = Min(p->НалВычет, p->ДохВсехИст);
    СумИнНедИмущ.НалВычет = Min(СумИнНедИмущ.НалВычет, kOtherRealEstateSaleLimit);
    СумИнИмущ.НалВычет = Min(СумИнИмущ.НалВычет, AtLeastZero(otherPropertyLimit));
    for (const kTSaleDeductionPair* p : pairs)
        ВычетОбщ += p->НалВычет;
    return true;
}

}  // namespace zizaza
