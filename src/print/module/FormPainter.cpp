#include "print/module/FormPainter.h"

#include "print/PrintModuleInterface.h"
#include "print/module/TextMeasure.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

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

void PrintFormPages(QPrinter& printer, const std::vector<FormPage>& pages) {
    SetUpFormPrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        QString where = printer.outputFileName().isEmpty() ? QStringLiteral("принтер ") + printer.printerName()
                                                           : QStringLiteral("файл ") + printer.outputFileName();
        throw PrintModuleError((QStringLiteral("Не удалось начать печать: ") + where).toStdString());
    }
    PaintFormPages(painter, printer, printer.resolution(), pages);
    painter.end();
}

void PaintFormPages(QPainter& painter, QPagedPaintDevice& device, int resolution, const std::vector<FormPage>& pages) {
    const QRectF sheet = device.pageLayout().fullRectPixels(resolution);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        PaintFormPage(painter, pages[i], QRectF(QPointF(0, 0), sheet.size()));
    }
}

QPageLayout FormPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace zizaza::print
