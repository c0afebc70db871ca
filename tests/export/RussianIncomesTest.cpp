#include "ExportTestSupport.h"
#include "model/mTDeclaration.h"

#include <gtest/gtest.h>

namespace zizaza::exporttest {
namespace {

std::unique_ptr<mTDeclaration> Declaration(DeclarationForm form = kForm3Ndfl) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationForm = form;
    d->SetIncomeFlags(kIncomeRussia);
    d->InspectionCode = "7701";
    d->Person.Name.Inn = "770123456789";
    d->StandardDeductions.Granted = false;
    return d;
}

std::vector<XmlElement> Body(const XmlDocument& x, const std::string& name) {
    return At(x, "Документ/НДФЛ3").Children(name);
}

TEST(Section2, WithNothingComputedThe13PercentBlockIsWrittenWithZeros) {
    auto d = Declaration();
    XmlDocument x = ExportDocument(*d, TestFigures());
    auto blocks = Body(x, "НалБаза");
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].Attributes(),
              (std::vector<std::pair<std::string, std::string>>{{"Ставка", "13"}, {"ВидДоход", "3"}}));
    for (const auto& [name, value] : blocks[0].Child("РасчНалБаза").Attributes())
        EXPECT_EQ(value, "0.00") << name;
    EXPECT_EQ(AttributeNames(blocks[0].Child("РасчНалБаза")),
              (std::vector<std::string>{"ДоходОбщ", "ДоходОбщНеНал", "ДоходОбщНал", "СумНалВыч", "СумРасхУм",
                                        "СумДохДивКИК", "НалБаза"}));
    for (const auto& [name, value] : blocks[0].Child("РасчНалПУ").Attributes())
        EXPECT_EQ(value, "0") << name;
    EXPECT_EQ(
        AttributeNames(blocks[0].Child("РасчНалПУ")),
        (std::vector<std::string>{"Исчисл", "УдержОбщ", "УдержОбщМВ", "ТСУплПерЗач", "УплАвФакт", "ОбщАвУплЗач227.1",
                                  "УплИнПодлЗач", "ИсчислУпл", "УплПатентЗач", "ПодлУпл", "ПодлВозв"}));
}

TEST(Section2, BlocksInTheirOrderAndOnlyWhenTheyHoldMoreThanResults) {
    auto d = Declaration();
    TestFigures f;
    f.list1.ПодлВозв = Rub(500);  // results alone do not make a block
    f.list1.ИсчислУпл = Rub(500);
    f.listKik.Ставка = "13";
    f.listKik.СумДохДивКИК = Rub(1000);
    f.listDiv.Ставка = "13";
    f.listDiv.ДоходОбщ = *Money::Parse("20000.555");
    f.listDiv.Исчисл = Rub(2600);
    f.list4.Ставка = "09";
    f.list4.УдержОбщ = Rub(90);
    f.list5.Ставка = "15";
    f.list5.ДоходОбщ = Rub(1);
    XmlDocument x = ExportDocument(*d, f);
    auto blocks = Body(x, "НалБаза");
    std::vector<std::string> kinds;
    for (const XmlElement& b : blocks)
        kinds.push_back(Attr(b, "Ставка") + "/" + Attr(b, "ВидДоход"));
    EXPECT_EQ(kinds, (std::vector<std::string>{"13/1", "13/2", "09/3", "15/1"}));
    EXPECT_EQ(Attr(blocks[0].Child("РасчНалБаза"), "ДоходОбщ"), "20000.55");
    EXPECT_EQ(Attr(blocks[0].Child("РасчНалПУ"), "Исчисл"), "2600");
}

TEST(Section1, OneLinePerRowWithThePaymentOrTheRefund) {
    auto d = Declaration();
    TestFigures f;
    f.list6.Add("18210102030011000110", "45000000", "1", Rub(1300));
    f.list6.Add("18210102010011000110", "46000000", "2", Rub(4000));
    f.list6.Add("18210102020011000110", "45000000", "3", Rub(0));
    XmlDocument x = ExportDocument(*d, f);
    auto lines = Body(x, "СумНалПу");
    ASSERT_EQ(lines.size(), 3u);
    using Attrs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(lines[0].Attributes(), (Attrs{{"ПрУплВозв", "1"},
                                            {"КБК", "18210102030011000110"},
                                            {"ОКТМО", "45000000"},
                                            {"ПодлУпл", "1300"},
                                            {"ПодлВозв", "0"}}));
    EXPECT_EQ(Attr(lines[1], "ПодлУпл"), "0");
    EXPECT_EQ(Attr(lines[1], "ПодлВозв"), "4000");
    EXPECT_EQ(Attr(lines[2], "ПодлУпл"), "0");
    EXPECT_EQ(Attr(lines[2], "ПодлВозв"), "0");
    // Section 1 comes first, then section 2.
    EXPECT_EQ(ChildNames(At(x, "Документ/НДФЛ3")),
              (std::vector<std::string>{"СумНалПу", "СумНалПу", "СумНалПу", "НалБаза"}));
}

TEST(RussianIncomes, PayerKinds) {
    struct Case {
        const char* inn;
        const char* kpp;
        const char* payer;
        std::vector<std::pair<std::string, std::string>> attributes;
    };
    const std::vector<Case> cases = {
        {"770123456789", "", "ИстФЛИн", {{"ФИОИн", "ООО \"РОМАШКА\""}, {"ИННФЛ", "770123456789"}}},
        {"", "  ", "ИстФЛИн", {{"ФИОИн", "ООО \"РОМАШКА\""}}},
        {"7701234567", "", "ИстЮЛ", {{"Наим", "  ООО \"РОМАШКА\" "}, {"ИННЮЛ", "7701234567"}, {"КПП", ""}}},
        {"", "770101001", "ИстЮЛ", {{"Наим", "  ООО \"РОМАШКА\" "}, {"ИННЮЛ", ""}, {"КПП", "770101001"}}},
    };
    for (const Case& c : cases) {
        auto d = Declaration();
        mTThirteenPercent& s = d->ResidentIncome13(d->AddResidentIncome13());
        s.Inn = c.inn;
        s.Kpp = c.kpp;
        s.Name = "  ооо \"Ромашка\" ";
        XmlDocument x = ExportDocument(*d, TestFigures());
        XmlElement income = At(x, "Документ/НДФЛ3/ДоходИстРФ");
        ASSERT_FALSE(income.IsNull());
        ASSERT_EQ(ChildNames(income), std::vector<std::string>{c.payer}) << c.inn << "/" << c.kpp;
        // Names are upper-cased; ИстЮЛ keeps the blanks, ИстФЛИн trims them.
        EXPECT_EQ(income.Child(c.payer).Attributes(), c.attributes) << c.inn << "/" << c.kpp;
    }
}

TEST(RussianIncomes, AForeignPayersNameIsCutTo255Characters) {
    auto d = Declaration();
    mTThirteenPercent& s = d->ResidentIncome13(d->AddResidentIncome13());
    std::string name;
    for (int i = 0; i < 300; ++i)
        name += "я";
    s.Name = name;
    XmlDocument x = ExportDocument(*d, TestFigures());
    EXPECT_EQ(CodePointCount(Attr(At(x, "Документ/НДФЛ3/ДоходИстРФ/ИстФЛИн"), "ФИОИн")), 255u);
}

TEST(RussianIncomes, AttributesOfAResidentSource) {
    auto d = Declaration();
    mTThirteenPercent& s = d->ResidentIncome13(d->AddResidentIncome13());
    s.Inn = "7701234567";
    s.Kpp = "770101001";
    s.Oktmo = "45383000";
    s.Name = "АО \"Завод\"";
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = *Money::Parse("100000.456");
    s.AddLine(line);
    s.TaxableAmount = *Money::Parse("100000.45");
    s.TaxComputed = Rub(13000);
    s.TaxWithheld = *Money::Parse("13000.4");  // a file may hold kopecks
    TestFigures f;
    f.kindCodes.Set(SourceList::ResidentIncomes13, 0, "06");
    XmlDocument x = ExportDocument(*d, f);
    using Attrs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(At(x, "Документ/НДФЛ3/ДоходИстРФ").Attributes(), (Attrs{{"Ставка", "13"},
                                                                      {"ВидДоход", "06"},
                                                                      {"ОКТМО", "45383000"},
                                                                      {"Доход", "100000.45"},
                                                                      {"ДоходОбл", "100000.45"},
                                                                      {"НалИсчисл", "13000"},
                                                                      {"НалУдерж", "13000"}}));
    s.Oktmo = " ";
    XmlDocument y = ExportDocument(*d, TestFigures());
    EXPECT_FALSE(At(y, "Документ/НДФЛ3/ДоходИстРФ").Attribute("ОКТМО").has_value());
}

TEST(RussianIncomes, NonResidentDividendsAt15PercentRoundedHalfUp) {
    struct Case {
        const char* taxable;
        const char* tax;
    };
    for (const Case& c : {Case{"1000.50", "150"}, Case{"1003.40", "151"}, Case{"0", "0"}}) {
        auto d = Declaration(kForm3NdflNonResident);
        mTThirtyPercent& s = d->Income30(d->AddIncome30());
        s.TaxableAmount = *Money::Parse(c.taxable);
        s.TaxComputed = Rub(999);  // not used at 15%
        // The export writes the tax the calculation's 15% sheet computed for the source.
        TestFigures f;
        f.prilA15.Compute(*d);
        XmlDocument x = ExportDocument(*d, f);
        XmlElement income = At(x, "Документ/НДФЛ3/ДоходИстРФ");
        EXPECT_EQ(Attr(income, "Ставка"), "15");
        EXPECT_EQ(Attr(income, "НалИсчисл"), c.tax) << c.taxable;
    }
}

TEST(RussianIncomes, BlocksByFormInTheirOrder) {
    auto fill = [](mTDeclaration& d) {
        d.Income9(d.AddIncome9()).Name = "9";
        d.ResidentIncome13(d.AddResidentIncome13()).Name = "13";
        d.NonResidentIncome13(d.AddNonResidentIncome13()).Name = "nr13";
        d.Income30(d.AddIncome30()).Name = "30";
        d.SetIncomeFlags(kIncomeRussia | kIncomeInvestTov);
        d.InvestPartnershipIncome(d.AddInvestPartnershipIncome()).Name = "it";
        mTThirtyFivePercent& a = d.Income35(d.AddIncome35());
        a.Name = "35";
        a.IncomeCode = 2740;
        mTThirtyFivePercent& b = d.Income35(d.AddIncome35());
        b.Name = "mv";
        b.IncomeCode = 2620;
    };
    auto sources = [](const XmlDocument& x) {
        std::vector<std::string> r;
        for (const XmlElement& e : At(x, "Документ/НДФЛ3").Children("ДоходИстРФ"))
            r.push_back(Attr(e, "Ставка") + ":" + Attr(e.Child("ИстФЛИн"), "ФИОИн"));
        return r;
    };
    TestFigures f;
    f.prilA35.TotalIncome = Rub(10000);

    auto resident = Declaration();
    fill(*resident);
    EXPECT_EQ(sources(ExportDocument(*resident, f)),
              (std::vector<std::string>{"09:9", "13:13", "13:IT", "13:30", "35:35"}));

    auto nonResident = Declaration(kForm3NdflNonResident);
    fill(*nonResident);
    EXPECT_EQ(sources(ExportDocument(*nonResident, f)),
              (std::vector<std::string>{"13:NR13", "15:30", "30:13", "30:IT"}));

    // Without a 35% total no 35% source is written.
    EXPECT_EQ(sources(ExportDocument(*resident, TestFigures())),
              (std::vector<std::string>{"09:9", "13:13", "13:IT", "13:30"}));
}

TEST(RussianIncomes, OnlyA2620SourceWritesNoIncomes) {
    auto d = Declaration();
    mTThirtyFivePercent& s = d->Income35(d->AddIncome35());
    s.IncomeCode = 2620;
    s.TotalIncome = Rub(5000);
    TestFigures f;
    f.prilA35.TotalIncome = Rub(5000);
    XmlDocument x = ExportDocument(*d, f);
    EXPECT_TRUE(Body(x, "ДоходИстРФ").empty());

    auto only9 = Declaration();
    only9->Income9(only9->AddIncome9());
    only9->Income9(only9->AddIncome9());
    XmlDocument y = ExportDocument(*only9, TestFigures());
    auto incomes = Body(y, "ДоходИстРФ");
    ASSERT_EQ(incomes.size(), 2u);
    EXPECT_EQ(Attr(incomes[0], "Ставка"), "09");
    EXPECT_EQ(Attr(incomes[1], "Ставка"), "09");
}

}  // namespace
}  // namespace zizaza::exporttest
