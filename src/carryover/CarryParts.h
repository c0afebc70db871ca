#pragma once

#include "carryover/PriorYearCarry.h"
#include "carryover/PriorYearFile.h"
#include "storage/Money.h"

#include <string>
#include <string_view>

// The parts of the carry-over, one per section of the declaration.
namespace zizaza::carry {

xmlNode* Child(const xmlNode* parent, std::string_view name);
// The attribute as an amount; 0 when absent.
Money AmountOf(const xmlNode* node, const char* name);
std::string AmountText(Money amount);

// Title page and personal data.
void CarryTitlePage(const xmlNode* document, mTDeclaration& d, CarryOverReport& report, const std::string& dataFolder);
// The property deduction on purchase: objects and the deduction of earlier years.
void CarryPropertyDeduction(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report);
// The securities and derivatives losses still to be carried forward, by year and account.
void CarrySecuritiesLosses(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report);

}  // namespace zizaza::carry
