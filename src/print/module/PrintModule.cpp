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
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <memory>

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

// A name for the paper of a declaration not saved yet: "3-НДФЛ ИВАНОВ 2017".
QString plainName(const std::string& xmlText) {
    try {
        auto root = ParseDeclarationXml(QByteArray::fromStdString(xmlText));
        if (const XmlElement* document = root->Child(QStringLiteral("Документ"))) {
            if (document->Attr(QStringLiteral("КНД")) == QStringLiteral("1150058"))
                return QStringLiteral("Заявление на возврат ") +
                       document->Value(QStringLiteral("Заявитель/Фамилия")).trimmed();
            const QString form = document->Attr(QStringLiteral("КНД")) == QStringLiteral("1151021")
                                     ? QStringLiteral("4-НДФЛ")
                                     : QStringLiteral("3-НДФЛ");
            const QString surname =
                document->Value(QStringLiteral("СвНП/НПФЛ3/ФИОФЛ/Фамилия|СвНП/НПФЛ/ФИО/Фамилия")).trimmed();
            return QStringList{form, surname, document->Attr(QStringLiteral("ОтчетГод"))}
                .join(QLatin1Char(' '))
                .simplified();
        }
    } catch (const PrintModuleError&) {
    }
    return QStringLiteral("Декларация");
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

// The pages written so far on one line of the terminal, renewed at most a few times a second and
// only once the job lasts long enough to be noticed; the line is ended when the last page is done.
PageProgress terminalProgress() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    auto shown = std::make_shared<Clock::time_point>(start);
    return [start, shown](int done, int total) {
        const Clock::time_point now = Clock::now();
        const bool last = done == total;
        if (now - start < std::chrono::milliseconds(500) || (!last && now - *shown < std::chrono::milliseconds(200)))
            return true;
        *shown = now;
        std::printf("\rЗаписано страниц: %d из %d%s", done, total, last ? "\n" : "");
        std::fflush(stdout);
        return true;
    };
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

QString PrintModule::SuggestedPdf(const std::string& xmlText) const {
    QString name;
    if (auto it = m_params.find(kDocumentFileParam); it != m_params.end())
        name = QFileInfo(QString::fromStdString(it->second)).completeBaseName();
    if (name.isEmpty())
        name = plainName(xmlText);
    QString folder;
    // Beside the declaration's file when it has one; in the documents folder otherwise.
    if (auto it = m_params.find(kDocumentFileParam); it != m_params.end() && !it->second.empty()) {
        const QFileInfo declaration(QString::fromStdString(it->second));
        if (declaration.isAbsolute() && declaration.dir().exists())
            folder = declaration.absolutePath();
    }
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void PrintModule::PreviewData(const std::string& xmlText, QWidget* ownerWindow) {
    guarded([&] {
        requireApplication(true);
        std::vector<FormPage> pages = Render(xmlText);
        const bool applications = xmlText.find("КНД=\"1150058\"") != std::string::npos;
        QString title = (applications ? QStringLiteral("Просмотр заявлений на возврат (%1 стр.)")
                                      : QStringLiteral("Просмотр декларации (%1 стр.)"))
                            .arg(pages.size());
        PreviewWindow window(std::move(pages), SuggestedPdf(xmlText), title, ownerWindow);
        window.SetProgress(m_progress);
        window.setWindowModality(Qt::ApplicationModal);
        if (m_previewHook)
            m_previewHook(window);
        window.exec();
    });
}

bool PrintModule::PrintOn(const std::string& xmlText, QPrinter& printer, QWidget* ownerWindow) {
    bool done = false;
    guarded([&] {
        requireApplication(true);
        std::vector<FormPage> pages = Render(xmlText);
        if (printer.docName().isEmpty())
            printer.setDocName(QFileInfo(SuggestedPdf(xmlText)).completeBaseName());
        done = PrintFormPages(printer, pages, m_progress(ownerWindow, QStringLiteral("Печать декларации")));
    });
    return done;
}

void PrintModule::PrintData(const std::string& xmlText, const std::string& outputFile, const std::string& printerName,
                            int /*options: reserved*/) {
    guarded([&] {
        requireApplication(false);
        std::vector<FormPage> pages = Render(xmlText);
        if (!outputFile.empty()) {
            auto progress = m_params.find(kTerminalProgressParam);
            SavePdfFile(OutputPath(outputFile), pages, fileBaseName(xmlText),
                        progress != m_params.end() && progress->second == "1" ? terminalProgress() : PageProgress());
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
