#include "storage/Date.h"
#include "storage/Money.h"
#include "storage/NumberText.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zizaza;

TEST(TextCodec, EveryByteSurvivesBothCodePages) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)).value(), all);
    EXPECT_EQ(Utf8ToCp866(Cp866ToUtf8(all)).value(), all);
}

TEST(TextCodec, KnownLettersMapToTheirBytes) {
    EXPECT_EQ(Utf8ToCp1251("Ёжик №1").value(),
              "\xA8\xE6\xE8\xEA \xB9"
              "1");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF"), "Ая");
    EXPECT_EQ(Cp866ToUtf8("\x80\xAF\xE0\xEF\xF0"), "АпряЁ");
    EXPECT_EQ(Utf8ToCp866("Инспекция").value(), "\x88\xAD\xE1\xAF\xA5\xAA\xE6\xA8\xEF");
}

TEST(TextCodec, RefusesWhatWindows1251CannotHold) {
    EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
    EXPECT_FALSE(Utf8ToCp1251("\xC3").has_value());          // truncated sequence
    EXPECT_FALSE(Utf8ToCp1251("\xC0\x80").has_value());      // overlong zero
    EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80").has_value());  // surrogate
    EXPECT_TRUE(FitsCp1251("Иванов \"Иван\" <@Nalog>"));
    EXPECT_FALSE(FitsCp1251(U'€' + 1));
    EXPECT_TRUE(FitsCp1251(U'€'));
    EXPECT_EQ(CodePointCount("Ёж-1"), 4u);
}

TEST(Money, ParsesAndPrintsTheShortestForm) {
    struct Case {
        const char* text;
        char sep;
        int64_t raw;
        const char* shortest;
    } cases[] = {
        {"0", '.', 0, "0"},
        {"1500", '.', 15000000, "1500"},
        {"1234.5", '.', 12345000, "1234.5"},
        {"1234,56", ',', 12345600, "1234.56"},
        {"0.0001", '.', 1, "0.0001"},
        {"-20", '.', -200000, "-20"},
        {" 7.00 ", '.', 70000, "7"},
        {"0.00005", '.', 1, "0.0001"},  // beyond four decimals rounds half away from zero
        {"-0.00005", '.', -1, "-0.0001"},
        {".5", '.', 5000, "0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto m = Money::Parse(c.text, c.sep);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->raw(), c.raw);
        EXPECT_EQ(m->ToText(), c.shortest);
    }
    for (const char* bad : {"", " ", "1.2.3", "12a", "1,5", "--1", ".", "1e5", "99999999999999999999"})
        EXPECT_FALSE(Money::Parse(bad, '.').has_value()) << bad;
    EXPECT_EQ(Money::FromRaw(INT64_MIN).ToText(), "-922337203685477.5808");
}

TEST(Date, DayNumbersMatchTheCalendar) {
    EXPECT_EQ(Date::Ymd(1899, 12, 30).days(), 0);
    EXPECT_EQ(Date::Ymd(2000, 1, 1).days(), 36526);
    EXPECT_EQ(Date::Ymd(2018, 1, 1).days(), 43101);
    EXPECT_EQ(Date(43101.75).ToText(), "01.01.2018");
    EXPECT_EQ(Date(43101.75).DateOnly().days(), 43101);
    int y, m, d;
    Date(-1).ToYmd(y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_FALSE(Date::FromYmd(2017, 2, 29).has_value());
    EXPECT_TRUE(Date::FromYmd(2016, 2, 29).has_value());
    EXPECT_FALSE(Date::FromYmd(2017, 13, 1).has_value());
    EXPECT_FALSE(Date::Parse("31.02.2017").has_value());
    EXPECT_EQ(Date::Parse("1.1.2000")->days(), 36526);
    EXPECT_EQ(Date::Parse("01,01,2000", ',')->days(), 36526);
    EXPECT_FALSE(Date::Parse("01.01.2000x").has_value());
    EXPECT_FALSE(Date::Parse("01.01.200").has_value());
}

TEST(NumberText, RoundHalfUpTruncatesNegatives) {
    EXPECT_EQ(RoundHalfUp(0.5), 1);
    EXPECT_EQ(RoundHalfUp(1.49999), 1);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(2.4999), 2);
    EXPECT_EQ(RoundHalfUp(-0.5), 0);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
}

TEST(NumberText, RoundTo2WorksOnTheBinaryValue) {
    EXPECT_DOUBLE_EQ(RoundTo2(2.344), 2.34);
    EXPECT_DOUBLE_EQ(RoundTo2(2.346), 2.35);
    EXPECT_DOUBLE_EQ(RoundTo2(-2.346), -2.34);
    // 1.005 is stored as 1.00499999999999989..., and 100 times it is just below 100.5.
    EXPECT_DOUBLE_EQ(RoundTo2(1.005), 1.0);
}

TEST(NumberText, MoneyTexts) {
    EXPECT_EQ(MoneyToText2(Money::FromRaw(12345000)), "1234.50");
    EXPECT_EQ(MoneyToText2(Money::FromRaw(123456)), "12.34");
    EXPECT_EQ(MoneyToText2(Money()), "0.00");
    EXPECT_EQ(MoneyToText2(Money::Roubles(-5)), "0.00");
    EXPECT_EQ(MoneyToText2(Money::Kopecks(5)), "0.05");
    EXPECT_EQ(MoneyToText2(Money::Roubles(999999999999)), "999999999999.00");
    EXPECT_EQ(MoneyToText2(Money::Roubles(1234567890123)), "999999999999.99");
    EXPECT_EQ(WholeMoneyToText(Money::Roubles(1500)), "1500");
    // The largest amounts the money type holds have 15 whole digits; a sign makes 16 characters.
    EXPECT_EQ(WholeMoneyToText(Money::Roubles(922337203685477)), "922337203685477");
    EXPECT_EQ(WholeMoneyToText(Money::Roubles(-100000000000000)), "999999999999999");
    EXPECT_EQ(RealToDotText(1.23456), "1.2346");
    EXPECT_EQ(RealToDotText(3), "3");
    EXPECT_EQ(RealToDotText(-0.00001), "0");
}

TEST(NumberText, GeneralFloatFormat) {
    EXPECT_EQ(GeneralFloatText(43101), "43101");
    EXPECT_EQ(GeneralFloatText(43101.5), "43101.5");
    EXPECT_EQ(GeneralFloatText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralFloatText(0.000015), "1.5E-5");
    EXPECT_EQ(GeneralFloatText(1e20), "1E20");
    EXPECT_EQ(GeneralFloatText(-0.0), "0");
    EXPECT_EQ(GeneralFloatText(2.5, ','), "2,5");
    for (double x : {0.0, 1.0, 36526.25, 43101.123456789, -7.5, 1e-7, 123456789012345.0}) {
        auto back = ParseFloat(GeneralFloatText(x));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, x, std::fabs(x) * 1e-14);
    }
    EXPECT_FALSE(ParseFloat("1,5").has_value());
    EXPECT_EQ(ParseFloat("1,5", ',').value(), 1.5);
    EXPECT_FALSE(ParseFloat("").has_value());
    EXPECT_FALSE(ParseFloat("1e").has_value());
    EXPECT_EQ(ParseInteger(" -12").value(), -12);
    EXPECT_FALSE(ParseInteger("+-1").has_value());
    EXPECT_FALSE(ParseInteger("12 ").has_value());
    EXPECT_FALSE(ParseInteger("").has_value());
}

// Built during static initialisation, before anything in the date module itself could run.
static const Date kStaticDate = Date::Ymd(2017, 12, 31);

TEST(Date, ConstantsBuiltAtStartUpAreRight) {
    EXPECT_EQ(kStaticDate.ToText(), "31.12.2017");
}
