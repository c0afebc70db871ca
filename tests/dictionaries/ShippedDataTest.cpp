// Spot checks of the dictionary files shipped beside the program against known values.
#include "dictionaries/Countries.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/Okved.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace zizaza {
namespace {

std::string DataFile(const char* name) {
    return std::string(ZIZAZA_SOURCE_DIR "/data/") + name;
}

const CurrencyRates& Rates() {
    static const CurrencyRates rates = CurrencyRates::Load(DataFile(kCurrencyRatesFileName));
    return rates;
}

TEST(ShippedDataTest, FilesDeclareWindows1251) {
    for (const char* name : {kInspectionsFileName, kCountriesFileName, kCurrencyRatesFileName, kOkvedFileName})
        EXPECT_TRUE(
            testsupport::ReadBytes(DataFile(name)).starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"))
            << name;
}

TEST(ShippedDataTest, CurrencyRates) {
    const CurrencyRate* usd = Rates().FindRate("840", Date::Ymd(2017, 1, 10));
    ASSERT_NE(usd, nullptr);
    EXPECT_EQ(usd->rate, "59.8961");
    EXPECT_EQ(usd->quantity, "1");
    const CurrencyRate* eur = Rates().FindRate("978", Date::Ymd(2017, 12, 31));
    ASSERT_NE(eur, nullptr);
    EXPECT_EQ(eur->date, "30.12.2017");
    EXPECT_EQ(eur->rate, "68.8668");
    EXPECT_EQ(Rates().FindRate("840", Date::Ymd(2016, 12, 31))->rate, "60.6569");
    EXPECT_EQ(Rates().FindRate("978", Date::Ymd(2016, 12, 31))->rate, "63.8111");
    // The holidays of early January keep the last rate of December.
    EXPECT_EQ(Rates().FindRate("840", Date::Ymd(2018, 1, 5))->date, "30.12.2017");
    EXPECT_EQ(Rates().FindRate("156", Date::Ymd(2016, 10, 4))->quantity, "10");
}

TEST(ShippedDataTest, CompleteCurrenciesHaveARateForEveryDayOf2015To2018) {
    for (const char* code : {"840", "978", "051", "975", "949"}) {
        const Currency* c = Rates().FindCurrency(code);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->rates.size(), 989u) << code;
        EXPECT_EQ(c->rates.front().date, "01.01.2015");
        EXPECT_EQ(Rates().FindRate(code, Date::Ymd(2014, 12, 31)), nullptr) << code;
        EXPECT_EQ(Rates().FindRate(code, Date::Ymd(2019, 1, 1)), nullptr) << code;
        for (Date d = Date::Ymd(2015, 1, 1); d <= Date::Ymd(2018, 12, 31); d = Date(d.days() + 1)) {
            const CurrencyRate* r = Rates().FindRate(code, d);
            ASSERT_NE(r, nullptr) << code << " " << d.ToText();
            // No rate is older than the longest holiday break.
            EXPECT_LT(d.days() - Date::Parse(r->date)->days(), 12) << code << " " << d.ToText();
        }
    }
    EXPECT_EQ(Rates().FindRate("051", Date::Ymd(2017, 1, 10))->quantity, "100");
}

TEST(ShippedDataTest, PartialCurrenciesHaveRatesInTheirMonthsOnly) {
    struct Case {
        const char* code;
        Date date;
        const char* entryDate;  // "" when no rate is known
    } cases[] = {
        {"826", Date::Ymd(2016, 9, 1), "01.09.2016"},
        {"826", Date::Ymd(2016, 10, 15), ""},
        {"826", Date::Ymd(2016, 11, 30), "30.11.2016"},
        {"826", Date::Ymd(2017, 3, 15), ""},
        {"756", Date::Ymd(2017, 3, 1), "01.03.2017"},
        {"756", Date::Ymd(2016, 7, 31), ""},
        {"756", Date::Ymd(2017, 10, 1), "30.09.2017"},
        {"756", Date::Ymd(2017, 9, 30), ""},
        {"980", Date::Ymd(2017, 12, 31), "30.12.2017"},
        {"980", Date::Ymd(2018, 1, 2), ""},
        {"392", Date::Ymd(2017, 6, 1), ""},
    };
    for (const Case& c : cases) {
        const CurrencyRate* r = Rates().FindRate(c.code, c.date);
        EXPECT_EQ(r ? r->date : std::string(), c.entryDate) << c.code << " " << c.date.ToText();
    }
}

TEST(ShippedDataTest, CurrencyList) {
    std::set<std::string> codes;
    for (const Currency& c : Rates().Currencies()) {
        EXPECT_EQ(c.code.size(), 3u) << c.code;
        EXPECT_FALSE(c.name.empty()) << c.code;
        EXPECT_TRUE(codes.insert(c.code).second) << c.code << " twice";
    }
    EXPECT_GT(codes.size(), 150u);
    EXPECT_EQ(Rates().FindCurrency("840")->name, "Доллар США");
    EXPECT_EQ(Rates().FindCurrency("978")->name, "Евро");
    for (const char* code : {"974", "933", "156", "826", "980", "392", "398", "643"})
        EXPECT_NE(Rates().FindCurrency(code), nullptr) << code;
}

TEST(ShippedDataTest, Countries) {
    std::vector<CodeName> countries = LoadCountries(DataFile(kCountriesFileName));
    EXPECT_EQ(countries.size(), 251u);
    auto russia = FindCodeRow(countries, "643");
    ASSERT_TRUE(russia);
    EXPECT_EQ(countries[*russia].name, "РОССИЯ");
    EXPECT_EQ(countries[*FindCodeRow(countries, "276")].name, "ГЕРМАНИЯ");
    std::set<std::string> codes;
    for (const CodeName& c : countries)
        EXPECT_TRUE(c.code.size() == 3 && codes.insert(c.code).second && !c.name.empty()) << c.code;
}

TEST(ShippedDataTest, Inspections) {
    std::vector<CodeName> rows = LoadInspections(DataFile(kInspectionsFileName));
    EXPECT_GT(rows.size(), 1200u);
    ASSERT_TRUE(FindCodeRow(rows, "7700"));
    EXPECT_EQ(rows[*FindCodeRow(rows, "7701")].name, "Инспекция Федеральной налоговой службы №1 по г.Москве");
    EXPECT_TRUE(FindCodeRow(rows, std::string(kFirstInspectionCode)));
    for (const char* absent : {"0000", "3906", "7203"})
        EXPECT_FALSE(FindCodeRow(rows, absent)) << absent;
    std::set<std::string> codes;
    for (const CodeName& r : rows)
        EXPECT_TRUE(r.code.size() == 4 && codes.insert(r.code).second && !r.name.empty()) << r.code;
}

TEST(ShippedDataTest, OkvedTree) {
    OkvedDict dict = OkvedDict::Load(DataFile(kOkvedFileName));
    EXPECT_EQ(dict.Below("", 1).size(), 21u);
    std::map<std::string, const OkvedEntry*> byKey;
    for (const OkvedEntry& e : dict.Entries())
        EXPECT_TRUE(byKey.emplace(e.kod, &e).second) << e.kod;
    // Every entry below a section hangs under an entry one level up whose key begins its own.
    for (const OkvedEntry& e : dict.Entries()) {
        int level = std::stoi(e.grup);
        ASSERT_TRUE(level >= 1 && level <= 6) << e.kod;
        if (level == 1) {
            EXPECT_FALSE(e.okved) << e.kod;
            continue;
        }
        ASSERT_TRUE(e.okved) << e.kod;
        EXPECT_EQ(e.kod.substr(1), *e.okved);
        bool hasParent = false;
        for (size_t n = 1; n < e.kod.size(); ++n) {
            auto it = byKey.find(e.kod.substr(0, n));
            if (it != byKey.end() && it->second->grup == std::to_string(level - 1))
                hasParent = true;
        }
        EXPECT_TRUE(hasParent) << e.kod;
    }

    // 62.01 under section J, reached through the picker's lists.
    OkvedChooser chooser(dict);
    auto sections = chooser.Items(1);
    auto j = std::find(sections.begin(), sections.end(), "Деятельность в области информации и связи");
    ASSERT_NE(j, sections.end());
    chooser.Choose(1, static_cast<size_t>(j - sections.begin()));
    EXPECT_EQ(chooser.ChosenKey(), "J");
    auto groups = chooser.Items(4);
    auto software = std::find(groups.begin(), groups.end(), "Разработка компьютерного программного обеспечения");
    ASSERT_NE(software, groups.end());
    chooser.Choose(4, static_cast<size_t>(software - groups.begin()));
    EXPECT_EQ(chooser.Code(), "62.01");
    EXPECT_TRUE(chooser.KeyLongEnough());
    // Rows that only repeat their parent are there.
    EXPECT_TRUE(byKey.count("C12.00"));
    EXPECT_TRUE(byKey.count("A01.30"));
}

}  // namespace
}  // namespace zizaza
