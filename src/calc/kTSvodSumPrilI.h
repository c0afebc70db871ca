#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;

// One operation kind 1 to 5 of the investment partnerships.
struct kTPartnershipKind {
    Money ДохСовокуп;      // income
    Money РасхДолУпрТов;   // the partner's share of expenses
    Money РасхВознУпрТоп;  // expenses on the managing partners
    Money УбытПрУмен;      // losses of past years
    Money РазмерФинРез;    // financial result; kind 1 only (0 for the others)
    Money ИнвВычУмФР;      // investment deduction; kind 1 only
    Money ДоходОбл;        // taxable
    Money УбытПерБудущ;    // loss carried forward

    bool operator==(const kTPartnershipKind&) const = default;
};

// Kind 6: income on leaving a partnership or on the allotment of a share.
struct kTPartnershipExit {
    Money ДохВыхИТ;  // income on leaving
    Money ВкладИТ;   // contributions
    Money ДоходОбл;  // taxable
    Money УбытРез;   // loss; it reduces the non-traded securities of the ordinary securities sheet

    bool operator==(const kTPartnershipExit&) const = default;
};

struct kTPartnershipTotals {
    Money ОбщДохСовОпер;  // total income
    Money ОбщДоходОбл;    // total taxable
    Money ОбщРасхПрмВыч;  // income reduction: total income − total taxable

    bool operator==(const kTPartnershipTotals&) const = default;
};

// Financial result of the operations of investment partnerships (exported as ДохИвестТов).
class kTSvodSumPrilI {
public:
    kTPartnershipKind ДохЦБОбрИТ;     // 1: traded securities
    kTPartnershipKind ДохЦБНеОбрИТ;   // 2: non-traded securities
    kTPartnershipKind ДохПФИНеОбрИТ;  // 3: derivatives
    kTPartnershipKind ДохУстКапИТ;    // 4: shares in capital
    kTPartnershipKind ДохПрочИТ;      // 5: other operations
    kTPartnershipExit РасчДохВыхИТ;   // 6
    kTPartnershipTotals ИтогСовОпер;

    // Kind 1 to 5; throws std::out_of_range for any other number.
    kTPartnershipKind& Kind(int number);
    const kTPartnershipKind& Kind(int number) const;

    // The loss on leaving a partnership, handed to the ordinary securities sheet.
    Money ExitLoss() const { return РасчДохВыхИТ.УбытРез; }
    // The part of the income that is not taxable (added to СумРасхУм of section 2).
    Money IncomeReduction() const { return ИтогСовОпер.ОбщРасхПрмВыч; }

    void Reset();
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& declaration);
};

}  // namespace zizaza
