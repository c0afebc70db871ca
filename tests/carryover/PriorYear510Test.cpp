#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilJ.h"
#include "calc/kTSvodSumPrilZ.h"
#include "carryover/CarryOverError.h"
#include "carryover/PriorYearCarry.h"
#include "carryover/PriorYearFile.h"
#include "model/DeclarationBytes.h"
#include "storage/TextCodec.h"
#include "support/DeclarationBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zizaza {
namespace {

using testsupport::AddLine;
using testsupport::AddSource13;
using testsupport::Amount;
using testsupport::Rub;

const std::string kDataFolder = ZIZAZA_SOURCE_DIR "/data";

constexpr const char* kTitle510 = R"(
    <СвНП>
      <НПФЛ3 ДокПредст="760" Статус="1" Тлф="+7 495 123-45-67">
        <ФИОФЛ Фамилия="Иванов" Имя="Иван" Отчество="Иванович"/>
        <СвАдрРФ ПрАдр="1"><АдрРФ КодРегион="77" Город="Москва" Улица="Тверская" Дом="7" Кварт="12"/></СвАдрРФ>
        <СведФЛ1 ИННФЛ="770512345678" ДатаРожд="03.04.1975" МестоРожд="г. Москва" ОКСМ="643">
          <УдЛичн КодВидДок="21" СерНомДок="45 10 654321" ДатаДок="14.09.2010" ВыдДок="ОУФМС района Тверской"/>
        </СведФЛ1>
      </НПФЛ3>
    </СвНП>
    <Подписант ПрПодп="1"/>)";

constexpr const char* kSections12 = R"(
      <СумНалПу ПрУплВозв="2" КБК="18210102010011000110" ОКТМО="45383000" ПодлУпл="0" ПодлВозв="26000"/>
      <НалБаза Ставка="13">
        <РасчНалБаза ДоходОбщ="200000.00" ДоходОбщНеНал="0.00" ДоходОбщНал="200000.00" СумНалВыч="200000.00"
                     СумРасхУм="0.00" СумДохДивКИК="0.00" НалБаза="0.00"/>
        <РасчНалПУ Исчисл="0" УдержОбщ="26000" УдержОбщМВ="0" УплАвФакт="0" ОбщАвУплЗач227.1="0" УплИнПодлЗач="0"
                   ИсчислУпл="0" УплПатентЗач="0" ТСУплПерЗач="0" ПодлУпл="0" ПодлВозв="26000"/>
      </НалБаза>)";

// A declaration for 2016 in format 5.10 as the tax service received it, in windows-1251; body is
// what follows sections 1 and 2.
std::string File510(const std::string& body, const std::string& title = kTitle510, int year = 2016) {
    std::string xml = R"(<?xml version="1.0" encoding="windows-1251"?>
<Файл ИдФайл="NO_NDFL3_7705_7705_770512345678_20170410_1" ВерсПрог="Test" ВерсФорм="5.10">
  <Документ КНД="1151020" ДатаДок="10.04.2017" Период="34" ОтчетГод=")" +
                      std::to_string(year) + R"(" КодНО="7705" НомКорр="0">)" + title + "\n    <НДФЛ3>" + kSections12 +
                      body + "\n    </НДФЛ3>\n  </Документ>\n</Файл>\n";
    return *Utf8ToCp1251(xml);
}

CarriedDeclaration Carry(const std::string& bytes) {
    return CarryOver(ParsePriorYearFile(bytes, "test.xml", kDataFolder), Date::Ymd(2018, 3, 15), kDataFolder);
}

bool Mentions(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(PriorYear510, TitlePageAndPersonalDataCarried) {
    CarriedDeclaration c = Carry(File510(""));
    const mTDeclaration& d = *c.declaration;
    const mTPersonInformation& p = d.Person;
    EXPECT_EQ(d.InspectionCode, "7705");
    EXPECT_FALSE(d.InspectionName.empty());
    EXPECT_EQ(d.TaxpayerCategory, TaxpayerCategory::Other);
    EXPECT_EQ(d.SignerKind, SignerKind::InPerson);
    EXPECT_EQ(d.DocumentDate, Date::Ymd(2018, 3, 15));
    EXPECT_EQ(d.IncomeFlags(), kIncomeRussia);
    EXPECT_EQ(p.Name.Surname + "|" + p.Name.FirstName + "|" + p.Name.Patronymic + "|" + p.Name.Inn,
              "Иванов|Иван|Иванович|770512345678");
    EXPECT_EQ(p.Document.BirthDate, Date::Ymd(1975, 4, 3));
    EXPECT_EQ(p.Document.BirthPlace, "г. Москва");
    EXPECT_EQ(p.Document.KindCode, 21);
    EXPECT_EQ(p.Document.KindName, "Паспорт гражданина РФ");
    EXPECT_EQ(p.Document.SeriesNumber, "45 10 654321");
    EXPECT_EQ(p.Document.IssueDate, Date::Ymd(2010, 9, 14));
    EXPECT_EQ(p.Document.IssuedBy, "ОУФМС района Тверской");
    EXPECT_EQ(p.Foreigner.CountryCode, "643");
    EXPECT_EQ(p.HomePhone.Number, "+7 495 123-45-67");
    EXPECT_TRUE(p.Address.Oktmo.empty());  // this year's OKTMO is entered anew
    EXPECT_FALSE(d.PropertyDeductions.Granted);
    EXPECT_TRUE(Mentions(c.report.notCarried, "суммы налога к уплате и к возврату (раздел 1)"));
    EXPECT_TRUE(Mentions(c.report.notCarried, "Имущественный вычет на приобретение жилья: в файле его нет"));
    EXPECT_TRUE(Mentions(c.report.notCarried, "в файле нет расчета по ним"));
    // Plain words for the user: no name of the file's elements, amounts as they are written.
    const std::string text = c.report.Text();
    for (const char* tag : {"СумНалПу", "ИмущНалВычНов", "ДохОперЦБ", "ДатаРожд", "НПФЛ3"})
        EXPECT_EQ(text.find(tag), std::string::npos) << tag;
}

TEST(PriorYear510, RepresentativeAndForeignCitizenCarried) {
    const std::string title = R"(
    <СвНП>
      <НПФЛ3 ДокПредст="720" Статус="1">
        <ФИОФЛ Фамилия="Мюллер" Имя="Ганс"/>
        <СвАдрРФ ПрАдр="1"><АдрРФ КодРегион="77"/></СвАдрРФ>
        <СведФЛ2 ДатаРожд="01.02.1980" МестоРожд="Берлин" ОКСМ="276">
          <УдЛичн КодВидДок="10" СерНомДок="C01X00T47" ДатаДок="05.05.2015" ВыдДок="Stadt Berlin"/>
        </СведФЛ2>
      </НПФЛ3>
    </СвНП>
    <Подписант ПрПодп="2"><ФИО Фамилия="Петров" Имя="Петр" Отчество="Петрович"/><СвПред НаимДок="Доверенность 1"/></Подписант>)";
    CarriedDeclaration c = Carry(File510("", title));
    const mTDeclaration& d = *c.declaration;
    EXPECT_EQ(d.TaxpayerCategory, TaxpayerCategory::Entrepreneur);
    EXPECT_EQ(d.SignerKind, SignerKind::Representative);
    EXPECT_EQ(d.RepresentativeName, "Петров Петр Петрович");
    EXPECT_EQ(d.RepresentativeDocument, "Доверенность 1");
    EXPECT_TRUE(d.Person.Name.Inn.empty());
    EXPECT_EQ(d.Person.Foreigner.CountryCode, "276");
    EXPECT_EQ(d.Person.Foreigner.CountryName, "ГЕРМАНИЯ");
    EXPECT_EQ(d.Person.Document.KindCode, 10);
    EXPECT_TRUE(Mentions(c.report.notCarried, "ИНН"));
}

// The property deduction taken over, then this year's deduction computed against a salary.
struct PropertyCase {
    const char* name;
    const char* calc;  // ИмущНалВычНов of the 2016 file
    size_t objects;
    const char* earlierPurchase;  // ВычНовЗачПред + ВычНАУвед + РасхНовВычНД
    const char* earlierInterest;  // ВычПроцЗачПред + ПроцНАУвед + ПроцВычНД
    int64_t salary2017;
    // This year's calculation: purchase and interest deductions, remainders carried further.
    const char* purchase;
    const char* interest;
    const char* purchaseLeft;
    const char* interestLeft;
};

class PriorYear510Property : public testing::TestWithParam<PropertyCase> {};

TEST_P(PriorYear510Property, EarlierYearsAmountsAndThisYearsDeduction) {
    const PropertyCase& c = GetParam();
    CarriedDeclaration carried = Carry(File510(c.calc));
    mTDeclaration& d = *carried.declaration;
    const mTConstructionDeduct& pd = d.PropertyDeductions;
    ASSERT_TRUE(pd.Granted);
    ASSERT_EQ(pd.ObjectCount(), c.objects);
    EXPECT_EQ(pd.PreviousYearsPurchase, Amount(c.earlierPurchase));
    EXPECT_EQ(pd.PreviousYearsInterest, Amount(c.earlierInterest));
    EXPECT_EQ(pd.AgentPurchase, Money());
    EXPECT_EQ(pd.AgentInterest, Money());

    AddLine(AddSource13(d, "45383000", Rub(0), true), 2000, Rub(c.salary2017), 12);
    kTSvodSum calc;
    calc.Compute(d);
    const kTSvodSumPrilZ& z = calc.PrilZ();
    EXPECT_EQ(z.ВычНовЗачПред, Amount(c.earlierPurchase));
    EXPECT_EQ(z.РасхНовВычНД, Amount(c.purchase));
    EXPECT_EQ(z.ПроцВычНД, Amount(c.interest));
    EXPECT_EQ(z.ОстИВБезПроц, Amount(c.purchaseLeft));
    EXPECT_EQ(z.ОстИВУплПроц, Amount(c.interestLeft));
}

// One flat of 2014 (2000000, interest 120000 paid up to 2016): 100000 before 2016, in 2016 50000
// from the employer and 150000 by the declaration; interest 10000 before and 20000 in 2016.
// 2017: purchase 2000000 - 300000 = 1700000 within the salary of 1750000, interest 90000 limited
// to the 50000 left.
// Two flats of 2015 and 2016 (1200000 + 800000; interest 50000 on the first, used up in 2016):
// 2017: purchase 2000000 - 400000 = 1600000 against a salary of 1000000.
const PropertyCase kPropertyCases[] = {
    {"OneObjectBeforeAndDuring2016",
     R"(<ИмущНалВычНов><РасчИмущВыч ВычНовЗачПред="100000.00" ВычПроцЗачПред="10000.00" ВычНАУвед="50000.00"
          ПроцНАУвед="0.00" НалБаз13БезВыч="150000.00" РасхНовВычНД="150000.00" ПроцВычНД="20000.00"
          ОстИВБезПроц="1700000.00" ОстИВУплПроц="90000.00">
        <СвОбъектРасх КодНаимОб="2" ВидСобствОб="1" ПризнакНП="01" ВычЗаяв220.10="0" ДатаРегЖил="15.06.2014"
          ГодНачИспВыч="2014" СумРасхФакт="2000000.00" СумФактУплПроц="120000.00">
          <АдрОбъект КодРегион="77" Город="Москва" Улица="Тверская" Дом="7" Кварт="12"/>
        </СвОбъектРасх></РасчИмущВыч></ИмущНалВычНов>)",
     1, "300000", "30000", 1750000, "1700000", "50000", "0", "40000"},
    {"TwoObjects",
     R"(<ИмущНалВычНов><РасчИмущВыч ВычНовЗачПред="0.00" ВычПроцЗачПред="0.00" ВычНАУвед="0.00" ПроцНАУвед="0.00"
          НалБаз13БезВыч="450000.00" РасхНовВычНД="400000.00" ПроцВычНД="50000.00" ОстИВБезПроц="1600000.00"
          ОстИВУплПроц="0.00">
        <СвОбъектРасх КодНаимОб="2" ВидСобствОб="2" ПризнакНП="01" ВычЗаяв220.10="0" ДатаРегЖил="20.03.2015"
          ГодНачИспВыч="2015" СумРасхФакт="1200000.00" СумФактУплПроц="50000.00">
          <АдрОбъект Индекс="190000" КодРегион="78" Город="Санкт-Петербург" Улица="Невский пр." Дом="1"/>
        </СвОбъектРасх>
        <СвОбъектРасх КодНаимОб="4" ВидСобствОб="3" ПризнакНП="13" ВычЗаяв220.10="1" ДатаАкт="01.12.2016"
          ДатаЗаявВыч="10.01.2017" ГодНачИспВыч="2016" СумРасхФакт="800000.00" СумФактУплПроц="0">
          <АдрОбъект КодРегион="50" НаселПункт="Мытищи" Дом="3"/>
        </СвОбъектРасх></РасчИмущВыч></ИмущНалВычНов>)",
     2, "400000", "50000", 1000000, "1000000", "0", "600000", "0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PriorYear510Property, testing::ValuesIn(kPropertyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PriorYear510, ObjectDataTakenOver) {
    CarriedDeclaration c = Carry(File510(kPropertyCases[1].calc));
    const mTConstructionDeductObj& bought = c.declaration->PropertyDeductions.Object(0);
    const mTConstructionDeductObj& invested = c.declaration->PropertyDeductions.Object(1);
    EXPECT_EQ(bought.ObjectKind, PropertyObjectKind::Flat);
    EXPECT_EQ(bought.OwnershipKind, PropertyOwnership::Shared);
    EXPECT_EQ(bought.TaxpayerSign, PropertyTaxpayerSign::Owner);
    EXPECT_FALSE(bought.ByInvestment);
    EXPECT_EQ(bought.OwnershipRegistrationDate, Date::Ymd(2015, 3, 20));
    EXPECT_EQ(bought.FirstYearOfUse, Date::Ymd(2015, 1, 1));
    EXPECT_EQ(bought.ShareNumerator * 10 + bought.ShareDenominator, 11);
    EXPECT_EQ(bought.Cost, Rub(1200000));
    EXPECT_EQ(bought.Interest, Rub(50000));
    EXPECT_EQ(bought.NumberKind,
              PropertyNumberKind::NoNumber);  // format 5.10 has no object number: the address is its place
    EXPECT_EQ(bought.Place, "190000, регион 78, Санкт-Петербург, Невский пр., д. 1");

    EXPECT_EQ(invested.ObjectKind, PropertyObjectKind::HousingShare);
    EXPECT_EQ(invested.OwnershipKind, PropertyOwnership::Joint);
    EXPECT_EQ(invested.TaxpayerSign, PropertyTaxpayerSign::SharedWithChild);
    EXPECT_TRUE(invested.Pensioner);
    EXPECT_TRUE(invested.ByInvestment);
    EXPECT_EQ(invested.TransferActDate, Date::Ymd(2016, 12, 1));
    EXPECT_EQ(invested.ApplicationDate, Date::Ymd(2017, 1, 10));
    EXPECT_EQ(invested.Place, "регион 50, Мытищи, д. 3");
    EXPECT_TRUE(Mentions(c.report.notCarried, "Номер объекта"));
}

// Losses at the start of 2016: 2006 securities 10000, 2014 securities 30000 and derivatives 5000,
// 2015 securities 20000; 5000 of them used in 2016 (the oldest first: 2006 keeps 5000, which is
// older than ten years for 2017); new losses of 2016: securities 7000, derivatives 3000, carried
// forward with the earlier ones left (55000 and 5000).
TEST(PriorYear510, SecuritiesLossesCarriedByYear) {
    CarriedDeclaration c = Carry(File510(R"(
      <ДохОперЦБ>
        <УбытПредПер>
          <ОстУбытНачВс СуммаЦБ="60000.00" СуммаФИСС="5000.00"/>
          <ОстУбытПрошПер ПериодПрош="2006" УбытНачЦБОбр="10000.00"/>
          <ОстУбытПрошПер ПериодПрош="2014" УбытНачЦБОбр="30000.00" УбытНачФИССОбр="5000.00"/>
          <ОстУбытПрошПер ПериодПрош="2015" УбытНачЦБОбр="20000.00"/>
          <НалБазаПер СуммаЦБ="5000.00"/>
          <СумУмНБПер СуммаЦБ="5000.00"/>
          <ОстУбытКонВс СуммаЦБ="55000.00" СуммаФИСС="5000.00"/>
        </УбытПредПер>
        <УбытПрхПер УбытОперЦБОбр="62000.00" УбытОперФИССОбр="8000.00"/>
      </ДохОперЦБ>)"));
    mTDeclaration& d = *c.declaration;
    const mTCBDeduct& ordinary = d.SecuritiesDeductions;
    struct YearLoss {
        int year;
        int64_t securities, derivatives;
    };
    for (YearLoss e : {YearLoss{2007, 0, 0}, {2013, 0, 0}, {2014, 30000, 5000}, {2015, 20000, 0}, {2016, 7000, 3000}}) {
        EXPECT_EQ(ordinary.SecuritiesLoss(e.year), Rub(e.securities)) << e.year;
        EXPECT_EQ(ordinary.DerivativesLoss(e.year), Rub(e.derivatives)) << e.year;
    }
    EXPECT_EQ(d.IisDeductions.LossTotalSecurities() + d.IisDeductions.LossTotalDerivatives(), Money());
    EXPECT_TRUE(Mentions(c.report.notCarried, "Убыток 2006 года по операциям с ЦБ (обычные счета) 5 000,00"));
    EXPECT_TRUE(Mentions(c.report.notCarried, "индивидуальном инвестиционном счете не выделяются"));

    // The 2017 calculation opens with these losses.
    kTSvodSum calc;
    calc.Compute(d);
    EXPECT_EQ(calc.PrilJ().ОстУбытНачВс.СуммаЦБ, Rub(57000));
    EXPECT_EQ(calc.PrilJ().ОстУбытНачВс.СуммаПФИ, Rub(8000));
}

// A loss is carried ten years after the year it arose into the declaration that follows the
// file's (ст. 220.1 НК РФ); the loss of the file's own year is one of an earlier period for it. The
// 2017 declaration holds the losses of 2007 to 2016.
struct LossWindowCase {
    const char* name;
    int fileYear;
    int64_t loss2007, loss2008, loss2016;
    std::vector<std::string> notCarried;
    const char* years;
};

class PriorYearLossWindow : public testing::TestWithParam<LossWindowCase> {};

TEST_P(PriorYearLossWindow, TenYearsAfterTheLoss) {
    const LossWindowCase& c = GetParam();
    // 2007: 10000, 2008: 20000 at the start, none used; the year's own loss 7000.
    CarriedDeclaration carried = Carry(File510(R"(
      <ДохОперЦБ>
        <УбытПредПер>
          <ОстУбытНачВс СуммаЦБ="30000.00" СуммаФИСС="0.00"/>
          <ОстУбытПрошПер ПериодПрош="2007" УбытНачЦБОбр="10000.00"/>
          <ОстУбытПрошПер ПериодПрош="2008" УбытНачЦБОбр="20000.00"/>
          <НалБазаПер СуммаЦБ="0.00"/>
          <СумУмНБПер СуммаЦБ="0.00"/>
          <ОстУбытКонВс СуммаЦБ="30000.00" СуммаФИСС="0.00"/>
        </УбытПредПер>
        <УбытПрхПер УбытОперЦБОбр="37000.00" УбытОперФИССОбр="0.00"/>
      </ДохОперЦБ>)",
                                               kTitle510, c.fileYear));
    const mTCBDeduct& ordinary = carried.declaration->SecuritiesDeductions;
    EXPECT_EQ(ordinary.SecuritiesLoss(2007), Rub(c.loss2007));
    EXPECT_EQ(ordinary.SecuritiesLoss(2008), Rub(c.loss2008));
    EXPECT_EQ(ordinary.SecuritiesLoss(2016), Rub(c.loss2016));
    for (const std::string& line : c.notCarried)
        EXPECT_TRUE(Mentions(carried.report.notCarried, line)) << line;
    EXPECT_FALSE(Mentions(carried.report.notCarried, "не относится к прошлым налоговым периодам"));
    EXPECT_NE(carried.report.Text().find(c.years), std::string::npos) << carried.report.Text();
}

const LossWindowCase kLossWindowCases[] = {
    {"DeclarationOf2016",
     2016,
     10000,
     20000,
     7000,
     {},
     "Перенесенная декларация — за 2016 год; новая декларация — за 2017 год"},
    {"DeclarationOf2017",
     2017,
     0,
     20000,
     0,
     {"Убыток 2007 года по операциям с ЦБ (обычные счета) 10 000,00: прошло более десяти лет, перенос на 2018 год",
      "Убыток 2017 года по операциям с ЦБ (обычные счета) 7 000,00: это убыток прошлого периода для декларации за "
      "2018 год, а программа составляет декларацию за 2017 год и хранит убытки 2007–2016 годов"},
     "Выбранный файл — декларация за 2017 год, тот же, что у новой декларации; обычно новую декларацию "
     "составляют на основе декларации за 2016 год. Из этого файла перенесено только то, что не зависит от года. "
     "Перенесенная декларация — за 2017 год, следующая за ней — за 2018 год. Программа составляет декларацию "
     "только за 2017 год"},
};

INSTANTIATE_TEST_SUITE_P(Cases, PriorYearLossWindow, testing::ValuesIn(kLossWindowCases),
                         [](const testing::TestParamInfo<LossWindowCase>& i) { return std::string(i.param.name); });

// Letters the declaration file lacks are made plain; a text without a plain spelling stays behind
// with its reason; the carried declaration saves and reopens.
TEST(PriorYear510, WhatTheFileCannotHoldIsNotCarried) {
    const std::string title = R"(
    <СвНП>
      <НПФЛ3 ДокПредст="760" Статус="1" Тлф="+7&#9;495">
        <ФИОФЛ Фамилия="Herm&#232;s" Имя="&#x674E;" Отчество="Ren&#233;e"/>
        <СвАдрРФ ПрАдр="1"><АдрРФ КодРегион="77" Город="Москва" Дом="7"/></СвАдрРФ>
        <СведФЛ1 ИННФЛ="770512345678" ДатаРожд="03.04.1975" МестоРожд="г. Москва" ОКСМ="643">
          <УдЛичн КодВидДок="21" СерНомДок="45 10 654321" ДатаДок="14.09.2010" ВыдДок="ОУФМС"/>
        </СведФЛ1>
      </НПФЛ3>
    </СвНП>
    <Подписант ПрПодп="1"/>)";
    const std::string calc = R"(<ИмущНалВычНов><РасчИмущВыч ВычНовЗачПред="0" ВычПроцЗачПред="0"
          ВычНАУвед="0" ПроцНАУвед="0" НалБаз13БезВыч="0" РасхНовВычНД="0" ПроцВычНД="0"
          ОстИВБезПроц="0" ОстИВУплПроц="0">
        <СвОбъектРасх КодНаимОб="2" ВидСобствОб="1" ПризнакНП="01" ВычЗаяв220.10="0" ДатаРегЖил="15.06.2014"
          ГодНачИспВыч="2014" СумРасхФакт="2000000.00" СумФактУплПроц="0">
          <АдрОбъект КодРегион="77" Город="M&#252;nchen" Улица="&#x1F3E0;" Дом="7"/>
        </СвОбъектРасх></РасчИмущВыч></ИмущНалВычНов>)";
    CarriedDeclaration c = Carry(File510(calc, title));
    mTDeclaration& d = *c.declaration;
    EXPECT_EQ(d.Person.Name.Surname, "Hermes");
    EXPECT_EQ(d.Person.Name.FirstName, "");
    EXPECT_EQ(d.Person.Name.Patronymic, "Renee");
    EXPECT_EQ(d.Person.HomePhone.Number, "+7 495");
    EXPECT_EQ(d.PropertyDeductions.Object(0).Place, "регион 77, Munchen, д. 7");
    for (const char* part : {"Имя: знак «李» (U+674E)", "Адрес объекта: знак"})
        EXPECT_TRUE(Mentions(c.report.notCarried, part)) << part;
    EXPECT_TRUE(
        Mentions(c.report.carried, "Фамилия: знаки, которых нет в файле декларации, заменены: «Hermès» → «Hermes»"));

    mTDeclaration reopened;
    LoadDeclarationFromBytes(reopened, SaveDeclarationToBytes(d));
    EXPECT_EQ(reopened.Person.Name.Surname, "Hermes");
}

}  // namespace
}  // namespace zizaza
