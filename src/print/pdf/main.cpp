// zizaza-pdf: renders a declaration's XML (the export's file or text) to a PDF file through the
// print module, without a screen; with --html, lays an HTML page (the calculation report) out as a
// PDF file. zizaza-cli runs it for its "pdf" and "report" commands.

#include "print/HtmlPdf.h"
#include "print/PrintModuleLoader.h"
#include "storage/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 2;

const char* const kModuleMissing =
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Zizaza 2017\" и запустите файл "
    "\"KORVEXSetup.msi\"";

// Qt's own notes (missing runtime folders and the like) are no business of a batch tool's user;
// only its real errors are passed on.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int usage() {
    std::fputs(
        "Использование: zizaza-pdf ФАЙЛ.xml ВЫХОД.pdf [--recipient НАИМЕНОВАНИЕ]\n"
        "               zizaza-pdf --html ФАЙЛ.html ВЫХОД.pdf\n",
        stderr);
    return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    zizaza::IgnoreFileSizeSignal();
    // The program never shows a window, whatever display the caller has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    const bool html = args.removeOne(QStringLiteral("--html"));
    QString recipient;
    if (qsizetype at = args.indexOf(QStringLiteral("--recipient")); at >= 0) {
        if (at + 1 >= args.size())
            return usage();
        recipient = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 2)
        return usage();

    QFile input(args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Не удалось открыть файл %s\n", qPrintable(args[0]));
        return kExitFailure;
    }
    const QByteArray xml = input.readAll();
    if (html) {
        QString why;
        if (!zizaza::WriteHtmlPdf(QString::fromUtf8(xml), QFileInfo(args[1]).absoluteFilePath(),
                                  QStringLiteral("Расчет налога"), &why)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return kExitFailure;
        }
        return kExitOk;
    }

    std::string why;
    auto module = zizaza::LoadPrintModule({}, &why);
    if (!module) {
        std::fprintf(stderr, "%s\n%s\n", kModuleMissing, why.c_str());
        return kExitFailure;
    }
    try {
        if (!recipient.isEmpty())
            module->SetPrintTiffParam(zizaza::kRecipientNameParam, recipient.toStdString());
        // A long declaration takes seconds: the pages written so far are shown when a person
        // watches (zizaza-cli passes its own output on).
        if (::isatty(STDOUT_FILENO))
            module->SetPrintTiffParam(zizaza::kTerminalProgressParam, "1");
        module->PrintTiffFolder(QCoreApplication::applicationDirPath().toStdString());
        // The module takes relative names from its working folder; the user means the current one.
        const QString output = QFileInfo(args[1]).absoluteFilePath();
        module->PrintData(xml.toStdString(), output.toStdString(), std::string(), 0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return kExitFailure;
    }
    return kExitOk;
}
