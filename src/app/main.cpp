#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "app/AppSettings.h"
#include "app/QtTranslation.h"
#include "app/TFormMain.h"
#include "app/TfmStart.h"
#include "storage/AtomicFile.h"

namespace {

// The last guard behind the commands' own: whatever a window's handler raises is told to the user
// and never ends the program with the unsaved declaration.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Zizaza 2017"),
                                  QStringLiteral("Команда не выполнена: ") + QString::fromStdString(e.what()));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    zizaza::IgnoreFileSizeSignal();
    // Qt's own dialogs write dates (the file dialog's list) as the system's locale says; where it
    // says nothing or only C, with the Russian names of the months, as the rest of the program.
    const QByteArray language = qgetenv("LANG");
    if (qEnvironmentVariableIsEmpty("LC_ALL") && qEnvironmentVariableIsEmpty("LC_TIME") &&
        (language.isEmpty() || language.startsWith("C") || language.startsWith("POSIX")))
        qputenv("LC_TIME", "ru_RU.UTF-8");
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(zizaza::AppSettings::kApplication);
    QApplication::setOrganizationName(zizaza::AppSettings::kOrganization);

    // The standard dialogs (files, printers) speak Russian like the rest of the program.
    const auto qtTexts = zizaza::InstallRussianQtTexts();

    auto splash = std::make_unique<zizaza::TfmStart>(zizaza::TfmStart::MinimumFromEnvironment());
    splash->ShowNow();

    zizaza::MainWindowOptions options;
    options.arguments = QApplication::arguments().mid(1);
    zizaza::TFormMain window(options);

    splash->WaitForTimer();
    splash.reset();
    if (window.TerminationRequested())
        return 1;
    window.show();
    window.OfferRecovery();
    return QApplication::exec();
}
