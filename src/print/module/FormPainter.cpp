#include "print/module/FormPainter.h"

#include "print/PrintModuleInterface.h"
#include "print/module/PdfFile.h"
#include "print/module/TextMeasure.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <numeric>

namespace zizaza::print {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

// Fonts sized for the page's scale rather than for the device, so that a page painted into a
// thumbnail keeps its proportions.
QFont scaledFont(TextStyle style, double pxPerMm, const QPainter& painter) {
    QFont font = FontFor(style);
    double deviceDpi = painter.device()->logicalDpiY();
    double points = font.pointSizeF() * pxPerMm * kMmPerInch / deviceDpi;
    font.setPointSizeF(points);
    return font;
}

class Scaler {
public:
    Scaler(const QRectF& target) : m_origin(target.topLeft()), m_scale(target.width() / kPageWidth) {}
    QPointF Point(double x, double y) const { return m_origin + QPointF(x * m_scale, y * m_scale); }
    QRectF Rect(const QRectF& mm) const {
        return QRectF(Point(mm.x(), mm.y()), QSizeF(mm.width() * m_scale, mm.height() * m_scale));
    }
    double Length(double mm) const { return mm * m_scale; }
    double Scale() const { return m_scale; }

private:
    QPointF m_origin;
    double m_scale;
};

void paintCells(QPainter& painter, const Scaler& s, const CellItem& item) {
    const QColor line = item.forOfficer ? QColor(150, 150, 150) : QColor(40, 40, 40);
    painter.setPen(QPen(line, s.Length(0.15)));
    double x = item.x;
    for (size_t g = 0; g < item.groups.size(); ++g) {
        if (g > 0) {
            if (!item.separator.isNull()) {
                QRectF gap(x, item.y, CellItem::kSeparatorGap, item.cellHeight);
                painter.setPen(Qt::black);
                painter.drawText(s.Rect(gap), Qt::AlignHCenter | Qt::AlignBottom, QString(item.separator));
                painter.setPen(QPen(line, s.Length(0.15)));
            }
            x += CellItem::kSeparatorGap;
        }
        for (QChar ch : item.groups[g]) {
            QRectF cell(x, item.y, item.cellWidth, item.cellHeight);
            painter.drawRect(s.Rect(cell));
            if (!ch.isSpace()) {
                painter.setPen(Qt::black);
                painter.drawText(s.Rect(cell), Qt::AlignCenter, QString(ch).toUpper());
                painter.setPen(QPen(line, s.Length(0.15)));
            }
            x += item.cellWidth;
        }
    }
}

void paintText(QPainter& painter, const Scaler& s, const TextItem& item) {
    painter.setFont(scaledFont(item.style, s.Scale(), painter));
    painter.setPen(Qt::black);
    const double lineHeight = LineHeight(item.style);
    double y = item.rect.y();
    for (const QString& line : item.lines) {
        QRectF rect(item.rect.x(), y, item.rect.width(), lineHeight);
        painter.drawText(s.Rect(rect), static_cast<int>(item.align | Qt::AlignTop) | Qt::TextDontClip, line);
        y += lineHeight;
    }
}

}  // namespace

void PaintFormPage(QPainter& painter, const FormPage& page, const QRectF& target) {
    Scaler s(target);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(target, Qt::white);
    for (const QRectF& marker : page.markers)
        painter.fillRect(s.Rect(marker), Qt::black);
    painter.setPen(QPen(QColor(40, 40, 40), s.Length(0.2)));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& frame : page.frames)
        painter.drawRect(s.Rect(frame));
    for (const QLineF& rule : page.rules)
        painter.drawLine(s.Point(rule.x1(), rule.y1()), s.Point(rule.x2(), rule.y2()));
    painter.setFont(scaledFont(TextStyle::Cell, s.Scale(), painter));
    for (const CellItem& cells : page.cells)
        paintCells(painter, s, cells);
    for (const TextItem& text : page.texts)
        paintText(painter, s, text);
    painter.restore();
}

void SetUpFormPrinter(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(FormPageLayout());
    printer.setCreator(QStringLiteral("Zizaza 2017"));
}

std::vector<int> AllPages(int count) {
    std::vector<int> order(static_cast<size_t>(std::max(0, count)));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<int> PrintSequence(const QPrinter& printer, int pageCount, int currentPage) {
    std::vector<int> pages;
    switch (printer.printRange()) {
        case QPrinter::CurrentPage:
            if (currentPage >= 1 && currentPage <= pageCount)
                pages.push_back(currentPage - 1);
            break;
        case QPrinter::PageRange:
            for (int page = 1; page <= pageCount; ++page)
                if (printer.pageRanges().contains(page))
                    pages.push_back(page - 1);
            break;
        default:  // all pages; the form has no selection
            pages = AllPages(pageCount);
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(pages.begin(), pages.end());
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<int> sequence;
    sequence.reserve(pages.size() * static_cast<size_t>(copies));
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            sequence.insert(sequence.end(), pages.begin(), pages.end());
    } else {
        for (int page : pages)
            sequence.insert(sequence.end(), static_cast<size_t>(copies), page);
    }
    return sequence;
}

bool PrintFormPages(QPrinter& printer, const std::vector<FormPage>& pages, const PageProgress& progress,
                    int currentPage) {
    const std::vector<int> sequence = PrintSequence(printer, static_cast<int>(pages.size()), currentPage);
    if (sequence.empty())
        throw PrintModuleError(
            QStringLiteral("В декларации нет выбранных страниц: в ней %1 стр.").arg(pages.size()).toStdString());
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            throw PrintModuleError("Не указан файл PDF для печати");
        return SavePdfFile(printer.outputFileName(), pages, printer.docName(), progress, sequence);
    }
    SetUpFormPrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintModuleError(
            (QStringLiteral("Не удалось начать печать: принтер ") + printer.printerName()).toStdString());
    if (!PaintFormPages(painter, printer, printer.resolution(), pages, sequence, progress)) {
        printer.abort();
        return false;
    }
    painter.end();
    return true;
}

bool PaintFormPages(QPainter& painter, QPagedPaintDevice& device, int resolution, const std::vector<FormPage>& pages,
                    const std::vector<int>& order, const PageProgress& progress) {
    const QRectF sheet = device.pageLayout().fullRectPixels(resolution);
    const int total = static_cast<int>(order.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0)
            device.newPage();
        PaintFormPage(painter, pages.at(static_cast<size_t>(order[static_cast<size_t>(i)])),
                      QRectF(QPointF(0, 0), sheet.size()));
        if (progress && !progress(i + 1, total))
            return false;
    }
    return true;
}

QPageLayout FormPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace zizaza::print
