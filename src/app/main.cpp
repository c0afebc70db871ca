#include <QApplication>
#include <memory>

#include "app/AppSettings.h"
#include "app/QtTranslation.h"
#include "app/TFormMain.h"
#include "app/TfmStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
