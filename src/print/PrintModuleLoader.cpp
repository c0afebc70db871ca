#include "print/PrintModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace zizaza {
namespace {

using VersionFn = int (*)();
using CreateFn = IPrintModule* (*)();

void tell(std::string* why, const QString& text) {
    if (why)
        *why = text.toStdString();
}

}  // namespace

std::unique_ptr<IPrintModule> LoadPrintModule(const std::string& folder, std::string* why) {
    QString dir = folder.empty() ? QCoreApplication::applicationDirPath() : QString::fromStdString(folder);
    // QLibrary adds the platform's prefix and suffix to the base name.
    QLibrary library(QDir(dir).filePath(QString::fromLatin1(kPrintModuleLibrary)));
    if (!library.load()) {
        tell(why, library.errorString());
        return nullptr;
    }
    auto version = reinterpret_cast<VersionFn>(library.resolve("ZizazaPrintModuleVersion"));
    auto create = reinterpret_cast<CreateFn>(library.resolve("ZizazaCreatePrintModule"));
    if (!version || !create) {
        tell(why, QStringLiteral("В библиотеке нет точек входа модуля печати: ") + library.fileName());
        return nullptr;
    }
    if (version() != kPrintModuleInterfaceVersion) {
        tell(why, QStringLiteral("Другая версия модуля печати: ") + library.fileName());
        return nullptr;
    }
    try {
        return std::unique_ptr<IPrintModule>(create());
    } catch (const std::exception& e) {
        tell(why, QString::fromUtf8(e.what()));
        return nullptr;
    }
}

}  // namespace zizaza
