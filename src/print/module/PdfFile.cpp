#include "print/module/PdfFile.h"

#include "print/PrintModuleInterface.h"
#include "print/module/FormPainter.h"
#include "storage/AtomicFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace zizaza::print {
namespace {

constexpr int kResolution = 1200;  // dots per inch of the page's coordinates, as a printer's high resolution

// The document in memory; empty when progress stopped it.
QByteArray renderPdf(const QString& path, const std::vector<FormPage>& pages, const QString& title,
                     const PageProgress& progress, const std::vector<int>& order) {
    QByteArray pdf;
    // About what a page of the form takes, so that a long declaration is not copied again each
    // time the buffer doubles.
    pdf.reserve(static_cast<qsizetype>(std::min<size_t>(order.empty() ? pages.size() : order.size(), 100000)) * 6144);
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(FormPageLayout());
    writer.setCreator(QStringLiteral("Zizaza 2017"));
    writer.setTitle(title);
    QPainter painter;
    bool ok = painter.begin(&writer);
    if (ok) {
        const bool done = PaintFormPages(painter, writer, writer.resolution(), pages,
                                         order.empty() ? AllPages(static_cast<int>(pages.size())) : order, progress);
        ok = painter.end();
        if (!done)
            return {};
    }
    if (!ok || pdf.isEmpty())
        throw PrintModuleError((QStringLiteral("Не удалось сформировать файл PDF ") + path).toStdString());
    return pdf;
}

}  // namespace

bool SavePdfFile(const QString& path, const std::vector<FormPage>& pages, const QString& title,
                 const PageProgress& progress, const std::vector<int>& order) {
    const QByteArray pdf = renderPdf(path, pages, title, progress, order);
    if (pdf.isEmpty())
        return false;
    try {
        WriteFileAtomically(path.toStdString(), std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    } catch (const std::runtime_error& e) {  // the writer's message names the file and the reason
        throw PrintModuleError(e.what());
    }
    return true;
}

}  // namespace zizaza::print
