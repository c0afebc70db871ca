// Files are never lost, never replaced by one that cannot be read back, and no input hangs or
// overflows: the atomic writer, the loader's refusal of what is not a regular file, and the
// values the container refuses to read or write.
#include "StorageTestSupport.h"

#include "storage/AtomicFile.h"
#include "storage/Date.h"
#include "storage/StorageErrors.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zizaza;
using namespace zizaza::test;
using Step = atomic_file_testing::Step;
using namespace std::string_literals;

namespace {

const std::string kBusy = "\rВозможно он занят, или с признаком 'read only'";

// A field as the file holds it; the value given in Windows-1251.
std::string field(const std::string& value) {
    std::string len = std::to_string(value.size());
    return std::string(4 - len.size(), '0') + len + value;
}

std::string storageMessage(const std::function<void()>& fn, uint16_t* number = nullptr) {
    try {
        fn();
    } catch (const mEPrivBase& e) {
        if (number)
            *number = e.ErrorNumber();
        return e.what();
    }
    return "";
}

void writeText(const std::string& f, const std::string& text) {
    WriteContainer(f, 60 + mTDocumentStorage::StringFieldSize("@A") + mTDocumentStorage::StringFieldSize(text),
                   [&](mTDocumentStorage& s) {
                       s.OpenStreamForWrite("@A");
                       s.WriteString(text);
                   });
}

std::vector<std::string> namesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::string& f) {
    struct stat st {};
    ::stat(f.c_str(), &st);
    return st.st_mode & 07777;
}

struct FaultCase {
    Step step;
    int error;
    const char* reason;
};

TEST(AtomicFile, AFailingDiskKeepsTheOldFileAndSaysWhy) {
    const FaultCase cases[] = {
        {Step::Write, ENOSPC, "Нет места на диске"},       {Step::Create, EACCES, "Отказано в доступе"},
        {Step::Sync, EIO, "Ошибка ввода-вывода"},          {Step::Rename, EROFS, "Диск доступен только для чтения"},
        {Step::Write, EDQUOT, "Превышена дисковая квота"},
    };
    TempDir dir;
    const std::string f = dir.file("keep.tv7");
    writeText(f, "old");
    const std::string before = ReadBytes(f);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        atomic_file_testing::SetStepFault([&](Step s) { return s == c.step ? c.error : 0; });
        uint16_t number = 0;
        std::string message = storageMessage([&] { writeText(f, "new"); }, &number);
        atomic_file_testing::SetStepFault({});
        EXPECT_EQ(number, 21);
        // The container's message stays as it is; the system's reason is a line of its own.
        EXPECT_EQ(message, "Ошибка чтения файла: " + f + kBusy + "\n" + c.reason);
        EXPECT_EQ(ReadBytes(f), before);
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{"keep.tv7"});
    }
}

TEST(AtomicFile, ContentThatDoesNotReadBackKeepsTheOldFile) {
    TempDir dir;
    const std::string f = dir.file("keep.tv7");
    writeText(f, "old");
    const std::string before = ReadBytes(f);
    // A disk that silently changes a byte, and a check of the content that refuses it.
    atomic_file_testing::SetWriteFunction([](int fd, const void* data, size_t size) -> long {
        std::string bytes(static_cast<const char*>(data), size);
        bytes[size / 2] ^= 1;
        return ::write(fd, bytes.data(), size);
    });
    EXPECT_NE(storageMessage([&] { writeText(f, "new"); }).find("Ошибка ввода-вывода"), std::string::npos);
    atomic_file_testing::SetWriteFunction({});
    EXPECT_THROW(WriteFileAtomically(f, "new", [](std::string_view) { throw std::runtime_error("refused"); }),
                 std::runtime_error);
    EXPECT_EQ(ReadBytes(f), before);
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"keep.tv7"});
}

TEST(AtomicFile, SavingThroughALinkWritesItsTargetAndKeepsThePermissions) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "real");
    const std::string target = dir.file("real/decl.tv7");
    writeText(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    // A chain: an absolute link to a relative one.
    std::filesystem::create_symlink("real/decl.tv7", dir.path() / "relative.tv7");
    std::filesystem::create_symlink(dir.path() / "relative.tv7", dir.path() / "absolute.tv7");
    for (const char* link : {"relative.tv7", "absolute.tv7"}) {
        SCOPED_TRACE(link);
        writeText(dir.file(link), link);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / link));
        EXPECT_EQ(ReadBytes(target).substr(60), "0002@A" + field(link));
        EXPECT_EQ(modeOf(target), 0640u);
    }
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
    writeText(target, "plain");
    EXPECT_EQ(modeOf(target), 0604u);
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"absolute.tv7", "real", "relative.tv7"}));
}

TEST(AtomicFile, TemporaryFilesOfAKilledSaveGoAtTheNextSave) {
    TempDir dir;
    const std::string f = dir.file("decl.tv7");
    writeText(f, "old");
    // A save killed half-way through its write.
    pid_t child = ::fork();
    if (child == 0) {
        atomic_file_testing::SetWriteFunction([](int, const void*, size_t) -> long { ::_exit(0); });
        writeText(f, "never");
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    auto names = namesIn(dir);
    ASSERT_EQ(names.size(), 2u);
    const std::string stale = names[0];
    EXPECT_TRUE(IsAtomicTemporaryName(stale)) << stale;
    // A save running in another program holds its temporary file: that one stays; so do files
    // that merely look alike.
    const std::string running = ".zizaza-RUNNIN.tmp";
    WriteBytes(dir.file(running), "x");
    WriteBytes(dir.file(".zizaza-user.tmp"), "x");
    int held = ::open(dir.file(running).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    writeText(f, "new");
    ::close(held);
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{".zizaza-RUNNIN.tmp", ".zizaza-user.tmp", "decl.tv7"}));
    EXPECT_EQ(ReadBytes(f).substr(60), "0002@A0003new");
}

TEST(FileLoader, OnlyRegularFilesAreOpenedAndNothingWaits) {
    TempDir dir;
    const std::string fifo = dir.file("pipe.tv7");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directories(dir.path() / "folder.tv7");
    for (const std::string& f : {fifo, dir.file("folder.tv7"), std::string("/dev/null")}) {
        SCOPED_TRACE(f);
        // In a child with an alarm, so that a loader that waits fails the test instead of hanging it.
        pid_t child = ::fork();
        if (child == 0) {
            ::alarm(5);
            uint16_t reading = 0, saving = 0;
            storageMessage([&] { mTFileLoader loader(f, 0, true); }, &reading);
            storageMessage([&] { writeText(f, "x"); }, &saving);
            ::_exit(reading == 21 && saving == 21 ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_FALSE(std::filesystem::is_regular_file(f));
    }
    EXPECT_EQ(storageMessage([&] { mTFileLoader loader(fifo, 0, true); }),
              "Ошибка чтения файла: " + fifo + kBusy + "\nЭто не обычный файл");
}

TEST(DocumentStorage, WritersRefuseWhatTheReadersRefuse) {
    TempDir dir;
    const std::string f = dir.file("w.tv7");
    struct Case {
        const char* name;
        std::function<void(mTDocumentStorage&)> write;
        uint16_t error;
    };
    const Case cases[] = {
        {"zero byte in a text", [](mTDocumentStorage& s) { s.WriteString("Ив\0анов"s); }, kErrZeroInText},
        {"largest double", [](mTDocumentStorage& s) { s.WriteDateTime(std::numeric_limits<double>::max()); },
         kErrNumberNotStorable},
        {"not a number", [](mTDocumentStorage& s) { s.WriteDateTime(std::nan("")); }, kErrNumberNotStorable},
        {"infinity", [](mTDocumentStorage& s) { s.WriteDateTime(HUGE_VAL); }, kErrNumberNotStorable},
        {"most negative count",
         [](mTDocumentStorage& s) { s.WriteCurrency(Money::FromRaw(std::numeric_limits<int64_t>::min())); },
         kErrNumberNotStorable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        uint16_t number = 0;
        storageMessage([&] { WriteContainer(f, 200, c.write); }, &number);
        EXPECT_EQ(number, c.error);
    }
    // The largest values that are written read back as themselves.
    WriteContainer(f, 200, [](mTDocumentStorage& s) {
        s.OpenStreamForWrite("@A");
        s.WriteDateTime(1.79769313486231e308);
        s.WriteCurrency(Money::FromRaw(Money::kMaxRaw));
        s.WriteCurrency(-Money::FromRaw(Money::kMaxRaw));
    });
    mTFileLoader loader(f, 0, true);
    mTDocumentStorage s(&loader);
    s.OpenStorage();
    s.OpenStreamForRead("@A");
    EXPECT_EQ(s.ReadDateTime(), 1.79769313486231e308);
    EXPECT_EQ(s.ReadCurrency(), Money::FromRaw(Money::kMaxRaw));
    EXPECT_EQ(s.ReadCurrency(), -Money::FromRaw(Money::kMaxRaw));
}

TEST(DocumentStorage, ReadersRefuseZeroBytesAndAmountsBeyondFifteenDigits) {
    struct Case {
        std::string value;  // Windows-1251
        bool text;
        uint16_t error;  // 0: reads
    };
    const Case cases[] = {
        {"\xC8\xE2\0\xE0\xED\xEE\xE2"s, true, 68},
        {"\0ab"s, true, 68},
        {"1000000000000000", false, 68},
        {"922337203685477.5808", false, 68},
        {"-922337203685477.5808", false, 68},
        {"000922337203685477,58", false, 0},
        {"922337203685477.5807", false, 0},
        {"1.23456789012345", false, 0},
        {"12x", false, 0xFFFF},  // not a number at all: the conversion error as before
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string f = dir.file("r.tv7");
        WriteBytes(f, "ZEZI            Tavo20170102" + std::string(32, 'F') + "0002@A" + field(c.value));
        uint16_t number = 0;
        try {
            storageMessage(
                [&] {
                    mTFileLoader loader(f, 0, true);
                    mTDocumentStorage s(&loader);
                    s.OpenStorage();
                    s.OpenStreamForRead("@A");
                    if (c.text)
                        s.ReadString();
                    else
                        s.ReadCurrency();
                },
                &number);
        } catch (const EConvertError&) {
            number = 0xFFFF;
        }
        EXPECT_EQ(number, c.error);
    }
}

TEST(Money, ArithmeticBeyondTheRangeIsAnErrorNeverAWrappedValue) {
    const Money big = Money::Roubles(500'000'000'000'000);  // 5e14 roubles: 15 digits
    const Money max = Money::FromRaw(Money::kMaxRaw);
    const std::function<Money()> overflows[] = {
        [&] { return big + big; },
        [&] { return -big - big; },
        [&] { return big * 2; },
        [&] { return max + Money::FromRaw(1); },
        [&] { return -max - Money::FromRaw(1); },
        [&] {
            Money m = big;
            m += big;
            return m;
        },
        [&] {
            Money m = -big;
            m -= big;
            return m;
        },
        [] { return Money::Roubles(1'000'000'000'000'000); },
        [] { return Money::Kopecks(std::numeric_limits<int64_t>::max() / 10); },
        [] { return Money::FromDouble(1e300); },
        [] { return Money::FromDouble(-9.3e14); },
        [] { return Money::FromDouble(std::nan("")); },
        [] { return -Money::FromRaw(std::numeric_limits<int64_t>::min()); },
    };
    for (size_t i = 0; i < std::size(overflows); ++i)
        EXPECT_THROW(overflows[i](), MoneyOverflow) << "case " << i;
    EXPECT_EQ(big - big + big, big) << "no false alarm below the limit";
    EXPECT_EQ(max - max, Money());
    EXPECT_EQ(Money::FromDouble(9.2e14), Money::Roubles(920'000'000'000'000));
}

TEST(Date, OnlyTheYears1900To2099AreStorableAndEveryValueConverts) {
    const std::pair<double, bool> storable[] = {
        {0, true},        {2, true},          {Date::Ymd(2099, 12, 31).days(), true},
        {73050.99, true}, {1, false},         {-1, false},
        {73051, false},   {1e20, false},      {std::nan(""), false},
        {0.5, false},     {-HUGE_VAL, false},
    };
    for (auto [days, ok] : storable)
        EXPECT_EQ(Date::IsStorable(days), ok) << days;
    EXPECT_EQ(Date::Ymd(1900, 1, 1).days(), 2);
    // Far beyond the calendar the conversion ends at its edges instead of overflowing.
    EXPECT_EQ(Date(1e20).ToText(), "31.12.9999");
    EXPECT_EQ(Date(-1e20).ToText(), "01.01.0001");
    EXPECT_EQ(Date(std::nan("")).ToText(), "30.12.1899");
}

}  // namespace
