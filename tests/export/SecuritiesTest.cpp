#include "ExportTestSupport.h"
#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

namespace zizaza::exporttest {
namespace {

using Attrs = std::vector<std::pair<std::string, std::string>>;

std::unique_ptr<mTDeclaration> Declaration() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeFlags(kIncomeRussia);
    d->InspectionCode = "7701";
    d->Person.Name.Inn = "770123456789";
    d->StandardDeductions.Granted = false;
    return d;
}

TEST(Securities, NothingWithoutOperationsOrLosses) {
    auto d = Declaration();
    d->SecuritiesDeductions.SecuritiesLoss(2012) = Rub(5);  // the sheet's opening loss decides, not the record
    XmlDocument x = ExportDocument(*d, TestFigures());
    EXPECT_TRUE(At(x, "Документ/НДФЛ3").Children("ДохОперЦБ").empty());
}

TEST(Securities, AnEarlierLossAloneOnTheInvestmentAccount) {
    auto d = Declaration();
    d->IisDeductions.SecuritiesLoss(2010) = Rub(30000);
    d->IisDeductions.DerivativesLoss(2011) = Rub(0);
    TestFigures f;
    f.prilJIis.ОстУбытНачВс.СуммаЦБ = Rub(30000);
    f.prilJIis.ОстУбытКонВс.СуммаЦБ = Rub(30000);
    XmlDocument x = ExportDocument(*d, f);
    auto ops = At(x, "Документ/НДФЛ3").Children("ДохОперЦБ");
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].Attributes(), (Attrs{{"ВидОпер", "1"}}));
    EXPECT_EQ(ChildNames(ops[0]), std::vector<std::string>{"УбытПредПер"});
    XmlElement earlier = ops[0].Child("УбытПредПер");
    EXPECT_EQ(ChildNames(earlier),
              (std::vector<std::string>{"ОстУбытНачВс", "ОстУбытПрошПер", "НалБазаПер", "СумУмНБПер", "ОстУбытКонВс"}));
    EXPECT_EQ(earlier.Child("ОстУбытНачВс").Attributes(), (Attrs{{"СуммаЦБ", "30000.00"}}));
    EXPECT_EQ(earlier.Child("ОстУбытПрошПер").Attributes(),
              (Attrs{{"ПериодПрош", "2010"}, {"УбытНачЦБОбр", "30000.00"}}));
    EXPECT_TRUE(earlier.Child("НалБазаПер").Attributes().empty());
    EXPECT_TRUE(earlier.Child("СумУмНБПер").Attributes().empty());
}

TEST(Securities, YearsAscendingAndOnlyWithALoss) {
    auto d = Declaration();
    d->SecuritiesDeductions.DerivativesLoss(2016) = Rub(7);
    d->SecuritiesDeductions.SecuritiesLoss(2007) = Rub(1);
    d->SecuritiesDeductions.DerivativesLoss(2007) = Rub(2);
    d->SecuritiesDeductions.SecuritiesLoss(2013) = Rub(-3);
    TestFigures f;
    f.prilJ.ОстУбытНачВс = {Rub(1), Rub(9)};
    XmlDocument x = ExportDocument(*d, f);
    XmlElement ops = At(x, "Документ/НДФЛ3/ДохОперЦБ");
    EXPECT_EQ(Attr(ops, "ВидОпер"), "2");
    auto years = ops.Child("УбытПредПер").Children("ОстУбытПрошПер");
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[0].Attributes(),
              (Attrs{{"ПериодПрош", "2007"}, {"УбытНачЦБОбр", "1.00"}, {"УбытНачПФИОбр", "2.00"}}));
    EXPECT_EQ(years[1].Attributes(), (Attrs{{"ПериодПрош", "2016"}, {"УбытНачПФИОбр", "7.00"}}));
}

TEST(Securities, TradedGroupWithAGainHasNoLossDistribution) {
    auto d = Declaration();
    TestFigures f;
    for (kTSvodSumPrilJ* j : {&f.prilJIis, &f.prilJ}) {
        j->ДохОперЦБОрг.ДохСовОпер = Rub(100000);
        j->ДохОперЦБОрг.РасхРеалЦБ = Rub(60000);
        j->ДохОперЦБОрг.РасхУмДохРеалЦБ = Rub(60000);
        j->ДохОперЦБОрг.НалБазаОпер = Rub(40000);
        j->ДохОперЦБОрг.ИнвВычУмФР = Rub(12000);
        j->ДохОперЦБОрг.ДоходОбл = Rub(28000);
        j->ИтогСовОпер = {Rub(100000), Rub(28000), Rub(72000)};
    }
    XmlDocument x = ExportDocument(*d, f);
    auto ops = At(x, "Документ/НДФЛ3").Children("ДохОперЦБ");
    ASSERT_EQ(ops.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        XmlElement traded = ops[i].Child("ДохОперЦБОрг");
        EXPECT_EQ(ChildNames(traded), (std::vector<std::string>{"РасчФинРез", "РасчДохОбл"}));
        EXPECT_EQ(AttributeNames(traded.Child("РасчФинРез")),
                  (std::vector<std::string>{"ДохСовОпер", "РасхРеалЦБ", "УбытРЕПОУмДох", "УбытЗаймУмДох", "ПроцРасх",
                                            "РасхУмДохРеалЦБ", "НалБазаОпер", "УбытРезОпер"}));
        EXPECT_EQ(ChildNames(ops[i]), (std::vector<std::string>{"ДохОперЦБОрг", "ИтогСовОпер"}));
    }
    // The investment account never shows the investment deduction of the financial result.
    EXPECT_EQ(
        ops[0].Child("ДохОперЦБОрг").Child("РасчДохОбл").Attributes(),
        (Attrs{
            {"ИнвВычУмФР", "0.00"}, {"УбытУмНБ_4.10", "0.00"}, {"УбытПрПерУмНБ", "0.00"}, {"ДоходОбл", "28000.00"}}));
    EXPECT_EQ(Attr(ops[1].Child("ДохОперЦБОрг").Child("РасчДохОбл"), "ИнвВычУмФР"), "12000.00");
    EXPECT_EQ(ops[1].Child("ИтогСовОпер").Attributes(),
              (Attrs{{"ОбщДохСовОпер", "100000.00"}, {"ОбщДоходОбл", "28000.00"}, {"ОбщРасхПрмВыч", "72000.00"}}));
}

TEST(Securities, EveryGroupInItsOrder) {
    auto d = Declaration();
    TestFigures f;
    kTSvodSumPrilJ& j = f.prilJ;
    j.ДохОперЦБОрг.ПроцРасх = Rub(1);
    j.ДохОперЦБОрг.УбытРезОпер = Rub(1);
    j.ДохОперЦБОргНеОрг.ДохСовОпер = Rub(2);
    j.ДохОперЦБНеОрг.ПроцРасх = Rub(3);
    j.ДохПФИОргЦБ.ДохСовОпер = Rub(4);
    j.ДохПФИОргЦБ.НалБазаОпер = Rub(4);
    j.ДохПФИОргЦБ.УбытРезОпер = Rub(1);
    j.ДохПФИОргНеЦБ.РасхРеалПФИ = Rub(5);
    j.ДохПФИОргНеЦБ.УбытРезОпер = Rub(5);
    j.ДохПФИНеОрг.ДохСовОпер = Rub(6);
    j.ДохРЕПО.ДохЗаймРЕПО = Rub(7);
    j.ДохРЕПО.УбытРЕПОНеОбр = Rub(1);
    j.ДохЗаймЦБ.РасхДогЗайм = Rub(8);
    j.ОстУбытНачВс.СуммаПФИ = Rub(9);
    j.УбытПрхПер.УбытОперПФИОбр = Rub(10);
    j.ИтогСовОпер.ОбщДохСовОпер = Rub(11);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement ops = At(x, "Документ/НДФЛ3/ДохОперЦБ");
    EXPECT_EQ(ChildNames(ops), (std::vector<std::string>{"ДохОперЦБОрг", "ДохОперЦБОргНеОрг", "ДохОперЦБНеОрг",
                                                         "ДохПФИОргЦБ", "ДохПФИОргНеЦБ", "ДохПФИНеОрг", "ДохРЕПО",
                                                         "ДохЗаймЦБ", "УбытПредПер", "УбытПрхПер", "ИтогСовОпер"}));
    EXPECT_EQ(ChildNames(ops.Child("ДохОперЦБОрг")), (std::vector<std::string>{"РасчФинРез", "РаспрУбыт"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохОперЦБОрг").Child("РаспрУбыт")),
              (std::vector<std::string>{"УбытУч_2.3", "УбытУч_4.6", "УбытУмНББуд"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохОперЦБОргНеОрг")),
              (std::vector<std::string>{"ДохСовОпер", "РасхРеалЦБ", "УбытУмФР_1.13", "ДоходОбл"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохОперЦБНеОрг")),
              (std::vector<std::string>{"ДохСовОпер", "РасхРеалЦБ", "УбытРЕПОУмДох", "УбытЗаймУмДох", "ПроцРасх",
                                        "УбытВыхИТ", "РасхУмДохРеалЦБ", "ДоходОбл"}));
    XmlElement pfiCb = ops.Child("ДохПФИОргЦБ");
    EXPECT_EQ(ChildNames(pfiCb), (std::vector<std::string>{"РасчФинРез", "РасчДохОбл", "РаспрУбыт"}));
    EXPECT_EQ(AttributeNames(pfiCb.Child("РасчФинРез")),
              (std::vector<std::string>{"ДохСовОпер", "РасхРеалПФИ", "НалБазаОпер", "УбытРезОпер"}));
    EXPECT_EQ(AttributeNames(pfiCb.Child("РасчДохОбл")),
              (std::vector<std::string>{"УбытПрПерУмНБ", "УбытУмНБ_1.14", "УбытУмНБ_5.8", "ДоходОбл"}));
    EXPECT_EQ(AttributeNames(pfiCb.Child("РаспрУбыт")),
              (std::vector<std::string>{"УбытУмНБ_5.6", "УбытУмНБ_1.10", "УбытУмНББуд"}));
    EXPECT_EQ(ChildNames(ops.Child("ДохПФИОргНеЦБ")), (std::vector<std::string>{"РасчФинРез", "РаспрУбыт"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохПФИОргНеЦБ").Child("РаспрУбыт")),
              (std::vector<std::string>{"УбытУмНБ_4.7", "УбытУмНББуд"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохПФИНеОрг")),
              (std::vector<std::string>{"ДохСовОпер", "РасхРеалПФИ", "ДоходОбл"}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохРЕПО").Child("РасчФинРез")),
              (std::vector<std::string>{"ДохЗаймРЕПО", "РасхЗаймРЕПО", "ДоходОбл", "УбытРезОпер"}));
    EXPECT_EQ(ops.Child("ДохРЕПО").Child("РаспрУбыт").Attributes(),
              (Attrs{{"УбытРЕПООбр", "0.00"}, {"УбытРЕПОНеОбр", "1.00"}}));
    EXPECT_EQ(AttributeNames(ops.Child("ДохЗаймЦБ").Child("РасчФинРез")),
              (std::vector<std::string>{"ДохДогЗайм", "РасхДогЗайм", "ДоходОбл", "УбытРезОпер"}));
    EXPECT_EQ(ChildNames(ops.Child("ДохЗаймЦБ")), std::vector<std::string>{"РасчФинРез"});
    EXPECT_EQ(ops.Child("УбытПрхПер").Attributes(), (Attrs{{"УбытОперЦБОбр", "0.00"}, {"УбытОперПФИОбр", "10.00"}}));
}

TEST(InvestPartnerships, KindsExitAndTotals) {
    auto d = Declaration();
    TestFigures f;
    EXPECT_TRUE(At(ExportDocument(*d, f), "Документ/НДФЛ3/ДохИвестТов").IsNull());
    f.prilI.ДохЦБОбрИТ.ДохСовокуп = Rub(1000);
    f.prilI.ДохЦБОбрИТ.РазмерФинРез = Rub(600);
    f.prilI.ДохПрочИТ.УбытПрУмен = Rub(5);
    f.prilI.РасчДохВыхИТ.ВкладИТ = Rub(50);
    f.prilI.РасчДохВыхИТ.УбытРез = Rub(50);
    f.prilI.ИтогСовОпер = {Rub(1000), Rub(600), Rub(400)};
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ДохИвестТов");
    EXPECT_EQ(ChildNames(e), (std::vector<std::string>{"ДохЦБОбрИТ", "ДохПрочИТ", "РасчДохВыхИТ", "ИтогСовОпер"}));
    EXPECT_EQ(AttributeNames(e.Child("ДохЦБОбрИТ")),
              (std::vector<std::string>{"ДохСовокуп", "РасхДолУпрТов", "РасхВознУпрТоп", "УбытПрУмен", "РазмерФинРез",
                                        "ИнвВычУмФР", "ДоходОбл", "УбытПерБудущ"}));
    EXPECT_EQ(AttributeNames(e.Child("ДохПрочИТ")),
              (std::vector<std::string>{"ДохСовокуп", "РасхДолУпрТов", "РасхВознУпрТоп", "УбытПрУмен", "ДоходОбл",
                                        "УбытПерБудущ"}));
    EXPECT_EQ(e.Child("РасчДохВыхИТ").Attributes(),
              (Attrs{{"ДохВыхИТ", "0.00"}, {"ВкладИТ", "50.00"}, {"ДоходОбл", "0.00"}, {"УбытРез", "50.00"}}));
    EXPECT_EQ(e.Child("ИтогСовОпер").Attributes(),
              (Attrs{{"ОбщДохСовОпер", "1000.00"}, {"ОбщДоходОбл", "600.00"}, {"ОбщРасхПрмВыч", "400.00"}}));
}

TEST(CadastralSales, The13PercentSalesFirst) {
    auto d = Declaration();
    TestFigures f;
    f.prilA13.CadastralItems.push_back({"77:01:1", Rub(5000000), Rub(3000000), Rub(3500000), Rub(3500000)});
    f.prilA13.CadastralItems.push_back({"77:01:2", Rub(1000000), Rub(900000), Rub(700000), Rub(900000)});
    f.prilA30.CadastralItems.push_back({"50:02:3", *Money::Parse("123456.78"), Rub(1), Rub(2), Rub(3)});
    XmlDocument x = ExportDocument(*d, f);
    auto sales = At(x, "Документ/НДФЛ3").Children("ДохПродОНИ");
    ASSERT_EQ(sales.size(), 3u);
    EXPECT_EQ(sales[0].Attributes(), (Attrs{{"НомКадОтчуждОНИ", "77:01:1"},
                                            {"КадСтоимГодРег", "5000000.00"},
                                            {"ДохПродЦенаДог", "3000000.00"},
                                            {"КадСтоимКоэф", "3500000.00"},
                                            {"ДохПродНалОбл", "3500000.00"}}));
    EXPECT_EQ(Attr(sales[1], "НомКадОтчуждОНИ"), "77:01:2");
    EXPECT_EQ(Attr(sales[2], "КадСтоимГодРег"), "123456.78");
    // The last children of НДФЛ3.
    EXPECT_EQ(ChildNames(At(x, "Документ/НДФЛ3")).back(), "ДохПродОНИ");
}

}  // namespace
}  // namespace zizaza::exporttest
