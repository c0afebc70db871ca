#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilZ.h"
#include "carryover/CarryOverError.h"
#include "carryover/PriorYearCarry.h"
#include "carryover/PriorYearFile.h"
#include "export/DeclarationXml.h"
#include "export/XmlExportText.h"
#include "model/DeclarationBytes.h"
#include "storage/TextCodec.h"
#include "support/DeclarationBuilder.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zizaza {
namespace {

using testsupport::AddLine;
using testsupport::AddPropertyObject;
using testsupport::AddSource13;
using testsupport::Rub;

const std::string kDataFolder = ZIZAZA_SOURCE_DIR "/data";

// A 2017 declaration: the person, a flat with a mortgage whose deduction runs over several years,
// securities sold at a broker and losses of earlier years on both accounts.
std::unique_ptr<mTDeclaration> ExportedDeclarationOfTheYear() {
    auto d = testsupport::NewDeclaration(kForm3Ndfl, kIncomeRussia, "45383000");
    d->InspectionCode = "7705";
    d->TaxpayerCategory = TaxpayerCategory::ArbitrationManager;
    d->SignerKind = SignerKind::Representative;
    d->RepresentativeName = "Сидоров Олег";
    d->RepresentativeDocument = "Доверенность 77 АБ 123";
    mTPersonInformation& p = d->Person;
    p.Name = {"Кузнецова", "Мария", "Петровна", "500100732259", "", "0"};
    p.Document.KindCode = 21;
    p.Document.SeriesNumber = "45 11 123456";
    p.Document.IssueDate = Date::Ymd(2011, 2, 3);
    p.Document.BirthDate = Date::Ymd(1981, 7, 9);
    p.Document.IssuedBy = "ОУФМС района Арбат";
    p.Document.BirthPlace = "г. Тула";
    p.HomePhone.Number = "+7 916 000-11-22";

    mTThirteenPercent& employer = AddSource13(*d, "45383000", Rub(104000), true);
    AddLine(employer, 2000, Rub(800000), 12);
    AddLine(AddSource13(*d, "45383000", Rub(0)), 1530, Rub(500000), 6, 201, Rub(300000));
    auto& pd = d->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(700000);
    pd.PreviousYearsInterest = Rub(40000);
    pd.AgentPurchase = Rub(100000);
    auto& flat = AddPropertyObject(*d, Rub(2500000), Rub(230000), 2015);
    flat.ObjectKind = PropertyObjectKind::Flat;
    flat.OwnershipKind = PropertyOwnership::Individual;
    flat.TaxpayerSign = PropertyTaxpayerSign::Owner;
    flat.NumberKind = PropertyNumberKind::Cadastral;
    flat.Number = "77:01:0001001:1001";
    flat.Place = "Г. МОСКВА, УЛ. АРБАТ, Д. 1";
    flat.FirstYearOfUse = Date::Ymd(2015, 1, 1);

    d->SecuritiesDeductions.SecuritiesLoss(2010) = Rub(50000);
    d->SecuritiesDeductions.SecuritiesLoss(2014) = Rub(100000);
    d->SecuritiesDeductions.SecuritiesLoss(2016) = Rub(80000);
    d->SecuritiesDeductions.DerivativesLoss(2013) = Rub(9000);
    d->IisDeductions.SecuritiesLoss(2015) = Rub(10000);
    d->IisDeductions.DerivativesLoss(2016) = Rub(5000);
    return d;
}

std::string Export(mTDeclaration& d) {
    XmlExportOptions options;
    options.today = Date::Ymd(2018, 3, 15);
    options.fileGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
    std::string bytes;
    EXPECT_TRUE(BuildDeclarationXml("", d, XmlExportMode::Text, bytes, options));
    return bytes;
}

constexpr const char* kCp1251Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
constexpr const char* kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// The export's text in UTF-8, so that the tests can edit it.
std::string ExportUtf8(mTDeclaration& d) {
    std::string text = Cp1251ToUtf8(Export(d));
    const size_t at = text.find(kCp1251Declaration);
    EXPECT_EQ(at, 0u);
    return text.replace(at, std::string(kCp1251Declaration).size(), kUtf8Declaration);
}

// The year after: the 2017 declaration exported by the program is the file carried over.
TEST(PriorYearRound, ExportedDeclarationCarriedOver) {
    auto last = ExportedDeclarationOfTheYear();
    const std::string bytes = Export(*last);
    kTSvodSum calc;
    calc.Compute(*last);
    const kTSvodSumPrilZ& z = calc.PrilZ();

    CarriedDeclaration c =
        CarryOver(ParsePriorYearFile(bytes, "2017.xml", kDataFolder), Date::Ymd(2019, 2, 1), kDataFolder);
    const mTDeclaration& d = *c.declaration;
    const mTConstructionDeduct& pd = d.PropertyDeductions;
    EXPECT_EQ(pd.PreviousYearsPurchase, z.ВычНовЗачПред + z.ВычНАУвед + z.РасхНовВычНД);
    EXPECT_EQ(pd.PreviousYearsInterest, z.ВычПроцЗачПред + z.ПроцНАУвед + z.ПроцВычНД);
    // By hand: 700000 earlier, 100000 by the employer and 700000 by the declaration (1300000 of
    // income less the 300000 of expenses, the 200000 of losses and the employer's 100000).
    EXPECT_EQ(pd.PreviousYearsPurchase, Rub(1500000));
    ASSERT_EQ(pd.ObjectCount(), 1u);
    const mTConstructionDeductObj& flat = pd.Object(0);
    EXPECT_EQ(flat.Cost, Rub(2000000));  // the cost within the limit, as the file gives it
    EXPECT_EQ(flat.Interest, Rub(230000));
    EXPECT_EQ(flat.NumberKind, PropertyNumberKind::Cadastral);
    EXPECT_EQ(flat.Number, "77:01:0001001:1001");
    EXPECT_EQ(flat.Place, "Г. МОСКВА, УЛ. АРБАТ, Д. 1");
    EXPECT_EQ(flat.OwnershipRegistrationDate, last->PropertyDeductions.Object(0).OwnershipRegistrationDate);
    EXPECT_EQ(flat.FirstYearOfUse, Date::Ymd(2015, 1, 1));

    // The person data as the export writes it: upper case.
    const mTPersonInformation& p = d.Person;
    const mTPersonInformation& q = last->Person;
    EXPECT_EQ(p.Name.Surname + p.Name.FirstName + p.Name.Patronymic,
              UpperCase(q.Name.Surname + q.Name.FirstName + q.Name.Patronymic));
    EXPECT_EQ(p.Name.Inn, q.Name.Inn);
    EXPECT_EQ(p.Document.BirthDate, q.Document.BirthDate);
    EXPECT_EQ(p.Document.BirthPlace, UpperCase(q.Document.BirthPlace));
    EXPECT_EQ(p.Document.KindCode, q.Document.KindCode);
    EXPECT_EQ(p.Document.SeriesNumber, q.Document.SeriesNumber);
    EXPECT_EQ(p.Document.IssueDate, q.Document.IssueDate);
    EXPECT_EQ(p.Document.IssuedBy, UpperCase(q.Document.IssuedBy));
    EXPECT_EQ(p.HomePhone.Number, q.HomePhone.Number);
    EXPECT_EQ(p.Foreigner.CountryCode, "643");
    EXPECT_EQ(d.InspectionCode, last->InspectionCode);
    EXPECT_EQ(d.TaxpayerCategory, last->TaxpayerCategory);
    EXPECT_EQ(d.SignerKind, SignerKind::Representative);
    EXPECT_EQ(d.RepresentativeName, "СИДОРОВ ОЛЕГ");
    EXPECT_EQ(d.RepresentativeDocument, UpperCase(last->RepresentativeDocument));

    // Securities: the 200000 of 2017 used the 50000 of 2010 and the 100000 of 2014 and 50000 of
    // 2016; 30000 of 2016 and the derivatives loss of 2013 remain. The investment account had no
    // operations: its losses stay whole.
    const mTCBDeduct& ordinary = d.SecuritiesDeductions;
    EXPECT_EQ(ordinary.SecuritiesLoss(2010), Money());
    EXPECT_EQ(ordinary.SecuritiesLoss(2014), Money());
    EXPECT_EQ(ordinary.SecuritiesLoss(2016), Rub(30000));
    EXPECT_EQ(ordinary.LossTotalSecurities(), Rub(30000));
    EXPECT_EQ(ordinary.DerivativesLoss(2013), Rub(9000));
    EXPECT_EQ(d.IisDeductions.SecuritiesLoss(2015), Rub(10000));
    EXPECT_EQ(d.IisDeductions.DerivativesLoss(2016), Rub(5000));
    EXPECT_EQ(d.IisDeductions.LossTotalSecurities() + d.IisDeductions.LossTotalDerivatives(), Rub(15000));
}

// The value of the first attribute `name` in the windows-1251 bytes set to `value`.
std::string WithAttribute(std::string bytes, const std::string& name, const std::string& value) {
    const std::string key = *Utf8ToCp1251(" " + name + "=\"");
    const size_t at = bytes.find(key);
    EXPECT_NE(at, std::string::npos) << name;
    const size_t start = at + key.size();
    return bytes.replace(start, bytes.find('"', start) - start, value);
}

// The 5.12 schema takes 17 digits and any year: the earlier years' sums that would leave the money
// range and a birth date of 9999 are not carried, with their reasons, and the rest saves.
TEST(PriorYearRound, AmountsAndDatesBeyondTheFileAreNotCarried) {
    auto last = ExportedDeclarationOfTheYear();
    std::string bytes = Export(*last);
    for (const char* name : {"ВычНовЗачПред", "ВычНАУвед", "РасхНовВычНД"})
        bytes = WithAttribute(bytes, name, "900000000000000.00");
    bytes = WithAttribute(bytes, "ДатаРожд", "31.12.9999");
    CarriedDeclaration c =
        CarryOver(ParsePriorYearFile(bytes, "2017.xml", kDataFolder), Date::Ymd(2019, 2, 1), kDataFolder);
    EXPECT_EQ(c.declaration->PropertyDeductions.PreviousYearsPurchase, Money());
    EXPECT_EQ(c.declaration->Person.Document.BirthDate, mTPersonDoc().BirthDate);
    const std::string text = c.report.Text();
    EXPECT_NE(text.find("Вычет на приобретение, зачтено в прошлые годы 900000000000000.00: больше 999 999 999 999,99"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Дата рождения: дата 31.12.9999 вне допустимого диапазона"), std::string::npos) << text;
    mTDeclaration reopened;
    LoadDeclarationFromBytes(reopened, SaveDeclarationToBytes(*c.declaration));
    EXPECT_EQ(reopened.PropertyDeductions.ObjectCount(), 1u);
}

// Every 3-NDFL file of the export's golden set passes the structure check of format 5.12.
TEST(PriorYearRound, ExportGoldenFilesPassTheStructureCheck) {
    const std::filesystem::path golden = ZIZAZA_SOURCE_DIR "/tests/export/golden";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(golden)) {
        if (entry.path().filename() == "estimated_income_4ndfl.xml")
            continue;
        const std::string bytes = testsupport::ReadBytes(entry.path().string());
        EXPECT_NO_THROW(ParsePriorYearFile(bytes, entry.path().filename().string(), kDataFolder)) << entry.path();
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

struct RefusalCase {
    const char* name;
    const char* from;  // text replaced in the 2017 export ("" for the whole file)
    const char* to;
    const char* message;  // part of the message
};

class PriorYearRefusal : public testing::TestWithParam<RefusalCase> {};

// Bad input is refused with a message that says why, and no declaration is made.
TEST_P(PriorYearRefusal, RefusedWithItsReason) {
    const RefusalCase& c = GetParam();
    auto last = ExportedDeclarationOfTheYear();
    std::string bytes = ExportUtf8(*last);
    if (*c.from == '\0') {
        bytes = c.to;
    } else {
        auto at = bytes.find(c.from);
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, std::string(c.from).size(), c.to);
    }
    testsupport::TempDir dir;
    const std::string path = dir.file("bad.xml");
    testsupport::WriteBytes(path, bytes);
    try {
        StartFromPriorYear(path, kDataFolder, Date::Ymd(2018, 3, 15));
        FAIL() << "taken over";
    } catch (const CarryOverError& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
}

const RefusalCase kRefusals[] = {
    {"NotXml", "", "Декларация 3-НДФЛ за 2017 год", "не является XML-файлом"},
    {"Truncated", "</НДФЛ3>", "", "не является XML-файлом"},
    {"EntityDeclared", kUtf8Declaration,
     "<?xml version=\"1.0\"?><!DOCTYPE Файл [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>", "не является XML-файлом"},
    {"VatReturn", "", "<?xml version=\"1.0\"?><Файл ВерсФорм=\"5.05\"><Документ КНД=\"1151001\"/></Файл>",
     "КНД 1151001"},
    {"FourNdfl", "КНД=\"1151020\"", "КНД=\"1151021\"", "декларацию 4-НДФЛ"},
    {"OtherRoot", "", "<?xml version=\"1.0\"?><Inspections Version=\"00\"/>", "не является декларацией 3-НДФЛ"},
    {"UnknownVersion", "ВерсФорм=\"5.12\"", "ВерсФорм=\"5.09\"", "версии \"5.09\" не поддерживается"},
    {"StructureBroken", "ОстИВБезПроц=", "ОстИВБезПроцX=",
     "не соответствует формату 5.12: поле ОстИВБезПроцX не "
     "допускается в элементе РасчИмущВыч"},
    {"NegativeAmount", "СумФактУплПроц=\"230000.00\"", "СумФактУплПроц=\"-1.00\"",
     "не соответствует формату 5.12: в поле СумФактУплПроц элемента СвОбъектРасх значение не допускается форматом "
     "(строка "},
};

INSTANTIATE_TEST_SUITE_P(Cases, PriorYearRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PriorYearRefusal, Version510AgainstTheOfficialSchema) {
    auto last = ExportedDeclarationOfTheYear();
    std::string text = ExportUtf8(*last);
    const std::string version = "ВерсФорм=\"5.12\"";
    text.replace(text.find(version), version.size(), "ВерсФорм=\"5.10\"");
    try {
        ParsePriorYearFile(text, "x.xml", kDataFolder);
        FAIL() << "taken over";
    } catch (const CarryOverError& e) {
        // 5.10 requires the address of the taxpayer, which format 5.12 dropped.
        EXPECT_NE(std::string(e.what()).find("не соответствует формату 5.10"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace zizaza
