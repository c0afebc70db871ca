#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// The bank details of a refund: where the tax office sends the money. They come from the user,
// so they are checked before any application is made: a wrong digit sends the refund back to the
// budget after weeks.
struct BankDetails {
    std::string bankName;              // as the bank writes it
    std::string bic;                   // 9 digits
    std::string account;               // 20 digits
    std::string correspondentAccount;  // optional, 20 digits
};

// The field a problem is in, so that the dialog puts the cursor there.
enum class BankField { Bic, Account, CorrespondentAccount, BankName };

struct BankProblem {
    BankField field;
    std::string message;  // Russian, names the field to look at
};

// The control key digit (the 9th of the account) that the Bank of Russia's rule gives for the
// account at the bank with this BIC; the account's own 9th digit is ignored. nullopt when the BIC
// is not 9 digits or the account not 20 digits.
std::optional<char> AccountControlKey(std::string_view bic, std::string_view account);

// Whether the account's 9th digit is the key for the BIC.
bool AccountKeyMatches(std::string_view bic, std::string_view account);

// The kind of account on the application: "02" a current account of a person (408..., card
// accounts among them), "07" a deposit (423..., 426...). Empty for another kind.
std::string AccountKindCode(std::string_view account);

// The first thing wrong with the details, in the order a person types them: the BIC, the
// account, the correspondent account when given, the bank's name. nullopt when all is well.
std::optional<BankProblem> CheckBankDetails(const BankDetails& details);

}  // namespace zizaza
