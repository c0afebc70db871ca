#pragma once

#include "print/module/CellFormat.h"
#include "print/module/FormPage.h"

#include <QSizeF>

#include <optional>
#include <vector>

namespace zizaza::print {

// Places texts, cells and frames on one page, in millimetres.
class PagePen {
public:
    explicit PagePen(FormPage& page) : m_page(page) {}

    // The text wrapped to width; returns its height.
    double Text(double x, double y, double width, const QString& text, TextStyle style = TextStyle::Label,
                Qt::Alignment align = Qt::AlignLeft);
    // A label beside cells of height cellHeight: vertically centred on the first cell row.
    double Label(double x, double y, double width, const QString& text, double cellHeight = kCellHeight);
    // The value's cells, rows stacked downwards; returns the size they take.
    QSizeF Cells(double x, double y, const ValueSpec& shape, const QString* value, double cellWidth = kCellWidth,
                 bool forOfficer = false);
    // A line code in its frame.
    void Code(double x, double y, const QString& code);
    void Frame(const QRectF& rect) { m_page.frames.push_back(rect); }
    void Rule(double x1, double y, double x2) { m_page.rules.emplace_back(x1, y, x2, y); }
    void Marker(const QRectF& rect) { m_page.markers.push_back(rect); }

    static constexpr double kCellWidth = 4.2;
    static constexpr double kCellHeight = 5.5;
    static constexpr double kRowGap = 1.0;  // between rows of cells of one value
    static constexpr double kCodeWidth = 9.0;

private:
    FormPage& m_page;
};

// What every page shows in its header and footer.
struct PageHeader {
    QString formName;  // "3-НДФЛ", "4-НДФЛ"
    QString inn;       // empty: the cells are dashed
    QString surname;
    QString initials;  // first letters of the first name and the patronymic (0 to 2 characters)
    QString date;      // the date beside the signature, DD.MM.YYYY
};

// One value of a row.
struct FieldValue {
    ValueSpec shape;
    std::optional<QString> value;  // absent: dashes
};

// One line of the form: its code, its label and its value (or values in table columns).
struct FormRow {
    QString code;
    QString label;
    std::vector<FieldValue> values;
    bool wide = false;  // the cells take the whole width under the label
};

// Rows kept together on one page when they fit, under their headings; tables name their columns.
struct FormBlock {
    QStringList headings;
    QStringList columns;
    std::vector<FormRow> rows;
};

// Flows the blocks of the form's sections onto pages. Every page of a section repeats its title;
// a block that does not fit the rest of a page starts the next one, and a block longer than a
// page is split between its rows.
class SheetWriter {
public:
    explicit SheetWriter(const PageHeader& header) : m_header(header) {}

    void BeginSection(const QString& section, const QString& title);
    void Add(const FormBlock& block);
    std::vector<FormPage> TakePages() { return std::move(m_pages); }

    // Cell width of the table columns, and the integer cells of their amounts.
    static constexpr double kColumnCellWidth = 3.8;
    static constexpr int kColumnAmountCells = 11;

    static double BodyTop(bool titlePage) { return titlePage ? 17.0 : 26.0; }
    static constexpr double kBodyBottom = 268.0;

private:
    void newPage();
    double blockHeight(const FormBlock& block) const;
    double headingsHeight(const FormBlock& block) const;
    double rowHeight(const FormBlock& block, const FormRow& row) const;
    void placeHeadings(const FormBlock& block);
    void placeRow(const FormBlock& block, const FormRow& row);

    PageHeader m_header;
    std::vector<FormPage> m_pages;
    QString m_section, m_title;
    double m_y = 0;
    bool m_pageEmpty = true;
};

// Adds to every page its scanning marks, the INN and page number cells and, on every page but the
// first (the title page), the surname line and the signature footer.
void StampPages(std::vector<FormPage>& pages, const PageHeader& header);

// Value texts of a signature date's cells; shared by the title page and the footers.
ValueSpec DateSpec();

}  // namespace zizaza::print
