#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zizaza {

std::unique_ptr<QTranslator> InstallRussianQtTexts() {
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(texts.get());
    return texts;
}

}  // namespace zizaza
