#include "print/HtmlPdf.h"

#include "storage/AtomicFile.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <exception>
#include <string_view>

namespace zizaza {

bool WriteHtmlPdf(const QString& html, const QString& path, const QString& title, QString* error) {
    // The pages are laid out in memory; the file is written whole by the program's one writer.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zizaza 2017"));
        // The text document keeps margins of its own (2 cm) when it lays itself out on pages.
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    return WriteWholeFile(pdf, path, error);
}

bool WriteWholeFile(const QByteArray& bytes, const QString& path, QString* error) {
    try {
        WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        return true;
    } catch (const std::exception& e) {  // the file and the system's reason, in Russian
        if (error)
            *error = QString::fromStdString(e.what());
        return false;
    }
}

}  // namespace zizaza
