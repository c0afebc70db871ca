#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace zizaza {

// Incomes from operations with securities and derivatives. Their expenses come with the
// operations themselves: a deduction code without an amount is normal for them, and the expense
// may exceed the income.
inline constexpr std::array<int32_t, 24> kSecuritiesIncomeCodes = {1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538,
                                                                   1539, 1541, 1544, 1545, 1546, 1547, 1548, 1549,
                                                                   1551, 1552, 1553, 1554, 9537, 9538, 9551, 9552};

// Material benefit on the interest of a loan for new housing: its tax shows in section 2 only, and
// its source is not listed among the incomes from sources in Russia.
inline constexpr int32_t kIncomeCodeMaterialBenefit = 2620;

inline bool IsSecuritiesIncomeCode(int32_t code) {
    return std::find(kSecuritiesIncomeCodes.begin(), kSecuritiesIncomeCodes.end(), code) !=
           kSecuritiesIncomeCodes.end();
}

}  // namespace zizaza
