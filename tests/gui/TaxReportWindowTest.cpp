// "Расчет налога" in the Декларация menu: the check first, then the report window, which saves
// the report as PDF or HTML by the extension chosen.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>

#include "GuiTest.h"
#include "app/TfmTaxReport.h"

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

class TaxReportWindowTest : public MainWindowTest {
protected:
    TfmTaxReport* Report() const { return window->findChild<TfmTaxReport*>(QStringLiteral("TfmTaxReport")); }
    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(TaxReportWindowTest, ADeclarationThatFailsTheCheckOpensNoReport) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});  // no surname
    ui.Click(QStringLiteral("Button2"));                         // "Отмена" on the first problem
    Find<QAction>(window.get(), "actTaxReport")->trigger();
    EXPECT_EQ(ui.checkMessages.size(), 1);
    EXPECT_EQ(Report(), nullptr);
}

TEST_F(TaxReportWindowTest, TheReportOpensAndIsSavedAsPdfOrHtmlWhole) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    QAction* action = Find<QAction>(window.get(), "actTaxReport");
    EXPECT_EQ(action->text(), QStringLiteral("Расчет налога"));
    action->trigger();
    TfmTaxReport* report = Report();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowTitle(), QStringLiteral("Расчет налога"));
    const QString text = report->findChild<QTextBrowser*>(QStringLiteral("tbReport"))->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Итог"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("18210102"))) << text.toStdString();

    struct Case {
        const char* name;
        const char* starts;
    };
    for (const Case& c : {Case{"Расчет.pdf", "%PDF"}, Case{"Расчет.HTML", "<html>"}}) {
        const QString path = files.filePath(QString::fromUtf8(c.name));
        QFile::remove(path);
        ui.messages.clear();
        ui.SaveFile(path);
        Find<QPushButton>(report, "btSave")->click();
        EXPECT_TRUE(Read(path).startsWith(c.starts)) << c.name;
        EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{QStringLiteral("Сформирован файл ") + path});
    }
    EXPECT_EQ(ui.saveRequests.back().types.size(), 2u);

    // A folder that does not exist: the reason is shown and no file appears.
    ui.messages.clear();
    const QString lost = files.filePath(QStringLiteral("нет/Расчет.pdf"));
    ui.SaveFile(lost);
    Find<QPushButton>(report, "btSave")->click();
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_FALSE(QFile::exists(lost));

    // A cancelled print dialog prints nothing; "Print to File" writes the chosen file.
    ui.Printer(std::nullopt);
    Find<QPushButton>(report, "btPrint")->click();
    EXPECT_EQ(ui.printerDialogs, 1);
    const QString printed = files.filePath(QStringLiteral("печать.pdf"));
    ui.Printer(PrinterChoice{printed});
    Find<QPushButton>(report, "btPrint")->click();
    EXPECT_TRUE(Read(printed).startsWith("%PDF"));
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files).filter(QStringLiteral(".pdf")).size(), 2)
        << "no temporary file is left beside it";
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(TaxReportWindowTest, TheSaveDialogStartsBesideTheDeclarationAndTheTypeChosenGivesTheExtension) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    Find<QAction>(window.get(), "actTaxReport")->trigger();
    TfmTaxReport* report = Report();
    ASSERT_NE(report, nullptr);
    // A name typed without extension with "Страница HTML" chosen is an HTML file.
    const QString typed = files.filePath(QStringLiteral("Отчет"));
    ui.SaveFile(typed, 1);
    ui.openFolder = true;
    Find<QPushButton>(report, "btSave")->click();
    EXPECT_TRUE(Read(typed + QStringLiteral(".html")).startsWith("<html>"));
    EXPECT_FALSE(QFile::exists(typed + QStringLiteral(".pdf")));
    const FileDialogRequest& request = ui.saveRequests.back();
    EXPECT_EQ(QDir(request.folder), QDir(files.path()));
    EXPECT_EQ(request.name, QStringLiteral("a расчет налога.pdf"));
    EXPECT_TRUE(request.title.startsWith(QStringLiteral("Расчет налога: сохранить")));
    EXPECT_EQ(ui.writtenFiles, QStringList{QStringLiteral("Сформирован файл ") + typed + QStringLiteral(".html")});
    ASSERT_EQ(ui.urls.size(), 1u) << "\"Открыть папку\" opens the folder of the file";
    EXPECT_EQ(QDir(ui.urls.front().toLocalFile()), QDir(files.path()));
    ui.openUrlSucceeds = false;
    ui.SaveFile(typed, 0);
    Find<QPushButton>(report, "btSave")->click();
    EXPECT_TRUE(Read(typed + QStringLiteral(".pdf")).startsWith("%PDF"));
    EXPECT_EQ(ui.Texts(Kind::Error), QStringList{QStringLiteral("Не удалось открыть папку ") + files.path()});
}

}  // namespace
}  // namespace zizaza::test
