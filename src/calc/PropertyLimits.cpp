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

// With two objects of which only one has a cost, that one decides; the other is there for its
// credit interest.
int decidingObject(const mTConstructionDeduct& record) {
    if (record.ObjectCount() == 1)
        return 0;
    if (record.ObjectCount() == 2 && !(record.Object(0).Cost > Money() && record.Object(1).Cost > Money()))
        return record.Object(0).Cost > Money() ? 0 : 1;
    return -1;
}

}  // namespace

int PropertyObjectYear(const mTConstructionDeductObj& o) {
    return (o.ByInvestment ? o.TransferActDate : o.OwnershipRegistrationDate).Year();
}

PropertyLimits LimitPropertyDeduction(const mTConstructionDeduct& record) {
    PropertyLimits limits;
    Money cost;
    for (size_t i = 0; i < record.ObjectCount(); ++i) {
        const mTConstructionDeductObj& o = record.Object(i);
        cost += o.Cost;
        // From 2014 the interest is deductible up to its limit over all years (art. 220 p. 4); the
        // declaration holds no loan date, so the object's date stands for it.
        const bool interestCapped = PropertyObjectYear(o) >= kPropertyCurrentRulesFrom;
        limits.Interest += interestCapped ? Min(o.Interest, kPropertyInterestLimit) : o.Interest;
    }
    if (record.ObjectCount() == 0)
        return limits;

    Money baseLimit = kPropertyPurchaseLimit;
    limits.DecidingObject = decidingObject(record);
    if (limits.DecidingObject >= 0) {
        const mTConstructionDeductObj& o = record.Object(static_cast<size_t>(limits.DecidingObject));
        const int year = PropertyObjectYear(o);
        limits.ShareFactor = shareOf(o);
        limits.EarlierRules = year < kPropertyCurrentRulesFrom;
        baseLimit = year < 2008 ? kPropertyPurchaseLimitBefore2008 : kPropertyPurchaseLimit;
    }
    // From 2014 the limit is the taxpayer's own, whatever the share; before, it was the object's
    // and the share divided it.
    const double cap = baseLimit.ToDouble() * (limits.EarlierRules ? limits.ShareFactor : 1.0);
    limits.Cost = Money::FromDouble(RoundTo2(std::min(cost.ToDouble(), cap)));
    return limits;
}

}  // namespace zizaza
