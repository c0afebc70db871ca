#pragma once

#include "storage/Money.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class XmlDoc;

// A deduction that may be set against an income, with the texts of the dictionary. The flags
// are true only for the exact text "True".
struct DeductionEntry {
    std::string code;  // "0" means no deduction
    std::string name;
    std::string stav;  // a blank, or a whole percentage of the income
    std::string visible;
    std::string enabled;
    std::string equivalent;
    std::string maxSum;  // whole roubles, "0" for no cap

    bool Visible() const { return visible == "True"; }
    bool Enabled() const { return enabled == "True"; }
    bool Equivalent() const { return equivalent == "True"; }
    Money MaxSum() const;
    // Stav trimmed: 0 when blank (or not a number), otherwise its value.
    int Percent() const;
};

struct IncomeEntry {
    std::string stav;  // "13", "35", "9", "14" or "99"
    std::string code;
    std::string name;
    std::string nrez13;    // "True" for incomes a non-resident may report at 13%
    std::string saleDate;  // "True" for incomes from a sale
    std::vector<DeductionEntry> deductions;

    bool NonResident13() const { return nrez13 == "True"; }
    bool IsSale() const { return saleDate == "True"; }
    bool HasDeductions() const { return !deductions.empty(); }
    // The deduction entry with this code; none when the income does not offer it.
    const DeductionEntry* FindDeduction(std::string_view deductionCode) const {
        for (const DeductionEntry& d : deductions)
            if (d.code == deductionCode)
                return &d;
        return nullptr;
    }
};

// The embedded XML text of the income and deduction code dictionary.
std::string_view EmbeddedIncomeDictXml();

// The income and deduction code dictionary, read from its XML form.
class IncomeCodeDict {
public:
    // The dictionary compiled into the program, parsed once.
    static const IncomeCodeDict& Embedded();
    static IncomeCodeDict FromDoc(const XmlDoc& doc);

    const std::vector<IncomeEntry>& Incomes() const { return m_incomes; }
    // The first income with this code; none when the dictionary lacks it.
    const IncomeEntry* FindIncome(std::string_view code) const;

    // The rows of the income picker, in dictionary order:
    //   empty filter: every income;
    //   a filter of exactly three characters ("100"): every income whose Stav is 13 or 35 as a
    //   number, except 2620;
    //   any other filter ("13", "35"): the incomes whose Stav equals it, and with the
    //   non-resident flag only those marked NRez13.
    std::vector<const IncomeEntry*> FilterIncomes(std::string_view rateFilter, bool nonResident13Only) const;

    // The rows of the deduction picker for an income code: its deductions in order; without the
    // all-deductions flag only the codes beginning with "2" or "5" and the entry "0".
    std::vector<const DeductionEntry*> FilterDeductions(std::string_view incomeCode, bool allDeductions) const;

private:
    std::vector<IncomeEntry> m_incomes;
};

// The row a picker preselects: the first whose code equals the current code, otherwise the
// first row; nullopt for an empty list.
std::optional<size_t> PreselectIncomeRow(const std::vector<const IncomeEntry*>& rows, std::string_view code);
std::optional<size_t> PreselectDeductionRow(const std::vector<const DeductionEntry*>& rows, std::string_view code);

// The rate the income picker answers: the filter's number when a filter was given, otherwise
// the income's Stav; 0 for a blank.
int PickedIncomeRate(std::string_view rateFilter, const IncomeEntry& income);

// How the income entry dialogs treat the amount of a chosen deduction.
enum class DeductionAmountMode {
    Hidden,    // no amount field; the amount is 0
    Computed,  // read-only, computed from the income
    Follows,   // editable, follows the income (up to MaxSum) until the user changes it
    Typed,     // editable, emptied on selection and typed by the user
};
DeductionAmountMode AmountMode(const DeductionEntry& deduction);

// The amount a deduction gets from the income (the rules in order): hidden gives 0; a
// percentage gives income x percentage / 100 in whole kopecks, halves up; Equivalent gives the
// income; no income gives 0 for both. nullopt when the user types the amount. Any result is
// capped at MaxSum.
std::optional<Money> DeductionAmount(const DeductionEntry& deduction, std::optional<Money> income);

// An amount from any source limited to MaxSum (no limit when MaxSum is 0). A typed amount equal
// to or above MaxSum becomes MaxSum.
Money CapDeduction(const DeductionEntry& deduction, Money amount);

}  // namespace zizaza
