#include "model/mTPersonInformation.h"
#include "storage/StorageErrors.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

// What an edition wrote into the person streams. Dates are numbers from container version 1.2
// and "DD.MM.YYYY" texts before.
struct Layout {
    std::string edition;
    std::string version = "0102";
    bool nameTail = true;  // fifth and sixth name texts
    bool issuedBy = true;  // issuing authority and place of birth
    bool documentFlag = true;
    bool foreigner = true;
    bool foreignerTail = true;  // address abroad and country code
    bool foreignPhones = true;
    bool addressKind = true;
    bool oktmo = true;
    bool phones = true;
};

Layout layout2017(std::string edition = "Tavo2017") {
    return {.edition = std::move(edition)};
}
Layout layout2010() {
    return {.edition = "Tavo2010", .version = "0101", .oktmo = false};
}
Layout layout2004() {
    return {.edition = "Tavo2004",
            .version = "0100",
            .documentFlag = false,
            .foreignPhones = false,
            .addressKind = false,
            .oktmo = false,
            .phones = false};
}

// Writes the person streams of the layout with distinct values in every field.
std::string writePerson(const TempDir& dir, const Layout& l) {
    std::string f = dir.file(l.edition + ".tv");
    bool textDates = l.version != "0102";
    WriteContainer(f, l.edition, 4096, [&](mTDocumentStorage& s) {
        s.OpenStreamForWrite("@TavoInfo");
        s.OpenStreamForWrite("@PersonName");
        for (const char* v : {"Иванов", "Иван", "Иванович", "771234567890"})
            s.WriteString(v);
        if (l.nameTail) {
            s.WriteString("пятый");
            s.WriteString("шестой");
        }
        s.OpenStreamForWrite("@PersonDocument");
        s.WriteWord(21);
        s.WriteString("Паспорт гражданина Российской Федерации");
        s.WriteString("45 01 123456");
        if (textDates) {
            s.WriteString("02.03.2001");
            s.WriteString("04.05.1960");
        } else {
            s.WriteDateTime(Date::Ymd(2001, 3, 2).days());
            s.WriteDateTime(Date::Ymd(1960, 5, 4).days());
        }
        if (l.issuedBy) {
            s.WriteString("ОВД \"Тверской\"");
            s.WriteString("г. Москва");
        }
        if (l.documentFlag)
            s.WriteByte(1);
        if (l.foreigner) {
            s.OpenStreamForWrite("@Foreigner");
            s.WriteString("2");
            s.WriteString("ГЕРМАНИЯ");
            if (l.foreignerTail) {
                s.WriteString("Berlin, Hauptstr. 1");
                s.WriteString("276");
            }
            if (l.foreignPhones) {
                s.OpenStreamForWrite("@PhoneForeignerHome");
                s.WriteString("49");
                s.WriteString("301234");
                s.OpenStreamForWrite("@PhoneForeignerWork");
                s.WriteString("49");
                s.WriteString("305678");
            }
        }
        s.OpenStreamForWrite("@PersonAddress");
        if (l.addressKind)
            s.WriteByte(2);
        s.WriteString("Москва");
        s.WriteWord(77);
        for (int i = 1; i <= 8; ++i)
            s.WriteString("адрес " + std::to_string(i));
        if (l.oktmo)
            s.WriteString("45382000");
        if (l.phones) {
            s.OpenStreamForWrite("@HomePhone");
            s.WriteString("495");
            s.WriteString("1234567");
            s.OpenStreamForWrite("@WorkPhone");
            s.WriteString("495");
            s.WriteString("7654321");
        }
    });
    // The container always stamps 1.2; files of earlier editions carry their own version.
    std::string bytes = ReadBytes(f);
    std::memcpy(bytes.data() + 24, l.version.data(), 4);
    WriteBytes(f, bytes);
    return f;
}

mTPersonInformation load(const std::string& f) {
    mTPersonInformation p;
    ReadContainer(f, [&](mTDocumentStorage& s) {
        s.OpenStreamForRead("@TavoInfo");
        p.LoadFromStorage(s);
    });
    return p;
}

void expectCommonFields(const mTPersonInformation& p) {
    EXPECT_EQ(p.Name.Surname, "Иванов");
    EXPECT_EQ(p.Name.FirstName, "Иван");
    EXPECT_EQ(p.Name.Patronymic, "Иванович");
    EXPECT_EQ(p.Name.Inn, "771234567890");
    EXPECT_EQ(p.Document.KindCode, 21);
    EXPECT_EQ(p.Document.SeriesNumber, "45 01 123456");
    EXPECT_EQ(p.Document.IssueDate, Date::Ymd(2001, 3, 2));
    EXPECT_EQ(p.Document.BirthDate, Date::Ymd(1960, 5, 4));
    EXPECT_EQ(p.Foreigner.CitizenshipKind, "2");
    EXPECT_EQ(p.Foreigner.CountryName, "ГЕРМАНИЯ");
}

TEST(PersonEditions, Current) {
    TempDir dir;
    auto p = load(writePerson(dir, layout2017()));
    expectCommonFields(p);
    EXPECT_EQ(p.Name.SixthText, "шестой");
    EXPECT_EQ(p.Document.IssuedBy, "ОВД \"Тверской\"");
    EXPECT_EQ(p.DocumentFlag, 1);
    EXPECT_EQ(p.Foreigner.CountryCode, "276");
    EXPECT_EQ(p.ForeignWorkPhone.Number, "305678");
    EXPECT_EQ(p.Address.AddressKind, 2);
    EXPECT_EQ(p.Address.Texts[7], "адрес 8");
    EXPECT_EQ(p.Address.Oktmo, "45382000");
    EXPECT_EQ(p.WorkPhone.Number, "7654321");
}

TEST(PersonEditions, Edition2010HasEverythingButTheOktmo) {
    TempDir dir;
    auto p = load(writePerson(dir, layout2010()));
    expectCommonFields(p);
    EXPECT_EQ(p.DocumentFlag, 1);
    EXPECT_EQ(p.Address.AddressKind, 2);
    EXPECT_EQ(p.Address.Texts[7], "адрес 8");
    EXPECT_EQ(p.Address.Oktmo, "");
    EXPECT_EQ(p.HomePhone.Number, "1234567");
    EXPECT_EQ(p.ForeignHomePhone.Number, "301234");
}

TEST(PersonEditions, Edition2004KeepsTheDefaultsOfWhatItLacked) {
    TempDir dir;
    auto p = load(writePerson(dir, layout2004()));
    expectCommonFields(p);
    EXPECT_EQ(p.Name.FifthText, "пятый");
    EXPECT_EQ(p.Document.BirthPlace, "г. Москва");
    EXPECT_EQ(p.Foreigner.AddressAbroad, "Berlin, Hauptstr. 1");
    EXPECT_EQ(p.Address.RegionName, "Москва");
    EXPECT_EQ(p.Address.RegionCode, 77);
    EXPECT_EQ(p.Address.Texts[0], "адрес 1");
    EXPECT_EQ(p.DocumentFlag, 0);
    EXPECT_EQ(p.Address.AddressKind, 0);
    EXPECT_EQ(p.Address.Oktmo, "");
    EXPECT_EQ(p.HomePhone.Number, "");
    EXPECT_EQ(p.ForeignHomePhone.Number, "");
}

TEST(PersonEditions, MissingForeignerStreamIsAbsorbed) {
    TempDir dir;
    Layout l = layout2017();
    l.foreigner = false;
    auto p = load(writePerson(dir, l));
    EXPECT_EQ(p.Foreigner.CitizenshipKind, "");
    EXPECT_EQ(p.Foreigner.CountryName, "РОССИЯ");
    EXPECT_EQ(p.Foreigner.CountryCode, "643");
    EXPECT_EQ(p.Address.Oktmo, "45382000");
    EXPECT_EQ(p.HomePhone.Number, "1234567");
}

// Streams are found by name, so reading the smallest layout from a full file shifts values
// within a stream only; here the unread address kind makes the region name the region code, which
// is no number.
TEST(PersonEditions, UnknownEditionReadsTheSmallestLayout) {
    TempDir dir;
    mTPersonInformation p;
    ReadContainer(writePerson(dir, layout2017("Tavo1999")), [&](mTDocumentStorage& s) {
        s.OpenStreamForRead("@TavoInfo");
        EXPECT_THROW(p.LoadFromStorage(s), EConvertError);
    });
    EXPECT_EQ(p.Name.Surname, "Иванов");
    EXPECT_EQ(p.Name.FifthText, "");
    EXPECT_EQ(p.Name.SixthText, "0");
    EXPECT_EQ(p.Document.BirthDate, Date::Ymd(1960, 5, 4));
    EXPECT_EQ(p.Document.IssuedBy, "");
    EXPECT_EQ(p.DocumentFlag, 0);
    EXPECT_EQ(p.Foreigner.CountryName, "ГЕРМАНИЯ");
    EXPECT_EQ(p.Foreigner.CountryCode, "643");
    EXPECT_EQ(p.ForeignHomePhone.Number, "");
    EXPECT_EQ(p.Address.RegionName, "2") << "the address kind's field";
}

TEST(PersonEditions, MissingPersonNameRaises210WithCaller371) {
    TempDir dir;
    std::string f = dir.file("none.tv7");
    WriteContainer(f, "Tavo2017", 200, [](mTDocumentStorage& s) { s.OpenStreamForWrite("@TavoInfo"); });
    try {
        load(f);
        FAIL() << "no exception";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.ErrorNumber(), 210);
        EXPECT_EQ(e.CallerNumber(), 371);
    }
}

TEST(PersonSize, FreshObjectIs292PlusItsDefaultTexts) {
    mTPersonInformation p;
    EXPECT_EQ(p.ComputeSize(), 292u + 1 + 6 + 3 + 5 + 5 + 1 + 1 + 1 + 1);
}

TEST(PersonSize, SaveWritesExactlyTheSize) {
    TempDir dir;
    mTPersonInformation p;
    p.Name.Surname = "Щукина-Ёлкина";
    p.Address.Texts[3] = "ул. «Новая», д. 5";
    p.Document.IssueDate = Date(43101.5);
    std::string f = dir.file("p.tv7");
    uint32_t size = 60 + mTDocumentStorage::StringFieldSize("@TavoInfo") + static_cast<uint32_t>(p.ComputeSize());
    WriteContainer(f, "Tavo2017", size, [&](mTDocumentStorage& s) {
        s.OpenStreamForWrite("@TavoInfo");
        p.SaveToStorage(s);
    });
    std::string bytes = ReadBytes(f);
    EXPECT_NE(bytes.back(), '\0');
    EXPECT_EQ(load(f).Name.Surname, "Щукина-Ёлкина");
}

}  // namespace
