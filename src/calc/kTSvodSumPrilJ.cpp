#include "calc/kTSvodSumPrilJ.h"

#include "calc/SheetMath.h"
#include "model/mTDeclaration.h"

namespace zizaza {

// Income and deduction codes of one account kind.
struct kTSvodSumPrilJ::Codes {
    int32_t traded, secondTraded, nonTraded, derivativesSecurities, derivativesOther, derivativesOffExchange;
    int32_t repoTraded, repoNonTraded, lendingTraded, lendingNonTraded;
    int32_t tradedExpenses, tradedInterest, nonTradedExpenses, nonTradedInterest;
};

const kTSvodSumPrilJ::Codes& kTSvodSumPrilJ::codes() const {
    static const Codes ordinary{1530, 1536, 1531, 1532, 1535, 1533, 1537, 9537, 1538, 9538, 201, 218, 202, 219};
    static const Codes iis{1544, 1549, 1545, 1546, 1548, 1547, 1551, 9551, 1552, 9552, 225, 233, 226, 234};
    return m_account == Account::Ordinary ? ordinary : iis;
}

const mTCBDeduct& kTSvodSumPrilJ::losses(const mTDeclaration& declaration) const {
    return m_account == Account::Ordinary ? declaration.SecuritiesDeductions : declaration.IisDeductions;
}

void kTSvodSumPrilJ::Reset() {
    *this = kTSvodSumPrilJ(m_account);
}

void kTSvodSumPrilJ::addLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction) {
    const Codes& c = codes();
    if (incomeCode == c.traded) {
        ДохОперЦБОрг.ДохСовОпер += income;
        if (deductionCode == c.tradedExpenses)
            ДохОперЦБОрг.РасхРеалЦБ += deduction;
        else if (deductionCode == c.tradedInterest)
            ДохОперЦБОрг.ПроцРасх += deduction;
    } else if (incomeCode == c.nonTraded) {
        ДохОперЦБНеОрг.ДохСовОпер += income;
        if (deductionCode == c.nonTradedExpenses)
            ДохОперЦБНеОрг.РасхРеалЦБ += deduction;
        else if (deductionCode == c.nonTradedInterest)
            ДохОперЦБНеОрг.ПроцРасх += deduction;
    } else if (incomeCode == c.secondTraded) {
        ДохОперЦБОргНеОрг.ДохСовОпер += income;
        ДохОперЦБОргНеОрг.РасхРеалЦБ += deduction;
    } else if (incomeCode == c.derivativesSecurities) {
        ДохПФИОргЦБ.ДохСовОпер += income;
        ДохПФИОргЦБ.РасхРеалПФИ += deduction;
    } else if (incomeCode == c.derivativesOther) {
        ДохПФИОргНеЦБ.ДохСовОпер += income;
        ДохПФИОргНеЦБ.РасхРеалПФИ += deduction;
    } else if (incomeCode == c.derivativesOffExchange) {
        ДохПФИНеОрг.ДохСовОпер += income;
        ДохПФИНеОрг.РасхРеалПФИ += deduction;
    } else if (incomeCode == c.repoTraded) {
        ДохРЕПО.TradedIncome += income;
        ДохРЕПО.TradedExpenses += deduction;
    } else if (incomeCode == c.repoNonTraded) {
        ДохРЕПО.NonTradedIncome += income;
        ДохРЕПО.NonTradedExpenses += deduction;
    } else if (incomeCode == c.lendingTraded) {
        ДохЗаймЦБ.TradedIncome += income;
        ДохЗаймЦБ.TradedExpenses += deduction;
    } else if (incomeCode == c.lendingNonTraded) {
        ДохЗаймЦБ.NonTradedIncome += income;
        ДохЗаймЦБ.NonTradedExpenses += deduction;
    }
}

void kTSvodSumPrilJ::computeRepoAndLending() {
    kTSecuritiesRepo& repo = ДохРЕПО;
    repo.ДохЗаймРЕПО = repo.TradedIncome + repo.NonTradedIncome;
    repo.РасхЗаймРЕПО = repo.TradedExpenses + repo.NonTradedExpenses;
    repo.ДоходОбл = AtLeastZero(repo.ДохЗаймРЕПО - repo.РасхЗаймРЕПО);
    repo.УбытРезОпер = AtLeastZero(repo.РасхЗаймРЕПО - repo.ДохЗаймРЕПО);

    kTSecuritiesLending& lending = ДохЗаймЦБ;
    lending.ДохДогЗайм = lending.TradedIncome + lending.NonTradedIncome;
    lending.РасхДогЗайм = lending.TradedExpenses + lending.NonTradedExpenses;
    lending.ДоходОбл = AtLeastZero(lending.ДохДогЗайм - lending.РасхДогЗайм);
    lending.УбытРезОпер = AtLeastZero(lending.РасхДогЗайм - lending.ДохДогЗайм);

    // A loss of a part is taken by its securities group only when that group has income, and never
    // beyond the loss of the operations as a whole.
    Money repoNet = repo.РасхЗаймРЕПО - repo.ДохЗаймРЕПО;
    Money lendingNet = lending.РасхДогЗайм - lending.ДохДогЗайм;
    if (ДохОперЦБОрг.ДохСовОпер > Money()) {
        repo.УбытРЕПООбр = AtLeastZero(Min(repo.TradedExpenses - repo.TradedIncome, repoNet));
        lending.УбытЗаймЦБОбр = AtLeastZero(Min(lending.TradedExpenses - lending.TradedIncome, lendingNet));
    }
    if (ДохОперЦБНеОрг.ДохСовОпер > Money()) {
        repo.УбытРЕПОНеОбр = AtLeastZero(Min(repo.NonTradedExpenses - repo.NonTradedIncome, repoNet));
        lending.УбытЗаймЦБНеОбр = AtLeastZero(Min(lending.NonTradedExpenses - lending.NonTradedIncome, lendingNet));
    }
}

void kTSvodSumPrilJ::computeGroups(Money partnershipExitLoss) {
    kTSecuritiesTraded& t = ДохОперЦБОрг;
    t.УбытРЕПОУмДох = ДохРЕПО.УбытРЕПООбр;
    t.УбытЗаймУмДох = ДохЗаймЦБ.УбытЗаймЦБОбр;
    t.РасхУмДохРеалЦБ = t.РасхРеалЦБ + t.УбытРЕПОУмДох + t.УбытЗаймУмДох + t.ПроцРасх;
    t.НалБазаОпер = AtLeastZero(t.ДохСовОпер - t.РасхУмДохРеалЦБ);
    t.УбытРезОпер = AtLeastZero(t.РасхУмДохРеалЦБ - t.ДохСовОпер);

    kTSecuritiesNonTraded& n = ДохОперЦБНеОрг;
    n.УбытРЕПОУмДох = ДохРЕПО.УбытРЕПОНеОбр;
    n.УбытЗаймУмДох = ДохЗаймЦБ.УбытЗаймЦБНеОбр;
    n.УбытВыхИТ = m_account == Account::Ordinary ? partnershipExitLoss : Money();
    n.РасхУмДохРеалЦБ = n.РасхРеалЦБ + n.УбытРЕПОУмДох + n.УбытЗаймУмДох + n.ПроцРасх + n.УбытВыхИТ;
    n.ДоходОбл = AtLeastZero(n.ДохСовОпер - n.РасхУмДохРеалЦБ);

    kTDerivativesSecuritiesBase& d = ДохПФИОргЦБ;
    d.НалБазаОпер = AtLeastZero(d.ДохСовОпер - d.РасхРеалПФИ);
    d.УбытРезОпер = AtLeastZero(d.РасхРеалПФИ - d.ДохСовОпер);
    kTDerivativesOtherBase& o = ДохПФИОргНеЦБ;
    o.НалБазаОпер = AtLeastZero(o.ДохСовОпер - o.РасхРеалПФИ);
    o.УбытРезОпер = AtLeastZero(o.РасхРеалПФИ - o.ДохСовОпер);
    ДохПФИНеОрг.ДоходОбл = AtLeastZero(ДохПФИНеОрг.ДохСовОпер - ДохПФИНеОрг.РасхРеалПФИ);
}

void kTSvodSumPrilJ::useLosses(const mTDeclaration& declaration) {
    kTSecuritiesTraded& t = ДохОперЦБОрг;
    kTSecuritiesSecondTraded& s = ДохОперЦБОргНеОрг;
    kTDerivativesSecuritiesBase& d = ДохПФИОргЦБ;
    kTDerivativesOtherBase& o = ДохПФИОргНеЦБ;

    const mTCBDeduct& record = losses(declaration);
    ОстУбытНачВс.СуммаЦБ = record.LossTotalSecurities();
    ОстУбытНачВс.СуммаПФИ = record.LossTotalDerivatives();

    if (m_account == Account::Ordinary)
        t.ИнвВычУмФР = AtLeastZero(Min(declaration.InvestmentDeductionZ, t.НалБазаОпер));

    // Losses of earlier years are a deduction of art. 220.1, given only against a resident's 13%
    // base (art. 210 p. 4): a non-resident's stay whole for later.
    Money tradedOpen = t.НалБазаОпер - t.ИнвВычУмФР;
    if (declaration.DeclarationForm == kForm3Ndfl) {
        if (tradedOpen > Money())
            t.УбытПрПерУмНБ = AtLeastZero(Min(ОстУбытНачВс.СуммаЦБ, tradedOpen));
        if (o.НалБазаОпер > Money())
            o.УбытПрПерУмНБ = AtLeastZero(Min(ОстУбытНачВс.СуммаПФИ, o.НалБазаОпер));
        if (d.НалБазаОпер > Money())
            d.УбытПрПерУмНБ = AtLeastZero(Min(ОстУбытНачВс.СуммаПФИ - o.УбытПрПерУмНБ, d.НалБазаОпер));
    }

    // This year's losses of one group against the bases of the others. Of the two exchange
    // derivative groups only one can have a loss and the other a base.
    Money otherOpen = o.НалБазаОпер - o.УбытПрПерУмНБ;
    if (otherOpen > Money())
        d.УбытУмНБ_5_6 = Min(otherOpen, d.УбытРезОпер);
    o.УбытУмНБ_4_9 = d.УбытУмНБ_5_6;

    tradedOpen = t.НалБазаОпер - t.ИнвВычУмФР - t.УбытПрПерУмНБ;
    if (tradedOpen > Money())
        d.УбытУмНБ_1_10 = AtLeastZero(Min(tradedOpen, d.УбытРезОпер - d.УбытУмНБ_5_6));
    t.УбытУмНБ_4_10 = d.УбытУмНБ_1_10;
    d.УбытУмНББуд = AtLeastZero(d.УбытРезОпер - d.УбытУмНБ_5_6 - d.УбытУмНБ_1_10);

    Money derivativesOpen = d.НалБазаОпер - d.УбытПрПерУмНБ;
    if (derivativesOpen > Money())
        o.УбытУмНБ_4_7 = Min(derivativesOpen, o.УбытРезОпер);
    d.УбытУмНБ_5_8 = o.УбытУмНБ_4_7;
    o.УбытУмНББуд = AtLeastZero(o.УбытРезОпер - o.УбытУмНБ_4_7);

    if (s.РасхРеалЦБ < s.ДохСовОпер)
        t.УбытУч_2_3 = Min(s.ДохСовОпер - s.РасхРеалЦБ, t.УбытРезОпер);
    s.УбытУмФР_1_13 = t.УбытУч_2_3;

    t.УбытУч_4_6 = AtLeastZero(Min(d.НалБазаОпер - d.УбытПрПерУмНБ - d.УбытУмНБ_5_8, t.УбытРезОпер - t.УбытУч_2_3));
    d.УбытУмНБ_1_14 = t.УбытУч_4_6;
    t.УбытУмНББуд = AtLeastZero(t.УбытРезОпер - t.УбытУч_2_3 - t.УбытУч_4_6);

    // Taxable incomes.
    t.ДоходОбл = AtLeastZero(t.НалБазаОпер - t.ИнвВычУмФР - t.УбытУмНБ_4_10 - t.УбытПрПерУмНБ);
    s.ДоходОбл = AtLeastZero(s.ДохСовОпер - s.РасхРеалЦБ - s.УбытУмФР_1_13);
    d.ДоходОбл = AtLeastZero(d.НалБазаОпер - d.УбытПрПерУмНБ - d.УбытУмНБ_1_14 - d.УбытУмНБ_5_8);
    o.ДоходОбл = AtLeastZero(o.НалБазаОпер - o.УбытПрПерУмНБ - o.УбытУмНБ_4_9);

    // The earlier losses over the period and what is carried on.
    НалБазаПер.СуммаЦБ = t.НалБазаОпер;
    НалБазаПер.СуммаПФИ = d.НалБазаОпер + o.НалБазаОпер;
    СумУмНБПер.СуммаЦБ = t.УбытПрПерУмНБ;
    СумУмНБПер.СуммаПФИ = o.УбытПрПерУмНБ + d.УбытПрПерУмНБ;
    ОстУбытКонВс.СуммаЦБ = ОстУбытНачВс.СуммаЦБ - СумУмНБПер.СуммаЦБ;
    ОстУбытКонВс.СуммаПФИ = ОстУбытНачВс.СуммаПФИ - СумУмНБПер.СуммаПФИ;
    УбытПрхПер.УбытОперЦБОбр = t.УбытУмНББуд + ОстУбытКонВс.СуммаЦБ;
    УбытПрхПер.УбытОперПФИОбр = d.УбытУмНББуд + o.УбытУмНББуд + ОстУбытКонВс.СуммаПФИ;
}

void kTSvodSumPrilJ::sumTotals() {
    ИтогСовОпер.ОбщДохСовОпер = ДохОперЦБОрг.ДохСовОпер + ДохОперЦБОргНеОрг.ДохСовОпер + ДохОперЦБНеОрг.ДохСовОпер +
                                ДохПФИОргЦБ.ДохСовОпер + ДохПФИОргНеЦБ.ДохСовОпер + ДохПФИНеОрг.ДохСовОпер +
                                ДохРЕПО.ДохЗаймРЕПО + ДохЗаймЦБ.ДохДогЗайм;
    ИтогСовОпер.ОбщДоходОбл = ДохОперЦБОрг.ДоходОбл + ДохОперЦБОргНеОрг.ДоходОбл + ДохОперЦБНеОрг.ДоходОбл +
                              ДохПФИОргЦБ.ДоходОбл + ДохПФИОргНеЦБ.ДоходОбл + ДохПФИНеОрг.ДоходОбл + ДохРЕПО.ДоходОбл +
                              ДохЗаймЦБ.ДоходОбл;
    ИтогСовОпер.ОбщРасхПрмВыч = ИтогСовОпер.ОбщДохСовОпер - ИтогСовОпер.ОбщДоходОбл;
}

bool kTSvodSumPrilJ::Compute(const mTDeclaration& declaration, Money partnershipExitLoss) {
    Reset();
    // Lines without a deduction code are not securities operations of this sheet.
    for (const mTThirteenPercent& source : declaration.ResidentIncomes13())
        for (const mTSourseIncome& line : source.Lines())
            if (line.DeductionCode != 0)
                addLine(line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount);
    if (declaration.HasIncome(kIncomeForeign))
        for (const mTCurrencyIncome& record : declaration.CurrencyIncomes())
            if (record.DeductionCode != 0)
                addLine(record.IncomeCode, record.DeductionCode, record.IncomeInRoubles, record.DeductionAmount);
    computeRepoAndLending();
    computeGroups(partnershipExitLoss);
    useLosses(declaration);
    sumTotals();
    return true;
}

}  // namespace zizaza
