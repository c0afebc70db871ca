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
inline constexpr int kPropertyPurchaseLimitFrom = 2008;
// The interest on loans for housing, deductible up to this much over all years (art. 220 p. 4).
inline constexpr Money kPropertyInterestLimit = Money::Roubles(3000000);
// From this year on the limits are the taxpayer's own, once per lifetime over several objects,
// whatever the share; before, a share divided the object's limit.
inline constexpr int kPropertyCurrentRulesFrom = 2014;

// Sale of property held less than the minimum term (art. 220 p. 2 pp. 1): housing, land and
// shares in them together; other real estate; and all other property except securities together:
// cars and other movables (1520/906) with shares in companies sold (1540/905) or left (1542/907),
// over both professional-deduction sheets and the sale sheet.
inline constexpr Money kHousingSaleLimit = Money::Roubles(1000000);
inline constexpr Money kOtherRealEstateSaleLimit = Money::Roubles(250000);
inline constexpr Money kOtherPropertySaleLimit = Money::Roubles(250000);
// A sale of real estate acquired after 2016 is taxed on at least this share of its cadastral value
// (art. 214.10 p. 5), in percent.
inline constexpr int kCadastralSharePercent = 70;
// The rule applies to real estate acquired from 1 January of this year on.
inline constexpr int kCadastralRulesFrom = 2016;

// Social deductions (art. 219 p. 2): the common limit, and the limit per child of its education
// (art. 219 p. 1 pp. 2).
inline constexpr Money kSocialCommonLimit = Money::Roubles(120000);
inline constexpr Money kChildEducationLimit = Money::Roubles(50000);

// Aid at the birth of a child is exempt up to this much per child (art. 217 p. 8).
inline constexpr Money kBirthAidExemptLimit = Money::Roubles(50000);

// Contributions to an individual investment account give a deduction of at most this much a year
// (art. 219.1 p. 3 pp. 2).
inline constexpr Money kIisDeductionLimit = Money::Roubles(400000);

// A standard deduction a month with its code and the article that gives it.
struct MonthlyDeductionFact {
    int Code;
    Money Monthly;
    const char* Article;
};

// The personal standard deductions (art. 218 p. 1): code 105 of 3 000 a month (pp. 1) and code
// 104 of 500 a month (pp. 2), for every month of the tax period from the first to the last month
// with income.
inline constexpr MonthlyDeductionFact kPersonalDeduction105 = {105, Money::Roubles(3000), "ст. 218 п. 1 пп. 1"};
inline constexpr MonthlyDeductionFact kPersonalDeduction104 = {104, Money::Roubles(500), "ст. 218 п. 1 пп. 2"};

// The deductions for children a month and child to parents (art. 218 p. 1 pp. 4): the first and
// second child, the third and each following, a disabled child; a guardian's deduction for a
// disabled child is 6 000, and a single parent's every deduction twice the amount.
inline constexpr const char* kChildDeductionArticle = "ст. 218 п. 1 пп. 4";
inline constexpr Money kChildDeductionFirstChildren = Money::Roubles(1400);
inline constexpr Money kChildDeductionThirdChildren = Money::Roubles(3000);
inline constexpr Money kChildDeductionDisabledParent = Money::Roubles(12000);
inline constexpr Money kChildDeductionDisabledGuardian = Money::Roubles(6000);
inline constexpr int kChildDeductionSingleParentFactor = 2;

// The deductions for children stop in the month the income since the start of the year passes
// this amount (art. 218 p. 1 pp. 4).
inline constexpr Money kChildDeductionIncomeLimit = Money::Roubles(350000);

// The rates of the tax (art. 224), in percent: the common rate of residents (p. 1), a
// non-resident's rate (p. 3), the rate on winnings, deposit and loan benefits (p. 2), the rate on
// interest of mortgage-backed bonds issued before 2007 (p. 5) and a non-resident's rate on
// dividends of Russian organisations (p. 3).
inline constexpr int kRatePercent13 = 13;
inline constexpr int kRatePercent30 = 30;
inline constexpr int kRatePercent35 = 35;
inline constexpr int kRatePercent9 = 9;
inline constexpr int kRatePercent15 = 15;

// A rate as section 2 and the export write it ("Ставка"): two digits.
constexpr const char* RateCode(int percent) {
    switch (percent) {
        case kRatePercent9:
            return "09";
        case kRatePercent13:
            return "13";
        case kRatePercent15:
            return "15";
        case kRatePercent30:
            return "30";
        case kRatePercent35:
            return "35";
        default:
            return "";
    }
}

// Charity is deductible up to this share of the year's income (art. 219 p. 1 pp. 1), in percent.
inline constexpr int kCharityIncomeSharePercent = 25;

// Entrepreneurs and farm heads who cannot document their expenses deduct this share of their
// business income instead (art. 221 p. 1), in percent.
inline constexpr int kBusinessExpenseNormPercent = 20;

// Incomes exempt up to a limit a year (art. 217): gifts, prizes, material aid and refunded
// medicines, each up to 4 000 (p. 28); an employer's contributions to the funded pension up to
// 12 000 (p. 39); aid and gifts to veterans up to 10 000 (p. 33).
inline constexpr Money kExemptLimit217p28 = Money::Roubles(4000);
inline constexpr Money kExemptPensionContributionLimit = Money::Roubles(12000);
inline constexpr Money kExemptVeteranAidLimit = Money::Roubles(10000);

// A loss on securities and derivatives is carried into the ten years that follow it (art. 214.1
// p. 16, art. 220.1 p. 1): the declaration for the tax year holds the losses of these years.
inline constexpr int kLossCarryYears = 10;
inline constexpr int kOldestCarriedLossYear = kTaxYear - kLossCarryYears;
inline constexpr int kNewestCarriedLossYear = kTaxYear - 1;
// Individual investment accounts exist from this year on (art. 219.1 p. 3), so they hold the
// losses from this year to kNewestCarriedLossYear only.
inline constexpr int kIisFirstLossYear = 2015;

// A deadline of the tax year: the day it falls on, the day the Code names when that one is not a
// working day, why it moved, and the articles that set it.
struct DeadlineFact {
    const char* Due;
    const char* InLaw;
    const char* Why;
    const char* Article;
};

// The declaration is filed by 30 April of the next year (art. 229 p. 1), the tax it shows paid
// by 15 July (art. 227 p. 6, art. 228 p. 4); a day off moves them to the next working day (art.
// 6.1 p. 7).
inline constexpr DeadlineFact kFilingDeadline = {"03.05.2018", "30.04.2018", "нерабочий день", "ст. 229 п. 1 НК РФ"};
inline constexpr DeadlineFact kPaymentDeadline = {"16.07.2018", "15.07.2018", "воскресенье",
                                                  "ст. 227 п. 6, ст. 228 п. 4 НК РФ"};

}  // namespace zizaza
