#include "model/mTDeclaration.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

std::string fields(std::initializer_list<const char*> values) {
    std::string s;
    for (const char* v : values)
        s += Field(v);
    return s;
}

std::string repeat(const char* value, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += Field(value);
    return s;
}

// "@TavoInfo" of a document with the defaults, dated 01.03.2018, with the given flags and lock.
std::string tavoInfo(const char* flags, const char* locked) {
    return Field("@TavoInfo") + fields({"", "", "0", "0", "43160", "0", "5", "0", flags, locked}) + repeat("0", 10) +
           fields({"", "0", "", ""}) + repeat("0", 5);
}

std::string freshPerson() {
    return Field("@PersonName") + fields({"", "", "", "", "", "0"}) +                         //
           Field("@PersonDocument") + fields({"0", "", "", "32874", "28126", "", "", "0"}) +  //
           Field("@Foreigner") + fields({"", "РОССИЯ", "", "643"}) +                          //
           Field("@PhoneForeignerHome") + fields({"", ""}) +                                  //
           Field("@PhoneForeignerWork") + fields({"", ""}) +                                  //
           Field("@PersonAddress") + fields({"0", "", "0"}) + repeat("", 9) +                 //
           Field("@HomePhone") + fields({"", ""}) +                                           //
           Field("@WorkPhone") + fields({"", ""});
}

std::string freshDeductions() {
    return Field("@StandartDeduct") + fields({"1", "103", "101", "1", "0", "1", "0", "0", "0", "0", "1", "0", "0"}) +
           Field("@SocialDeduct") + Field("0") + Field("@ConstructionDeduct") + Field("0") + Field("@CBDeduct") +
           repeat("0", 20) + Field("@IISDeduct") + repeat("0", 20);
}

std::string saved(const mTDeclaration& doc) {
    TempDir dir;
    std::string f = dir.file("golden.tv7");
    doc.Save(f);
    return ReadBytes(f);
}

TEST(DeclarationGolden, FreshDocumentHoldsInfoPersonAndAnEmptyPaymentList) {
    mTDeclaration doc;
    doc.DocumentDate = Date::Ymd(2018, 3, 1);
    std::string expected = Header() + tavoInfo("0", "0") + freshPerson() + Field("@Nalog") + Field("0");
    EXPECT_EQ(saved(doc), expected);
    EXPECT_EQ(doc.ComputeFileSize(), expected.size());
}

TEST(DeclarationGolden, ShellDeclarationAddsFiveEmptyListsAndTheDeductions) {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    std::string expected = Header() + tavoInfo("1", "1") + freshPerson() + Field("@TavoInquiry") + repeat("0", 5) +
                           freshDeductions() + Field("@Nalog") + Field("0");
    EXPECT_EQ(saved(*doc), expected);
    EXPECT_EQ(doc->ComputeFileSize(), expected.size());
}

TEST(DeclarationGolden, EmptyBitOneListsAreFiveZeroCounts) {
    mTDeclaration doc;
    doc.SetIncomeFlags(kIncomeRussia);
    std::string bytes = saved(doc);
    std::string inquiry = Field("@TavoInquiry");
    auto at = bytes.find(inquiry);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes.substr(at + inquiry.size(), 25), "0001000010000100001000010");
    EXPECT_EQ(bytes.substr(at + inquiry.size() + 25, 4 + 15), Field("@StandartDeduct"));
}

TEST(DeclarationGolden, BusinessValuesFollowTheLastRecord) {
    mTDeclaration doc;
    doc.SetIncomeFlags(kIncomeBusiness);
    doc.AddBusinessIncome();
    doc.EstimatedIncome = Money::FromRaw(15);
    doc.RepresentativeDocument = "Доверенность";
    doc.CorrectedTax = Money::Roubles(-3);
    std::string bytes = saved(doc);
    std::string expected = Field("@TavoBusiness") + Field("1") + Field("@BusinessIncome000") +
                           fields({"", "..", "0", "1"}) + Field("@BusinessExpense000") + repeat("0", 19) +
                           fields({"0", "0.0015", "0", "0", "Доверенность", "0", "36526", "0", "0", "-3", "0", "0"}) +
                           Field("@StandartDeduct");
    EXPECT_NE(bytes.find(expected), std::string::npos);
}

}  // namespace
