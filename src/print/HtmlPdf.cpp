#include "print/HtmlPdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace zizaza {

bool WriteHtmlPdf(const QString& html, const QString& path, const QString& title, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Не удалось записать файл %1: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zizaza 2017"));
        // The text document keeps margins of its own (2 cm) when it lays itself out on pages.
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Не удалось записать файл %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace zizaza
