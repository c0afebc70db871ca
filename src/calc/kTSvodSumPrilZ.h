#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <vector>

namespace zizaza {

class mTDeclaration;

// Property deduction for buying or building housing: the costs limited by year and share,
// distributed over the objects, and this year's part of the purchase and interest deductions
// against the income left after every other deduction.
class kTSvodSumPrilZ {
public:
    // Values of the other sheets that make up the income available for the deduction.
    struct Inputs {
        Money Income13;              // 13% income sheet, total income
        Money ForeignOtherIncome13;  // foreign 13% sheet, other income
        Money BusinessIncome;
        Money RestoredInvestmentIncome;  // kTSvodSumPrilE3
        Money BusinessExpenses;
        Money SaleDeduction;               // kTSvodSumPrilH1 total
        Money ExemptTotal;                 // non-taxable incomes
        Money ProfessionalDeductions;      // both professional-deduction totals
        Money SocialDeductionsDue;         // kTSvodSumPrilE2
        Money InvestmentDeduction;         // kTSvodSumPrilE3
        Money SocialDeductionsByAgents;    // kTSvodSumPrilE2
        Money ForeignLiquidationIncome13;  // foreign 13% sheet, code 1001
        Money StandardDeductions;          // kTSvodSumPrilE1 total
        Money IncomeReductions;            // both securities sheets and the partnership sheet
    };

    double ShareFactor = 0;  // the taxpayer's share of the object (1 for several objects)
    Money TotalCost;         // limited (PropertyLimits.h)
    Money TotalInterest;     // limited for objects from 2014 on
    Money ВычНовЗачПред;     // previous years' purchase deduction
    Money ВычПроцЗачПред;    // previous years' interest deduction
    Money FirstCarried;
    Money SecondCarried;
    Money ВычНАУвед;       // agent purchase deduction this year
    Money ПроцНАУвед;      // agent interest deduction this year
    Money НалБаз13БезВыч;  // income available for the deduction
    Money РасхНовВычНД;    // purchase deduction this year
    Money ПроцВычНД;       // interest deduction this year
    Money ОстИВБезПроц;    // purchase remainder carried over
    Money ОстИВУплПроц;    // interest remainder carried over

    // Each object's part of the costs within the limit, in list order, its rule marker (-1: the
    // deduction follows the rules before 2014, else 0) and the interest paid that counts for it
    // (0 for an object whose interest does not count: one object only, art. 220 p. 11).
    struct ObjectFigures {
        Money AssignedDeduction;
        int32_t RuleMarker = 0;
        Money Interest;
        bool operator==(const ObjectFigures&) const = default;
    };
    std::vector<ObjectFigures> Objects;
    // The figures of an object; 0 for an object the sheet did not take.
    ObjectFigures Object(size_t index) const { return index < Objects.size() ? Objects[index] : ObjectFigures(); }

    void Reset();
    // Resets, then computes when the property deduction is granted on a resident declaration with
    // at least one object. An object whose share is not entered counts as owned whole (share 1).
    // Always succeeds; reads the document only.
    bool Compute(const mTDeclaration& doc, const Inputs& in);
};

}  // namespace zizaza
