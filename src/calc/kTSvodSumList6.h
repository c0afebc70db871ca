#pragma once

#include "storage/Money.h"

#include <string>
#include <vector>

namespace zizaza {

// Budget classification codes of section 1.
inline constexpr const char* kKbkAgentRefund = "18210102010011000110";  // refunds of tax withheld by agents
inline constexpr const char* kKbkBusiness = "18210102020011000110";     // entrepreneurs and private practice
inline constexpr const char* kKbkOther = "18210102030011000110";        // every other payment
inline constexpr const char* kKbkCfc = "18210102050011000110";          // CFC profit

// Signs of a section 1 line.
inline constexpr const char* kSignPay = "1";
inline constexpr const char* kSignRefund = "2";
inline constexpr const char* kSignNothing = "3";

// One line of section 1: an amount to pay or to refund under one budget code and OKTMO.
struct bmTList1 {
    std::string КБК;
    std::string ОКТМО;
    std::string ПрУплВозв;  // "1" to pay, "2" to refund, "3" nothing to pay or refund
    Money Amount;
};

// Section 1: the lines in the order they were created.
class kTSvodSumList6 {
public:
    std::vector<bmTList1> Lines;
    size_t Count() const { return Lines.size(); }
    const bmTList1& Line(size_t i) const { return Lines.at(i); }

    void Reset() { Lines.clear(); }
    // Appends a line.
    void Add(const std::string& kbk, const std::string& oktmo, const std::string& sign, Money amount);
    // Adds the amount to the line of the same budget code and OKTMO, or appends a new line with
    // the sign given when there is none.
    void AddMerged(const std::string& kbk, const std::string& oktmo, const std::string& sign, Money amount);
};

}  // namespace zizaza
