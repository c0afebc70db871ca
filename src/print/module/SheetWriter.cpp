#include "print/module/SheetWriter.h"

#include "print/module/TextMeasure.h"

#include <algorithm>

namespace zizaza::print {
namespace {

constexpr double kLeft = 15.0;
constexpr double kRight = 200.0;
constexpr double kLabelWidth = 79.0;  // label column of an ordinary row
constexpr double kCodeX = 96.0;
constexpr double kValueX = 108.0;
constexpr double kTableLabelWidth = 61.0;  // label column of a table row
constexpr double kTableCodeX = 78.0;
constexpr double kTableValueX = 90.0;
constexpr double kTableColumnStep = 56.0;
constexpr double kRowSpacing = 1.8;
constexpr double kBlockSpacing = 3.0;

bool isTable(const FormBlock& block) {
    return !block.columns.isEmpty();
}

double cellWidthFor(const FormBlock& block, const FormRow& row) {
    if (row.wide)
        return PagePen::kCellWidth;
    return isTable(block) && row.values.size() > 1 ? SheetWriter::kColumnCellWidth : PagePen::kCellWidth;
}

double cellsHeight(const FieldValue& value) {
    auto rows = FormatCells(value.shape, value.value ? &*value.value : nullptr);
    double n = static_cast<double>(rows.size());
    return n * PagePen::kCellHeight + (n - 1) * PagePen::kRowGap;
}

}  // namespace

ValueSpec DateSpec() {
    return ValueSpec{ValueKind::Date};
}

double PagePen::Text(double x, double y, double width, const QString& text, TextStyle style, Qt::Alignment align) {
    QStringList lines = WrapText(text, style, width);
    double height = LineHeight(style) * static_cast<double>(lines.size());
    m_page.texts.push_back(TextItem{QRectF(x, y, width, height), lines, style, align});
    return height;
}

double PagePen::Label(double x, double y, double width, const QString& text, double cellHeight) {
    QStringList lines = WrapText(text, TextStyle::Label, width);
    double height = LineHeight(TextStyle::Label) * static_cast<double>(lines.size());
    double top = lines.size() == 1 ? y + (cellHeight - height) / 2 : y;
    m_page.texts.push_back(TextItem{QRectF(x, top, width, height), lines, TextStyle::Label, Qt::AlignLeft});
    return std::max(height, cellHeight);
}

QSizeF PagePen::Cells(double x, double y, const ValueSpec& shape, const QString* value, double cellWidth,
                      bool forOfficer) {
    auto rows = forOfficer ? EmptyCells(shape) : FormatCells(shape, value);
    double width = 0, top = y;
    for (const CellRow& row : rows) {
        CellItem item;
        item.x = x;
        item.y = top;
        item.cellWidth = cellWidth;
        item.cellHeight = kCellHeight;
        item.groups = row.groups;
        item.separator = row.separator;
        item.forOfficer = forOfficer;
        width = std::max(width, item.Width());
        m_page.cells.push_back(item);
        top += kCellHeight + kRowGap;
    }
    return QSizeF(width, top - y - kRowGap);
}

void PagePen::Code(double x, double y, const QString& code) {
    if (code.isEmpty())
        return;
    QRectF frame(x, y + 0.5, kCodeWidth, kCellHeight - 1.0);
    m_page.frames.push_back(frame);
    double h = LineHeight(TextStyle::Code);
    m_page.texts.push_back(
        TextItem{QRectF(x, frame.center().y() - h / 2, kCodeWidth, h), {code}, TextStyle::Code, Qt::AlignHCenter});
}

void SheetWriter::BeginSection(const QString& section, const QString& title) {
    m_section = section;
    m_title = title;
    newPage();
}

void SheetWriter::newPage() {
    FormPage page;
    page.section = m_section;
    m_pages.push_back(std::move(page));
    PagePen pen(m_pages.back());
    m_y = BodyTop(false);
    m_y += pen.Text(kLeft, m_y, kRight - kLeft, m_title, TextStyle::Title, Qt::AlignHCenter) + 3.0;
    m_pageEmpty = true;
}

double SheetWriter::headingsHeight(const FormBlock& block) const {
    double height = 0;
    for (const QString& heading : block.headings)
        height += LineHeight(TextStyle::Bold) * WrapText(heading, TextStyle::Bold, kRight - kLeft).size() + 1.0;
    if (isTable(block)) {
        double tallest = 0;
        for (const QString& column : block.columns)
            tallest = std::max(tallest, LineHeight(TextStyle::Small) *
                                            WrapText(column, TextStyle::Small, kTableColumnStep - 4).size());
        height += tallest + 1.0;
    }
    return height;
}

double SheetWriter::rowHeight(const FormBlock& block, const FormRow& row) const {
    const bool table = isTable(block) && row.values.size() > 1;
    double labelWidth = row.wide ? kCodeX - kLeft - 2 : table ? kTableLabelWidth : kLabelWidth;
    double label = LineHeight(TextStyle::Label) * WrapText(row.label, TextStyle::Label, labelWidth).size();
    if (row.wide) {
        double cells = row.values.empty() ? 0 : cellsHeight(row.values.front());
        return std::max(label, PagePen::kCellHeight) + 1.0 + cells + kRowSpacing;
    }
    double cells = PagePen::kCellHeight;
    for (const FieldValue& value : row.values)
        cells = std::max(cells, cellsHeight(value));
    return std::max(label, cells) + kRowSpacing;
}

double SheetWriter::blockHeight(const FormBlock& block) const {
    double height = headingsHeight(block);
    for (const FormRow& row : block.rows)
        height += rowHeight(block, row);
    return height + kBlockSpacing;
}

void SheetWriter::placeHeadings(const FormBlock& block) {
    PagePen pen(m_pages.back());
    for (const QString& heading : block.headings)
        m_y += pen.Text(kLeft, m_y, kRight - kLeft, heading, TextStyle::Bold) + 1.0;
    if (isTable(block)) {
        double tallest = 0;
        for (qsizetype i = 0; i < block.columns.size(); ++i) {
            double x = kTableValueX + kTableColumnStep * static_cast<double>(i);
            tallest = std::max(
                tallest, pen.Text(x, m_y, kTableColumnStep - 4, block.columns[i], TextStyle::Small, Qt::AlignHCenter));
        }
        m_y += tallest + 1.0;
    }
}

void SheetWriter::placeRow(const FormBlock& block, const FormRow& row) {
    PagePen pen(m_pages.back());
    const bool table = isTable(block) && row.values.size() > 1;
    const double cellWidth = cellWidthFor(block, row);
    auto valueOf = [](const FieldValue& v) { return v.value ? &*v.value : nullptr; };
    if (row.wide) {
        double label = pen.Label(kLeft, m_y, kCodeX - kLeft - 2, row.label);
        pen.Code(kCodeX, m_y, row.code);
        double y = m_y + label + 1.0;
        for (const FieldValue& value : row.values)
            y += pen.Cells(kLeft, y, value.shape, valueOf(value), cellWidth).height();
        m_y = y + kRowSpacing;
        return;
    }
    double height = pen.Label(kLeft, m_y, table ? kTableLabelWidth : kLabelWidth, row.label);
    pen.Code(table ? kTableCodeX : kCodeX, m_y, row.code);
    for (size_t i = 0; i < row.values.size(); ++i) {
        double x = table ? kTableValueX + kTableColumnStep * static_cast<double>(i) : kValueX;
        QSizeF size = pen.Cells(x, m_y, row.values[i].shape, valueOf(row.values[i]), cellWidth);
        height = std::max(height, size.height());
    }
    m_y += height + kRowSpacing;
}

void SheetWriter::Add(const FormBlock& block) {
    if (m_pages.empty())
        newPage();
    if (!m_pageEmpty && m_y + blockHeight(block) > kBodyBottom)
        newPage();
    placeHeadings(block);
    m_pageEmpty = false;
    for (const FormRow& row : block.rows) {
        if (m_y + rowHeight(block, row) > kBodyBottom) {
            newPage();
            placeHeadings(FormBlock{{}, block.columns, {}});
        }
        placeRow(block, row);
    }
    m_y += kBlockSpacing;
}

void StampPages(std::vector<FormPage>& pages, const PageHeader& header) {
    const QString total = QString::number(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        PagePen pen(pages[i]);
        pen.Marker(QRectF(8, 8, 5, 5));
        pen.Marker(QRectF(197, 8, 5, 5));
        pen.Marker(QRectF(8, 284, 5, 5));
        pen.Marker(QRectF(197, 284, 5, 5));

        pen.Label(60, 8, 10, QStringLiteral("ИНН"));
        pen.Cells(70, 8, ValueSpec{ValueKind::Code, 12}, header.inn.isEmpty() ? nullptr : &header.inn);
        pen.Label(124, 8, 10, QStringLiteral("Стр."));
        QString number = QString::number(i + 1).rightJustified(3, QLatin1Char('0'));
        pen.Cells(132, 8, ValueSpec{ValueKind::Code, 3}, &number);
        pen.Text(152, 8.5, 44, QStringLiteral("Форма ") + header.formName, TextStyle::Bold, Qt::AlignRight);
        pen.Text(152, 12.5, 44, QStringLiteral("страница %1 из %2").arg(i + 1).arg(total), TextStyle::Small,
                 Qt::AlignRight);
        if (i == 0)
            continue;

        pen.Label(30, 15.5, 16, QStringLiteral("Фамилия"));
        pen.Cells(46, 15.5, ValueSpec{ValueKind::Code, 20}, &header.surname);
        const QString first = header.initials.left(1), second = header.initials.mid(1, 1);
        pen.Label(134, 15.5, 5, QStringLiteral("И."));
        pen.Cells(139, 15.5, ValueSpec{ValueKind::Code, 1}, first.isEmpty() ? nullptr : &first);
        pen.Label(146, 15.5, 5, QStringLiteral("О."));
        pen.Cells(151, 15.5, ValueSpec{ValueKind::Code, 1}, second.isEmpty() ? nullptr : &second);

        pen.Rule(kLeft, 271, kRight);
        pen.Text(kLeft, 273, 92,
                 QStringLiteral("Достоверность и полноту сведений, указанных на данной странице, подтверждаю:"),
                 TextStyle::Small);
        pen.Rule(112, 278.5, 146);
        pen.Text(112, 279, 34, QStringLiteral("(подпись)"), TextStyle::Small, Qt::AlignHCenter);
        pen.Label(152, 273, 10, QStringLiteral("Дата"));
        pen.Cells(162, 273, DateSpec(), header.date.isEmpty() ? nullptr : &header.date, 4.0);
    }
}

}  // namespace zizaza::print
