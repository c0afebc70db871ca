#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zizaza {

namespace {

// The texts of Qt's file dialogs that its Russian translation leaves in English: the type of a
// folder and the header of the date column (asked in the contexts of the file model and of the
// icon provider, which differ between Qt versions).
class SupplementaryQtTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override {
        (void)disambiguation, (void)n;
        if (!context || !sourceText)
            return {};
        const QLatin1String ctx(context);
        if (ctx != QLatin1String("QFileSystemModel") && ctx != QLatin1String("QAbstractFileIconProvider") &&
            ctx != QLatin1String("QFileIconProvider") && ctx != QLatin1String("QFileDialog"))
            return {};
        static const struct {
            const char* source;
            const char* russian;
        } kTexts[] = {
            {"Folder", "Папка"},     {"File Folder", "Папка"}, {"Date Modified", "Дата изменения"},
            {"Modified", "Изменен"}, {"Kind", "Тип"},          {"Type", "Тип"},
            {"Drive", "Диск"},       {"File", "Файл"},         {"Shortcut", "Ярлык"},
        };
        const QLatin1String source(sourceText);
        for (const auto& t : kTexts)
            if (source == QLatin1String(t.source))
                return QString::fromUtf8(t.russian);
        return {};
    }
};

}  // namespace

std::unique_ptr<QTranslator> InstallRussianQtTexts() {
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        texts.reset();
    else
        QCoreApplication::installTranslator(texts.get());
    // Installed last, it is asked first: its few texts take the place of the English ones.
    static SupplementaryQtTexts supplement;
    QCoreApplication::installTranslator(&supplement);
    return texts;
}

}  // namespace zizaza
