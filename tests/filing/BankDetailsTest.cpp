// The bank details of a refund, checked with the Bank of Russia's own worked examples of the
// control key and with the mistakes people make when they copy an account.
#include "filing/BankDetails.h"

#include <gtest/gtest.h>

namespace zizaza {
namespace {

struct DetailsCase {
    const char* what;
    BankDetails details;
    std::optional<BankField> problem;  // nullopt: accepted
};

// A person's account at the bank of the Bank's first example (BIC 049805746), its key computed
// by hand: 746 + 40817810?00000012345 with weights 7 1 3 gives the last digits' sum 89, 9 x 3 = 27.
constexpr const char* kPersonAccount = "40817810700000012345";

TEST(BankDetails, ControlKeyFollowsTheBankOfRussiaRule) {
    // The Bank's first example: a client account at a credit institution.
    EXPECT_EQ(AccountControlKey("049805746", "40602810000000000025"), '7');
    EXPECT_TRUE(AccountKeyMatches("049805746", "40602810700000000025"));
    // The second: a correspondent account at the cash centre, whose number is "0" + BIC digits 5-6.
    EXPECT_EQ(AccountControlKey("049805000", "30101810000000000746"), '8');
    EXPECT_TRUE(AccountKeyMatches("049805000", "30101810800000000746"));
    EXPECT_TRUE(AccountKeyMatches("049805746", kPersonAccount));
    for (char wrong = '0'; wrong <= '9'; ++wrong) {
        std::string account = "40602810700000000025";
        account[8] = wrong;
        EXPECT_EQ(AccountKeyMatches("049805746", account), wrong == '7') << account;
    }
    EXPECT_EQ(AccountControlKey("04980574", "40602810700000000025"), std::nullopt);
    EXPECT_EQ(AccountControlKey("049805746", "4060281070000000002"), std::nullopt);
}

TEST(BankDetails, CheckNamesTheFieldToLookAt) {
    const BankDetails good{"ПАО БАНК", "049805746", kPersonAccount, "30101810800000000746"};
    auto with = [&](auto change) {
        BankDetails d = good;
        change(d);
        return d;
    };
    const DetailsCase cases[] = {
        {"good", good, std::nullopt},
        {"deposit, no correspondent account", with([](BankDetails& d) {
             d.account = "42301810000000012345";
             d.account[8] = *AccountControlKey(d.bic, d.account);
             d.correspondentAccount.clear();
         }),
         std::nullopt},
        {"short BIC", with([](BankDetails& d) { d.bic = "04980574"; }), BankField::Bic},
        {"BIC with a letter", with([](BankDetails& d) { d.bic = "04980574A"; }), BankField::Bic},
        {"foreign BIC", with([](BankDetails& d) { d.bic = "149805746"; }), BankField::Bic},
        {"BIC of another bank", with([](BankDetails& d) { d.bic = "049805747"; }), BankField::Account},
        {"account of 19 digits", with([](BankDetails& d) { d.account.pop_back(); }), BankField::Account},
        {"organisation's account, its key right", with([](BankDetails& d) { d.account = "40602810700000000025"; }),
         BankField::Account},
        {"not a person's account", with([](BankDetails& d) { d.account = "30101810800000000746"; }),
         BankField::Account},
        {"dollar account", with([](BankDetails& d) { d.account = "40817840700000012345"; }), BankField::Account},
        {"two digits swapped", with([](BankDetails& d) { d.account = "40817810700000021345"; }), BankField::Account},
        {"wrong key", with([](BankDetails& d) { d.account = "40817810400000012345"; }), BankField::Account},
        {"correspondent account of another bank",
         with([](BankDetails& d) { d.correspondentAccount = "30101810200000000827"; }),
         BankField::CorrespondentAccount},
        {"correspondent account with a wrong key",
         with([](BankDetails& d) { d.correspondentAccount = "30101810900000000746"; }),
         BankField::CorrespondentAccount},
        {"no bank name", with([](BankDetails& d) { d.bankName = "  "; }), BankField::BankName},
    };
    for (const DetailsCase& c : cases) {
        auto problem = CheckBankDetails(c.details);
        ASSERT_EQ(problem.has_value(), c.problem.has_value()) << c.what << (problem ? ": " + problem->message : "");
        if (problem) {
            EXPECT_EQ(problem->field, *c.problem) << c.what;
            const char* named = problem->field == BankField::Bic        ? "проверьте БИК"
                                : problem->field == BankField::Account  ? "проверьте номер счета"
                                : problem->field == BankField::BankName ? "наименование банка"
                                                                        : "проверьте корреспондентский счет";
            EXPECT_NE(problem->message.find(named), std::string::npos) << c.what << ": " << problem->message;
        }
    }
}

}  // namespace
}  // namespace zizaza
