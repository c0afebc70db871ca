// The check together with the calculation: the OKTMO-required flag, and a check that leaves the
// document as it was.
#include "DeclarationCheckTestSupport.h"
#include "support/RandomDeclaration.h"

#include <sstream>

#include <gtest/gtest.h>

namespace zizaza::checktest {
namespace {

const char* kNoOktmo = "Проверка: Задание условий: Не введен код ОКТМО(8 или 11 симв.) по месту жительства\n";

// A 13% income of 100000 with 13000 withheld and 50000 of medical expenses: 6500 to refund.
std::unique_ptr<mTDeclaration> RefundOnly() {
    auto doc = CleanDeclaration();
    doc->Person.Address.Oktmo.clear();
    mTThirteenPercent& source = AddSource(*doc);
    source.Oktmo = "45301000";
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.Medical = Money::Roubles(50000);
    return doc;
}

std::string Report(const mTDeclaration& doc, bool* passed = nullptr) {
    std::ostringstream report;
    bool ok = DeclarationPassesCheck(doc, report);
    if (passed)
        *passed = ok;
    return report.str();
}

TEST(DeclarationCheckCalc, OktmoRequiredUnlessOnlyRefunds) {
    auto refund = RefundOnly();
    EXPECT_FALSE(DeclarationRequiresOktmo(*refund));
    bool passed = false;
    EXPECT_EQ(Report(*refund, &passed), "");
    EXPECT_TRUE(passed);

    // Nothing withheld: the tax is payable, so the taxpayer's OKTMO is needed.
    auto payable = RefundOnly();
    payable->ResidentIncome13(0).TaxWithheld = Money();
    EXPECT_TRUE(DeclarationRequiresOktmo(*payable));
    EXPECT_EQ(Report(*payable, &passed), kNoOktmo);
    EXPECT_FALSE(passed);

    // Neither payment nor refund.
    auto empty = CleanDeclaration();
    empty->Person.Address.Oktmo.clear();
    EXPECT_EQ(Report(*empty), kNoOktmo);

    // 4-NDFL computes nothing, yet always needs the OKTMO.
    auto estimated = CleanDeclaration();
    estimated->DeclarationForm = kForm4Ndfl;
    estimated->Person.Address.Oktmo.clear();
    EXPECT_FALSE(DeclarationRequiresOktmo(*estimated));
    EXPECT_EQ(Report(*estimated), kNoOktmo);
}

TEST(DeclarationCheckCalc, CheckLeavesTheDocumentUnchanged) {
    auto doc = RefundOnly();
    doc->SocialDeductions.AddChildEducation(Money::Roubles(70000));
    doc->TradeFee = Money::Roubles(100);  // not taken by the calculation without business income
    const mTDeclaration before(*doc);
    ScriptedCheckAnswerer answerer;
    CheckDeclaration(*doc, answerer);
    EXPECT_TRUE(testsupport::SameDeclaration(before, *doc, testsupport::CompareMode::All));
    EXPECT_EQ(doc->SocialDeductions.ChildEducation(0), Money::Roubles(70000));
    EXPECT_EQ(doc->TradeFee, Money::Roubles(100));
}

}  // namespace
}  // namespace zizaza::checktest
