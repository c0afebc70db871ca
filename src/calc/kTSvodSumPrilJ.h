#pragma once

#include "storage/Money.h"

#include <cstdint>

namespace zizaza {

class mTCBDeduct;
class mTDeclaration;

// Values of the groups of operations with securities and derivatives, named after the XML
// attributes they feed. A dot of an attribute name is written as "_" (УбытУмНБ_4.10 is
// УбытУмНБ_4_10). The loss "used elsewhere" of a group names the group that uses it.

// Securities traded on an organised market (ДохОперЦБОрг).
struct kTSecuritiesTraded {
    Money ДохСовОпер;       // income
    Money РасхРеалЦБ;       // expenses (201 / 225)
    Money ПроцРасх;         // interest expenses (218 / 233)
    Money УбытРЕПОУмДох;    // REPO loss taken here
    Money УбытЗаймУмДох;    // lending loss taken here
    Money РасхУмДохРеалЦБ;  // all expenses
    Money НалБазаОпер;      // base
    Money УбытРезОпер;      // loss
    Money ИнвВычУмФР;       // investment deduction (ordinary account only)
    Money УбытПрПерУмНБ;    // losses of earlier years used
    Money УбытУмНБ_4_10;    // securities-base derivative loss used
    Money ДоходОбл;         // taxable
    Money УбытУч_2_3;       // own loss used by the second traded group
    Money УбытУч_4_6;       // own loss used by securities-base derivatives
    Money УбытУмНББуд;      // loss carried forward

    bool operator==(const kTSecuritiesTraded&) const = default;
};

// Securities not traded that met the traded requirements when acquired (ДохОперЦБОргНеОрг).
struct kTSecuritiesSecondTraded {
    Money ДохСовОпер;
    Money РасхРеалЦБ;
    Money УбытУмФР_1_13;  // loss of the traded group used
    Money ДоходОбл;

    bool operator==(const kTSecuritiesSecondTraded&) const = default;
};

// Securities not traded on an organised market (ДохОперЦБНеОрг).
struct kTSecuritiesNonTraded {
    Money ДохСовОпер;
    Money РасхРеалЦБ;  // expenses (202 / 226)
    Money ПроцРасх;    // interest expenses (219 / 234)
    Money УбытРЕПОУмДох;
    Money УбытЗаймУмДох;
    Money УбытВыхИТ;  // loss on leaving an investment partnership (ordinary account only)
    Money РасхУмДохРеалЦБ;
    Money ДоходОбл;

    bool operator==(const kTSecuritiesNonTraded&) const = default;
};

// Derivatives on an organised market whose underlying are securities (ДохПФИОргЦБ).
struct kTDerivativesSecuritiesBase {
    Money ДохСовОпер;
    Money РасхРеалПФИ;
    Money НалБазаОпер;
    Money УбытРезОпер;
    Money УбытПрПерУмНБ;  // losses of earlier years used
    Money УбытУмНБ_1_14;  // traded securities loss used
    Money УбытУмНБ_5_8;   // other-base derivative loss used
    Money ДоходОбл;
    Money УбытУмНБ_5_6;   // own loss used by other-base derivatives
    Money УбытУмНБ_1_10;  // own loss used by traded securities
    Money УбытУмНББуд;

    bool operator==(const kTDerivativesSecuritiesBase&) const = default;
};

// Derivatives on an organised market with another underlying (ДохПФИОргНеЦБ).
struct kTDerivativesOtherBase {
    Money ДохСовОпер;
    Money РасхРеалПФИ;
    Money НалБазаОпер;
    Money УбытРезОпер;
    Money УбытПрПерУмНБ;
    Money УбытУмНБ_4_9;  // securities-base derivative loss used
    Money ДоходОбл;
    Money УбытУмНБ_4_7;  // own loss used by securities-base derivatives
    Money УбытУмНББуд;

    bool operator==(const kTDerivativesOtherBase&) const = default;
};

// Derivatives off exchange (ДохПФИНеОрг).
struct kTDerivativesOffExchange {
    Money ДохСовОпер;
    Money РасхРеалПФИ;
    Money ДоходОбл;

    bool operator==(const kTDerivativesOffExchange&) const = default;
};

// REPO operations (ДохРЕПО); the parts by traded and non-traded securities.
struct kTSecuritiesRepo {
    Money ДохЗаймРЕПО;      // income, both parts
    Money РасхЗаймРЕПО;     // expenses, both parts
    Money TradedIncome;     // income code 1537 / 1551
    Money NonTradedIncome;  // 9537 / 9551
    Money TradedExpenses;
    Money NonTradedExpenses;
    Money ДоходОбл;
    Money УбытРезОпер;
    Money УбытРЕПООбр;    // loss assigned to traded securities
    Money УбытРЕПОНеОбр;  // loss assigned to non-traded securities

    bool operator==(const kTSecuritiesRepo&) const = default;
};

// Lending of securities (ДохЗаймЦБ).
struct kTSecuritiesLending {
    Money ДохДогЗайм;
    Money РасхДогЗайм;
    Money TradedIncome;     // 1538 / 1552
    Money NonTradedIncome;  // 9538 / 9552
    Money TradedExpenses;
    Money NonTradedExpenses;
    Money ДоходОбл;
    Money УбытРезОпер;
    Money УбытЗаймЦБОбр;
    Money УбытЗаймЦБНеОбр;

    bool operator==(const kTSecuritiesLending&) const = default;
};

// A pair of a securities amount and a derivatives amount.
struct kTLossPair {
    Money СуммаЦБ;
    Money СуммаПФИ;

    bool operator==(const kTLossPair&) const = default;
};

// Losses of this year carried forward in total (УбытПрхПер).
struct kTLossesCarried {
    Money УбытОперЦБОбр;   // securities: traded loss carried forward + unused earlier losses
    Money УбытОперПФИОбр;  // derivatives: both exchange losses carried forward + unused earlier losses

    bool operator==(const kTLossesCarried&) const = default;
};

struct kTSecuritiesTotals {
    Money ОбщДохСовОпер;  // total income of the eight groups
    Money ОбщДоходОбл;    // total taxable
    Money ОбщРасхПрмВыч;  // income reduction: total income − total taxable

    bool operator==(const kTSecuritiesTotals&) const = default;
};

// Financial result of operations with securities and derivatives (exported as ДохОперЦБ), for
// ordinary accounts or for the individual investment account.
class kTSvodSumPrilJ {
public:
    enum class Account { Ordinary, Iis };

    explicit kTSvodSumPrilJ(Account account = Account::Ordinary) : m_account(account) {}

    kTSecuritiesTraded ДохОперЦБОрг;
    kTSecuritiesSecondTraded ДохОперЦБОргНеОрг;
    kTSecuritiesNonTraded ДохОперЦБНеОрг;
    kTDerivativesSecuritiesBase ДохПФИОргЦБ;
    kTDerivativesOtherBase ДохПФИОргНеЦБ;
    kTDerivativesOffExchange ДохПФИНеОрг;
    kTSecuritiesRepo ДохРЕПО;
    kTSecuritiesLending ДохЗаймЦБ;

    // Losses of earlier years (the account's loss record).
    kTLossPair ОстУбытНачВс;  // at the start: the sums of the ten years
    kTLossPair НалБазаПер;    // the base of the period they are used against
    kTLossPair СумУмНБПер;    // the parts used
    kTLossPair ОстУбытКонВс;  // the remainders
    kTLossesCarried УбытПрхПер;

    kTSecuritiesTotals ИтогСовОпер;

    Account GetAccount() const { return m_account; }
    // The part of the income that is not taxable (added to СумРасхУм of section 2).
    Money IncomeReduction() const { return ИтогСовОпер.ОбщРасхПрмВыч; }

    void Reset();
    // partnershipExitLoss: the partnership sheet's kind-6 loss (its ExitLoss); ignored for the
    // individual investment account. Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration, Money partnershipExitLoss = Money());

private:
    struct Codes;
    const Codes& codes() const;
    const mTCBDeduct& losses(const mTDeclaration& declaration) const;

    void addLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction);
    void computeRepoAndLending();
    void computeGroups(Money partnershipExitLoss);
    void useLosses(const mTDeclaration& declaration);
    void sumTotals();

    Account m_account;
};

}  // namespace zizaza
