// Every way a PDF reaches the disk (the module's PrintData, the preview's "Сохранить в PDF" and
// zizaza-cli pdf) replaces the target whole or not at all.
#include "print/PrintModuleInterface.h"
#include "print/module/PreviewWindow.h"
#include "print/module/PrintModule.h"

#include "PrintTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <functional>

using namespace zizaza;
using namespace zizaza::print;
using namespace zizaza::print::test;

namespace {

// A disk that takes no more than this many bytes of a file: a whole declaration's PDF is larger,
// its XML is smaller.
constexpr rlim_t kFileSizeLimit = 48 * 1024;

// Makes every write past the limit fail with EFBIG (instead of killing the process) in this
// process and in those it starts.
void limitFileSize(rlim_t limit) {
    std::signal(SIGXFSZ, limit == RLIM_INFINITY ? SIG_DFL : SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &r);
}

struct LimitedDisk {
    LimitedDisk() { limitFileSize(kFileSizeLimit); }
    ~LimitedDisk() { limitFileSize(RLIM_INFINITY); }
};

// Writes the declaration's PDF to target one way; the error the user is shown, empty for none.
using PdfWay = std::function<QString(const QString& target, bool limited)>;

QString throughModule(const QString& target, bool limited) {
    PrintModule module;
    std::optional<LimitedDisk> disk;
    if (limited)
        disk.emplace();
    try {
        module.PrintData(ReadGolden("salaried_flat_mortgage"), target.toStdString(), "", 0);
    } catch (const PrintModuleError& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

QString throughPreview(const QString& target, bool limited) {
    PreviewWindow window(PagesOf(ReadFile(GoldenPath("salaried_flat_mortgage"))), QStringLiteral("X.pdf"),
                         QStringLiteral("Просмотр"));
    window.SetFileChooser([&](QWidget*, const QString&) { return target; });
    window.SetWrittenReporter([](QWidget*, const QString&) {});
    QString shown;
    window.SetErrorReporter([&](QWidget*, const QString& text) { shown += text; });
    std::optional<LimitedDisk> disk;
    if (limited)
        disk.emplace();
    window.SaveAsPdf();
    return shown;
}

QString throughCli(const QString& target, bool limited) {
    QProcess process;
    if (limited)
        process.setChildProcessModifier([] { limitFileSize(kFileSizeLimit); });
    process.start(QStringLiteral(ZIZAZA_BIN_DIR "/zizaza-cli"),
                  {QStringLiteral("pdf"),
                   QStringLiteral(ZIZAZA_SOURCE_DIR "/tests/data/declarations/"
                                                    "salaried_flat_mortgage.tv7"),
                   target});
    process.waitForFinished(120000);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    return QStringLiteral("код %1: ").arg(process.exitCode()) + QString::fromUtf8(process.readAllStandardError());
}

}  // namespace

TEST(PdfFile, AFailedWriteLeavesTheEarlierFileAndSaysWhy) {
    const struct {
        const char* name;
        PdfWay write;
    } ways[] = {{"module", throughModule}, {"preview", throughPreview}, {"cli", throughCli}};
    const QByteArray earlier("%PDF-1.4 прежний файл декларации\n");
    for (const auto& way : ways) {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("декларация.pdf"));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();

        const QString error = way.write(target, true);
        EXPECT_TRUE(error.contains(QStringLiteral("Файл слишком велик"))) << way.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(target)) << way.name << ": " << error.toStdString();
        EXPECT_EQ(ReadFile(target), earlier) << way.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("декларация.pdf")})
            << way.name;

        EXPECT_EQ(way.write(target, false), QString()) << way.name;
        EXPECT_GT(ReadFile(target).size(), static_cast<qsizetype>(kFileSizeLimit)) << way.name;
        EXPECT_GT(PdfPageCount(target), 1) << way.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << way.name;
    }
}
