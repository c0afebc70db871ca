#include "calc/PropertyLimits.h"

#include "model/TaxFacts.h"
#include "model/mTConstructionDeduct.h"
#include "storage/NumberText.h"

#include <algorithm>

namespace zizaza {
namespace {

// The share entered for an object; a part not entered counts as the whole, and a share is never
// more than the whole.
double shareOf(const mTConstructionDeductObj& o) {
    if (o.ShareNumerator <= 0 || o.ShareDenominator <= 0)
        return 1.0;
    return std::min(1.0, static_cast<double>(o.ShareNumerator) / o.ShareDenominator);
}

bool earlierRules(const mTConstructionDeductObj& o) {
    return PropertyObjectYear(o) < kPropertyCurrentRulesFrom;
}

// An object of the rules before 2014 with a cost is the one purchase object of a life: it decides
// alone. Otherwise, with two objects of which only one has a cost, that one decides; the other is
// there for its credit interest.
int decidingObject(const mTConstructionDeduct& record) {
    for (size_t i = 0; i < record.ObjectCount(); ++i)
        if (record.Object(i).Cost > Money() && earlierRules(record.Object(i)))
            return static_cast<int>(i);
    if (record.ObjectCount() == 1)
        return 0;
    if (record.ObjectCount() == 2 && !(record.Object(0).Cost > Money() && record.Object(1).Cost > Money()))
        return record.Object(0).Cost > Money() ? 0 : 1;
    return -1;
}

// The one object whose interest counts: when interest was taken in earlier years, the object whose
// deduction began earliest before this year; otherwise the first object with interest.
int interestObject(const mTConstructionDeduct& record) {
    int chosen = -1;
    for (size_t i = 0; i < record.ObjectCount(); ++i) {
        const mTConstructionDeductObj& o = record.Object(i);
        if (o.Interest <= Money())
            continue;
        if (chosen < 0) {
            chosen = static_cast<int>(i);
            continue;
        }
        const int year = o.FirstYearOfUse.Year();
        const int chosenYear = record.Object(static_cast<size_t>(chosen)).FirstYearOfUse.Year();
        if (record.PreviousYearsInterest > Money() && year < kTaxYear && year < chosenYear)
            chosen = static_cast<int>(i);
    }
    return chosen;
}

}  // namespace

int PropertyObjectYear(const mTConstructionDeductObj& o) {
    return (o.ByInvestment ? o.TransferActDate : o.OwnershipRegistrationDate).Year();
}

PropertyLimits LimitPropertyDeduction(const mTConstructionDeduct& record) {
    PropertyLimits limits;
    if (record.ObjectCount() == 0)
        return limits;
    limits.Objects.resize(record.ObjectCount());

    limits.InterestObject = interestObject(record);
    for (size_t i = 0; i < record.ObjectCount(); ++i) {
        if (record.Object(i).Interest > Money())
            limits.Objects[i].Interest = static_cast<int>(i) == limits.InterestObject
                                             ? PropertyInterestRole::Counts
                                             : PropertyInterestRole::AnotherObject;
    }
    if (limits.InterestObject >= 0) {
        const mTConstructionDeductObj& o = record.Object(static_cast<size_t>(limits.InterestObject));
        // From 2014 the interest is deductible up to its limit over all years (art. 220 p. 4); the
        // declaration holds no loan date, so the object's date stands for it.
        limits.Interest = earlierRules(o) ? o.Interest : Min(o.Interest, kPropertyInterestLimit);
    }

    Money baseLimit = kPropertyPurchaseLimit;
    limits.DecidingObject = decidingObject(record);
    Money cost;
    if (limits.DecidingObject >= 0) {
        const mTConstructionDeductObj& o = record.Object(static_cast<size_t>(limits.DecidingObject));
        const int year = PropertyObjectYear(o);
        limits.ShareFactor = shareOf(o);
        limits.EarlierRules = year < kPropertyCurrentRulesFrom;
        baseLimit = year < kPropertyPurchaseLimitFrom ? kPropertyPurchaseLimitBefore2008 : kPropertyPurchaseLimit;
    }
    for (size_t i = 0; i < record.ObjectCount(); ++i) {
        if (limits.EarlierRules && static_cast<int>(i) != limits.DecidingObject) {
            if (record.Object(i).Cost > Money())
                limits.Objects[i].Purchase = PropertyObjectRole::PurchaseAfterEarlierRules;
            continue;
        }
        cost += record.Object(i).Cost;
    }
    // From 2014 the limit is the taxpayer's own, whatever the share; before, it was the object's
    // and the share divided it.
    const double cap = baseLimit.ToDouble() * (limits.EarlierRules ? limits.ShareFactor : 1.0);
    limits.Cost = Money::FromDouble(RoundTo2(std::min(cost.ToDouble(), cap)));
    return limits;
}

}  // namespace zizaza
