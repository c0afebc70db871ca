#include "ExportTestSupport.h"
#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

namespace zizaza::exporttest {
namespace {

using Attrs = std::vector<std::pair<std::string, std::string>>;

std::unique_ptr<mTDeclaration> Declaration(DeclarationForm form = kForm3Ndfl) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationForm = form;
    d->SetIncomeFlags(kIncomeRussia);
    d->InspectionCode = "7701";
    d->Person.Name.Inn = "770123456789";
    d->StandardDeductions.Granted = false;
    return d;
}

mTConstructionDeductObj& AddObject(mTDeclaration& d) {
    auto o = std::make_unique<mTConstructionDeductObj>();
    o->ObjectKind = PropertyObjectKind::Flat;
    o->OwnershipKind = PropertyOwnership::Individual;
    o->TaxpayerSign = PropertyTaxpayerSign::Owner;
    o->NumberKind = PropertyNumberKind::Cadastral;
    o->Number = "77:01:0001001:1001";
    o->Place = "г. Москва, ул. Тверская, д. 1, кв. 2";
    o->OwnershipRegistrationDate = Date::Ymd(2016, 3, 1);
    o->LandRegistrationDate = Date::Ymd(2016, 4, 1);
    o->TransferActDate = Date::Ymd(2015, 12, 1);
    o->ApplicationDate = Date::Ymd(2017, 2, 1);
    o->FirstYearOfUse = Date::Ymd(2016, 1, 1);
    o->ShareNumerator = 1;
    o->ShareDenominator = 2;
    o->Interest = *Money::Parse("150000.5");
    mTConstructionDeductObj& ref = *o;
    d.PropertyDeductions.AddObject(std::move(o));
    return ref;
}

TEST(PurchaseDeduction, ObjectAttributesAndCodes) {
    auto d = Declaration();
    d->PropertyDeductions.Granted = true;
    mTConstructionDeductObj& flat = AddObject(*d);
    TestFigures f;
    f.prilZ.Objects = {{Rub(2000000), 0, *Money::Parse("150000.5")}};
    f.prilZ.НалБаз13БезВыч = Rub(600000);
    f.prilZ.РасхНовВычНД = Rub(600000);
    f.prilZ.ОстИВБезПроц = Rub(1400000);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement calc = At(x, "Документ/НДФЛ3/ИмущНалВычНов/РасчИмущВыч");
    EXPECT_EQ(AttributeNames(calc),
              (std::vector<std::string>{"ВычНовЗачПред", "ВычПроцЗачПред", "ВычНАУвед", "ПроцНАУвед", "НалБаз13БезВыч",
                                        "РасхНовВычНД", "ПроцВычНД", "ОстИВБезПроц", "ОстИВУплПроц"}));
    EXPECT_EQ(Attr(calc, "ОстИВБезПроц"), "1400000.00");
    XmlElement o = calc.Child("СвОбъектРасх");
    EXPECT_EQ(o.Attributes(), (Attrs{{"КодНаимОб", "2"},
                                     {"ВидСобствОб", "1"},
                                     {"ПризнакНП", "01"},
                                     {"ВычЗаяв220.10", "0"},
                                     {"ДатаРегЖил", "01.03.2016"},
                                     {"ГодНачИспВыч", "2016"},
                                     {"СумРасхФакт", "2000000.00"},
                                     {"СумФактУплПроц", "150000.50"}}));
    EXPECT_EQ(o.Child("СведОбъект").Attributes(), (Attrs{{"КодНомерОб", "1"},
                                                         {"НомерОб", "77:01:0001001:1001"},
                                                         {"СведМНОб", "Г. МОСКВА, УЛ. ТВЕРСКАЯ, Д. 1, КВ. 2"}}));

    // A house with land by a contract of sale: both registration dates; by investment: the act only.
    flat.ObjectKind = PropertyObjectKind::HouseWithLand;
    flat.OwnershipKind = PropertyOwnership::JointWithoutApplication;
    flat.TaxpayerSign = PropertyTaxpayerSign::SharedWithChild;
    flat.Pensioner = true;
    f.prilZ.Objects[0].RuleMarker = -1;
    flat.NumberKind = PropertyNumberKind::NoNumber;
    XmlDocument y = ExportDocument(*d, f);
    XmlElement house = At(y, "Документ/НДФЛ3/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх");
    EXPECT_EQ(AttributeNames(house),
              (std::vector<std::string>{"КодНаимОб", "ВидСобствОб", "ПризнакНП", "ВычЗаяв220.10", "ДатаРегЖил",
                                        "ДатаРегЗем", "ДолСобств", "ГодНачИспВыч", "СумРасхФакт", "СумФактУплПроц"}));
    EXPECT_EQ(Attr(house, "ВидСобствОб"), "3");
    EXPECT_EQ(Attr(house, "ПризнакНП"), "13");
    EXPECT_EQ(Attr(house, "ВычЗаяв220.10"), "1");
    EXPECT_EQ(Attr(house, "ДатаРегЗем"), "01.04.2016");
    EXPECT_EQ(Attr(house, "ДолСобств"), "1/2");
    EXPECT_EQ(house.Child("СведОбъект").Attributes(),
              (Attrs{{"КодНомерОб", "4"}, {"СведМНОб", "Г. МОСКВА, УЛ. ТВЕРСКАЯ, Д. 1, КВ. 2"}}));

    flat.ByInvestment = true;
    flat.ObjectKind = PropertyObjectKind::LandShare;
    flat.OwnershipKind = PropertyOwnership::SpousesShared;
    flat.TaxpayerSign = PropertyTaxpayerSign::SpouseSharedWithChild;
    XmlDocument z = ExportDocument(*d, f);
    XmlElement share = At(z, "Документ/НДФЛ3/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх");
    EXPECT_EQ(Attr(share, "КодНаимОб"), "4");
    EXPECT_EQ(Attr(share, "ВидСобствОб"), "2");
    EXPECT_EQ(Attr(share, "ПризнакНП"), "23");
    EXPECT_EQ(Attr(share, "ДатаАкт"), "01.12.2015");
    EXPECT_FALSE(share.Attribute("ДатаРегЖил").has_value());
    EXPECT_FALSE(share.Attribute("ДатаРегЗем").has_value());
    EXPECT_EQ(Attr(share, "ДатаЗаявВыч"), "01.02.2017");  // ownership kind 6
}

TEST(PurchaseDeduction, ApplicationDateOnlyForJointSharedOrAnOwnersSpouse) {
    struct Case {
        int ownership;
        int sign;
        bool written;
    };
    for (Case c : {Case{1, 1, false}, Case{1, 2, true}, Case{2, 2, false}, Case{3, 1, true}, Case{4, 3, false}}) {
        auto d = Declaration();
        d->PropertyDeductions.Granted = true;
        mTConstructionDeductObj& o = AddObject(*d);
        o.OwnershipKind = static_cast<PropertyOwnership>(c.ownership);
        o.TaxpayerSign = static_cast<PropertyTaxpayerSign>(c.sign);
        XmlDocument x = ExportDocument(*d, TestFigures());
        EXPECT_EQ(At(x, "Документ/НДФЛ3/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх").Attribute("ДатаЗаявВыч").has_value(),
                  c.written)
            << c.ownership << "/" << c.sign;
    }
}

TEST(PurchaseDeduction, NeverForANonResidentNorWithoutObjectsOrGrant) {
    auto nonResident = Declaration(kForm3NdflNonResident);
    nonResident->PropertyDeductions.Granted = true;
    AddObject(*nonResident);
    nonResident->SocialDeductions.Granted = true;
    nonResident->StandardDeductions.Granted = true;
    XmlDocument x = ExportDocument(*nonResident, TestFigures());
    EXPECT_TRUE(At(x, "Документ/НДФЛ3/ИмущНалВычНов").IsNull());
    EXPECT_TRUE(At(x, "Документ/НДФЛ3/ВычСтандСоц").IsNull());

    auto noObjects = Declaration();
    noObjects->PropertyDeductions.Granted = true;
    EXPECT_TRUE(At(ExportDocument(*noObjects, TestFigures()), "Документ/НДФЛ3/ИмущНалВычНов").IsNull());
    auto notGranted = Declaration();
    AddObject(*notGranted);
    EXPECT_TRUE(At(ExportDocument(*notGranted, TestFigures()), "Документ/НДФЛ3/ИмущНалВычНов").IsNull());
}

TEST(SaleDeductions, PairsWrittenByTheirOwnConditions) {
    auto d = Declaration();
    TestFigures f;
    f.prilH1.ВычетОбщ = Rub(1250000);
    f.prilH1.СумИмущ = {Rub(3000000), Rub(1000000)};
    f.prilH1.СумДолИмущ = {Rub(100), Rub(0)};      // no deduction: not written
    f.prilH1.СумИнНедИмущ = {Rub(50000), Rub(0)};  // written by its income
    f.prilH1.СумИнИмущДок = {Rub(70000), Rub(0)};  // no expenses: not written
    f.prilH1.СумИнИмущ = {Rub(250000), Rub(250000)};
    f.prilH1.СумИзтИмущ = {Rub(10), Rub(10)};
    f.prilH1.СумИмущКИК = {Rub(20), Rub(20)};
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ИмущНалВычПр");
    EXPECT_EQ(e.Attributes(), (Attrs{{"ВычетОбщ", "1250000.00"}}));
    EXPECT_EQ(ChildNames(e), (std::vector<std::string>{"ВычЖилИмущ", "ВычИзтИмущ", "ВычИмущ220.2"}));
    EXPECT_EQ(ChildNames(e.Child("ВычЖилИмущ")), (std::vector<std::string>{"СумИмущ", "СумИнНедИмущ", "СумИнИмущ"}));
    EXPECT_EQ(e.Child("ВычЖилИмущ").Child("СумИнНедИмущ").Attributes(),
              (Attrs{{"ДохВсехИст", "50000.00"}, {"НалВычет", "0.00"}}));
    EXPECT_EQ(ChildNames(e.Child("ВычИмущ220.2")), std::vector<std::string>{"СумИмущКИК"});

    f.prilH1 = {};
    f.prilH1.ВычетОбщ = Rub(5);
    f.prilH1.СумИмущДок = {Rub(9), Rub(5)};
    XmlDocument y = ExportDocument(*d, f);
    XmlElement g = At(y, "Документ/НДФЛ3/ИмущНалВычПр");
    EXPECT_EQ(ChildNames(g), std::vector<std::string>{"ВычЖилИмущ"});
    EXPECT_EQ(g.Child("ВычЖилИмущ").Child("СумИмущДок").Attributes(),
              (Attrs{{"ДохВсехИст", "9.00"}, {"РасхДок", "5.00"}}));
}

TEST(StandardSocial, SocialGrantedWithoutStandard) {
    auto d = Declaration();
    d->SocialDeductions.Granted = true;
    TestFigures f;
    f.prilE1.ОбщВычСтанд = Rub(99);  // not granted: the sheet is not read
    f.prilE2.ИтогВычСоциал = Rub(80000);
    f.prilE2.СумОбучБезЛим = Rub(50000);
    f.prilE2.СумЛеченБезЛим = Rub(30000);
    f.prilE2.СумОбуч = Rub(20000);
    f.prilE2.ОбщСумРасх = Rub(20000);
    f.prilE2.ОбщВычСоциал = Rub(100000);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ВычСтандСоц");
    EXPECT_EQ(e.Attributes(), (Attrs{{"ВычСтандСоц", "100099.00"}}));
    EXPECT_EQ(ChildNames(e), (std::vector<std::string>{"РасчВычСтанд", "РасчВычСоцБез219.2", "РасчВычСоц219.2"}));
    EXPECT_EQ(e.Child("РасчВычСтанд").Attributes(), (Attrs{{"ОбщВычСтанд", "0"}}));
    EXPECT_EQ(e.Child("РасчВычСоцБез219.2").Attributes(),
              (Attrs{{"СумОбуч", "50000.00"}, {"СумЛечен", "30000.00"}, {"ИтогВычСоциал", "80000.00"}}));
    EXPECT_EQ(e.Child("РасчВычСоц219.2").Attributes(),
              (Attrs{{"СумОбуч", "20000.00"}, {"ОбщСумРасх", "20000.00"}, {"ОбщВычСоциал", "100000.00"}}));
}

TEST(StandardSocial, StandardOnly) {
    auto d = Declaration();
    d->StandardDeductions.Granted = true;
    TestFigures f;
    f.prilE1.ВычСтРеб = Rub(16800);
    f.prilE1.ВычСт218_1_2 = Rub(6000);
    f.prilE1.ОбщВычСтанд = Rub(22800);
    f.prilE2.ОбщВычСоциал = Rub(5);  // social not granted: only the sum reads it
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ВычСтандСоц");
    EXPECT_EQ(ChildNames(e), std::vector<std::string>{"РасчВычСтанд"});
    EXPECT_EQ(e.Child("РасчВычСтанд").Attributes(),
              (Attrs{{"ВычСт218.1.2", "6000.00"}, {"ВычСтРеб", "16800.00"}, {"ОбщВычСтанд", "22800.00"}}));
    d->SetIncomeFlags(0);
    EXPECT_TRUE(At(ExportDocument(*d, f), "Документ/НДФЛ3/ВычСтандСоц").IsNull());
}

TEST(PensionInvestment, ContractsAdditionalContributionsAndInvestment) {
    auto d = Declaration();
    TestFigures f;
    mbTPens c;
    c.ВидДоговор = 2;
    c.Наим = "АО \"НПФ\"";
    c.ИННЮЛ = "7701234567";
    c.КПП = "770101001";
    c.НомДогНПО = "n-15";
    c.ДатаДогНПО = Date::Ymd(2015, 1, 20);
    c.СумВзносУпл = Rub(60000);
    c.СумВзносВыч = Rub(60000);
    f.prilE3.Contracts.push_back(c);
    f.prilE3.AdditionalContributions.push_back(c);
    f.prilE3.РасчДопСВВыч.СумВзносУпл = Rub(10000);
    f.prilE3.РасчДопСВВыч.СумВзносВыч = Rub(10000);
    f.prilE3.ОбщВзносВыч = Rub(70000);
    f.prilE3.СумИнвВыч219 = Rub(400000);
    XmlDocument x = ExportDocument(*d, f);
    XmlElement e = At(x, "Документ/НДФЛ3/ВычСоцИнв219");
    EXPECT_EQ(ChildNames(e), (std::vector<std::string>{"РасчПенсВзнос", "РасчИнвВыч"}));
    XmlElement pension = e.Child("РасчПенсВзнос");
    EXPECT_EQ(pension.Attributes(), (Attrs{{"ОбщВзносВыч", "70000.00"}}));
    EXPECT_EQ(ChildNames(pension), (std::vector<std::string>{"РасчПСВВыч", "РасчДопСВВыч"}));
    XmlElement contract = pension.Child("РасчПСВВыч").Child("СведДогНПО");
    EXPECT_EQ(contract.Attributes(), (Attrs{{"ВидДоговор", "2"}, {"ДатаДогНПО", "20.01.2015"}, {"НомДогНПО", "N-15"}}));
    EXPECT_EQ(contract.Child("СведИст").Attributes(),
              (Attrs{{"Наим", "АО \"НПФ\""}, {"ИННЮЛ", "7701234567"}, {"КПП", "770101001"}}));
    EXPECT_EQ(e.Child("РасчИнвВыч").Attributes(), (Attrs{{"СумИнвВыч219", "400000.00"}, {"ИнвВычПредВосст", "0.00"}}));

    TestFigures onlyInvestment;
    onlyInvestment.prilE3.ИнвВычПредВосст = Rub(1);
    XmlDocument y = ExportDocument(*d, onlyInvestment);
    EXPECT_TRUE(At(y, "Документ/НДФЛ3/ВычСоцИнв219/РасчПенсВзнос").Children().empty());
    EXPECT_FALSE(At(y, "Документ/НДФЛ3/ВычСоцИнв219/РасчИнвВыч").IsNull());
    EXPECT_TRUE(At(ExportDocument(*d, TestFigures()), "Документ/НДФЛ3/ВычСоцИнв219").IsNull());
}

TEST(ProfessionalDeductions, TheForeignSheetAloneAndRowsByDeduction) {
    auto d = Declaration();
    TestFigures f;
    f.prilGIn.РасходОбщИт = Rub(250000);
    f.prilGIn.РасхФактУстКап = {Rub(900000), Rub(250000)};
    f.prilGIn.РасхФактДогГПХ = {Rub(1000), Rub(0)};  // no deduction: not written
    f.prilG.РасхФактАвтВозн = {Rub(1), Rub(1)};      // the sheet's total is 0: not written
    XmlDocument x = ExportDocument(*d, f);
    auto prof = At(x, "Документ/НДФЛ3").Children("ПрофНалВыч");
    ASSERT_EQ(prof.size(), 1u);
    EXPECT_EQ(prof[0].Attributes(), (Attrs{{"ПрИст", "2"}, {"РасходОбщИт", "250000.00"}}));
    EXPECT_EQ(ChildNames(prof[0]), std::vector<std::string>{"РасхФактУстКап"});
    EXPECT_EQ(prof[0].Child("РасхФактУстКап").Attributes(),
              (Attrs{{"СумДохУстКап", "900000.00"}, {"СумРасхВыч", "250000.00"}}));

    f.prilG.РасходОбщИт = Rub(1);
    f.prilG.РасхФактДолСтр = {Rub(2), Rub(1)};
    XmlDocument y = ExportDocument(*d, f);
    auto both = At(y, "Документ/НДФЛ3").Children("ПрофНалВыч");
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(Attr(both[0], "ПрИст"), "1");
    EXPECT_EQ(ChildNames(both[0]), (std::vector<std::string>{"РасхФактАвтВозн", "РасхФактДолСтр"}));
    EXPECT_EQ(Attr(both[0].Child("РасхФактДолСтр"), "СумДохУстПрав"), "2.00");
}

}  // namespace
}  // namespace zizaza::exporttest
