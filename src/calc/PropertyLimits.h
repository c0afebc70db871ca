#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTConstructionDeduct;
class mTConstructionDeductObj;

// The limits of the property deduction for buying or building housing (art. 220 p. 3 pp. 1 and
// p. 4 НК РФ), applied to the objects of a property deduction record. The calculation and the
// property tab both take their totals from here, so the screen shows what the sheet uses.
struct PropertyLimits {
    // The object whose date and share set the limit, or -1 when the whole limit applies to all
    // objects together (two objects with costs, or three and more).
    int DecidingObject = -1;
    // The deciding object was acquired before 2014: one object per lifetime, and its share
    // scales the limit.
    bool EarlierRules = false;
    double ShareFactor = 1.0;  // the deciding object's share; 1 for several objects
    Money Cost;                // the objects' costs within the limit, rounded to kopecks
    Money Interest;            // the objects' credit interest within its limit
};

PropertyLimits LimitPropertyDeduction(const mTConstructionDeduct& record);

// The year that decides an object's rules: that of the transfer act for an investment
// contract, else that of the registration of the right.
int PropertyObjectYear(const mTConstructionDeductObj& object);

}  // namespace zizaza
