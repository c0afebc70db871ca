// zizaza-cli pdf: a saved declaration, checked, exported and rendered through the print module.
#include "PrintTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zizaza::print::test;

namespace {

const QString kBin = QStringLiteral(ZIZAZA_BIN_DIR);

QString declarationFile(const char* name) {
    return QStringLiteral(ZIZAZA_SOURCE_DIR "/tests/data/declarations/") + QString::fromLatin1(name) +
           QStringLiteral(".tv7");
}

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun cli(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
}

CliRun zizazaCli(const QStringList& args) {
    return cli(kBin + QStringLiteral("/zizaza-cli"), args);
}

}  // namespace

TEST(PdfCommand, RendersTheSavedDeclarationsWithTheirTaxpayerAndSection1) {
    for (const char* name : {"salaried_flat_mortgage", "foreign_dividends", "securities_investment_account"}) {
        // What the paper must show is taken from the export of the same declaration.
        CliRun exported = zizazaCli(
            {QStringLiteral("xml"), declarationFile(name), QStringLiteral("--today"), QStringLiteral("15.03.2018")});
        ASSERT_EQ(exported.exitCode, 0) << name;
        QProcess xmlOf;
        xmlOf.start(kBin + QStringLiteral("/zizaza-cli"), {QStringLiteral("xml"), declarationFile(name)});
        xmlOf.waitForFinished(60000);
        const QByteArray xml = xmlOf.readAllStandardOutput();

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        CliRun run = zizazaCli({QStringLiteral("pdf"), declarationFile(name), pdf, QStringLiteral("--today"),
                                QStringLiteral("15.03.2018")});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Сформирован файл ") + pdf)) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const QString text = Squash(PdfText(pdf));
        EXPECT_TRUE(text.contains(QStringLiteral("15.03.2018"))) << name;
        for (const char* attribute : {"ИННФЛ", "Фамилия", "Имя", "КБК", "ОКТМО", "ДоходОбщ", "Исчисл"}) {
            const QString value = FirstAttribute(xml, QString::fromUtf8(attribute));
            ASSERT_FALSE(value.isEmpty()) << name << " " << attribute;
            EXPECT_TRUE(text.contains(Squash(value))) << name << " " << attribute << "=" << value.toStdString();
        }
    }
}

TEST(PdfCommand, ADeclarationThatFailsTheCheckGivesNoPdfUnlessForced) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.tv7"));
    ASSERT_EQ(zizazaCli({QStringLiteral("new"), fresh}).exitCode, 0);
    const QString pdf = dir.filePath(QStringLiteral("fresh.pdf"));
    CliRun checked = zizazaCli({QStringLiteral("pdf"), fresh, pdf});
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_TRUE(checked.out.contains(QStringLiteral("Проверка: "))) << checked.out.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    CliRun forced = zizazaCli({QStringLiteral("pdf"), fresh, pdf, QStringLiteral("--force")});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 4);  // the title page, sections 1 and 2, appendix 5 (its zero standard deductions)
}

TEST(PdfCommand, WithoutTheRendererBesideItTheModuleIsReportedMissing) {
    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("zizaza-cli"));
    ASSERT_TRUE(QFile::copy(kBin + QStringLiteral("/zizaza-cli"), alone));
    QFile::setPermissions(alone, QFile::permissions(alone) | QFile::ExeOwner);
    const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
    CliRun run = cli(alone, {QStringLiteral("pdf"), declarationFile("salaried_flat_mortgage"), pdf});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Не найден модуль печати."))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PdfCommand, RefusesWrongArgumentsAndMissingFiles) {
    QTemporaryDir dir;
    EXPECT_EQ(zizazaCli({QStringLiteral("pdf"), declarationFile("salaried_flat_mortgage")}).exitCode, 2);
    EXPECT_EQ(
        zizazaCli({QStringLiteral("pdf"), declarationFile("salaried_flat_mortgage"),
                   dir.filePath(QStringLiteral("a.pdf")), QStringLiteral("--today"), QStringLiteral("32.13.2018")})
            .exitCode,
        2);
    CliRun missing = zizazaCli(
        {QStringLiteral("pdf"), dir.filePath(QStringLiteral("нет.tv7")), dir.filePath(QStringLiteral("a.pdf"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.pdf"))));
}

// The renderer is replaced by a script that reports the permissions of the XML it is given and
// of its folder, then succeeds, fails with a message that carries a terminal escape, or stops
// the command by a signal: the XML is private and gone afterwards in every case.
TEST(PdfCommand, TheDeclarationsXmlIsPrivateWhileRenderingAndRemovedAfterwards) {
    QTemporaryDir dir, temp;
    const QString alone = dir.filePath(QStringLiteral("zizaza-cli"));
    ASSERT_TRUE(QFile::copy(kBin + QStringLiteral("/zizaza-cli"), alone));
    QFile script(dir.filePath(QStringLiteral("zizaza-pdf")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\n"
        "stat -c %a \"$1\" \"$(dirname \"$1\")\" > \"$ZIZAZA_TEST_LOG\"\n"
        "case \"$ZIZAZA_TEST_RENDERER\" in\n"
        "  ok) exit 0;;\n"
        "  fail) printf 'сбой \\033[31mкрасный\\r\\n' >&2; exit 3;;\n"
        "  stop) kill -TERM $PPID; exit 0;;\n"
        "esac\n");
    script.close();
    for (const QString& program : {alone, script.fileName()})
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);

    const QString log = dir.filePath(QStringLiteral("modes.txt"));
    for (const char* behaviour : {"ok", "fail", "stop"}) {
        QFile::remove(log);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), temp.path());
        env.insert(QStringLiteral("ZIZAZA_TEST_LOG"), log);
        env.insert(QStringLiteral("ZIZAZA_TEST_RENDERER"), QString::fromLatin1(behaviour));
        process.setProcessEnvironment(env);
        process.start(alone, {QStringLiteral("pdf"), declarationFile("salaried_flat_mortgage"),
                              dir.filePath(QStringLiteral("x.pdf"))});
        ASSERT_TRUE(process.waitForFinished(60000)) << behaviour;
        EXPECT_EQ(ReadFile(log), QByteArray("600\n700\n")) << behaviour;
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
            << behaviour;
        const QByteArray err = process.readAllStandardError();
        if (QByteArray(behaviour) == "fail") {
            EXPECT_EQ(process.exitCode(), 2);
            EXPECT_EQ(QString::fromUtf8(err), QStringLiteral("сбой \\x1B[31mкрасный\n"));
        } else if (QByteArray(behaviour) == "ok") {
            EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
        } else {
            EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        }
    }
}
