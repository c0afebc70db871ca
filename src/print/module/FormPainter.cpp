#include "print/module/FormPainter.h"

#include "print/PrintModuleInterface.h"
#include "print/module/PdfFile.h"
#include "print/module/TextMeasure.h"

#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRawFont>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <numeric>

namespace zizaza::print {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

// Fonts sized for the page's scale rather than for the device, so that a page painted into a
// thumbnail keeps its proportions. Each size of each style is made once.
QFont scaledFont(TextStyle style, double pxPerMm, const QPainter& painter) {
    const double deviceDpi = painter.device()->logicalDpiY();
    const double points = FontFor(style).pointSizeF() * pxPerMm * kMmPerInch / deviceDpi;
    static QHash<QPair<int, double>, QFont> fonts;
    const QPair<int, double> key(static_cast<int>(style), points);
    auto it = fonts.constFind(key);
    if (it == fonts.cend()) {
        QFont font = FontFor(style);
        font.setPointSizeF(points);
        it = fonts.insert(key, font);
    }
    return *it;
}

// One line of text laid out for a font on a device: its glyphs, its advance and its height.
// The form repeats the same labels and characters on every page, and laying out a text (shaping
// included) costs far more than drawing its glyphs: each is laid out once.
struct LaidOutLine {
    QList<QGlyphRun> runs;
    double advance = 0;
    double height = 0;
};

struct LineKey {
    QString text;
    int style;
    double points;
    int dpiX, dpiY;
    bool operator==(const LineKey&) const = default;
};

size_t qHash(const LineKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.style, k.points, k.dpiX, k.dpiY);
}

const LaidOutLine& laidOut(const QString& text, TextStyle style, const QFont& font, QPaintDevice* device) {
    static QHash<LineKey, LaidOutLine> lines;
    // Bounded as the measures are: the whole cache goes when it grows past this.
    constexpr qsizetype kMaxRemembered = 20000;
    if (lines.size() > kMaxRemembered)
        lines.clear();
    const LineKey key{text, static_cast<int>(style), font.pointSizeF(), device->logicalDpiX(), device->logicalDpiY()};
    auto it = lines.constFind(key);
    if (it != lines.cend())
        return *it;
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    LaidOutLine laid;
    if (line.isValid()) {
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        laid.advance = line.horizontalAdvance();
        laid.height = line.height();
    }
    layout.endLayout();
    laid.runs = layout.glyphRuns();
    return *lines.insert(key, std::move(laid));
}

// Lines placed on the page and drawn together: one run of glyphs per font, so that the page
// holds one text object for a whole row of cells or a whole label, not one for each character.
class GlyphBatch {
public:
    // drawText(rect, align, text) for one line without laying the line out each time: the glyphs
    // go where Qt's own alignment puts them (left, right or centred; top, bottom or centred).
    void Add(QPainter& painter, const QRectF& r, int align, const QString& text, TextStyle style, const QFont& font) {
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\t'))) {
            m_laidOutByQt.append({r, align, text});
            return;
        }
        const LaidOutLine& line = laidOut(text, style, font, painter.device());
        double x = r.x();
        if (align & Qt::AlignRight)
            x += r.width() - line.advance;
        else if (align & Qt::AlignHCenter)
            x += (r.width() - line.advance) / 2;
        double y = r.y();
        if (align & Qt::AlignBottom)
            y += r.height() - line.height;
        else if (align & Qt::AlignVCenter)
            y += (r.height() - line.height) / 2;
        for (const QGlyphRun& run : line.runs) {
            Run& into = RunOf(run.rawFont());
            const QList<QPointF> positions = run.positions();
            into.glyphs.append(run.glyphIndexes());
            for (const QPointF& p : positions)
                into.positions.append(p + QPointF(x, y));
        }
    }

    bool IsEmpty() const { return m_runs.isEmpty() && m_laidOutByQt.isEmpty(); }

    // With the painter's current pen and font.
    void Draw(QPainter& painter) {
        for (const Line& line : m_laidOutByQt)
            painter.drawText(line.rect, line.align | Qt::TextDontClip, line.text);
        m_laidOutByQt.clear();
        for (Run& r : m_runs) {
            QGlyphRun run;
            run.setRawFont(r.font);
            run.setGlyphIndexes(r.glyphs);
            run.setPositions(r.positions);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
        m_runs.clear();
    }

private:
    struct Run {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };

    Run& RunOf(const QRawFont& font) {
        for (Run& r : m_runs)
            if (r.font == font)
                return r;
        m_runs.append(Run{font, {}, {}});
        return m_runs.back();
    }

    struct Line {
        QRectF rect;
        int align;
        QString text;
    };

    QVarLengthArray<Run, 2> m_runs;
    QList<Line> m_laidOutByQt;  // lines with tabs or breaks, which Qt's own layout expands
};

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

// What a page's cells and texts become: the cell frames in two pens (the taxpayer's and the
// lighter officer's), then all characters of the cells, then the texts of each style, each set
// drawn at once. A pen or font changed for each item, and a text object for each, would be
// written to the page every time; a long declaration's PDF is mostly these.
struct PageInk {
    QVarLengthArray<QRectF, 256> frames;
    QVarLengthArray<QRectF, 256> officerFrames;
    GlyphBatch cellGlyphs;
    std::array<GlyphBatch, static_cast<size_t>(TextStyle::Cell) + 1> texts;
};

void addCells(QPainter& painter, const Scaler& s, const CellItem& item, const QFont& font, PageInk& ink) {
    auto& frames = item.forOfficer ? ink.officerFrames : ink.frames;
    double x = item.x;
    for (size_t g = 0; g < item.groups.size(); ++g) {
        if (g > 0) {
            if (!item.separator.isNull())
                ink.cellGlyphs.Add(painter, s.Rect(QRectF(x, item.y, CellItem::kSeparatorGap, item.cellHeight)),
                                   Qt::AlignHCenter | Qt::AlignBottom, QString(item.separator), TextStyle::Cell, font);
            x += CellItem::kSeparatorGap;
        }
        for (QChar ch : item.groups[g]) {
            const QRectF cell = s.Rect(QRectF(x, item.y, item.cellWidth, item.cellHeight));
            frames.append(cell);
            if (!ch.isSpace())
                ink.cellGlyphs.Add(painter, cell, Qt::AlignCenter, QString(ch).toUpper(), TextStyle::Cell, font);
            x += item.cellWidth;
        }
    }
}

void addText(QPainter& painter, const Scaler& s, const TextItem& item, PageInk& ink) {
    const QFont font = scaledFont(item.style, s.Scale(), painter);
    const double lineHeight = LineHeight(item.style);
    double y = item.rect.y();
    GlyphBatch& batch = ink.texts[static_cast<size_t>(item.style)];
    for (const QString& line : item.lines) {
        QRectF rect(item.rect.x(), y, item.rect.width(), lineHeight);
        batch.Add(painter, s.Rect(rect), static_cast<int>(item.align | Qt::AlignTop), line, item.style, font);
        y += lineHeight;
    }
}

void drawInk(QPainter& painter, const Scaler& s, PageInk& ink, const QFont& cellFont) {
    painter.setPen(QPen(QColor(40, 40, 40), s.Length(0.15)));
    painter.drawRects(ink.frames.constData(), static_cast<int>(ink.frames.size()));
    painter.setPen(QPen(QColor(150, 150, 150), s.Length(0.15)));
    painter.drawRects(ink.officerFrames.constData(), static_cast<int>(ink.officerFrames.size()));
    painter.setPen(Qt::black);
    painter.setFont(cellFont);
    ink.cellGlyphs.Draw(painter);
    for (size_t style = 0; style < ink.texts.size(); ++style) {
        if (ink.texts[style].IsEmpty())
            continue;
        painter.setFont(scaledFont(static_cast<TextStyle>(style), s.Scale(), painter));
        ink.texts[style].Draw(painter);
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
    const QFont cellFont = scaledFont(TextStyle::Cell, s.Scale(), painter);
    PageInk ink;
    for (const CellItem& cells : page.cells)
        addCells(painter, s, cells, cellFont, ink);
    for (const TextItem& text : page.texts)
        addText(painter, s, text, ink);
    drawInk(painter, s, ink, cellFont);
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
