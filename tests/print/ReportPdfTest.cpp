// zizaza-cli report to PDF: the report laid out by zizaza-pdf, the outcome readable in the text.
#include "PrintTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zizaza::print::test;

namespace {

// The text without blanks of any kind, so that figures read the same however they are spaced.
QString bare(QString text) {
    static const QRegularExpression blanks(QStringLiteral("\\s|\u00a0"));
    return text.remove(blanks);
}

TEST(ReportPdf, TheCommandWritesThePdfWithTheOutcome) {
    struct Case {
        const char* sample;
        const char* outcome;
    };
    const Case cases[] = {{"foreign_dividends", "Куплатевбюджет:2775,00руб."},
                          {"flat_mortgage_foreign_dividends", "Квозвратуизбюджета:"},
                          {"salaried_flat_mortgage", "Квозвратуизбюджета:"},
                          {"foreign_broker_trades", "Реестр:доходы786616,92руб.,расходы645830,66руб."}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Расчет.pdf"));
        QProcess cli;
        cli.start(QStringLiteral(ZIZAZA_BIN_DIR "/zizaza-cli"),
                  {QStringLiteral("report"),
                   QStringLiteral(ZIZAZA_SOURCE_DIR "/tests/data/declarations/") + QString::fromLatin1(c.sample) +
                       QStringLiteral(".tv7"),
                   pdf});
        ASSERT_TRUE(cli.waitForFinished(120000));
        EXPECT_EQ(cli.exitCode(), 0) << c.sample << cli.readAllStandardError().toStdString();
        const QString text = bare(PdfText(pdf));
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.outcome))) << c.sample << " " << text.left(400).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("18210102"))) << c.sample;
        // Written whole under its own name: nothing else is left in the folder.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Расчет.pdf")});
    }
}

// Under a file-size limit the report's PDF is not written: zizaza-pdf says so with the system's
// reason instead of ending by the signal, and no temporary file stays beside the target.
TEST(ReportPdf, AFileSizeLimitIsToldAndLeavesNothing) {
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("report.html"));
    {
        QFile file(html);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<h1>Расчет налога</h1><p>К уплате в бюджет: 2 775,00 руб.</p>");
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    QProcess pdf;
    pdf.start(QStringLiteral("/bin/sh"),
              {QStringLiteral("-c"), QStringLiteral("ulimit -f 1 && exec \"$0\" --html \"$1\" \"$2\""),
               QStringLiteral(ZIZAZA_BIN_DIR "/zizaza-pdf"), html, out + QStringLiteral("/report.pdf")});
    ASSERT_TRUE(pdf.waitForFinished(120000));
    EXPECT_EQ(pdf.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(pdf.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(pdf.readAllStandardError()).contains(QStringLiteral("Файл слишком велик")));
    EXPECT_TRUE(QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
