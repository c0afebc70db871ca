#include "print/module/PrintModule.h"

#include "print/module/DeclarationXml.h"
#include "print/module/FormBuilder.h"
#include "print/module/FormPainter.h"
#include "print/module/PdfFile.h"
#include "print/module/PreviewWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace zizaza::print {
namespace {

[[noreturn]] void fail(const QString& text) {
    throw PrintModuleError(text.toStdString());
}

void requireApplication(bool withWindows) {
    QCoreApplication* app = QCoreApplication::instance();
    bool ok =
        withWindows ? qobject_cast<QApplication*>(app) != nullptr : qobject_cast<QGuiApplication*>(app) != nullptr;
    if (!ok)
        fail(QStringLiteral("Модуль печати запущен без оконного приложения"));
}

// Runs a member's body; anything but PrintModuleError is turned into one, so that callers need
// only one kind of exception.
template <typename Body>
void guarded(Body body) {
    try {
        body();
    } catch (const PrintModuleError&) {
        throw;
    } catch (const std::exception& e) {
        fail(QStringLiteral("Ошибка модуля печати: ") + QString::fromUtf8(e.what()));
    } catch (...) {
        fail(QStringLiteral("Неизвестная ошибка модуля печати"));
    }
}

QString fileBaseName(const std::string& xmlText) {
    try {
        QString id = ParseDeclarationXml(QByteArray::fromStdString(xmlText))->Attr(QStringLiteral("ИдФайл"));
        if (!id.isEmpty())
            return id;
    } catch (const PrintModuleError&) {
    }
    return QStringLiteral("Декларация");
}

}  // namespace

void PrintModule::SetPrintTiffParam(const std::string& name, const std::string& value) {
    m_params[name] = value;
}

void PrintModule::PrintTiffFolder(const std::string& folder) {
    m_folder = QString::fromStdString(folder);
}

std::vector<FormPage> PrintModule::Render(const std::string& xmlText) const {
    RenderParams params;
    if (auto it = m_params.find(kRecipientNameParam); it != m_params.end())
        params.recipientName = QString::fromStdString(it->second);
    auto root = ParseDeclarationXml(QByteArray::fromStdString(xmlText));
    return BuildFormPages(*root, params);
}

QString PrintModule::OutputPath(const std::string& outputFile) const {
    QString file = QString::fromStdString(outputFile);
    if (QFileInfo(file).isRelative() && !m_folder.isEmpty())
        return QDir(m_folder).filePath(file);
    return file;
}

void PrintModule::PreviewData(const std::string& xmlText, QWidget* ownerWindow) {
    guarded([&] {
        requireApplication(true);
        std::vector<FormPage> pages = Render(xmlText);
        QString title = QStringLiteral("Просмотр декларации (%1 стр.)").arg(pages.size());
        PreviewWindow window(std::move(pages), m_folder, fileBaseName(xmlText), title, ownerWindow);
        window.setWindowModality(Qt::ApplicationModal);
        window.exec();
    });
}

void PrintModule::PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                            int /*options: reserved*/) {
    guarded([&] {
        requireApplication(false);
        std::vector<FormPage> pages = Render(xmlText);
        if (!outputFile.empty()) {
            SavePdfFile(OutputPath(outputFile), pages, fileBaseName(xmlText));
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        QString name = QString::fromStdString(printerName);
        QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
        if (info.isNull())
            fail(name.isEmpty() ? QStringLiteral("В системе нет принтера по умолчанию")
                                : QStringLiteral("Не найден принтер \"%1\"").arg(name));
        printer.setPrinterName(info.printerName());
        printer.setDocName(fileBaseName(xmlText));
        PrintFormPages(printer, pages);
    });
}

}  // namespace zizaza::print
