#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// The rendered form as positioned items on A4 pages, in millimetres from the top left corner.
// Building the pages needs no paint device; painting them (FormPainter) is a separate step, so
// the same pages go to the preview, the printer and PDF files alike.
namespace zizaza::print {

inline constexpr double kPageWidth = 210.0;
inline constexpr double kPageHeight = 297.0;

enum class TextStyle {
    Label,  // field labels
    Small,  // notes under fields
    Bold,   // block headings
    Title,  // the title of a page
    Code,   // line codes in their frames
    Cell,   // one character in a cell (monospace)
};

struct TextItem {
    QRectF rect;        // the lines are drawn from the top of rect
    QStringList lines;  // already broken to fit rect's width
    TextStyle style = TextStyle::Label;
    Qt::Alignment align = Qt::AlignLeft;
};

// A run of character cells: groups of cells with a separator character drawn between groups
// (the point of an amount, the points of a date). One character of text per cell; "-" in a cell
// left unused, as the paper form asks.
struct CellItem {
    double x = 0, y = 0;
    double cellWidth = 4.2, cellHeight = 5.5;
    std::vector<QString> groups;  // each string has one character per cell
    QChar separator;              // drawn between groups in a gap of kSeparatorGap
    bool forOfficer = false;      // cells the tax officer fills: drawn lighter, left empty

    static constexpr double kSeparatorGap = 2.0;
    double Width() const;
    // The characters of all groups joined by the separator: what a reader of the cells sees.
    QString Text() const;
};

struct FormPage {
    QString section;  // the form part this page belongs to ("Титульный лист", "Раздел 1", ...)
    std::vector<TextItem> texts;
    std::vector<CellItem> cells;
    std::vector<QRectF> frames;   // thin rectangles
    std::vector<QRectF> markers;  // filled black squares (the form's scanning marks)
    std::vector<QLineF> rules;    // thin lines

    // Every text and cell text of the page, one item per line, in the order added: for tests and
    // for searching a page.
    QStringList Strings() const;
};

}  // namespace zizaza::print
