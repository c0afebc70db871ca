#pragma once

#include <QTranslator>
#include <memory>

namespace zizaza {

// Installs Qt's own Russian texts (standard dialogs, buttons, context menus) into the
// application. Returns the installed translator (it leaves the application when destroyed)
// or null when the Qt translations are not installed on this machine.
std::unique_ptr<QTranslator> InstallRussianQtTexts();

}  // namespace zizaza
