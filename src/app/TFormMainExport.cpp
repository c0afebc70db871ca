#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <exception>
#include <optional>
#include <string>

#include "app/TFormMain.h"
#include "checks/NavigationCode.h"
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// Keeps a window disabled while a command runs; it is enabled again however the command ends.
class DisabledWhile {
public:
    explicit DisabledWhile(QWidget& window) : m_window(window) { m_window.setEnabled(false); }
    ~DisabledWhile() { m_window.setEnabled(true); }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

private:
    QWidget& m_window;
};

const QString kModuleMissing = QStringLiteral(
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Zizaza 2017\" и запустите файл "
    "\"KORVEXSetup.msi\"");
const QString kNotBuilt = QStringLiteral("Файл не сформирован, свяжитесь с разработчиками.");
const QString kNotSaved = QStringLiteral(
    "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте программу с правами "
    "администратора.");

QString WithSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// A folder the file can go into: an existing directory the program may write in.
bool Writable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

}  // namespace

void TFormMain::ExportDeclaration() {
    if (RunDeclarationCheck() != CheckOutcome::Passed)
        return;
    DisabledWhile disabled(*this);
    const QString chosen =
        m_ui->ChooseFolder(QStringLiteral("Экспорт в xml: папка для файла декларации"), DocumentFolder());
    if (chosen.isEmpty())
        return;
    const QString folder = WithSeparator(chosen);
    // The export would only report a failure of its own for a folder it cannot write into;
    // the user is told instead to pick another folder.
    if (!Writable(folder)) {
        m_ui->Inform(kNotSaved);
        return;
    }
    std::string result;
    XmlExportOptions options;
    options.showMessage = [this](const std::string& message) { m_ui->Error(QString::fromStdString(message)); };
    try {
        BuildDeclarationXml(folder.toStdString(), *m_doc, XmlExportMode::File, result, options);
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return;
    }
    const QString name = QString::fromStdString(result);
    if (result == kXmlExportFailed)
        m_ui->Inform(kNotBuilt);
    else if (QFileInfo::exists(folder + name)) {
        KeepExportCopy(folder + name);
        TellFileWritten(*m_ui, QStringLiteral("Сформирован файл ") + folder + QLatin1Char(' ') + name, folder + name);
    } else {
        m_ui->Inform(kNotSaved);
    }
}

std::unique_ptr<IPrintModule> TFormMain::PrintModuleOrTell() {
    std::unique_ptr<IPrintModule> module;
    try {
        module = m_printModule();
    } catch (const std::exception&) {
        module.reset();
    }
    if (!module)
        m_ui->Inform(kModuleMissing);
    return module;
}

void TFormMain::PrintOrPreview(PrintMode mode) {
    if (RunDeclarationCheck() != CheckOutcome::Passed)
        return;
    DisabledWhile disabled(*this);
    std::unique_ptr<IPrintModule> module = PrintModuleOrTell();
    if (!module)
        return;
    const std::string folder = m_programFolder.toStdString();
    try {
        module->SetPrintTiffParam(kRecipientNameParam, m_doc->InspectionName);
        module->SetPrintTiffParam(kDocumentFileParam, m_fileName.toStdString());
        module->PrintTiffFolder(folder);
    } catch (const std::exception& e) {
        m_ui->Plain(QString::fromUtf8(e.what()));
        return;
    }
    std::string xml;
    XmlExportOptions options;
    options.showMessage = [this](const std::string& message) { m_ui->Error(QString::fromStdString(message)); };
    try {
        BuildDeclarationXml(folder, *m_doc, XmlExportMode::Text, xml, options);
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return;
    }
    if (xml == kXmlExportFailed)
        return;
    try {
        if (mode == PrintMode::Preview) {
            module->PreviewData(xml, this);
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(DocumentBaseName());
        if (!m_ui->ChoosePrinter(printer))
            return;
        const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
        if (module->PrintOn(xml, printer, this) && !target.isEmpty() && QFileInfo::exists(target))
            TellFileWritten(*m_ui, QStringLiteral("Декларация напечатана в файл ") + QDir::toNativeSeparators(target),
                            target);
    } catch (const std::exception& e) {
        m_ui->Plain(QString::fromUtf8(e.what()));
    }
}

}  // namespace zizaza
