#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace zizaza {

// Incomes from operations with securities and derivatives. Their expenses come with the
// operations themselves: a deduction code without an amount is normal for them, and the expense
// may exceed the income.
inline constexpr std::array<int32_t, 24> kSecuritiesIncomeCodes = {1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538,
                                                                   1539, 1541, 1544, 1545, 1546, 1547, 1548, 1549,
                                                                   1551, 1552, 1553, 1554, 9537, 9538, 9551, 9552};

// The expenses of operations with securities and derivatives: a deduction under one of these codes
// may exceed the income of a securities operation.
inline constexpr std::array<int32_t, 23> kSecuritiesExpenseCodes = {
    201, 202, 203, 206, 207, 211, 213, 215, 218, 219, 220, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 620};

// The incomes other than securities against which a non-resident may set a deduction: the aid,
// gifts, prizes and compensations exempt up to a limit (art. 217).
inline constexpr std::array<int32_t, 8> kNonResidentDeductibleIncomeCodes = {2760, 2761, 2762, 2720,
                                                                             2730, 2770, 2790, 2740};

// Incomes of controlled foreign companies (art. 25.15 НК РФ): the company's profit, the income at
// its liquidation and the dividends paid out of its profit. All three carry the company's number;
// the profit alone carries the rule it was taken by.
inline constexpr int32_t kIncomeCodeCfcProfit = 1000;
inline constexpr int32_t kIncomeCodeCfcLiquidation = 1001;
inline constexpr int32_t kIncomeCodeDividends = 1010;
inline constexpr int32_t kIncomeCodeCfcDividends = 1012;

// Material benefit on the interest of a loan for new housing: its tax shows in section 2 only, and
// its source is not listed among the incomes from sources in Russia.
inline constexpr int32_t kIncomeCodeMaterialBenefit = 2620;

template <size_t N>
bool IsCodeIn(const std::array<int32_t, N>& codes, int32_t code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

inline bool IsSecuritiesIncomeCode(int32_t code) {
    return IsCodeIn(kSecuritiesIncomeCodes, code);
}

inline bool IsSecuritiesExpenseCode(int32_t code) {
    return IsCodeIn(kSecuritiesExpenseCodes, code);
}

// The incomes against which a non-resident may set a deduction.
inline bool NonResidentMayDeduct(int32_t code) {
    return IsSecuritiesIncomeCode(code) || IsCodeIn(kNonResidentDeductibleIncomeCodes, code);
}

// The incomes of a controlled foreign company, which carry its number.
inline bool IsCfcIncomeCode(int32_t code) {
    return code == kIncomeCodeCfcProfit || code == kIncomeCodeCfcLiquidation || code == kIncomeCodeCfcDividends;
}

}  // namespace zizaza
