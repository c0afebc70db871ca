// A damaged declaration file is refused as a whole, and a save never replaces a file by one that
// does not read back as the declaration saved.
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"
#include "storage/StorageErrors.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

// A declaration whose fields are easy to find in its file.
std::unique_ptr<mTDeclaration> sample() {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 2, 1));
    doc->Person.Name.Surname = "Иванов";
    doc->Person.Document.BirthDate = Date::Ymd(1977, 5, 3);  // day 28248
    doc->InvestmentDeductionI = Money::FromRaw(9876543211);  // "987654.3211"
    return doc;
}

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
    auto at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(bytes.find(from, at + 1), std::string::npos) << from;
    return bytes.replace(at, from.size(), to);
}

std::pair<uint16_t, uint16_t> loadError(const std::string& f) {
    mTDeclaration doc;
    try {
        doc.Load(f);
    } catch (const mEPrivBase& e) {
        return {e.ErrorNumber(), e.CallerNumber()};
    }
    return {0, 0};
}

TEST(DeclarationSafety, DamagedFilesAreRefusedAsAWhole) {
    TempDir dir;
    const std::string f = dir.file("decl.tv7");
    sample()->Save(f);
    const std::string good = ReadBytes(f);
    const std::string name = "    Tavo2017";
    struct Case {
        const char* what;
        std::string from, to;
        uint16_t error;  // 0: loads
    };
    const Case cases[] = {
        // Only the editions the program knows are earlier editions; any other name is damage.
        {"one byte of the name", name, "    Tavo2O17", 68},
        {"a later year", name, "    Tavo2018", 68},
        {"a year before the first edition", name, "    Tavo2003", 68},
        {"a name of another program", name, "   Other2017", 68},
        // This edition's layout under an earlier edition's name is damage too: one flipped bit
        // would otherwise keep the personal data only, and the next save lose the rest.
        {"a flipped bit: Tavo2016", name, "    Tavo2016", 68},
        {"a flipped bit: Tavo2015", name, "    Tavo2015", 68},
        {"a flipped bit: Tavo2013", name, "    Tavo2013", 68},
        {"a flipped bit: Tavo2007", name, "    Tavo2007", 68},
        // Dates outside 01.01.1900 - 31.12.2099.
        {"birth date 1e20", Field("28248"), Field("1E20"), 68},
        {"birth date 31.12.1899", Field("28248"), Field("1"), 68},
        {"birth date 01.01.2100", Field("28248"), Field("73051"), 68},
        {"birth date negative", Field("28248"), Field("-3"), 68},
        {"birth date 31.12.2099", Field("28248"), Field("73050"), 0},
        // A zero byte inside a text, an amount of more than 15 digits of roubles.
        {"zero byte in the surname", Field("Иванов"), "0006Ив" + std::string(1, '\0') + Utf8ToCp1251("нов").value(),
         68},
        {"16 digits of roubles", Field("987654.3211"), Field("1000000000000000"), 68},
        {"15 digits of roubles", Field("987654.3211"), Field("900000000000000"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(f, replaced(good, c.from, c.to));
        auto [error, caller] = loadError(f);
        EXPECT_EQ(error, c.error);
        if (c.error == 0) {
            // What loads saves again and reads back.
            mTDeclaration doc;
            doc.Load(f);
            EXPECT_NO_THROW(doc.Save(dir.file("again.tv7")));
        }
    }
    WriteBytes(f, replaced(good, name, "    Tavo2O17"));
    EXPECT_EQ(loadError(f), std::make_pair(uint16_t(68), uint16_t(391)));
}

TEST(DeclarationSafety, ValuesTheReaderRefusesAreNeverWritten) {
    TempDir dir;
    const std::string f = dir.file("decl.tv7");
    sample()->Save(f);
    const std::string before = ReadBytes(f);
    const std::function<void(mTDeclaration&)> damage[] = {
        [](mTDeclaration& d) { d.Person.Document.BirthDate = Date(1e20); },
        [](mTDeclaration& d) { d.Person.Document.BirthDate = Date(1.797e308); },
        [](mTDeclaration& d) { d.DocumentDate = Date::Ymd(2100, 1, 1); },
        [](mTDeclaration& d) { d.Person.Name.Surname = std::string("Ив\0анов", 13); },
        [](mTDeclaration& d) {  // a sale that matched no lot
            d.SetIncomeFlags(d.IncomeFlags() | kIncomeForeign);
            d.CurrencyIncome(d.AddCurrencyIncome()).Trades.emplace_back();
        },
    };
    for (const auto& f1 : damage) {
        auto doc = sample();
        f1(*doc);
        EXPECT_THROW(doc->Save(f), mEWriteStorage);
        EXPECT_EQ(ReadBytes(f), before);
    }
}

// The sales of a broker import follow the tax payments; only what the writer writes reads back.
TEST(DeclarationSafety, TheSalesOfRecordsReadOnlyAsWritten) {
    TempDir dir;
    const std::string f = dir.file("decl.tv7");
    auto doc = sample();
    doc->SetIncomeFlags(doc->IncomeFlags() | kIncomeForeign);
    doc->AddCurrencyIncome();
    doc->CurrencyIncome(doc->AddCurrencyIncome()).Trades.emplace_back().Lots.emplace_back();
    doc->Save(f);
    const std::string good = ReadBytes(f);
    const std::string head = Field("@ForeignTrades") + Field("1") + Field("1") + Field("1");
    ASSERT_EQ(good.rfind(Field("@ForeignTrades")), good.find(head));
    const std::string older = good.substr(0, good.find(head));
    struct Case {
        const char* what;
        std::string bytes;
        uint16_t error;
        int withSales;  // the record that has them, when the file loads
    };
    const Case cases[] = {
        {"as written", good, 0, 1},
        {"an older file without them", older, 0, -1},
        {"the record before", replaced(good, head, Field("@ForeignTrades") + Field("1") + Field("0") + Field("1")), 0,
         0},
        {"no record with sales", replaced(good, head, Field("@ForeignTrades") + Field("0") + Field("1") + Field("1")),
         68, -1},
        {"a record beyond the list",
         replaced(good, head, Field("@ForeignTrades") + Field("1") + Field("2") + Field("1")), 68, -1},
        {"a record without sales", replaced(good, head, Field("@ForeignTrades") + Field("1") + Field("1") + Field("0")),
         68, -1},
        {"the name as a value elsewhere", older + Field("x") + Field("@ForeignTrades"), 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(f, c.bytes);
        EXPECT_EQ(loadError(f).first, c.error);
        if (c.error != 0)
            continue;
        mTDeclaration loaded;
        loaded.Load(f);
        for (size_t i = 0; i < loaded.CurrencyIncomeCount(); ++i)
            EXPECT_EQ(loaded.CurrencyIncome(i).Trades.size(), static_cast<int>(i) == c.withSales ? 1u : 0u);
    }
}

TEST(DeclarationSafety, ASaveThatDoesNotReadBackLeavesTheOldFile) {
    TempDir dir;
    const std::string f = dir.file("decl.tv7");
    sample()->Save(f);
    const std::string before = ReadBytes(f);
    // The disk changes the document name on its way: the file written would open as damaged.
    atomic_file_testing::SetWriteFunction([](int fd, const void* data, size_t size) -> long {
        std::string bytes(static_cast<const char*>(data), size);
        if (bytes.size() > 60)
            bytes[23] = '6';  // "Tavo2016"
        return ::write(fd, bytes.data(), bytes.size());
    });
    auto doc = NewShellDeclaration();
    doc->InspectionCode = "7701";
    EXPECT_THROW(doc->Save(f), mEBadStorage);
    atomic_file_testing::SetWriteFunction({});
    EXPECT_EQ(ReadBytes(f), before);
}

// A real full disk: a small tmpfs, where the system allows mounting one.
TEST(DeclarationSafety, AFullDiskKeepsTheOldFileAndSaysSo) {
    TempDir dir;
    const std::string disk = dir.file("disk");
    std::filesystem::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here (" << SystemErrorText(errno)
                     << "); the fault-injecting tests of tests/storage cover the full disk";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{disk};
    const std::string f = disk + "/decl.tv7";
    sample()->Save(f);
    const std::string before = ReadBytes(f);
    auto big = sample();
    big->InspectionName = std::string(9000, 'x');
    big->RepresentativeDocument = std::string(9000, 'y');
    try {
        big->Save(f);
        FAIL() << "the save did not fail";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.ErrorNumber(), 21);
        EXPECT_EQ(std::string(e.what()),
                  "Ошибка чтения файла: " + f + "\rВозможно он занят, или с признаком 'read only'\nНет места на диске");
    }
    EXPECT_EQ(ReadBytes(f), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk), {}), 1);
}

}  // namespace
