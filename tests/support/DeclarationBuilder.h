#pragma once

#include "model/mTDeclaration.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace zizaza {
// Amounts in test failure messages.
inline void PrintTo(const Money& m, std::ostream* os) {
    *os << m.ToText();
}
}  // namespace zizaza

namespace zizaza::testsupport {

// Whole roubles, and amounts with kopecks from text ("100003.85").
inline Money Rub(int64_t roubles) {
    return Money::Roubles(roubles);
}
Money Amount(const char* text);

// A declaration of the given form with the given income bits, the person's OKTMO set and nothing
// else: the starting point of the calculation tests and of the sample declarations.
std::unique_ptr<mTDeclaration> NewDeclaration(DeclarationForm form = kForm3Ndfl, uint16_t incomeFlags = kIncomeRussia,
                                              const std::string& personOktmo = "45000000");

// Appends a resident 13% source (a 30% source of a non-resident).
mTThirteenPercent& AddSource13(mTDeclaration& doc, const std::string& oktmo, Money taxWithheld, bool workplace = false,
                               const std::string& name = "ООО \"Ромашка\"");
// Appends a source of NonResidentIncomes13.
mTThirteenPercent& AddNonResidentSource13(mTDeclaration& doc, const std::string& oktmo, Money taxWithheld);
// Appends an income line; the source's total income follows.
void AddLine(mTThirteenPercent& source, int32_t incomeCode, Money income, uint16_t month, int32_t deductionCode = 0,
             Money deduction = Money());
// The same line in each of the months first to last.
void AddMonthlyLines(mTThirteenPercent& source, int32_t incomeCode, Money income, uint16_t first = 1,
                     uint16_t last = 12);

// Appends a dividend source (Incomes30) or a 9% source (Incomes9).
mTThirtyPercent& AddDividendSource(mTDeclaration& doc, const std::string& oktmo, Money income, Money taxable,
                                   Money taxComputed, Money taxWithheld);
mTThirtyPercent& AddSource9(mTDeclaration& doc, const std::string& oktmo, Money income, Money taxWithheld);
// Appends a 35% source.
mTThirtyFivePercent& AddSource35(mTDeclaration& doc, const std::string& oktmo, int32_t incomeCode, Money income,
                                 Money taxWithheld, int32_t deductionCode = 0, Money deduction = Money());

// Appends a foreign income given in roubles (rate 1 per unit).
mTCurrencyIncome& AddForeignIncome(mTDeclaration& doc, int32_t rateCode, int32_t incomeCode, Money incomeRoubles,
                                   Money taxRoubles, int32_t deductionCode = 0, Money deduction = Money());

// Appends a business record with itemized expenses, or with norm expenses when itemized is false.
mTBusinessNew& AddBusiness(mTDeclaration& doc, Money income, Money expenses, bool itemized = true);

// Appends a property object with its cost, interest, share and the date it became the taxpayer's.
mTConstructionDeductObj& AddPropertyObject(mTDeclaration& doc, Money cost, Money interest, int year,
                                           int32_t shareNumerator = 1, int32_t shareDenominator = 1);

// A file of an earlier yearly edition: its header stream with fields of its own (not this
// edition's), then the personal data in the layout the edition's name stands for.
void WriteEarlierEdition(const std::string& file, std::string_view documentName, const mTDeclaration& doc);

}  // namespace zizaza::testsupport
