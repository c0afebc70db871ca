#pragma once

#include "checks/IdentifierChecks.h"
#include "checks/IncomeDeduction.h"
#include "checks/NavigationCode.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class mTConstructionDeductObj;
class mTPens;
class mTThirtyFivePercent;
class mTThirtyPercent;
class mTCurrencyIncome;
struct mTInvestTovIncome;
struct mTSourseIncome;

// The rules of the entry dialogs, over the record the dialog's fields give. A dialog writes its
// fields into a copy of its record, asks for the problems and shows them in their order
// (ShowEntryProblems); the whole-declaration check shows those that refuse the record.
struct EntryProblem {
    std::string message;
    uint16_t item = 0;       // the dialog's item to focus (NavigationCode.h)
    bool skippable = false;  // "Пропустить" may be pressed
    bool refuses = true;     // the record is not taken whatever the answer
};
using EntryProblems = std::vector<EntryProblem>;

// Shows the problems in turn; "Исправить" on a problem, or any answer to one that refuses the
// record, ends the run with its item. Returns 0 when the record may be taken; fixed tells whether
// the user chose "Исправить".
uint16_t ShowEntryProblems(ISourceCheckDialog& dialog, std::string_view title, const EntryProblems& problems,
                           bool* fixed = nullptr);

// Whose income line of the 13% dialog is checked.
enum class IncomeLineKind {
    Resident,
    NonResident,    // the 13% screen of a non-resident: only some incomes carry a deduction
    NonResident13,  // the incomes of non-residents at 13%: a deduction above the income only warns
};
// An income line: the code, the amount, the deduction the income offers and its amount.
// deductionChosen tells whether a deduction code was chosen: the code 0 is also an entry of the
// dictionary ("no deduction"), and a record once entered has its choice.
EntryProblems IncomeLineProblems(const mTSourseIncome& line, IncomeLineKind kind, bool deductionChosen = true);
// A source of incomes at 35% (its identifiers are the source check's).
EntryProblems Income35Problems(const mTThirtyFivePercent& source, bool deductionChosen = true);
// A source of incomes at 9%.
EntryProblems Income9Problems(const mTThirtyPercent& source);
// A source of dividends taxed at rate percent; every problem only warns.
EntryProblems DividendProblems(const mTThirtyPercent& source, int rate);
// A pension or insurance contract: its number and the agent's deduction against the contribution
// (the organisation is the source check's).
EntryProblems PensionContractProblems(const mTPens& contract);
// An income of an investment partnership.
EntryProblems PartnershipIncomeProblems(const mTInvestTovIncome& income);
// The source of an income abroad.
EntryProblems CurrencySourceProblems(const mTCurrencyIncome& income);
// An object of the property deduction: its kind, ownership, taxpayer sign, number or place.
EntryProblems PropertyObjectProblems(const mTConstructionDeductObj& object);
// The year the deduction of the object was first used, against the year it was acquired.
EntryProblems PropertyStartYearProblems(const mTConstructionDeductObj& object);

// The titles of the dialogs' checks that have no section title in IdentifierChecks.h.
inline constexpr std::string_view kPartnershipIncomeTitle = "Проверка данных участия в инвест. тов.";
inline constexpr std::string_view kCurrencySourceTitle = "Источник дохода";
inline constexpr std::string_view kPropertyObjectTitle = "Проверка данных объекта";
inline constexpr std::string_view kPropertyStartYearTitle = "Имущественный налоговый вычет";

}  // namespace zizaza
