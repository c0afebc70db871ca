#include "calc/kTProfDeductionSheet.h"

#include <stdexcept>
#include <string>

namespace zizaza {

kTProfDeductionPair& kTProfDeductionSheet::Row(int number) {
    switch (number) {
        case 1:
            return РасхФактДогГПХ;
        case 2:
            return РасхФактАвтВозн;
        case 3:
            return РасхНормАвтВозн;
        case 4:
            return РасхФактУстКап;
        case 5:
            return РасхФактПрдчСр;
        case 6:
            return РасхФактУмДолУКО;
        case 7:
            return РасхФактДолСтр;
        default:
            throw std::out_of_range("professional deduction row " + std::to_string(number));
    }
}

const kTProfDeductionPair& kTProfDeductionSheet::Row(int number) const {
    return const_cast<kTProfDeductionSheet*>(this)->Row(number);
}

void kTProfDeductionSheet::Reset() {
    for (int row = 1; row <= 7; ++row)
        Row(row) = kTProfDeductionPair();
    Total905907 = Money();
    РасходОбщИт = Money();
}

void kTProfDeductionSheet::addLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction,
                                   bool foreignCodes) {
    auto add = [&](kTProfDeductionPair& pair) {
        pair.Income += income;
        pair.Deduction += deduction;
    };
    bool authors = incomeCode >= 2201 && incomeCode <= 2209;
    if (incomeCode == 2010 && deductionCode == 403) {
        add(РасхФактДогГПХ);
    } else if (authors && deductionCode == 404) {
        add(РасхФактАвтВозн);
    } else if (authors && deductionCode == 405) {
        add(РасхНормАвтВозн);
    } else if ((incomeCode == 1540 && deductionCode == 315) || (incomeCode == 1542 && deductionCode == 316)) {
        // A share in a company is property sold: its expenses reduce its own income only
        // (art. 220 p. 2 pp. 2).
        РасхФактУстКап.Income += income;
        РасхФактУстКап.Deduction += Max(Min(deduction, income), Money());
    } else if ((incomeCode == 1540 && deductionCode == 905) || (incomeCode == 1542 && deductionCode == 907)) {
        // The fixed deductions of 905 and 907 share the limit of other property, applied before
        // they join the row; none is above its own income.
        РасхФактУстКап.Income += income;
        Total905907 += Max(Min(deduction, income), Money());
    } else if (incomeCode == (foreignCodes ? 1544 : 1560) && deductionCode == 317) {
        add(РасхФактПрдчСр);
    } else if (incomeCode == (foreignCodes ? 1545 : 1570) && deductionCode == 318) {
        add(РасхФактУмДолУКО);
    } else if (incomeCode == 1550 && deductionCode == 314) {
        add(РасхФактДолСтр);
    }
}

void kTProfDeductionSheet::limitRowsToIncome() {
    for (int row = 1; row <= 7; ++row) {
        kTProfDeductionPair& pair = Row(row);
        pair.Deduction = Min(pair.Deduction, pair.Income);
    }
}

void kTProfDeductionSheet::sumTotal() {
    РасходОбщИт = Money();
    for (int row = 1; row <= 7; ++row)
        РасходОбщИт += Row(row).Deduction;
}

}  // namespace zizaza
