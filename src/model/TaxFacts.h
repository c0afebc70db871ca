#pragma once

#include "storage/Money.h"

#include <cstdint>

// The figures of the Tax Code that this edition applies, written once. The calculation, the checks,
// the export, the report and the screens all take them from here; the codes of incomes and
// deductions live in model/IncomeCodes.h.
namespace zizaza {

// The tax year of the declarations this edition prepares.
inline constexpr int kTaxYear = 2017;

// Property deduction for buying or building housing (art. 220 p. 3 pp. 1): the limit of the costs,
// and the limit that applied to objects acquired before 2008.
inline constexpr Money kPropertyPurchaseLimit = Money::Roubles(2000000);
inline constexpr Money kPropertyPurchaseLimitBefore2008 = Money::Roubles(1000000);
// The interest on loans for housing, deductible up to this much over all years (art. 220 p. 4).
inline constexpr Money kPropertyInterestLimit = Money::Roubles(3000000);
// From this year on the limits are the taxpayer's own, once per lifetime over several objects,
// whatever the share; before, a share divided the object's limit.
inline constexpr int kPropertyCurrentRulesFrom = 2014;

// Sale of property held less than the minimum term (art. 220 p. 2 pp. 1): housing, land and
// shares in them together, and the other property.
inline constexpr Money kHousingSaleLimit = Money::Roubles(1000000);
inline constexpr Money kOtherPropertySaleLimit = Money::Roubles(250000);
// The shared limit of the deduction codes 905 and 907 over both professional-deduction sheets.
inline constexpr Money kProfessionalNormLimit905907 = Money::Roubles(250000);
// A sale of real estate acquired after 2016 is taxed on at least this share of its cadastral value
// (art. 214.10 p. 5), in percent.
inline constexpr int kCadastralSharePercent = 70;

// Social deductions (art. 219 p. 2): the common limit, and the limit per child of its education
// (art. 219 p. 1 pp. 2).
inline constexpr Money kSocialCommonLimit = Money::Roubles(120000);
inline constexpr Money kChildEducationLimit = Money::Roubles(50000);

// Aid at the birth of a child is exempt up to this much per child (art. 217 p. 8).
inline constexpr Money kBirthAidExemptLimit = Money::Roubles(50000);

// Contributions to an individual investment account give a deduction of at most this much a year
// (art. 219.1 p. 3 pp. 2).
inline constexpr Money kIisDeductionLimit = Money::Roubles(400000);

// The deductions for children stop in the month the income since the start of the year passes
// this amount (art. 218 p. 1 pp. 4).
inline constexpr Money kChildDeductionIncomeLimit = Money::Roubles(350000);

}  // namespace zizaza
