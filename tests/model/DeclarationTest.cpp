#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "storage/StorageErrors.h"
#include "support/DeclarationBuilder.h"
#include "support/RandomDeclaration.h"
#include "support/TempFiles.h"
#include "support/Today.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

template <class Fn>
std::pair<uint16_t, uint16_t> storageError(Fn fn) {
    try {
        fn();
    } catch (const mEPrivBase& e) {
        return {e.ErrorNumber(), e.CallerNumber()};
    }
    return {0, 0};
}

size_t bitOneRecords(const mTDeclaration& d) {
    return d.ResidentIncome13Count() + d.NonResidentIncome13Count() + d.Income35Count() + d.Income30Count() +
           d.Income9Count();
}

TEST(DeclarationFlags, ClearingABitFreesItsRecordsAndSettingItAgainGivesEmptyLists) {
    auto doc = RandomDeclaration(3, {.incomeFlags = 1 | 2 | 4 | 16});
    doc->MonthsWorked = 7;
    doc->ForeignerFixedPayments = Money::Roubles(1200);
    ASSERT_GT(bitOneRecords(*doc), 0u);

    doc->SetIncomeFlags(2 | 4 | 16);
    EXPECT_EQ(bitOneRecords(*doc), 0u);
    EXPECT_EQ(doc->MonthsWorked, 0);
    EXPECT_EQ(doc->ForeignerFixedPayments, Money());
    EXPECT_GT(doc->CurrencyIncomeCount(), 0u) << "records of bits that stay set are kept";
    EXPECT_GT(doc->BusinessIncomeCount(), 0u);
    EXPECT_GT(doc->InvestPartnershipIncomeCount(), 0u);

    doc->SetIncomeFlags(1);
    EXPECT_EQ(doc->IncomeFlags(), 1);
    EXPECT_EQ(bitOneRecords(*doc), 0u);
    EXPECT_EQ(doc->CurrencyIncomeCount() + doc->BusinessIncomeCount() + doc->InvestPartnershipIncomeCount(), 0u);
    EXPECT_EQ(doc->AddIncome9(), 0u);
}

TEST(DeclarationFlags, ListsOfAClearBitCannotGrow) {
    mTDeclaration doc;
    EXPECT_EQ(doc.ResidentIncome13Count(), 0u);
    EXPECT_THROW(doc.AddResidentIncome13(), std::logic_error);
    EXPECT_THROW(doc.AddCurrencyIncome(), std::logic_error);
    EXPECT_THROW(doc.AddBusinessIncome(), std::logic_error);
    EXPECT_THROW(doc.AddInvestPartnershipIncome(), std::logic_error);
    EXPECT_EQ(doc.AddTaxPayment(), 0u) << "tax payments always exist";
    doc.SetIncomeFlags(kIncomeUnused);
    EXPECT_EQ(doc.IncomeFlags(), kIncomeUnused);
}

TEST(DeclarationLists, AddGetSetAndDeleteKeepTheOrder) {
    mTDeclaration doc;
    doc.SetIncomeFlags(kIncomeRussia);
    for (const char* name : {"первый", "второй", "третий"})
        doc.Income35(doc.AddIncome35()).Name = name;
    ASSERT_EQ(doc.Income35Count(), 3u);

    auto replacement = std::make_unique<mTThirtyFivePercent>();
    replacement->Name = "новый";
    doc.SetIncome35(1, std::move(replacement));
    EXPECT_EQ(doc.Income35(1).Name, "новый");

    doc.SetIncome35(0, nullptr);
    ASSERT_EQ(doc.Income35Count(), 2u);
    EXPECT_EQ(doc.Income35(0).Name, "новый");
    EXPECT_EQ(doc.Income35(1).Name, "третий");

    EXPECT_THROW(doc.Income35(2), std::out_of_range);
    EXPECT_THROW(doc.SetIncome35(2, nullptr), std::out_of_range);
    EXPECT_THROW(doc.TaxPayment(0), std::out_of_range);
}

TEST(DeclarationHeader, AppendixCountIsLockedUntilTheInitialScreenSaves) {
    mTDeclaration doc;
    doc.AppendixCountLocked = 1;
    doc.SetAppendixCount(4);
    EXPECT_EQ(doc.AppendixCount, 0);
    doc.AppendixCountLocked = 0;
    doc.SetAppendixCount(4);
    EXPECT_EQ(doc.AppendixCount, 4);
}

TEST(DeclarationHeader, FreshAndShellDefaults) {
    mTDeclaration doc;
    EXPECT_EQ(doc.TaxpayerCategory, TaxpayerCategory::Other);
    EXPECT_EQ(doc.IncomeFlags(), 0);
    EXPECT_TRUE(testsupport::IsToday(doc.DocumentDate));
    EXPECT_EQ(doc.FarmRegistrationDate, Date(36526));

    auto shell = NewShellDeclaration(Date::Ymd(2018, 2, 1));
    EXPECT_EQ(shell->IncomeFlags(), kIncomeRussia);
    EXPECT_EQ(shell->SignerKind, SignerKind::InPerson);
    EXPECT_EQ(shell->AppendixCountLocked, 1);
    EXPECT_EQ(shell->DocumentDate, Date::Ymd(2018, 2, 1));
}

TEST(DeclarationLoad, EarlierEditionYieldsThePersonalDataOnly) {
    TempDir dir;
    auto doc = RandomDeclaration(11, {.incomeFlags = 1 | 2});
    // The header of an earlier edition is not read, so its texts are searched through for the
    // person streams: keep them from looking like stream names.
    doc->InspectionCode = "7701";
    doc->InspectionName = doc->RepresentativeDocument = doc->RepresentativeName = "Инспекция";
    doc->RepresentativeOrganization = "ООО \"Ромашка\"";
    std::string f = dir.file("old.tv6");
    testsupport::WriteEarlierEdition(f, "Tavo2016", *doc);

    mTDeclaration loaded;
    loaded.Load(f);
    EXPECT_TRUE(IsEarlierEditionFile(f));
    EXPECT_EQ(loaded.IncomeFlags(), 0);
    EXPECT_EQ(loaded.InspectionCode, "");
    EXPECT_EQ(loaded.TaxPaymentCount(), 0u);
    EXPECT_EQ(loaded.Person.Name.Surname, doc->Person.Name.Surname);
    EXPECT_EQ(loaded.Person.Address.Oktmo, doc->Person.Address.Oktmo);
    EXPECT_EQ(loaded.Person.HomePhone.Number, doc->Person.HomePhone.Number);
}

struct BadFileCase {
    const char* name;
    std::string bytes;  // empty: the file does not exist
    uint16_t error;
    uint16_t caller;
};

class DeclarationLoadFailure : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(DeclarationLoadFailure, RaisesTheNumbersAndLeavesTheDocumentAsItWas) {
    TempDir dir;
    std::string f = dir.file("bad.tv7");
    if (!GetParam().bytes.empty())
        WriteBytes(f, GetParam().bytes);
    auto doc = NewShellDeclaration(Date::Ymd(2018, 1, 9));
    doc->InspectionCode = "7701";
    auto [error, caller] = storageError([&] { doc->Load(f); });
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(caller, GetParam().caller);
    EXPECT_EQ(doc->InspectionCode, "7701");
    EXPECT_EQ(doc->IncomeFlags(), kIncomeRussia);
    EXPECT_EQ(doc->DocumentDate, Date::Ymd(2018, 1, 9));
}

INSTANTIATE_TEST_SUITE_P(Files, DeclarationLoadFailure,
                         ::testing::Values(BadFileCase{"Missing", "", 21, 390},
                                           BadFileCase{"WrongMagic", "ZEZA" + Header().substr(4), 68, 391},
                                           BadFileCase{"ShortHeader", "ZEZI   Tavo2017", 68, 391},
                                           BadFileCase{"VersionNotANumber", Header("Tavo2017", "0x02"), 392, 0},
                                           BadFileCase{"NoTavoInfo", Header() + Field("@Nalog") + Field("0"), 210, 0},
                                           BadFileCase{"EarlierEditionWithoutPersonName",
                                                       Header("Tavo2012") + Field("@TavoInfo"), 210, 371}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeclarationLoad, FailurePartWayKeepsNothingOfTheFile) {
    TempDir dir;
    auto doc = RandomDeclaration(12, {.incomeFlags = 1 | 4});
    std::string f = dir.file("cut.tv7");
    doc->Save(f);
    std::string bytes = ReadBytes(f);
    // "@Nalog" is the last stream; a text value may read "@Nalog" too, so its place is counted.
    uint64_t nalog = doc->ComputeFileSize() - mTDocumentStorage::StringFieldSize("@Nalog") -
                     mTDocumentStorage::WordFieldSize(static_cast<uint16_t>(doc->TaxPaymentCount()));
    for (size_t i = 0; i < doc->TaxPaymentCount(); ++i)
        nalog -= doc->TaxPayment(i).ComputeSize(static_cast<uint16_t>(i));
    ASSERT_EQ(bytes.substr(nalog, 10), Field("@Nalog"));
    WriteBytes(f, bytes.substr(0, nalog));

    mTDeclaration target;
    target.InspectionCode = "0001";
    EXPECT_EQ(storageError([&] { target.Load(f); }).first, 210);
    EXPECT_EQ(target.InspectionCode, "0001");
    EXPECT_EQ(target.IncomeFlags(), 0);
    EXPECT_EQ(target.Person.Name.Surname, "");
}

TEST(DeclarationLoad, TruncatedFileIsABadFormatNeverAnOverrun) {
    TempDir dir;
    auto doc = RandomDeclaration(13);
    std::string f = dir.file("cut.tv7");
    doc->Save(f);
    std::string bytes = ReadBytes(f);
    for (size_t cut : {bytes.size() - 1, bytes.size() / 2, size_t(61), size_t(64)}) {
        WriteBytes(f, bytes.substr(0, cut));
        mTDeclaration target;
        EXPECT_THROW(target.Load(f), std::exception) << "cut at " << cut;
    }
}

TEST(DeclarationLoad, NumberFieldThatIsNotANumberIsAConversionError) {
    TempDir dir;
    std::string f = dir.file("text.tv7");
    WriteBytes(f, Header() + Field("@TavoInfo") + Field("") + Field("") + Field("x"));
    mTDeclaration doc;
    EXPECT_THROW(doc.Load(f), EConvertError);
}

TEST(DeclarationSave, FailureKeepsTheEarlierFile) {
    TempDir dir;
    std::string f = dir.file("kept.tv7");
    WriteBytes(f, "earlier");
    ASSERT_EQ(::chmod(f.c_str(), 0444), 0);
    auto doc = NewShellDeclaration();
    auto [error, caller] = storageError([&] { doc->Save(f); });
    EXPECT_EQ(error, 21);
    EXPECT_EQ(caller, 389);
    EXPECT_EQ(ReadBytes(f), "earlier");

    auto [error2, caller2] = storageError([&] { doc->Save(dir.file("no/such/folder.tv7")); });
    EXPECT_EQ(error2, 21);
    EXPECT_EQ(caller2, 389);
}

TEST(DeclarationSave, OverwritesAnExistingFile) {
    TempDir dir;
    std::string f = dir.file("over.tv7");
    WriteBytes(f, std::string(10000, 'x'));
    mTDeclaration doc;
    doc.Save(f);
    EXPECT_EQ(ReadBytes(f).size(), doc.ComputeFileSize());
}

}  // namespace
