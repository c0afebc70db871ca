#include "filing/BankDetails.h"

#include <algorithm>
#include <array>

namespace zizaza {
namespace {

bool allDigits(std::string_view text, size_t length) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The three digits put before the account. A credit institution's number is the BIC's last three
// digits (050 and above); the Bank of Russia's own divisions (000 to 049, the cash centres) are
// numbered by "0" and the BIC's 5th and 6th digits.
std::string conditionalNumber(std::string_view bic) {
    const int own = (bic[6] - '0') * 100 + (bic[7] - '0') * 10 + (bic[8] - '0');
    if (own < 50)
        return std::string("0") + std::string(bic.substr(4, 2));
    return std::string(bic.substr(6, 3));
}

// The sum of the last digits of digit x weight over the 23 digits, weights 7 1 3 repeated.
int weightedSum(const std::string& digits) {
    static constexpr std::array<int, 3> kWeights = {7, 1, 3};
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        sum += ((digits[i] - '0') * kWeights[i % 3]) % 10;
    return sum;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<char> AccountControlKey(std::string_view bic, std::string_view account) {
    if (!allDigits(bic, 9) || !allDigits(account, 20))
        return std::nullopt;
    std::string digits = conditionalNumber(bic) + std::string(account);
    digits[3 + 8] = '0';
    const int key = (weightedSum(digits) % 10) * 3 % 10;
    return static_cast<char>('0' + key);
}

bool AccountKeyMatches(std::string_view bic, std::string_view account) {
    auto key = AccountControlKey(bic, account);
    return key && *key == account[8];
}

std::string AccountKindCode(std::string_view account) {
    if (startsWith(account, "408"))
        return "02";
    if (startsWith(account, "423") || startsWith(account, "426"))
        return "07";
    return {};
}

std::optional<BankProblem> CheckBankDetails(const BankDetails& details) {
    const std::string& bic = details.bic;
    if (!allDigits(bic, 9))
        return BankProblem{BankField::Bic, "БИК банка должен состоять из 9 цифр: проверьте БИК."};
    if (!startsWith(bic, "04"))
        return BankProblem{BankField::Bic, "БИК банка в России начинается с \"04\": проверьте БИК."};
    const std::string& account = details.account;
    if (!allDigits(account, 20))
        return BankProblem{BankField::Account, "Номер счета должен состоять из 20 цифр: проверьте номер счета."};
    if (AccountKindCode(account).empty())
        return BankProblem{BankField::Account,
                           "Счет " + account.substr(0, 5) +
                               "... не является счетом физического лица (408..., в том числе счет карты, или вклад "
                               "423..., 426...): проверьте номер счета."};
    if (account.substr(5, 3) != "810")
        return BankProblem{BankField::Account,
                           "Налог возвращается в рублях, а счет открыт не в рублях (6-8 цифры счета не 810): "
                           "проверьте номер счета."};
    if (!AccountKeyMatches(bic, account))
        return BankProblem{BankField::Account,
                           "Номер счета не сходится с БИК банка (не совпадает контрольная 9-я цифра счета): "
                           "проверьте номер счета, а если он верен, то БИК."};
    const std::string& correspondent = details.correspondentAccount;
    if (!correspondent.empty()) {
        if (!allDigits(correspondent, 20) || !startsWith(correspondent, "30101"))
            return BankProblem{BankField::CorrespondentAccount,
                               "Корреспондентский счет банка - 20 цифр, начиная с 30101: проверьте корреспондентский "
                               "счет."};
        // The bank's correspondent account is held at the Bank of Russia's cash centre, whose number
        // is taken from the same BIC, and ends with the bank's own three digits.
        const std::string centre = bic.substr(0, 6) + "000";
        if (!AccountKeyMatches(centre, correspondent) || correspondent.substr(17) != bic.substr(6))
            return BankProblem{BankField::CorrespondentAccount,
                               "Корреспондентский счет не сходится с БИК банка: проверьте корреспондентский счет, а "
                               "если он верен, то БИК."};
    }
    if (details.bankName.find_first_not_of(" \t") == std::string::npos)
        return BankProblem{BankField::BankName, "Укажите наименование банка."};
    return std::nullopt;
}

}  // namespace zizaza
