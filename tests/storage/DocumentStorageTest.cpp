#include "StorageTestSupport.h"

#include "storage/StorageErrors.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace std::string_literals;

using namespace zizaza;
using namespace zizaza::test;

namespace {

const std::string kHeader = "ZEZI            Tavo20170102" + std::string(32, 'F');

template <typename Fn>
uint16_t errorOf(Fn fn) {
    try {
        fn();
    } catch (const mEPrivBase& e) {
        return e.ErrorNumber();
    }
    return 0;
}

// Builds a file of the header and the given raw field bytes.
std::string fileWith(const TempDir& dir, const std::string& body, const std::string& header = kHeader) {
    static int counter = 0;
    std::string f = dir.file("raw" + std::to_string(++counter) + ".tv7");
    WriteBytes(f, header + body);
    return f;
}

}  // namespace

TEST(DocumentStorage, HeaderAndFieldTextsAreExact) {
    TempDir dir;
    std::string f = dir.file("a.tv7");
    uint32_t size =
        60 + mTDocumentStorage::StringFieldSize("@Test") + mTDocumentStorage::StringFieldSize("") +
        mTDocumentStorage::IntegerFieldSize(0) + mTDocumentStorage::IntegerFieldSize(1234) +
        mTDocumentStorage::IntegerFieldSize(-1) + mTDocumentStorage::CurrencyFieldSize(Money::FromRaw(12345000)) +
        mTDocumentStorage::CurrencyFieldSize(Money()) + mTDocumentStorage::CurrencyFieldSize(Money::Roubles(-20)) +
        mTDocumentStorage::DateTimeFieldSize(43101.5) + mTDocumentStorage::WordFieldSize(65535) +
        mTDocumentStorage::ByteFieldSize(1) + mTDocumentStorage::StringFieldSize("Ёлка");
    WriteContainer(f, size, [](mTDocumentStorage& s) {
        s.OpenStreamForWrite("@Test");
        s.WriteString("");
        s.WriteInteger(0);
        s.WriteInteger(1234);
        s.WriteInteger(-1);
        s.WriteCurrency(Money::FromRaw(12345000));
        s.WriteCurrency(Money());
        s.WriteCurrency(Money::Roubles(-20));
        s.WriteDateTime(43101.5);
        s.WriteWord(65535);
        s.WriteByte(1);
        s.WriteString("Ёлка");
        EXPECT_EQ(s.StreamName(), "@Test");
    });
    std::string bytes = ReadBytes(f);
    EXPECT_EQ(bytes.size(), size);
    EXPECT_EQ(bytes.substr(0, 60), kHeader);
    EXPECT_EQ(bytes.substr(60),
              "0005@Test0000"
              "00010"
              "00041234"
              "00104294967295"
              "00061234.5"
              "00010"
              "0003-20"
              "000743101.5"
              "000565535"
              "00011"
              "0004\xA8\xEB\xEA\xE0");
}

TEST(DocumentStorage, ReadersAcceptTheStoredQuirks) {
    TempDir dir;
    std::string f = fileWith(dir,
                             "0004@One"
                             "0001a"
                             "00071234,56"
                             "00041234"
                             "0000X"
                             "00104294967295"
                             "0000"
                             "000536526"
                             "000512.75");
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    s.OpenStorage();
    EXPECT_EQ(s.DocumentName(), "Tavo2017");
    EXPECT_EQ(s.MajorVersion(), 1);
    EXPECT_EQ(s.MinorVersion(), 2);
    s.OpenStreamForRead("@One");
    EXPECT_EQ(s.ReadCurrency(), Money::Roubles(-1));        // "a" marks an empty money slot
    EXPECT_EQ(s.ReadCurrency(), Money::FromRaw(12345600));  // comma retry
    EXPECT_EQ(s.ReadInteger(), 1234);
    // A stored length of 0 is read as 1 by number readers: one character is consumed.
    EXPECT_THROW(s.ReadWord(), EConvertError);
    EXPECT_EQ(s.ReadInteger(), -1);
    EXPECT_EQ(s.ReadString(), "");
    EXPECT_EQ(s.ReadDateTime(), 36526);
    EXPECT_EQ(s.ReadDateTime(), 12.75);
}

TEST(DocumentStorage, FilesBeforeVersion12HoldDatesAsText) {
    TempDir dir;
    std::string old = "ZEZI            Tavo20100101" + std::string(32, 'F');
    std::string f = fileWith(dir,
                             "0004@One"
                             "001001.01.2000"
                             "001001,02,2000"
                             "000536526",
                             old);
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    s.OpenStorage();
    s.OpenStreamForRead("@One");
    EXPECT_EQ(s.ReadDateTime(), 36526);
    EXPECT_EQ(s.ReadDateTime(), 36557);
    EXPECT_THROW(s.ReadDateTime(), EConvertError);  // a plain number is no date in such a file
}

TEST(DocumentStorage, StreamsAreFoundOnlyAtFieldBoundaries) {
    TempDir dir;
    // The first stream holds texts that look like the names of later streams.
    std::string f = fileWith(dir,
                             "0007@Person"
                             "0010@HomePhone"
                             "0006@Nalog"
                             "0010@HomePhone"
                             "00017"
                             "0006@Nalog"
                             "00019"
                             "0000"
                             "\0\0\0\0"s
                             "0006@Later");
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    s.OpenStorage();
    s.OpenStreamForRead("@Person");
    EXPECT_EQ(s.ReadString(), "@HomePhone");
    EXPECT_EQ(s.ReadString(), "@Nalog");
    s.OpenStreamForRead("@HomePhone");
    EXPECT_EQ(s.ReadInteger(), 7);
    s.OpenStreamForRead("@Nalog");
    EXPECT_EQ(s.ReadInteger(), 9);
    // Searching wraps around to the start.
    s.OpenStreamForRead("@Person");
    EXPECT_EQ(s.ReadString(), "@HomePhone");
    // A prefix of a name is not the name; nothing after a zero byte is found.
    EXPECT_EQ(errorOf([&] { s.OpenStreamForRead("@Pers"); }), 210);
    EXPECT_EQ(errorOf([&] { s.OpenStreamForRead("@Later"); }), 210);
}

TEST(DocumentStorage, ErrorNumbersFollowTheOrderOfChecks) {
    TempDir dir;
    std::string f = fileWith(dir, "0004@One00010");
    {
        mTFileLoader loader(f, 0, true);
        mTDocumentStorage s(&loader);
        // Writers test read-only before open.
        EXPECT_EQ(errorOf([&] { s.WriteString("x"); }), 150);
        EXPECT_EQ(errorOf([&] { s.WriteInteger(1); }), 160);
        EXPECT_EQ(errorOf([&] { s.WriteWord(1); }), 170);
        EXPECT_EQ(errorOf([&] { s.WriteCurrency(Money()); }), 180);
        EXPECT_EQ(errorOf([&] { s.WriteDateTime(1); }), 190);
        EXPECT_EQ(errorOf([&] { s.WriteByte(1); }), 200);
        // Readers and stream opening test open first; opening a stream for writing tests open first too.
        EXPECT_EQ(errorOf([&] { s.ReadString(); }), 93);
        EXPECT_EQ(errorOf([&] { s.ReadInteger(); }), 102);
        EXPECT_EQ(errorOf([&] { s.ReadWord(); }), 112);
        EXPECT_EQ(errorOf([&] { s.ReadCurrency(); }), 122);
        EXPECT_EQ(errorOf([&] { s.ReadDateTime(); }), 132);
        EXPECT_EQ(errorOf([&] { s.ReadByte(); }), 142);
        EXPECT_EQ(errorOf([&] { s.OpenStreamForRead("@One"); }), 211);
        EXPECT_EQ(errorOf([&] { s.OpenStreamForWrite("@One"); }), 82);
        EXPECT_EQ(errorOf([&] { s.CreateStorage("Tavo2017"); }), 51);
        s.OpenStorage();
        EXPECT_EQ(errorOf([&] { s.OpenStorage(); }), 69);
        EXPECT_EQ(errorOf([&] { s.OpenStreamForWrite("@One"); }), 81);
    }
    {
        mTFileLoader loader(dir.file("new.tv7"), 100, false);
        mTDocumentStorage s(&loader);
        EXPECT_EQ(errorOf([&] { s.WriteString("x"); }), 151);
        EXPECT_EQ(errorOf([&] { s.WriteByte(1); }), 201);
        s.CreateStorage("Tavo2017");
        EXPECT_EQ(errorOf([&] { s.CreateStorage("Tavo2017"); }), 52);
        EXPECT_EQ(errorOf([&] { s.OpenStorage(); }), 69);
    }
    mTDocumentStorage none(nullptr);
    EXPECT_EQ(errorOf([&] { none.CreateStorage("Tavo2017"); }), 50);
}

TEST(DocumentStorage, WrongMagicLeavesTheStorageClosed) {
    TempDir dir;
    std::string f = fileWith(dir, "0004@One", "ZEZA" + kHeader.substr(4));
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    try {
        s.OpenStorage();
        FAIL() << "no exception";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.ErrorNumber(), 68);
        EXPECT_STREQ(e.what(), "Неправильный формат файла декларации, возможно он поврежден.");
    }
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(s.Position(), 0u);
}

TEST(DocumentStorage, DamagedFieldsNeverReadPastTheContent) {
    TempDir dir;
    // A length that promises more than the file holds, and a header cut short.
    std::string f = fileWith(dir,
                             "0004@One"
                             "0099abc");
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    s.OpenStorage();
    s.OpenStreamForRead("@One");
    EXPECT_EQ(errorOf([&] { s.ReadString(); }), 68);
    EXPECT_THROW(
        {
            mTFileLoader l2(fileWith(dir, "", kHeader.substr(0, 30)), 0, true);
            mTDocumentStorage s2(&l2);
            s2.OpenStorage();
        },
        mEBadStorage);
    std::string g = fileWith(dir, "", kHeader.substr(0, 24) + "x1" + kHeader.substr(26));
    mTFileLoader l3(g, 0, true);
    mTDocumentStorage s3(&l3);
    EXPECT_THROW(s3.OpenStorage(), EConvertError);
}

TEST(DocumentStorage, WritesPastThePrecomputedSizeAreRefused) {
    TempDir dir;
    std::string f = dir.file("small.tv7");
    mTFileLoader loader(f, 62, false);
    mTDocumentStorage s(&loader);
    s.CreateStorage("Tavo2017");
    EXPECT_EQ(errorOf([&] { s.WriteString("x"); }), 68);
    EXPECT_EQ(s.Position(), 60u);
}

TEST(DocumentStorage, TextsThatCannotBeAFieldAreRefused) {
    TempDir dir;
    mTFileLoader loader(dir.file("t.tv7"), 20000, false);
    mTDocumentStorage s(&loader);
    s.CreateStorage("Tavo2017");
    EXPECT_EQ(errorOf([&] { s.WriteString(std::string(10000, 'x')); }), kErrTextTooLong);
    EXPECT_EQ(errorOf([&] { s.WriteString("日本"); }), kErrTextNotCp1251);
    EXPECT_EQ(s.Position(), 60u);
    EXPECT_TRUE(s.WriteString(std::string(9999, 'x')));
}

TEST(FileLoader, OpeningFailuresRaiseTheirNumbers) {
    TempDir dir;
    EXPECT_EQ(errorOf([&] { mTFileLoader l(dir.file("missing.tv7"), 0, true); }), 21);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.tv7")));  // reading never creates a file
    EXPECT_EQ(errorOf([&] { mTFileLoader l("", 0, true); }), 21);
    WriteBytes(dir.file("empty.tv7"), "");
    EXPECT_EQ(errorOf([&] { mTFileLoader l(dir.file("empty.tv7"), 0, true); }), 25);
    EXPECT_EQ(errorOf([&] { mTFileLoader l(dir.file("zero.tv7"), 0, false); }), 25);
    try {
        mTFileLoader l(dir.file("missing.tv7"), 0, true);
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(std::string(e.what()), "Ошибка чтения файла: " + dir.file("missing.tv7") +
                                             "\rВозможно он занят, или с признаком 'read only'");
    }
}

TEST(FileLoader, AFileHeldByAnotherInstanceIsBusy) {
    TempDir dir;
    std::string f = fileWith(dir, "0004@One");
    int fd = ::open(f.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(errorOf([&] { mTFileLoader l(f, 0, true); }), 21);
    EXPECT_EQ(errorOf([&] { mTFileLoader l(f, 100, false); }), 21);
    ::close(fd);
    mTFileLoader reader(f, 0, true);
    // While one loader reads it, nobody else may open the file.
    EXPECT_EQ(errorOf([&] { mTFileLoader l(f, 0, true); }), 21);
}

TEST(FileLoader, ReadOnlyFileOrFolderRefusesTheSave) {
    TempDir dir;
    std::string f = fileWith(dir, "0004@One");
    std::string before = ReadBytes(f);
    std::filesystem::permissions(f, std::filesystem::perms::owner_read);
    EXPECT_EQ(errorOf([&] { mTFileLoader l(f, 100, false); }), 21);
    EXPECT_EQ(ReadBytes(f), before);

    std::filesystem::create_directories(dir.path() / "locked");
    std::string g = (dir.path() / "locked" / "x.tv7").string();
    std::filesystem::permissions(dir.path() / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {  // root writes into any folder
        EXPECT_EQ(errorOf([&] { WriteContainer(g, 60, [](mTDocumentStorage&) {}); }), 21);
        EXPECT_FALSE(std::filesystem::exists(g));
    }
    EXPECT_EQ(errorOf([&] { WriteContainer(dir.file("nofolder/x.tv7"), 60, [](mTDocumentStorage&) {}); }), 21);
}

TEST(FileLoader, AnInterruptedSaveLeavesThePreviousFile) {
    TempDir dir;
    std::string f = dir.file("keep.tv7");
    auto writeDoc = [&](const std::string& text) {
        WriteContainer(f, 60 + mTDocumentStorage::StringFieldSize("@A") + mTDocumentStorage::StringFieldSize(text),
                       [&](mTDocumentStorage& s) {
                           s.OpenStreamForWrite("@A");
                           s.WriteString(text);
                       });
    };
    writeDoc(std::string(5000, 'o'));
    const std::string before = ReadBytes(f);
    for (size_t failAt : {size_t(0), size_t(1), size_t(59), size_t(60), size_t(4000), size_t(5069)}) {
        SCOPED_TRACE(failAt);
        size_t written = 0;
        mTFileLoader::SetWriteFunctionForTesting([&](int fd, const void* data, size_t size) -> long {
            if (written >= failAt) {
                errno = ENOSPC;
                return -1;
            }
            size_t n = std::min(size, failAt - written);
            written += n;
            return ::write(fd, data, n);
        });
        EXPECT_EQ(errorOf([&] { writeDoc(std::string(7000, 'n')); }), 21);
        mTFileLoader::SetWriteFunctionForTesting({});
        EXPECT_EQ(ReadBytes(f), before);
        size_t files = 0;
        for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
            ++files;
        EXPECT_EQ(files, 1u) << "a temporary file was left behind";
    }
    writeDoc("new");
    EXPECT_EQ(ReadBytes(f).substr(60), "0002@A0003new");
}

TEST(DocumentStorage, RandomDamageEndsInAnExceptionOrACleanRead) {
    TempDir dir;
    std::string f = dir.file("valid.tv7");
    const std::vector<std::string> texts = {"Иванов", "", "@Nalog", "12,5", "a", "Ёж \"x\""};
    uint32_t size = 60 + mTDocumentStorage::StringFieldSize("@S");
    for (const auto& t : texts)
        size += mTDocumentStorage::StringFieldSize(t) + mTDocumentStorage::CurrencyFieldSize(Money::FromRaw(-12345)) +
                mTDocumentStorage::DateTimeFieldSize(43101.5) + mTDocumentStorage::IntegerFieldSize(77);
    WriteContainer(f, size, [&](mTDocumentStorage& s) {
        s.OpenStreamForWrite("@S");
        for (const auto& t : texts) {
            s.WriteString(t);
            s.WriteCurrency(Money::FromRaw(-12345));
            s.WriteDateTime(43101.5);
            s.WriteInteger(77);
        }
    });
    const std::string valid = ReadBytes(f);
    std::mt19937 rng(20171231);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        if (round % 3 == 0) {
            bytes.resize(rng() % bytes.size());
        } else {
            int changes = 1 + static_cast<int>(rng() % 4);
            for (int k = 0; k < changes; ++k)
                bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        }
        WriteBytes(f, bytes);
        try {
            mTFileLoader loader(f, 0, true);
            mTDocumentStorage s(&loader);
            s.OpenStorage();
            s.OpenStreamForRead("@S");
            for (size_t i = 0; i < texts.size(); ++i) {
                s.ReadString();
                s.ReadCurrency();
                s.ReadDateTime();
                s.ReadInteger();
            }
        } catch (const mEPrivBase&) {
        } catch (const EConvertError&) {
        }
    }
    SUCCEED();
}
