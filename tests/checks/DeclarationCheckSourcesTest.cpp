// The identifiers of the sources of payment that the export writes: OKTMO, INN and KPP.
#include "DeclarationCheckTestSupport.h"

#include <functional>

#include <gtest/gtest.h>

namespace zizaza::checktest {
namespace {

const Money kIncome = Money::Roubles(100000);

// The source with 6500 of its 13000 refunded (medical expenses of 50000), or nothing refunded.
mTThirteenPercent& Refunded13(mTDeclaration& doc, bool refund = true) {
    mTThirteenPercent& source = AddSource(doc, kIncome, refund ? Money::Roubles(13000) : Money());
    source.Oktmo = "45301000";
    if (refund) {
        doc.SocialDeductions.Granted = true;
        doc.SocialDeductions.Medical = Money::Roubles(50000);
    }
    return source;
}

template <class T>
T& Organization(T& source, const char* inn, const char* kpp) {
    source.Name = "ООО \"Ромашка\"";
    source.Oktmo = "45301000";
    source.Inn = inn;
    source.Kpp = kpp;
    return source;
}

struct SourceCase {
    const char* name;
    std::function<void(mTDeclaration&)> fill;
    std::string title;    // empty: no problem
    std::string message;  // after "Источник выплаты "ООО "Ромашка"": "
    uint16_t screen = 0, item = 0;
};

class SourceIdentifiers : public testing::TestWithParam<SourceCase> {};

TEST_P(SourceIdentifiers, MessageAndNavigation) {
    const SourceCase& c = GetParam();
    auto doc = CleanDeclaration();
    c.fill(*doc);
    ScriptedCheckAnswerer answerer({Fix});
    const uint32_t code = CheckDeclaration(*doc, answerer);
    if (c.title.empty()) {
        EXPECT_EQ(answerer.ShownCount(), 0u) << (answerer.ShownCount() ? answerer.ShownProblems()[0].Line() : "");
        EXPECT_EQ(NavigationItem(code), kNavigationNoProblem);
        return;
    }
    ASSERT_EQ(answerer.ShownCount(), 1u);
    EXPECT_EQ(answerer.ShownProblems()[0].sectionTitle, c.title);
    EXPECT_EQ(answerer.ShownProblems()[0].message, "Источник выплаты \"ООО \"Ромашка\"\": " + c.message);
    EXPECT_EQ(code, MakeNavigationCode(c.screen, c.item));
}

const char* const k13 = "Доходы, облагаемые ставкой 13%";

const SourceCase kSourceCases[] = {
    {"EmptyOktmoOfARefundedSource", [](mTDeclaration& d) { Refunded13(d).Oktmo = ""; }, k13,
     "Не введен код ОКТМО(8 или 11 симв.), а по источнику возвращается налог", kScreenRussianIncome13, 1},
    {"EmptyOktmoWithoutRefundPasses", [](mTDeclaration& d) { Refunded13(d, false).Oktmo = ""; }, "", ""},
    {"SecondSourceMalformedOktmo",
     [](mTDeclaration& d) {
         Refunded13(d, false);
         Refunded13(d, false).Oktmo = "4530100";
     },
     k13, "Код ОКТМО введен некорректно(должно быть 8 или 11 цифр)", kScreenRussianIncome13, 2},
    {"OktmoWithLetters", [](mTDeclaration& d) { Refunded13(d).Oktmo = "4530100O"; }, k13,
     "Код ОКТМО введен некорректно(должно быть 8 или 11 цифр)", kScreenRussianIncome13, 1},
    {"OrganizationInnCheckDigit", [](mTDeclaration& d) { Organization(Refunded13(d), "1234567895", "773101001"); }, k13,
     "Номер ИНН введен неверно", kScreenRussianIncome13, 1},
    {"PersonInnCheckDigit", [](mTDeclaration& d) { Organization(Refunded13(d), "123456789048", ""); }, k13,
     "Номер ИНН введен неверно", kScreenRussianIncome13, 1},
    {"InnLength", [](mTDeclaration& d) { Organization(Refunded13(d), "12345678904", ""); }, k13,
     "Длина ИНН должна быть равна 10 или 12 цифрам", kScreenRussianIncome13, 1},
    {"KppLength", [](mTDeclaration& d) { Organization(Refunded13(d), "1234567894", "77310100"); }, k13,
     "Длина КПП должна быть равна 9 цифрам", kScreenRussianIncome13, 1},
    {"OrganizationWithoutKpp", [](mTDeclaration& d) { Organization(Refunded13(d), "1234567894", ""); }, k13,
     "Отсутствует КПП", kScreenRussianIncome13, 1},
    {"KppOfAPerson", [](mTDeclaration& d) { Organization(Refunded13(d), "123456789047", "773101001"); }, k13,
     "Длина ИНН для юрлиц должна быть равна 10 цифрам", kScreenRussianIncome13, 1},
    {"ValidOrganizationAndPersonPass",
     [](mTDeclaration& d) {
         Organization(Refunded13(d), "1234567894", "773101001");
         Organization(Refunded13(d, false), "123456789047", "");
     },
     "", ""},
    {"DividendSource",
     [](mTDeclaration& d) {
         Organization(d.Income30(d.AddIncome30()), "1234567894", "773101001");
         Organization(d.Income30(d.AddIncome30()), "1234567894", "000000000");
     },
     "Доходы в виде дивидендов", "Некорректный КПП", kScreenRussianIncomeDividends, 2},
    {"NinePercentSource", [](mTDeclaration& d) { Organization(d.Income9(d.AddIncome9()), "1234567895", "773101001"); },
     "Доходы, облагаемые по ставке 9%", "Номер ИНН введен неверно", kScreenRussianIncome9, 1},
    {"ThirtyFivePercentSource",
     [](mTDeclaration& d) { Organization(d.Income35(d.AddIncome35()), "1234567894", "7731"); },
     "Доходы, облагаемые по ставке 35%", "Длина КПП должна быть равна 9 цифрам", kScreenRussianIncome35, 1},
    {"NonResident13Source",
     [](mTDeclaration& d) {
         d.DeclarationForm = kForm3NdflNonResident;
         Organization(d.NonResidentIncome13(d.AddNonResidentIncome13()), "1234567895", "773101001");
     },
     "Доходы нерезидентов, высококвалифицированных специалистов", "Номер ИНН введен неверно",
     kScreenRussianIncomeNonResident13, 1},
    {"Partnership",
     [](mTDeclaration& d) {
         d.SetIncomeFlags(kIncomeRussia | kIncomeInvestTov);
         Organization(d.InvestPartnershipIncome(d.AddInvestPartnershipIncome()), "1234567894", "77310100");
     },
     "Доходы от участия в инвестиционном товариществе", "Длина КПП должна быть равна 9 цифрам",
     kScreenInvestPartnership, 1},
};

INSTANTIATE_TEST_SUITE_P(DeclarationCheck, SourceIdentifiers, testing::ValuesIn(kSourceCases),
                         [](const testing::TestParamInfo<SourceCase>& i) { return std::string(i.param.name); });

// After the 13% sources' own problems, before the currency incomes; with --all every list.
TEST(SourceIdentifiersOrder, BetweenThe13PercentAndTheCurrencySections) {
    auto doc = CleanDeclaration();
    doc->SetIncomeFlags(kIncomeRussia | kIncomeForeign);
    Organization(Refunded13(*doc), "1234567895", "773101001");
    doc->AddResidentIncome13();  // a source without incomes
    AddCurrencyIncome(*doc).CurrencyCode.clear();
    Organization(doc->Income9(doc->AddIncome9()), "1234567894", "");
    CheckResult all = RunCheck(*doc, {}, false, true);
    ASSERT_GE(all.shown.size(), 4u);
    EXPECT_EQ(all.shown[0].message, "По данному источнику не указаны доходы");
    EXPECT_EQ(all.shown[1].message, "Источник выплаты \"ООО \"Ромашка\"\": Номер ИНН введен неверно");
    EXPECT_EQ(all.shown[2].message, "Источник выплаты \"ООО \"Ромашка\"\": Отсутствует КПП");
    EXPECT_EQ(all.shown[3].sectionTitle, "Доходы в валюте");

    CheckResult first = RunCheck(*doc);
    ASSERT_EQ(first.shown.size(), 1u);
    EXPECT_EQ(first.code, MakeNavigationCode(kScreenRussianIncome13, kNavigationNotFixed));
}

}  // namespace
}  // namespace zizaza::checktest
