// zizaza-cli report to PDF: the report laid out by zizaza-pdf, the outcome readable in the text.
#include "PrintTestSupport.h"

#include <QDir>
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

}  // namespace
