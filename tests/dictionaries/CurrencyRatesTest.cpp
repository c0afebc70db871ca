#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zizaza {
namespace {

CurrencyRates FromText(const std::string& body) {
    return CurrencyRates::FromDoc(XmlDoc::ParseText("<CurrencyRates>" + body + "</CurrencyRates>", "rates.xml"));
}

Date D(int y, int m, int d) {
    return Date::Ymd(y, m, d);
}

// The entry's date text, or "none".
std::string At(const CurrencyRates& rates, const char* code, Date date) {
    const CurrencyRate* r = rates.FindRate(code, date);
    return r ? r->date + "=" + r->rate : "none";
}

TEST(CurrencyRatesTest, RateInForceOnADate) {
    CurrencyRates rates = FromText(
        "<C Code=\"840\" Name=\"Доллар США\">"
        "<R Date=\"10.01.2017\" Rate=\"59.8961\" Quantity=\"1\"/>"
        "<R Date=\"12.01.2017\" Rate=\"59.9533\" Quantity=\"1\"/></C>");
    EXPECT_EQ(At(rates, "840", D(2017, 1, 9)), "none");
    EXPECT_EQ(At(rates, "840", D(2017, 1, 10)), "10.01.2017=59.8961");
    EXPECT_EQ(At(rates, "840", D(2017, 1, 11)), "10.01.2017=59.8961");
    EXPECT_EQ(At(rates, "840", D(2017, 1, 12)), "12.01.2017=59.9533");
    EXPECT_EQ(At(rates, "840", D(2018, 6, 1)), "12.01.2017=59.9533");
    EXPECT_EQ(At(rates, "840", Date(D(2017, 1, 11).days() + 0.75)), "10.01.2017=59.8961");  // time of day
    EXPECT_EQ(rates.FindRate("840", D(2017, 1, 10))->quantity, "1");
}

TEST(CurrencyRatesTest, NoRateOutsideTheCoveredDays) {
    // Rates for January and for March: February lies in a gap and finds nothing, never January's rate.
    CurrencyRates rates = FromText(
        "<C Code=\"826\" Alpha=\"GBP\" Name=\"Фунт\" Covered=\"01.01.2017-31.01.2017;01.03.2017-31.03.2017\">"
        "<R Date=\"31.12.2016\" Rate=\"75.0\" Quantity=\"1\"/><R Date=\"10.01.2017\" Rate=\"72.5\" Quantity=\"1\"/>"
        "<R Date=\"28.02.2017\" Rate=\"71.0\" Quantity=\"1\"/><R Date=\"02.03.2017\" Rate=\"70.5\" Quantity=\"1\"/>"
        "</C><C Code=\"1\" Name=\"a\" Covered=\"junk\"><R Date=\"10.01.2017\" Rate=\"1\"/></C>");
    struct Case {
        Date date;
        const char* found;
    } cases[] = {
        {D(2016, 12, 31), "none"},
        {D(2017, 1, 1), "31.12.2016=75.0"},
        {D(2017, 1, 31), "10.01.2017=72.5"},
        {D(2017, 2, 1), "none"},
        {D(2017, 2, 28), "none"},
        {D(2017, 3, 1), "28.02.2017=71.0"},
        {D(2017, 3, 31), "02.03.2017=70.5"},
        {D(2017, 4, 1), "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(At(rates, "826", c.date), c.found) << c.date.ToText();
    EXPECT_EQ(At(rates, "1", D(2017, 1, 10)), "none");  // coverage that cannot be read covers nothing
    EXPECT_EQ(rates.FindCurrencyByCodeOrAlpha("gbp"), rates.FindCurrency("826"));
    EXPECT_EQ(rates.FindCurrencyByCodeOrAlpha("826"), rates.FindCurrency("826"));
    EXPECT_EQ(rates.FindCurrencyByCodeOrAlpha("USD"), nullptr);
    EXPECT_EQ(RateValue({"", "72,5", "1"}), Money::Parse("72.5"));
    EXPECT_FALSE(RateQuantity({"", "1", "0"}));
    EXPECT_FALSE(RateQuantity({"", "1", "1x"}));
}

TEST(CurrencyRatesTest, SavedDictionaryReadsBackTheSame) {
    CurrencyRates rates = FromText(
        "<C Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"10.01.2017-12.01.2017\">"
        "<R Date=\"10.01.2017\" Rate=\"59.8961\" Quantity=\"1\"/></C><C Code=\"392\" Name=\"Иена\"/>");
    CurrencyRates again = CurrencyRates::FromDoc(XmlDoc::ParseText(rates.Serialize(), "again.xml"));
    ASSERT_EQ(again.Currencies().size(), 2u);
    const Currency& usd = again.Currencies()[0];
    EXPECT_EQ(usd.alpha, "USD");
    EXPECT_EQ(usd.name, "Доллар США");
    EXPECT_EQ(CoverageText(usd.covered.value()), "10.01.2017-12.01.2017");
    EXPECT_EQ(At(again, "840", D(2017, 1, 12)), "10.01.2017=59.8961");
    EXPECT_FALSE(again.Currencies()[1].covered);
}

TEST(CurrencyRatesTest, UnknownCurrencies) {
    CurrencyRates rates = FromText(
        "<C Code=\"978\" Name=\"Евро\"><R Date=\"01.01.2017\" Rate=\"63.8111\" Quantity=\"1\"/></C>"
        "<C Code=\"978\" Name=\"Второй\"/><C Code=\"\" Name=\"Без кода\"/><C Code=\"392\" Name=\"Иена\"/>");
    EXPECT_EQ(rates.FindCurrency("978")->name, "Евро");  // the first of equal codes
    EXPECT_EQ(rates.FindCurrency("840"), nullptr);
    EXPECT_EQ(rates.FindCurrency(""), nullptr);
    EXPECT_EQ(rates.FindRate("840", D(2017, 6, 1)), nullptr);
    EXPECT_EQ(rates.FindRate("", D(2017, 6, 1)), nullptr);
    EXPECT_EQ(rates.FindRate("392", D(2017, 6, 1)), nullptr);  // a currency without rates
    EXPECT_EQ(CurrencyRates().FindRate("978", D(2017, 6, 1)), nullptr);
}

TEST(CurrencyRatesTest, OddFilesGiveTheWalksResults) {
    // Out of order, repeated, non-canonical and unreadable dates: the result is the walk's.
    CurrencyRates rates = FromText(
        "<C Code=\"1\" Name=\"a\">"
        "<R Date=\"12.01.2017\" Rate=\"12\"/><R Date=\"10.01.2017\" Rate=\"10\"/><R Date=\"xx\" Rate=\"x\"/>"
        "<R Date=\"10.01.2017\" Rate=\"10b\"/><R Date=\"5.1.2017\" Rate=\"5\"/></C>");
    EXPECT_EQ(At(rates, "1", D(2017, 1, 11)), "5.1.2017=5");  // the last earlier entry in file order
    EXPECT_EQ(At(rates, "1", D(2017, 1, 10)), "10.01.2017=10");
    EXPECT_EQ(At(rates, "1", D(2017, 1, 5)), "none");  // "5.1.2017" is not the same text
    EXPECT_EQ(At(rates, "1", D(2017, 1, 13)), "5.1.2017=5");
}

TEST(CurrencyRatesTest, SearchAgreesWithTheWalk) {
    std::mt19937 rng(20170110);
    for (int round = 0; round < 200; ++round) {
        std::string body = "<C Code=\"1\" Name=\"a\">";
        Date day = D(2016, 12, 20);
        int n = static_cast<int>(rng() % 12);
        bool shuffled = round % 3 == 0;
        for (int i = 0; i < n; ++i) {
            day = Date(day.days() + (shuffled ? -3.0 + rng() % 7 : 1.0 + rng() % 4));
            body += "<R Date=\"" + day.ToText() + "\" Rate=\"" + std::to_string(i) + "\"/>";
        }
        CurrencyRates rates = FromText(body + "</C>");
        const Currency& c = *rates.FindCurrency("1");
        for (double t = D(2016, 12, 15).days(); t < D(2017, 2, 20).days(); t += 0.5)
            EXPECT_EQ(rates.FindRate("1", Date(t)), CurrencyRates::WalkRates(c, Date(t))) << body << " at " << t;
    }
}

TEST(CurrencyRatesTest, PickerPreselection) {
    CurrencyRates withZero = FromText("<C Code=\"36\" Name=\"a\"/><C Code=\"0\" Name=\"b\"/><C Code=\"840\"/>");
    EXPECT_EQ(PreselectCurrencyRow(withZero.Currencies(), ""), 1u);
    EXPECT_EQ(PreselectCurrencyRow(withZero.Currencies(), "840"), 2u);
    EXPECT_EQ(PreselectCurrencyRow(withZero.Currencies(), "999"), 0u);
    CurrencyRates withoutZero = FromText("<C Code=\"36\" Name=\"a\"/><C Code=\"840\"/>");
    EXPECT_EQ(PreselectCurrencyRow(withoutZero.Currencies(), ""), 0u);
    EXPECT_FALSE(PreselectCurrencyRow({}, "840"));
}

TEST(CurrencyRatesTest, BelarusianRoubleWarnings) {
    EXPECT_NE(CurrencyChoiceWarning("840", "974").value().find("старого белорусского рубля"), std::string::npos);
    EXPECT_NE(CurrencyChoiceWarning("", "933").value().find("нового белорусского рубля до 1 июля 2016"),
              std::string::npos);
    EXPECT_FALSE(CurrencyChoiceWarning("974", "974"));
    EXPECT_FALSE(CurrencyChoiceWarning("933", "933"));
    EXPECT_FALSE(CurrencyChoiceWarning("974", "840"));
}

}  // namespace
}  // namespace zizaza
