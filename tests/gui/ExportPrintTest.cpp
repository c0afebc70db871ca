// The export, preview and print commands of the main window: the check before them, the folder
// and print dialogs, the calls into the print module and what the user is told.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>

#include "GuiTest.h"
#include "model/mTDeclaration.h"

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

const QString kModuleMissing = QStringLiteral(
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Zizaza 2017\" и запустите файл "
    "\"KORVEXSetup.msi\"");
const QString kNotSaved = QStringLiteral(
    "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте программу с правами "
    "администратора.");

// What the print modules of a test were asked to do, in order; kept after the module is gone.
struct ModuleLog {
    int created = 0;
    int released = 0;
    QStringList calls;
    std::vector<std::string> texts;  // the XML text of each PreviewData and PrintData
    QWidget* owner = nullptr;
    bool ownerEnabledDuringCall = true;
    QString failWith;  // PreviewData and PrintData throw this message when set
};

class FakePrintModule : public IPrintModule {
public:
    explicit FakePrintModule(ModuleLog& log) : m_log(log) { ++m_log.created; }
    ~FakePrintModule() override { ++m_log.released; }

    void SetPrintTiffParam(const std::string& name, const std::string& value) override {
        m_log.calls << QStringLiteral("SetPrintTiffParam(%1, %2)")
                           .arg(QString::fromStdString(name), QString::fromStdString(value));
    }
    void PrintTiffFolder(const std::string& folder) override {
        m_log.calls << QStringLiteral("PrintTiffFolder(%1)").arg(QString::fromStdString(folder));
    }
    void PreviewData(const std::string& xmlText, QWidget* ownerWindow) override {
        m_log.calls << QStringLiteral("PreviewData");
        m_log.texts.push_back(xmlText);
        m_log.owner = ownerWindow;
        m_log.ownerEnabledDuringCall = ownerWindow && ownerWindow->isEnabled();
        Fail();
    }
    void PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                   int options) override {
        m_log.calls << QStringLiteral("PrintData(%1, %2, %3)")
                           .arg(QString::fromStdString(outputFile), QString::fromStdString(printerName))
                           .arg(options);
        m_log.texts.push_back(xmlText);
        Fail();
    }
    bool PrintOn(const std::string& xmlText, QPrinter& printer, QWidget* ownerWindow) override {
        m_log.calls << QStringLiteral("PrintOn(%1, %2 копии, стр. %3-%4)")
                           .arg(printer.outputFileName())
                           .arg(printer.copyCount())
                           .arg(printer.fromPage())
                           .arg(printer.toPage());
        m_log.texts.push_back(xmlText);
        m_log.owner = ownerWindow;
        Fail();
        // "Print to File" leaves the file the dialog named.
        if (QFile pages(printer.outputFileName()); !pages.fileName().isEmpty() && pages.open(QIODevice::WriteOnly))
            pages.write("%PDF");
        return true;
    }

private:
    void Fail() {
        if (!m_log.failWith.isEmpty())
            throw PrintModuleError(m_log.failWith.toStdString());
    }
    ModuleLog& m_log;
};

class ExportPrintTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        printModule = [this]() -> std::unique_ptr<IPrintModule> {
            if (moduleMissing) {
                ++log.created;  // asked for, but there is none
                return nullptr;
            }
            return std::make_unique<FakePrintModule>(log);
        };
    }
    void Trigger(const char* action) { Find<QAction>(window.get(), action)->trigger(); }
    // The window is disabled while a dialog of the command is open.
    void ExpectDisabledInPicker() {
        ui.onFolderPicker = [this] { windowEnabledInPicker = window->isEnabled(); };
    }
    QStringList XmlFilesIn(const QString& dir) const {
        return QDir(dir).entryList({QStringLiteral("*.xml")}, QDir::Files);
    }

    ModuleLog log;
    bool moduleMissing = false;
    bool windowEnabledInPicker = true;
};

TEST_F(ExportPrintTest, ExportWritesTheFileAndNamesItAfterTheFolderAndABlank) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    for (const QString& given : {files.path(), files.path() + QLatin1Char('/')}) {
        SCOPED_TRACE(given.toStdString());
        QDir(files.path()).removeRecursively();
        QDir().mkpath(files.path());
        ui.messages.clear();
        ui.Folder(given);
        ExpectDisabledInPicker();
        Trigger("actExport");
        const QStringList written = XmlFilesIn(files.path());
        ASSERT_EQ(written.size(), 1);
        EXPECT_TRUE(written[0].startsWith(QStringLiteral("NO_NDFL3_"))) << written[0].toStdString();
        // One separator between folder and name, whether or not the picker gave it.
        EXPECT_EQ(ui.Texts(Kind::Inform),
                  QStringList{QStringLiteral("Сформирован файл ") + files.path() + QStringLiteral("/ ") + written[0]});
        EXPECT_FALSE(windowEnabledInPicker);
        EXPECT_TRUE(window->isEnabled());
    }
    const QString title = QStringLiteral("Экспорт в xml: папка для файла декларации");
    EXPECT_EQ(ui.folderTitles, (QStringList{title, title}));
    EXPECT_EQ(QDir(ui.folderStarts.front()), QDir(files.path())) << "the picker starts beside the declaration";
    EXPECT_TRUE(window->Saved()) << "exporting changes nothing in the declaration";
}

TEST_F(ExportPrintTest, ACancelledPickerWritesNothingAndEnablesTheWindow) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    ui.Folder(QString());
    Trigger("actExport");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(XmlFilesIn(files.path()).isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExportPrintTest, AFolderThatCannotBeWrittenIsReported) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    // A plain file in place of the folder: nobody, not even the administrator, can write in it.
    QFile plain(files.path() + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ui.Folder(plain.fileName());
    Trigger("actExport");
    EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{kNotSaved});
    EXPECT_TRUE(XmlFilesIn(files.path()).isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExportPrintTest, ADeclarationThatFailsTheCheckIsNeitherExportedNorPrinted) {
    Start({SavedDeclaration(QStringLiteral("a.tv7"), "7701")});  // no surname
    for (const char* action : {"actExport", "actPreview", "actPrint"}) {
        ui.Click(QStringLiteral("Button2"));  // "Отмена" on the first problem
        Trigger(action);
    }
    EXPECT_EQ(ui.checkMessages.size(), 3);
    EXPECT_TRUE(ui.folderTitles.isEmpty());
    EXPECT_EQ(ui.printerDialogs, 0);
    EXPECT_EQ(log.created, 0);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExportPrintTest, WithoutThePrintModuleItsMessageIsShown) {
    moduleMissing = true;
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    for (const char* action : {"actPreview", "actPrint"}) {
        ui.messages.clear();
        Trigger(action);
        EXPECT_EQ(ui.Texts(Kind::Inform), QStringList{kModuleMissing}) << action;
    }
    EXPECT_EQ(log.created, 2);
    EXPECT_EQ(ui.printerDialogs, 0);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExportPrintTest, PreviewHandsTheXmlTextToTheModuleWithTheMainWindow) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    Trigger("actPreview");
    const QString recipient = QStringLiteral(
        "SetPrintTiffParam(Наименование налогового органа-получателя, "
        "Инспекция № 1 по г. Москве)");
    const QString file = QStringLiteral("SetPrintTiffParam(Имя файла декларации, %1)").arg(window->FileName());
    EXPECT_EQ(log.calls, (QStringList{recipient, file, QStringLiteral("PrintTiffFolder(%1)").arg(folder.Path()),
                                      QStringLiteral("PreviewData")}));
    EXPECT_EQ(log.owner, window.get());
    EXPECT_FALSE(log.ownerEnabledDuringCall);
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("encoding=\"windows-1251\""), std::string::npos);
    EXPECT_NE(log.texts[0].find(window->Declaration().Person.Name.Inn), std::string::npos);
    EXPECT_EQ(log.released, 1);
    EXPECT_TRUE(QDir(folder.Path()).entryList({QStringLiteral("NO_NDFL*")}).isEmpty())
        << "the text for printing is never written as a file";
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExportPrintTest, PrintHandsThePrinterAsTheDialogSetItUpToTheModuleOnce) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    const QString pdf = folder.Path() + QStringLiteral("печать.pdf");
    ui.Printer(PrinterChoice{pdf, 3, 2, 4});
    Trigger("actPrint");
    ASSERT_EQ(log.calls.size(), 4);
    EXPECT_EQ(log.calls[3], QStringLiteral("PrintOn(%1, 3 копии, стр. 2-4)").arg(pdf));
    EXPECT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.owner, window.get());
    EXPECT_EQ(log.released, 1);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(ui.writtenFiles, QStringList{QStringLiteral("Декларация напечатана в файл ") + pdf});
}

TEST_F(ExportPrintTest, ACancelledPrintDialogPrintsNothing) {
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    ui.Printer(std::nullopt);
    Trigger("actPrint");
    EXPECT_EQ(ui.printerDialogs, 1);
    EXPECT_TRUE(log.texts.empty());
    EXPECT_EQ(log.released, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportPrintTest, AnErrorOfTheModuleIsShownWithItsTextAndEndsTheCommand) {
    log.failWith = QStringLiteral("Принтер Office-2 не найден");
    Start({CleanDeclaration(QStringLiteral("a.tv7"))});
    ui.Printer(PrinterChoice{folder.Path() + QStringLiteral("печать.pdf"), 3});
    Trigger("actPrint");
    EXPECT_EQ(log.texts.size(), 1u);
    Trigger("actPreview");
    EXPECT_EQ(ui.Texts(Kind::Plain), (QStringList{log.failWith, log.failWith}));
    EXPECT_TRUE(ui.writtenFiles.isEmpty()) << "a print that failed tells of no file";
    EXPECT_EQ(log.released, 2);
    EXPECT_TRUE(window->isEnabled());
}

}  // namespace
}  // namespace zizaza::test
