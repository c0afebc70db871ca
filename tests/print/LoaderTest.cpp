#include "print/PrintModuleLoader.h"

#include "PrintTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::print::test;

namespace {

const QString kBin = QStringLiteral(ZIZAZA_BIN_DIR);

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

ProgramRun runPdf(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    return ProgramRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(PrintModuleLoader, LoadsThePlugInBesideTheProgramAndPrintsThroughIt) {
    std::string why;
    auto module = LoadPrintModule(kBin.toStdString(), &why);
    ASSERT_NE(module, nullptr) << why;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
    module->SetPrintTiffParam(kRecipientNameParam, "ИФНС России № 5 по г. Москве");
    module->PrintData(ReadGolden("salaried_flat_mortgage"), pdf.toStdString(), "", 0);
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("ИФНС России № 5 по г. Москве")));
    // The plug-in's errors are caught as the interface's exception type.
    EXPECT_THROW(module->PrintData("<Файл/>", pdf.toStdString(), "", 0), PrintModuleError);
}

TEST(PrintModuleLoader, GivesNothingWhenTheLibraryIsMissingOrIsNotTheModule) {
    QTemporaryDir empty;
    std::string why;
    EXPECT_EQ(LoadPrintModule(empty.path().toStdString(), &why), nullptr);
    EXPECT_FALSE(why.empty());

    // Some other library under the module's name.
    QTemporaryDir impostor;
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/lib/x86_64-linux-gnu/libjpeg.so.62"),
                            impostor.filePath(QStringLiteral("libzizaza-print.so"))));
    why.clear();
    EXPECT_EQ(LoadPrintModule(impostor.path().toStdString(), &why), nullptr);
    EXPECT_NE(why.find("точек входа"), std::string::npos) << why;
}

TEST(ZizazaPdf, RendersAnExportFileToPdf) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("d.pdf"));
    ProgramRun run = runPdf(kBin + QStringLiteral("/zizaza-pdf"), {GoldenPath("foreign_dividends"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(Squash(PdfText(pdf)).contains(QStringLiteral("ВОЛКОВ")));
}

TEST(ZizazaPdf, ReportsAMissingModuleAndBadArguments) {
    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("zizaza-pdf"));
    ASSERT_TRUE(QFile::copy(kBin + QStringLiteral("/zizaza-pdf"), alone));
    ProgramRun missing = runPdf(alone, {GoldenPath("foreign_dividends"), dir.filePath(QStringLiteral("d.pdf"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Не найден модуль печати."))) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("d.pdf"))));

    EXPECT_EQ(runPdf(kBin + QStringLiteral("/zizaza-pdf"), {GoldenPath("foreign_dividends")}).exitCode, 2);
    ProgramRun noFile = runPdf(kBin + QStringLiteral("/zizaza-pdf"),
                               {dir.filePath(QStringLiteral("нет.xml")), dir.filePath(QStringLiteral("d.pdf"))});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_TRUE(noFile.err.contains(QStringLiteral("Не удалось открыть файл")));
}
