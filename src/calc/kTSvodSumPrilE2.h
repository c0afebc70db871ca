#pragma once

#include "storage/Money.h"

namespace zizaza {

class mTDeclaration;
class kTSvodSumPrilE3;

// Social deductions of a resident: charity within 25% of income, child education of at most
// kChildEducationLimit per child, kSocialCommonLimit for the rest, and what tax agents have already given.
class kTSvodSumPrilE2 {
public:
    // Sheet values the charity limit is measured against.
    struct Inputs {
        Money Income13;              // 13% income sheet, total income
        Money ForeignOtherIncome13;  // foreign 13% sheet, other income
        Money BusinessIncome;
        Money ForeignLiquidationIncome13;  // foreign 13% sheet, code 1001
        Money ExemptTotal;                 // non-taxable incomes, exempt total of all kinds
    };

    Money ИтогВычСоциал;   // deductions outside the common limit
    Money ОбщСумРасх;      // deductions within kSocialCommonLimit
    Money ОбщСНВОтчПерНА;  // granted by tax agents
    Money СумЛичСтрах;     // voluntary insurance
    Money СумПенсСтрах;    // pension deductions of kTSvodSumPrilE3
    Money СумОценКвалиф;   // qualification assessment
    Money СумБлагЦел;      // charity
    Money СумОбуч;         // own education (within the limit)
    Money СумОбучБезЛим;   // СумОбуч outside the limit: child education
    Money СумЛечен;        // medical (within the limit)
    Money СумЛеченБезЛим;  // СумЛечен outside the limit: expensive medical
    Money ОбщВычСоциал;    // social deductions due

    void Reset();
    // Resets, then computes when the social deductions are granted on a resident declaration,
    // taking every child education amount up to kChildEducationLimit. Always succeeds; reads the
    // document only.
    bool Compute(const mTDeclaration& doc, const kTSvodSumPrilE3& e3, const Inputs& in);
};

}  // namespace zizaza
