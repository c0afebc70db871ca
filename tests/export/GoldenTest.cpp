#include "ExportTestSupport.h"
#include "GoldenScenarios.h"
#include "support/GoldenFiles.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

// The exports of whole declarations kept byte for byte, with a fixed date and GUID. Run with
// ZIZAZA_UPDATE_GOLDEN=1 to rewrite the files after an intended change, then read the diff.
namespace zizaza::exporttest {
namespace {

namespace fs = std::filesystem;

fs::path GoldenDir() {
    return fs::path(ZIZAZA_SOURCE_DIR) / "tests" / "export" / "golden";
}

bool Updating() {
    return testsupport::UpdatingGoldenFiles();
}

void CompareWithGolden(const std::string& name, const std::string& bytes) {
    fs::path file = GoldenDir() / (name + ".xml");
    if (Updating()) {
        testsupport::WriteBytes(file.string(), bytes);
        return;
    }
    ASSERT_TRUE(fs::exists(file)) << file;
    std::string golden = testsupport::ReadBytes(file.string());
    EXPECT_TRUE(golden == bytes) << name << ": the export differs from its golden file\n" << Cp1251ToUtf8(bytes);
}

XmlExportOptions FixedOptions(std::vector<std::string>& messages) {
    XmlExportOptions o;
    o.today = TestToday();
    o.fileGuid = kGuid;
    o.showMessage = [&messages](const std::string& m) { messages.push_back(m); };
    return o;
}

TEST(Golden, WholeDeclarations) {
    for (const GoldenScenario& s : GoldenScenarios()) {
        auto d = s.build();
        std::vector<std::string> messages;
        std::string text;
        ASSERT_TRUE(BuildDeclarationXml("", *d, XmlExportMode::Text, text, FixedOptions(messages))) << s.name;
        EXPECT_TRUE(messages.empty()) << s.name;
        CompareWithGolden(s.name, text);

        // The file holds exactly the same bytes.
        testsupport::TempDir dir;
        std::string fileName;
        ASSERT_TRUE(
            BuildDeclarationXml(dir.path().string(), *d, XmlExportMode::File, fileName, FixedOptions(messages)));
        EXPECT_EQ(testsupport::ReadBytes(dir.file(fileName)), text) << s.name;
    }
}

// Sheets filled by hand so that every element and attribute of the 3-NDFL body appears at least
// once, including those the calculation never fills (НатОплСХ).
TestFigures EveryElementFigures() {
    TestFigures f;
    f.list6.Add("18210102010011000110", "45383000", "2", Rub(1200));
    f.list6.Add("18210102050011000110", "45383000", "1", Rub(300));
    for (kTSvodSumList* l : std::initializer_list<kTSvodSumList*>{&f.listDiv, &f.listKik, &f.list1, &f.list2, &f.list3,
                                                                  &f.list4, &f.list5}) {
        l->ДоходОбщ = Rub(100);
        l->ДоходОбщНал = Rub(100);
        l->НалБаза = Rub(100);
    }
    f.listDiv.Ставка = "13";
    f.listKik.Ставка = "13";
    f.list2.Ставка = "30";
    f.list3.Ставка = "35";
    f.list4.Ставка = "09";
    f.list5.Ставка = "15";
    f.list1.ОбщАвУплЗач227_1 = Rub(5);
    f.list1.ТСУплПерЗач = Rub(6);
    f.list1.УплПатентЗач = Rub(7);

    DohodCur line;
    line.CountryCode = "4";
    line.CurrencyCode = "971";
    line.SourceName = "Kabul Trading";
    line.IncomeDate = Date::Ymd(2017, 3, 1);
    line.IncomeRateText = "0.8546";
    line.IncomeInCurrency = "1000,00";
    line.IncomeInRoubles = Rub(854);
    line.TaxPaymentDate = Date::Ymd(2017, 3, 2);
    line.TaxRateText = "0.855";
    line.TaxInCurrency = "100,00";
    line.TaxInRoubles = Rub(85);
    line.RussianTaxComputed = Rub(111);
    line.Credit = Rub(85);
    line.IncomeKind = "1";
    line.CfcNumber = "3";
    line.CfcProfitRule = 2;
    line.LiquidationIncome = Rub(1);
    line.CfcDividendIncome = Rub(2);
    for (kTSvodSumPrilB* b : {&f.prilB9, &f.prilB13, &f.prilB35}) {
        b->OtherIncome = Rub(854);
        b->Lines.push_back(line);
    }
    f.prilV1 = {Rub(1000), Rub(200), Rub(30), Rub(40), Money(), Money()};

    int n = 1;
    for (kTExemptIncome* e :
         {&f.prilM.МатПомРожд, &f.prilM.МатПомРаб, &f.prilM.МатПомИнв, &f.prilM.ПодарНП, &f.prilM.ПризНП,
          &f.prilM.ВозмМед, &f.prilM.ПомПодар, &f.prilM.ДопСВПенс, &f.prilM.НатОплСХ, &f.prilM.ПризРекл})
        *e = {Rub(1000 * n), Rub(n)}, ++n;
    f.prilM.ДохНеНалОбщ = Rub(45);

    f.prilZ.Objects = {{Money(), -1, Money()}};  // the one object follows the rules before 2014
    f.prilZ.ВычНовЗачПред = Rub(1);
    f.prilZ.РасхНовВычНД = Rub(2);
    f.prilH1.ВычетОбщ = Rub(1);
    for (kTSaleDeductionPair* p :
         {&f.prilH1.СумИмущ, &f.prilH1.СумДолИмущ, &f.prilH1.СумИмущДок, &f.prilH1.СумИнНедИмущ,
          &f.prilH1.СумИнНедИмущДок, &f.prilH1.СумИнИмущ, &f.prilH1.СумИнИмущДок, &f.prilH1.СумИзтИмущ,
          &f.prilH1.СумЛиквИО, &f.prilH1.СумИмущКИК})
        *p = {Rub(10), Rub(1)};
    f.prilE1 = {};
    f.prilE1.ВычСт218_1_1 = Rub(1);
    f.prilE1.ВычСт218_1_2 = Rub(2);
    f.prilE1.ВычСтРеб = Rub(3);
    f.prilE1.ВычСтРебЕд = Rub(4);
    f.prilE1.ВычСтРебИнв = Rub(5);
    f.prilE1.ВычСтРебИнвЕд = Rub(6);
    f.prilE1.ОбщВычСтанд = Rub(21);
    kTSvodSumPrilE2& e2 = f.prilE2;
    e2.ИтогВычСоциал = Rub(1);
    e2.СумБлагЦел = Rub(2);
    e2.СумОбучБезЛим = Rub(3);
    e2.СумЛеченБезЛим = Rub(4);
    e2.СумОбуч = Rub(5);
    e2.СумЛечен = Rub(6);
    e2.СумЛичСтрах = Rub(7);
    e2.СумПенсСтрах = Rub(8);
    e2.СумОценКвалиф = Rub(9);
    e2.ОбщСумРасх = Rub(10);
    e2.ОбщСНВОтчПерНА = Rub(11);
    e2.ОбщВычСоциал = Rub(12);
    mbTPens c;
    c.ВидДоговор = 3;
    c.Наим = "ООО \"СК Жизнь\"";
    c.ИННЮЛ = "7700000001";
    c.КПП = "770001001";
    c.НомДогНПО = "Ж-1";
    c.ДатаДогНПО = Date::Ymd(2012, 2, 2);
    c.СумВзносУпл = Rub(10);
    c.СумВзносВыч = Rub(10);
    f.prilE3.Contracts.push_back(c);
    f.prilE3.AdditionalContributions.push_back(c);
    f.prilE3.РасчДопСВВыч.СумВзносУпл = Rub(3);
    f.prilE3.РасчДопСВВыч.СумВзносВыч = Rub(3);
    f.prilE3.ОбщВзносВыч = Rub(13);
    f.prilE3.СумИнвВыч219 = Rub(1);
    f.prilE3.ИнвВычПредВосст = Rub(2);
    for (kTProfDeductionSheet* g : std::initializer_list<kTProfDeductionSheet*>{&f.prilG, &f.prilGIn}) {
        for (int row = 1; row <= 7; ++row)
            g->Row(row) = {Rub(10 * row), Rub(row)};
        g->РасходОбщИт = Rub(28);
    }
    for (kTSvodSumPrilJ* j : {&f.prilJIis, &f.prilJ}) {
        j->ДохОперЦБОрг.ДохСовОпер = Rub(1);
        j->ДохОперЦБОрг.НалБазаОпер = Rub(1);
        j->ДохОперЦБОрг.УбытРезОпер = Rub(1);
        j->ДохОперЦБОрг.ИнвВычУмФР = Rub(1);
        j->ДохОперЦБОргНеОрг.ДохСовОпер = Rub(2);
        j->ДохОперЦБНеОрг.ДохСовОпер = Rub(3);
        j->ДохПФИОргЦБ.ДохСовОпер = Rub(4);
        j->ДохПФИОргЦБ.НалБазаОпер = Rub(4);
        j->ДохПФИОргЦБ.УбытРезОпер = Rub(4);
        j->ДохПФИОргНеЦБ.ДохСовОпер = Rub(5);
        j->ДохПФИОргНеЦБ.НалБазаОпер = Rub(5);
        j->ДохПФИОргНеЦБ.УбытРезОпер = Rub(5);
        j->ДохПФИНеОрг.ДохСовОпер = Rub(6);
        j->ДохРЕПО.ДохЗаймРЕПО = Rub(7);
        j->ДохРЕПО.УбытРЕПООбр = Rub(7);
        j->ДохЗаймЦБ.ДохДогЗайм = Rub(8);
        j->ДохЗаймЦБ.УбытЗаймЦБОбр = Rub(8);
        j->ОстУбытНачВс = {Rub(9), Rub(9)};
        j->НалБазаПер = {Rub(1), Rub(0)};
        j->УбытПрхПер = {Rub(10), Rub(10)};
        j->ИтогСовОпер = {Rub(36), Rub(30), Rub(6)};
    }
    for (int k = 1; k <= 5; ++k)
        f.prilI.Kind(k).ДохСовокуп = Rub(k);
    f.prilI.РасчДохВыхИТ.ДохВыхИТ = Rub(6);
    f.prilI.ИтогСовОпер = {Rub(21), Rub(21), Rub(0)};
    f.prilA13.CadastralItems.push_back({"77:1", Rub(10), Rub(9), Rub(7), Rub(9)});
    f.prilA30.CadastralItems.push_back({"77:2", Rub(20), Rub(19), Rub(14), Rub(19)});
    return f;
}

std::unique_ptr<mTDeclaration> EveryElementDeclaration() {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeFlags(kIncomeRussia | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "Полнов";
    d->Person.Name.FirstName = "Всеволод";
    d->Person.Name.Inn = "776789012345";
    d->Person.Document.KindCode = 21;
    d->MonthsWorked = 6;
    d->StandardDeductions.Granted = true;
    d->SocialDeductions.Granted = true;
    d->PropertyDeductions.Granted = true;
    auto o = std::make_unique<mTConstructionDeductObj>();
    o->ObjectKind = PropertyObjectKind::LandWithHouse;
    o->OwnershipKind = PropertyOwnership::Joint;
    o->TaxpayerSign = PropertyTaxpayerSign::OwnersSpouse;
    o->NumberKind = PropertyNumberKind::Conditional;
    o->Number = "50-50-01/001/2012-001";
    o->ShareNumerator = 1;
    o->ShareDenominator = 3;
    d->PropertyDeductions.AddObject(std::move(o));
    for (int i = 0; i < 2; ++i) {
        d->Income9(d->AddIncome9()).Name = "Облигации";
        d->Income30(d->AddIncome30()).Name = "Дивиденды";
    }
    mTThirtyFivePercent& prize = d->Income35(d->AddIncome35());
    prize.Name = "Розыгрыш";
    prize.IncomeCode = 2740;
    mTThirteenPercent& org = d->ResidentIncome13(d->AddResidentIncome13());
    org.Inn = "7701234567";
    org.Kpp = "770101001";
    org.Name = "АО \"Работодатель\"";
    mTInvestTov& tov = d->InvestPartnershipIncome(d->AddInvestPartnershipIncome());
    tov.Inn = "7703000003";
    tov.Name = "ИТ";
    mTBusinessNew& b = d->BusinessIncome(d->AddBusinessIncome());
    b.ActivityKind = "1";
    b.OkvedCode = "01.11";
    b.Income = Rub(1000);
    b.ExpensesTotal = Rub(6);
    b.MaterialExpenses = Rub(1);
    b.Depreciation = Rub(1);
    b.Labour = Rub(1);
    b.LabourContracts = Rub(1);
    b.OtherExpenses = Rub(2);
    mTBusinessNew& norm = d->BusinessIncome(d->AddBusinessIncome());
    norm.ActivityKind = "4";
    norm.Itemized = false;
    norm.NormExpenses = Rub(100);
    d->IsFarm = 1;
    d->CorrectedBase = Rub(1);
    d->IisDeductions.SecuritiesLoss(2015) = Rub(9);
    d->SecuritiesDeductions.DerivativesLoss(2008) = Rub(9);
    return d;
}

TEST(Golden, EveryElementOfTheBody) {
    auto d = EveryElementDeclaration();
    TestFigures f = EveryElementFigures();
    f.prilA35.TotalIncome = Rub(1);
    XmlFigures view = f.View();
    XmlDocument x = BuildDeclarationDocument(*d, &view, DeclarationFileId(*d, TestToday(), kGuid), TestToday());
    CompareWithGolden("every_element", x.SaveToText(kXmlEncoding));
}

std::string RunCommand(const std::string& command, int& status) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        status = -1;
        return output;
    }
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe.get())) > 0)
        output.append(buf.data(), n);
    status = pclose(pipe.release());
    return output;
}

// Every golden file is well formed, declares windows-1251 and is written in it: xmllint, reading
// it by its declaration and writing it as UTF-8, gives our own conversion of its bytes.
TEST(Golden, XmllintReadsEveryFileInItsDeclaredEncoding) {
    size_t checked = 0;
    for (const auto& entry : fs::directory_iterator(GoldenDir())) {
        if (entry.path().extension() != ".xml")
            continue;
        ++checked;
        const std::string file = entry.path().string();
        const std::string bytes = testsupport::ReadBytes(file);
        const std::string declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
        EXPECT_EQ(bytes.rfind(declaration, 0), 0u) << file;

        int status = 0;
        RunCommand("xmllint --noout --nonet '" + file + "' 2>&1", status);
        EXPECT_EQ(status, 0) << "xmllint --noout " << file;
        std::string utf8 = RunCommand("xmllint --nonet --encode UTF-8 '" + file + "'", status);
        ASSERT_EQ(status, 0) << file;
        std::string expected = Cp1251ToUtf8(bytes);
        expected.replace(0, declaration.size(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        EXPECT_EQ(utf8, expected) << file;
    }
    EXPECT_GE(checked, GoldenScenarios().size() + 1);
}

}  // namespace
}  // namespace zizaza::exporttest
