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

// What the declaration file cannot hold is never carried: these read an attribute as the file
// holds it, or leave it out with the reason among what was not carried (`what` names it there).
// The attribute as a text with the characters the file lacks made plain (the report says so);
// empty when it has none or cannot be made plain.
std::string CarriedText(const xmlNode* node, const char* name, const std::string& what, CarryOverReport& report);
// The attribute as a date; nullopt when absent, not a date or beyond the dates of the file.
std::optional<Date> CarriedDate(const xmlNode* node, const char* name, const std::string& what,
                                CarryOverReport& report);
// The attribute as an amount the money fields take; 0 when absent, too large or not a number
// (the report names the amount as what says).
Money CarriedAmount(const xmlNode* node, const char* name, CarryOverReport& report, const std::string& what = "Сумма");
// Whether an amount the carry-over computed fits the money fields; the report says when not.
bool FitsAmountField(Money amount, const std::string& what, CarryOverReport& report);

// Title page and personal data.
void CarryTitlePage(const xmlNode* document, mTDeclaration& d, CarryOverReport& report, const std::string& dataFolder);
// The property deduction on purchase: objects and the deduction of earlier years.
void CarryPropertyDeduction(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report);
// The securities and derivatives losses still to be carried forward, by year and account.
void CarrySecuritiesLosses(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report);

}  // namespace zizaza::carry
