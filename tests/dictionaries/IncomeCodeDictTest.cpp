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

TEST(IncomeCodeDictTest, HoldsTheIncomesInPickerOrder) {
    const char* expected =
        "1000,1001,1010,1011,1012,1110,1120,1200,1201,1202,1203,1211,1212,1213,1215,1219,1220,1240,1300,1301,1400,"
        "1510,1511,1512,1520,1530,1536,1531,1532,1535,1533,1537,9537,1538,9538,1544,1549,1545,1546,1548,1547,1551,"
        "9551,1552,9552,1540,1542,1550,1560,1570,2000,2001,2002,2003,2010,2012,2013,2014,2201,2202,2203,2204,2205,"
        "2206,2207,2208,2209,2210,2220,2300,2301,2400,2510,2520,2530,2610,2611,2620,2630,2640,2641,2710,2720,2730,"
        "2740,2750,2760,2761,2762,2770,2780,2790,2800,2900,3010,3020,3022,3023,4800,4900,4910,4920";
    EXPECT_EQ(Codes(Dict().FilterIncomes("", false)), expected);
    EXPECT_EQ(Dict().Incomes().size(), 102u);
}

TEST(IncomeCodeDictTest, RatesAndMarks) {
    std::map<std::string, std::string> rates;
    std::set<std::string> nrez, sale;
    for (const IncomeEntry& e : Dict().Incomes()) {
        if (e.stav != "13")
            rates[e.code] = e.stav;
        if (e.NonResident13())
            nrez.insert(e.code);
        if (e.IsSale())
            sale.insert(e.code);
        // Absent marks are absent, not "False".
        EXPECT_TRUE(e.nrez13.empty() || e.nrez13 == "True") << e.code;
        EXPECT_TRUE(e.saleDate.empty() || e.saleDate == "True") << e.code;
    }
    EXPECT_EQ(rates, (std::map<std::string, std::string>{{"1000", "99"},
                                                         {"1001", "99"},
                                                         {"1010", "14"},
                                                         {"1012", "14"},
                                                         {"1110", "9"},
                                                         {"1120", "9"},
                                                         {"2610", "35"},
                                                         {"2620", "35"},
                                                         {"2740", "35"},
                                                         {"3020", "35"},
                                                         {"3022", "35"}}));
    EXPECT_EQ(nrez, (std::set<std::string>{"2000", "2001", "2002", "2003", "2010", "2012", "2013", "2014", "2300",
                                           "2301", "2530"}));
    EXPECT_EQ(sale, (std::set<std::string>{"1510", "1511", "1512", "1520", "1530", "1536", "1531", "1532",
                                           "1535", "1533", "1537", "9537", "1538", "9538", "1544", "1549",
                                           "1545", "1546", "1548", "1547", "1551", "9551", "1552", "9552"}));
}

TEST(IncomeCodeDictTest, DeductionListsPerIncome) {
    const std::map<std::string, std::string> expected = {
        {"1211", "510,0"},     {"1510", "901,903,0"}, {"1511", "904,903,0"}, {"1512", "902,903,0"},
        {"1520", "906,903,0"}, {"1530", "201,218,0"}, {"1536", "203,0"},     {"1531", "202,219,0"},
        {"1532", "206,0"},     {"1535", "207,0"},     {"1533", "220,0"},     {"1537", "211,0"},
        {"9537", "211,0"},     {"1538", "215,0"},     {"9538", "215,0"},     {"1544", "225,233,0"},
        {"1549", "227,0"},     {"1545", "226,234,0"}, {"1546", "228,0"},     {"1548", "229,0"},
        {"1547", "235,0"},     {"1551", "230,0"},     {"9551", "230,0"},     {"1552", "232,0"},
        {"9552", "232,0"},     {"1540", "905,315,0"}, {"1542", "907,316,0"}, {"1550", "314,0"},
        {"1560", "317,0"},     {"1570", "318,0"},     {"2010", "403,0"},     {"2201", "404,405,0"},
        {"2207", "404,405,0"}, {"2208", "404,405,0"}, {"2202", "404,405,0"}, {"2204", "404,405,0"},
        {"2209", "404,405,0"}, {"2203", "404,405,0"}, {"2205", "404,405,0"}, {"2206", "404,405,0"},
        {"2720", "501,0"},     {"2730", "502,0"},     {"2740", "505,0"},     {"2760", "503,0"},
        {"2761", "506,0"},     {"2762", "508,0"},     {"2770", "504,0"},     {"2790", "507,0"},
        {"4900", "908,0"},     {"4910", "910,0"},     {"4920", "912,0"}};
    for (const IncomeEntry& e : Dict().Incomes()) {
        auto it = expected.find(e.code);
        EXPECT_EQ(Codes(Dict().FilterDeductions(e.code, true)), it == expected.end() ? "" : it->second) << e.code;
    }
    const std::map<std::string, int> shares = {{"2201", 20}, {"2207", 20}, {"2208", 20}, {"2202", 30}, {"2204", 30},
                                               {"2209", 30}, {"2203", 40}, {"2205", 40}, {"2206", 25}};
    for (const auto& [income, share] : shares)
        EXPECT_EQ(Deduction(income.c_str(), "405").Percent(), share) << income;
}

TEST(IncomeCodeDictTest, DeductionEntries) {
    struct {
        const char* income;
        const char* code;
        const char* visible;
        const char* enabled;
        const char* equivalent;
        int64_t maxSum;
    } cases[] = {
        {"1510", "0", "False", "True", "False", 0},       {"1530", "201", "True", "True", "False", 0},
        {"1211", "510", "True", "True", "True", 12000},   {"1510", "901", "True", "False", "True", 1000000},
        {"1512", "902", "True", "True", "False", 250000}, {"1511", "904", "True", "True", "False", 1000000},
        {"1540", "905", "True", "True", "True", 250000},  {"1520", "906", "True", "True", "False", 250000},
        {"2206", "405", "True", "False", "False", 0},     {"2720", "501", "True", "True", "True", 4000},
        {"2790", "507", "True", "True", "True", 10000},   {"2762", "508", "True", "True", "False", 0},
        {"4920", "912", "True", "True", "False", 0},
    };
    for (const auto& c : cases) {
        const DeductionEntry& d = Deduction(c.income, c.code);
        EXPECT_EQ(d.visible, c.visible) << c.code;
        EXPECT_EQ(d.enabled, c.enabled) << c.code;
        EXPECT_EQ(d.equivalent, c.equivalent) << c.code;
        EXPECT_EQ(d.MaxSum(), Money::Roubles(c.maxSum)) << c.code;
    }
    EXPECT_EQ(Deduction("1510", "903").name, "В сумме документально подтвержденных расходов ");
    EXPECT_EQ(Deduction("1530", "201").stav, " ");
    EXPECT_EQ(Deduction("1530", "201").Percent(), 0);
}

TEST(IncomeCodeDictTest, Names) {
    const std::map<std::string, std::string> quoted = {
        {"1000", "Суммы прибыли контролируемых иностранных компаний"},
        {"1010", "Дивиденды"},
        {"1012", "Дивиденды, полученные от контролируемой иностранной компании"},
        {"1530", "Доходы от реализации ЦБ (обращ-ся на орг. рынке ЦБ)"},
        {"1544", "(ИИС)Доходы от реализации ЦБ (обращ-ся на орг. рынке ЦБ)"},
        {"2000", "Заработная плата и другие выплаты во исполнение трудового договора (кроме договоров ГП характера)"},
        {"2620", "Мат. выгода от экономии на процентах по кред. средств. на новое стр-во (не облагаемая)"},
        {"4800", "Иные доходы"}};
    for (const auto& [code, name] : quoted)
        EXPECT_EQ(Dict().FindIncome(code)->name, name);
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
