#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zizaza {

// The lists of sources of payment in Russia, as section 1 refers to them.
enum class SourceList { ResidentIncomes13, NonResidentIncomes13, Incomes30, Incomes9, Incomes35, InvestPartnerships };

// The income kind codes ("01" to "10") the income sheets derive for the sources of payment in
// Russia, by list and position in the list. A source no sheet took has an empty code.
class kTIncomeKindCodes {
public:
    void Reset() { *this = kTIncomeKindCodes(); }
    void Set(SourceList list, size_t index, std::string code);
    // The code of a source; empty when no sheet took it.
    const std::string& Of(SourceList list, size_t index) const;
    // Takes every code the other set holds.
    void Take(const kTIncomeKindCodes& other);

private:
    static constexpr size_t kLists = 6;
    std::array<std::vector<std::string>, kLists> m_codes;
};

}  // namespace zizaza
