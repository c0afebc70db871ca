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
    bool foreign;
};

}  // namespace

void kTSvodSumPrilH1::Reset() {
    *this = kTSvodSumPrilH1();
}

namespace {

// Takes one line into its pair. `limit` is what remains of the fixed housing deduction.
void takeLine(kTSvodSumPrilH1& s, const SaleLine& l, Money& limit) {
    auto plain = [&](kTSaleDeductionPair& p) {
        p.ДохВсехИст += l.income;
        p.НалВычет += l.deduction;
    };
    auto capped = [&](kTSaleDeductionPair& p) {
        p.ДохВсехИст += l.income;
        p.НалВычет += Min(l.income, l.deduction);
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
    } else if (ic == 1510 && dc == 903) {
        plain(s.СумИмущДок);
    } else if (ic == 1511 && dc == 903) {
        l.foreign ? plain(s.СумИмущДок) : capped(s.СумИмущДок);
    } else if (ic == 1512 && dc == 902) {
        l.foreign ? capped(s.СумИнНедИмущ) : plain(s.СумИнНедИмущ);
    } else if (ic == 1512 && dc == 903) {
        l.foreign ? plain(s.СумИнНедИмущДок) : capped(s.СумИнНедИмущДок);
    } else if (ic == 1520 && dc == 906) {
        plain(s.СумИнИмущ);
        if (l.foreign)
            s.СумИнИмущ.НалВычет = Min(s.СумИнИмущ.НалВычет, s.СумИнИмущ.ДохВсехИст);
    } else if (ic == 1520 && dc == 903) {
        plain(s.СумИнИмущДок);
    } else if (ic == 4900 && dc == 908) {
        plain(s.СумИзтИмущ);
    } else if (ic == 4910 && dc == 910) {
        plain(s.СумЛиквИО);
    } else if (ic == 4920 && dc == 912) {
        plain(s.СумИмущКИК);
    }
}

}  // namespace

bool kTSvodSumPrilH1::Compute(const mTDeclaration& doc) {
    Reset();
    const bool foreign = doc.HasIncome(kIncomeForeign);
    if (doc.DeclarationForm != kForm3Ndfl || (doc.ResidentIncome13Count() == 0 && !foreign))
        return true;

    Money limit = kHousingSaleLimit;
    for (const mTThirteenPercent& source : doc.ResidentIncomes13())
        for (const mTSourseIncome& line : source.Lines())
            takeLine(*this, {line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount, false},
                     limit);
    if (foreign)
        for (const mTCurrencyIncome& r : doc.CurrencyIncomes())
            takeLine(*this, {r.IncomeCode, r.DeductionCode, r.IncomeInRoubles, r.DeductionAmount, true}, limit);

    kTSaleDeductionPair* pairs[] = {&СумИмущ,   &СумДолИмущ,   &СумИмущДок, &СумИнНедИмущ, &СумИнНедИмущДок,
                                    &СумИнИмущ, &СумИнИмущДок, &СумИзтИмущ, &СумЛиквИО,    &СумИмущКИК};
    for (kTSaleDeductionPair* p : pairs)
        p->НалВычет = Min(p->НалВычет, p->ДохВсехИст);
    СумИнНедИмущ.НалВычет = Min(СумИнНедИмущ.НалВычет, kOtherPropertySaleLimit);
    СумИнИмущ.НалВычет = Min(СумИнИмущ.НалВычет, kOtherPropertySaleLimit);
    for (const kTSaleDeductionPair* p : pairs)
        ВычетОбщ += p->НалВычет;
    return true;
}

}  // namespace zizaza
