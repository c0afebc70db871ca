#pragma once

#include "storage/Money.h"

#include <vector>

namespace zizaza {

class mTConstructionDeduct;
class mTConstructionDeductObj;

// What an object of the property deduction counts for, and why not when it does not.
enum class PropertyObjectRole {
    Counts,
    // Before 2014 the purchase deduction was given for one object in a life (art. 220 p. 1 pp. 2 as
    // worded until 2014): with an object of those rules, a later object gets no purchase deduction.
    PurchaseAfterEarlierRules,
};
enum class PropertyInterestRole {
    Counts,
    None,  // the object carries no interest
    // The interest deduction is given for one object only (art. 220 p. 11): another object's
    // interest counts.
    AnotherObject,
};

struct PropertyObjectLimits {
    PropertyObjectRole Purchase = PropertyObjectRole::Counts;
    PropertyInterestRole Interest = PropertyInterestRole::None;
};

// The limits of the property deduction for buying or building housing (art. 220 p. 3 pp. 1 and
// p. 4 НК РФ), applied to the objects of a property deduction record. The calculation and the
// property tab both take their totals from here, so the screen shows what the sheet uses.
struct PropertyLimits {
    // The object whose date and share set the limit, or -1 when the whole limit applies to all
    // objects together (two objects with costs, or three and more, all of the rules from 2014).
    int DecidingObject = -1;
    // The deciding object was acquired before 2014: one object per lifetime, and its share
    // scales the limit.
    bool EarlierRules = false;
    double ShareFactor = 1.0;  // the deciding object's share; 1 for several objects
    Money Cost;                // the costs of the objects that count, within the limit, rounded to kopecks
    Money Interest;            // the credit interest of the one object whose interest counts, within its limit
    int InterestObject = -1;   // that object, -1 when no object carries interest
    std::vector<PropertyObjectLimits> Objects;  // in list order
};

PropertyLimits LimitPropertyDeduction(const mTConstructionDeduct& record);

// The year that decides an object's rules: that of the transfer act for an investment
// contract, else that of the registration of the right.
int PropertyObjectYear(const mTConstructionDeductObj& object);

}  // namespace zizaza
