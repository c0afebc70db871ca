#include "dictionaries/IncomeCodeDict.h"
#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zizaza {
namespace {

const IncomeCodeDict& Dict() {
    return IncomeCodeDict::Embedded();
}

std::string Codes(const std::vector<const IncomeEntry*>& rows) {
    std::string out;
    for (const IncomeEntry* e : rows)
        out += (out.empty() ? "" : ",") + e->code;
    return out;
}

std::string Codes(const std::vector<const DeductionEntry*>& rows) {
    std::string out;
    for (const DeductionEntry* e : rows)
        out += (out.empty() ? "" : ",") + e->code;
    return out;
}

std::set<std::string> CodeSet(const std::vector<const IncomeEntry*>& rows) {
    std::set<std::string> out;
    for (const IncomeEntry* e : rows)
        out.insert(e->code);
    return out;
}

const DeductionEntry& Deduction(const char* income, const char* code) {
    for (const DeductionEntry* d : Dict().FilterDeductions(income, true))
        if (d->code == code)
            return *d;
    throw std::runtime_error(std::string("no deduction ") + code + " for " + income);
}

// The generator writes a mark as "True" or leaves it out, never "False".
TEST(IncomeCodeDictTest, MarksAreTrueOrAbsent) {
    for (const IncomeEntry& e : Dict().Incomes()) {
        EXPECT_TRUE(e.nrez13.empty() || e.nrez13 == "True") << e.code;
        EXPECT_TRUE(e.saleDate.empty() || e.saleDate == "True") << e.code;
    }
}

TEST(IncomeCodeDictTest, NamesFitThePickerAndTheFile) {
    std::set<std::string> names;
    for (const IncomeEntry& e : Dict().Incomes()) {
        EXPECT_FALSE(e.name.empty()) << e.code;
        EXPECT_LE(CodePointCount(e.name), 100u) << e.code << " is too long for a picker row";
        EXPECT_TRUE(FitsCp1251(e.name)) << e.code;
        EXPECT_TRUE(names.insert(e.name).second) << e.code << " repeats a name";
        bool investmentAccount =
            (e.code >= "1544" && e.code <= "1552" && e.code != "1550") || e.code == "9551" || e.code == "9552";
        EXPECT_EQ(e.name.starts_with("(ИИС)"), investmentAccount) << e.code;
    }
}

TEST(IncomeCodeDictTest, EmbeddedTextHasOnlyTheDictionaryShape) {
    XmlDoc doc = XmlDoc::ParseText(EmbeddedIncomeDictXml(), "IncomeDict");
    EXPECT_EQ(ElementName(doc.Root()), "IncomeDict");
    const std::set<std::string> incomeAttrs = {"Stav", "Code", "Name", "NRez13", "SaleDate"};
    const std::vector<std::string> deductionAttrs = {"Code",    "Name",       "Stav",  "Visible",
                                                     "Enabled", "Equivalent", "MaxSum"};
    for (xmlNode* income : ChildElements(doc.Root())) {
        ASSERT_EQ(ElementName(income), "Income");
        for (xmlAttr* a = income->properties; a; a = a->next)
            EXPECT_TRUE(incomeAttrs.count(reinterpret_cast<const char*>(a->name))) << a->name;
        for (xmlNode* d : ChildElements(income)) {
            ASSERT_EQ(ElementName(d), "Deduction");
            std::vector<std::string> attrs;
            for (xmlAttr* a = d->properties; a; a = a->next)
                attrs.push_back(reinterpret_cast<const char*>(a->name));
            EXPECT_EQ(attrs, deductionAttrs);
        }
    }
}

TEST(IncomeCodeDictTest, RateFilters) {
    EXPECT_EQ(Codes(Dict().FilterIncomes("35", false)), "2610,2620,2740,3020,3022");
    EXPECT_EQ(Codes(Dict().FilterIncomes("13", true)), "2000,2001,2002,2003,2010,2012,2013,2014,2300,2301,2530");
    EXPECT_EQ(Dict().FilterIncomes("13", false).size(), 91u);
    EXPECT_EQ(Codes(Dict().FilterIncomes("99", false)), "1000,1001");
    EXPECT_TRUE(Dict().FilterIncomes("30", false).empty());

    auto hundred = Dict().FilterIncomes("100", false);
    EXPECT_EQ(hundred.size(), 91u + 5u - 1u);
    std::set<std::string> codes = CodeSet(hundred);
    for (const char* absent : {"2620", "1000", "1001", "1010", "1012", "1110", "1120"})
        EXPECT_FALSE(codes.count(absent)) << absent;
    for (const char* present : {"2610", "2740", "3020", "3022", "2000", "4800"})
        EXPECT_TRUE(codes.count(present)) << present;
    // The flag only narrows the two-character filters.
    EXPECT_EQ(Dict().FilterIncomes("100", true).size(), hundred.size());
}

TEST(IncomeCodeDictTest, PickersPreselectTheCurrentCode) {
    auto hundred = Dict().FilterIncomes("100", false);
    auto row = PreselectIncomeRow(hundred, "2630");
    ASSERT_TRUE(row);
    EXPECT_EQ(hundred[*row]->code, "2630");
    EXPECT_EQ(PreselectIncomeRow(hundred, "1010"), 0u);  // not listed: the first row
    EXPECT_EQ(PreselectIncomeRow(hundred, ""), 0u);
    EXPECT_FALSE(PreselectIncomeRow({}, "2000"));

    auto deductions = Dict().FilterDeductions("1510", true);
    EXPECT_EQ(PreselectDeductionRow(deductions, "903"), 1u);
    EXPECT_EQ(PreselectDeductionRow(deductions, "501"), 0u);
}

TEST(IncomeCodeDictTest, DeductionFilter) {
    EXPECT_EQ(Codes(Dict().FilterDeductions("2720", false)), "501,0");
    EXPECT_EQ(Codes(Dict().FilterDeductions("1510", false)), "0");
    EXPECT_EQ(Codes(Dict().FilterDeductions("1530", false)), "201,218,0");
    EXPECT_EQ(Codes(Dict().FilterDeductions("2201", false)), "0");
    EXPECT_EQ(Codes(Dict().FilterDeductions("1510", true)), "901,903,0");
    EXPECT_TRUE(Dict().FilterDeductions("2000", true).empty());
    EXPECT_TRUE(Dict().FilterDeductions("7777", true).empty());
}

TEST(IncomeCodeDictTest, PickedRate) {
    EXPECT_EQ(PickedIncomeRate("", *Dict().FindIncome("1000")), 99);
    EXPECT_EQ(PickedIncomeRate("", *Dict().FindIncome("1010")), 14);
    EXPECT_EQ(PickedIncomeRate("", *Dict().FindIncome("1110")), 9);
    EXPECT_EQ(PickedIncomeRate("100", *Dict().FindIncome("2610")), 100);
    EXPECT_EQ(PickedIncomeRate("35", *Dict().FindIncome("2610")), 35);
    IncomeEntry blank{" ", "0000", "?", "", "", {}};
    EXPECT_EQ(PickedIncomeRate("", blank), 0);
}

Money R(int64_t roubles) {
    return Money::Roubles(roubles);
}

TEST(DeductionRulesTest, EquivalentDeductionsFollowTheIncomeUpToTheCap) {
    const DeductionEntry& gift = Deduction("2720", "501");
    EXPECT_EQ(AmountMode(gift), DeductionAmountMode::Follows);
    EXPECT_EQ(DeductionAmount(gift, R(4000)), R(4000));
    EXPECT_EQ(DeductionAmount(gift, R(4500)), R(4000));
    EXPECT_EQ(DeductionAmount(gift, R(3000)), R(3000));
    EXPECT_EQ(DeductionAmount(gift, Money::Kopecks(399999)), Money::Kopecks(399999));
    EXPECT_EQ(DeductionAmount(gift, std::nullopt), Money());

    const DeductionEntry& sale = Deduction("1510", "901");
    EXPECT_EQ(AmountMode(sale), DeductionAmountMode::Computed);
    EXPECT_EQ(DeductionAmount(sale, R(2500000)), R(1000000));
    EXPECT_EQ(DeductionAmount(sale, R(700000)), R(700000));
}

TEST(DeductionRulesTest, SharesOfTheIncomeRoundToKopecksHalfUp) {
    const DeductionEntry& fee25 = Deduction("2206", "405");
    EXPECT_EQ(AmountMode(fee25), DeductionAmountMode::Computed);
    EXPECT_EQ(DeductionAmount(fee25, R(10000)), R(2500));
    EXPECT_EQ(DeductionAmount(fee25, Money::Kopecks(2)), Money::Kopecks(1));  // 0.005 rounds up
    EXPECT_EQ(DeductionAmount(fee25, Money::Kopecks(1)), Money());            // 0.0025 rounds down
    EXPECT_EQ(DeductionAmount(fee25, std::nullopt), Money());
    const DeductionEntry& fee30 = Deduction("2202", "405");
    EXPECT_EQ(DeductionAmount(fee30, Money::Kopecks(33333)), Money::Kopecks(10000));   // 99.999
    EXPECT_EQ(DeductionAmount(fee30, Money::FromRaw(1234567)), Money::Kopecks(3704));  // 37.03701
}

TEST(DeductionRulesTest, HiddenAndTypedDeductions) {
    const DeductionEntry& none = Deduction("1510", "0");
    EXPECT_EQ(AmountMode(none), DeductionAmountMode::Hidden);
    EXPECT_EQ(DeductionAmount(none, R(5000)), Money());

    const DeductionEntry& expenses = Deduction("1510", "903");
    EXPECT_EQ(AmountMode(expenses), DeductionAmountMode::Typed);
    EXPECT_FALSE(DeductionAmount(expenses, R(5000)));
    EXPECT_EQ(CapDeduction(expenses, R(99999999)), R(99999999));  // no cap
}

TEST(DeductionRulesTest, TypedAmountsAreCapped) {
    const DeductionEntry& insurance = Deduction("1211", "510");
    EXPECT_EQ(CapDeduction(insurance, R(13000)), R(12000));
    EXPECT_EQ(CapDeduction(insurance, R(12000)), R(12000));
    EXPECT_EQ(CapDeduction(insurance, Money::Kopecks(1199999)), Money::Kopecks(1199999));
    const DeductionEntry& share = Deduction("1512", "902");
    EXPECT_EQ(AmountMode(share), DeductionAmountMode::Typed);
    EXPECT_EQ(CapDeduction(share, R(300000)), R(250000));
}

}  // namespace
}  // namespace zizaza
