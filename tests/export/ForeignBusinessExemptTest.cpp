#include "ExportTestSupport.h"
#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

namespace zizaza::exporttest {
namespace {

using Attrs = std::vector<std::pair<std::string, std::string>>;

std::unique_ptr<mTDeclaration> Declaration(uint16_t flags) {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeFlags(flags);
    d->InspectionCode = "7701";
    d->Person.Name.Inn = "770123456789";
    d->StandardDeductions.Granted = false;
    return d;
}

DohodCur Line(const char* country, const char* currency, const char* kind = "2") {
    DohodCur l;
    l.CountryCode = country;
    l.CurrencyCode = currency;
    l.SourceName = "Apple Inc.";
    l.IncomeDate = Date::Ymd(2017, 6, 1);
    l.IncomeRateText = "59.0855";
    l.IncomeInCurrency = "1000,50";
    l.IncomeInRoubles = *Money::Parse("59115.05");
    l.IncomeKind = kind;
    return l;
}

TEST(ForeignIncomes, LineAt9PercentWithoutTaxPaidAbroad) {
    auto d = Declaration(kIncomeRussia | kIncomeForeign);
    TestFigures f;
    f.prilB9.OtherIncome = Rub(100);
    DohodCur l = Line("4", " 840 ", "1");
    l.CfcNumber = "7";  // a 13% matter: never at 9%
    l.LiquidationIncome = Rub(5);
    l.CfcProfitRule = 1;
    f.prilB9.Lines.push_back(l);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement rate = At(x, "Документ/НДФЛ3/ДоходИстИно");
    EXPECT_EQ(rate.Attributes(), (Attrs{{"Ставка", "09"}}));
    EXPECT_EQ(rate.Child("РасчДохНалИно").Attributes(), (Attrs{{"ОКСМ", "004"},
                                                               {"НаимИстДох", "APPLE INC."},
                                                               {"КодВалют", "840"},
                                                               {"КодВидДох", "2"},
                                                               {"ДатаДох", "01.06.2017"},
                                                               {"КурсВалютДох", "59.0855"},
                                                               {"ДоходИноВал", "1000.50"},
                                                               {"ДоходИноРуб", "59115.05"}}));
}

TEST(ForeignIncomes, LineAt13PercentWithEverything) {
    auto d = Declaration(kIncomeRussia | kIncomeForeign);
    TestFigures f;
    f.prilB13.CfcIncome = Rub(1);  // a sheet with only CFC profit is still written
    DohodCur l = Line("196", "978", "1");
    l.CfcNumber = "12";
    l.LiquidationIncome = Rub(300);
    l.CfcDividendIncome = Rub(400);
    l.CfcProfitRule = 2;
    l.TaxPaymentDate = Date::Ymd(2017, 6, 2);
    l.TaxRateText = "59.1";
    l.TaxInCurrency = "100,05";
    l.TaxInRoubles = *Money::Parse("5913.00");
    l.RussianTaxComputed = *Money::Parse("7684.96");
    l.Credit = *Money::Parse("5913");
    f.prilB13.Lines.push_back(l);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ДоходИстИно/РасчДохНалИно");
    EXPECT_EQ(Attr(At(x, "Документ/НДФЛ3/ДоходИстИно"), "Ставка"), "13");
    EXPECT_EQ(AttributeNames(e),
              (std::vector<std::string>{"ОКСМ", "НаимИстДох", "КодВалют", "КодВидДох", "НомерКИК", "ДатаДох",
                                        "КурсВалютДох", "ДоходИноВал", "ДоходИноРуб", "ДохСтИмЛиквИн", "ДохДивКИК",
                                        "ПорядПрибКИК", "ДатаУплНал", "КурсВалютНал", "НалУплИноВал", "НалУплИноРуб",
                                        "НалЗачРФОбщ", "НалогЗачРФОбщ"}));
    EXPECT_EQ(Attr(e, "КодВидДох"), "1");
    EXPECT_EQ(Attr(e, "ПорядПрибКИК"), "2");
    EXPECT_EQ(Attr(e, "НалУплИноВал"), "100.05");
    EXPECT_EQ(Attr(e, "НалогЗачРФОбщ"), "5913.00");
}

TEST(ForeignIncomes, RatesInOrderAndOnlyWithTheirIncomeAndTheFlag) {
    TestFigures f;
    f.prilB35.OtherIncome = Rub(1);
    f.prilB13.DividendIncome = Rub(1);
    f.prilB9.CfcIncome = Rub(1);  // not an income that writes the 9% rate
    auto rates = [&](const mTDeclaration& d) {
        std::vector<std::string> r;
        XmlDocument x = ExportDocument(d, f);
        for (const XmlElement& e : At(x, "Документ/НДФЛ3").Children("ДоходИстИно"))
            r.push_back(Attr(e, "Ставка"));
        return r;
    };
    EXPECT_EQ(rates(*Declaration(kIncomeRussia | kIncomeForeign)), (std::vector<std::string>{"13", "35"}));
    f.prilB9.OtherIncome = Rub(1);
    EXPECT_EQ(rates(*Declaration(kIncomeRussia | kIncomeForeign)), (std::vector<std::string>{"09", "13", "35"}));
    EXPECT_TRUE(rates(*Declaration(kIncomeRussia)).empty());
}

TEST(BusinessIncome, ActivitiesExpensesFarmAndCorrection) {
    auto d = Declaration(kIncomeRussia | kIncomeBusiness);
    mTBusinessNew& a = d->BusinessIncome(d->AddBusinessIncome());
    a.ActivityKind = "1";
    a.OkvedCode = "62.01";
    a.Income = Rub(1000000);
    a.ExpensesTotal = Rub(300000);
    mTBusinessNew& b = d->BusinessIncome(d->AddBusinessIncome());
    b.ActivityKind = "3";
    b.OkvedCode = "69.10";
    b.Income = Rub(200000);
    b.Itemized = false;
    mTBusinessNew& c = d->BusinessIncome(d->AddBusinessIncome());
    c.ActivityKind = "2";
    c.Income = Rub(100);
    c.Itemized = false;
    c.NormExpenses = Rub(20);
    c.ExpensesTotal = Rub(99);  // not itemized: not written
    d->IsFarm = 1;
    d->FarmRegistrationDate = Date::Ymd(2014, 4, 2);
    d->FarmExemptIncome = Rub(5000);
    d->CorrectedTax = Rub(10);
    TestFigures f;
    f.prilV1.BusinessIncome = Rub(1200100);
    f.prilV1.BusinessExpenses = Rub(300020);
    f.prilV1.ActualPrepayments = Rub(7000);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ДоходПредпр");
    EXPECT_EQ(e.Attributes(), (Attrs{{"ДоходИт", "1200100.00"}, {"ВычПрофИт", "300020.00"}, {"УплФактАвИт", "7000"}}));
    EXPECT_EQ(ChildNames(e),
              (std::vector<std::string>{"РасчВидДеят", "РасчВидДеят", "РасчВидДеят", "СведКФХ", "НБКор105.3"}));
    auto activities = e.Children("РасчВидДеят");
    EXPECT_EQ(activities[0].Attributes(),
              (Attrs{{"ВидДеят", "1"}, {"ОКВЭД", "62.01"}, {"Доход", "1000000.00"}, {"РасхФакт", "300000.00"}}));
    EXPECT_EQ(activities[1].Attributes(), (Attrs{{"ВидДеят", "3"}, {"Доход", "200000.00"}}));
    EXPECT_EQ(activities[2].Attributes(), (Attrs{{"ВидДеят", "2"}, {"Доход", "100.00"}, {"РасхПредНорм", "20.00"}}));
    EXPECT_EQ(e.Child("СведКФХ").Attributes(), (Attrs{{"ГодРегКФХ", "2014"}, {"ДоходНеНал", "5000.00"}}));
    EXPECT_EQ(e.Child("НБКор105.3").Attributes(), (Attrs{{"НБКорСам", "0.00"}, {"НалКорСам", "10"}}));
}

TEST(BusinessIncome, NotWrittenWithoutRecords) {
    auto d = Declaration(kIncomeRussia | kIncomeBusiness);
    d->IsFarm = 1;
    TestFigures f;
    f.prilV1.BusinessIncome = Rub(1);
    EXPECT_TRUE(At(ExportDocument(*d, f), "Документ/НДФЛ3/ДоходПредпр").IsNull());
}

TEST(ExemptIncomes, RowsInOrderWithMonthsWorked) {
    auto d = Declaration(kIncomeRussia);
    d->MonthsWorked = 6;
    TestFigures f;
    f.prilM.ДохНеНалОбщ = Rub(9000);
    f.prilM.ПризРекл = {Rub(10000), Rub(4000)};
    f.prilM.НатОплСХ = {Rub(3000), Rub(3000)};
    f.prilM.МатПомРаб = {Rub(10000), Rub(4000)};
    f.prilM.ПодарНП = {Rub(500), Rub(0)};  // nothing exempt: not written
    f.prilM.МатПомРожд = {Rub(2000), Rub(2000)};
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ДоходОсвПрев");
    EXPECT_EQ(e.Attributes(), (Attrs{{"ДохНеНалОбщ", "9000.00"}}));
    EXPECT_EQ(ChildNames(e), (std::vector<std::string>{"МатПомРожд", "МатПомРаб", "НатОплСХ", "ПризРекл"}));
    EXPECT_EQ(e.Child("НатОплСХ").Attributes(),
              (Attrs{{"КолМесОтраб", "6"}, {"ДоходВсИст", "3000.00"}, {"ДоходНеНал", "3000.00"}}));
}

TEST(ExemptIncomes, WrittenForPrizesAloneAndNotWithoutAnything) {
    auto d = Declaration(kIncomeRussia);
    d->DeclarationForm = kForm3NdflNonResident;
    TestFigures f;
    EXPECT_TRUE(At(ExportDocument(*d, f), "Документ/НДФЛ3/ДоходОсвПрев").IsNull());
    f.prilM.ПризРекл = {Rub(3000), Rub(3000)};
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ДоходОсвПрев");
    EXPECT_EQ(e.Attributes(), (Attrs{{"ДохНеНалОбщ", "0.00"}}));
    EXPECT_EQ(ChildNames(e), std::vector<std::string>{"ПризРекл"});
}

}  // namespace
}  // namespace zizaza::exporttest
