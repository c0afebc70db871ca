#pragma once

#include "storage/Money.h"

#include <cstdint>

namespace zizaza {

// One row of the professional deductions: the income it reduces and the deduction granted.
struct kTProfDeductionPair {
    Money Income;     // СумДохДогГПХ, СумАвторВозн, СумДохУстКап, ... (by row)
    Money Deduction;  // СумРасхВыч

    bool operator==(const kTProfDeductionPair&) const = default;
};

// The common layout of the two professional-deduction sheets (exported as ПрофНалВыч), with the
// matching of income lines to rows. Not used on its own.
class kTProfDeductionSheet {
public:
    kTProfDeductionPair РасхФактДогГПХ;    // 1: income 2010 with deduction 403
    kTProfDeductionPair РасхФактАвтВозн;   // 2: incomes 2201 to 2209 with 404
    kTProfDeductionPair РасхНормАвтВозн;   // 3: incomes 2201 to 2209 with 405
    kTProfDeductionPair РасхФактУстКап;    // 4: 1540 with 315, 1542 with 316; the income of 1540/905, 1542/907
    kTProfDeductionPair РасхФактПрдчСр;    // 5: 1560 with 317 (foreign sheet: 1544 with 317)
    kTProfDeductionPair РасхФактУмДолУКО;  // 6: 1570 with 318 (foreign sheet: 1545 with 318)
    kTProfDeductionPair РасхФактДолСтр;    // 7: 1550 with 314
    // Deductions of the lines 1540/905 and 1542/907, after their limit; part of row 4's deduction.
    Money Total905907;
    // The sum of the seven deductions: the professional deduction total of the sheet.
    Money РасходОбщИт;

    // Row 1 to 7; throws std::out_of_range for any other number.
    kTProfDeductionPair& Row(int number);
    const kTProfDeductionPair& Row(int number) const;

    void Reset();

protected:
    kTProfDeductionSheet() = default;

    // Adds a line to the row its codes select (if any). foreignCodes selects the codes of rows 5
    // and 6 of the foreign sheet.
    void addLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction, bool foreignCodes);
    void limitRowsToIncome();
    void sumTotal();
};

}  // namespace zizaza
