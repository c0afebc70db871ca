#include "print/module/CellFormat.h"

#include <algorithm>

namespace zizaza::print {
namespace {

constexpr QChar kDash = QLatin1Char('-');

int defaultCells(const ValueSpec& shape) {
    if (shape.cells > 0)
        return shape.cells;
    switch (shape.kind) {
        case ValueKind::Amount:
        case ValueKind::Whole:
            return 13;
        case ValueKind::Decimal:
            return 10;
        case ValueKind::Year:
            return 4;
        case ValueKind::Text:
            return 20;
        default:
            return 1;
    }
}

int defaultFrac(const ValueSpec& shape) {
    return shape.frac > 0 ? shape.frac : 4;
}

// Left-aligned in at least `cells` cells, dashes after it.
QString fill(const QString& text, int cells) {
    QString s = text;
    if (s.size() < cells)
        s += QString(cells - s.size(), kDash);
    return s;
}

std::vector<QString> wrapWords(const QString& text, int perRow) {
    std::vector<QString> rows;
    QString current;
    for (QString word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // A word that does not fit a row on its own is cut over rows.
        while (word.size() > perRow) {
            if (!current.isEmpty()) {
                rows.push_back(current);
                current.clear();
            }
            rows.push_back(word.left(perRow));
            word = word.mid(perRow);
        }
        if (current.isEmpty())
            current = word;
        else if (current.size() + 1 + word.size() <= perRow)
            current += QLatin1Char(' ') + word;
        else {
            rows.push_back(current);
            current = word;
        }
    }
    if (!current.isEmpty())
        rows.push_back(current);
    return rows;
}

// "123.4" into its integer and fraction texts; no point gives an empty fraction.
std::pair<QString, QString> splitNumber(const QString& value) {
    qsizetype point = value.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = value.indexOf(QLatin1Char(','));
    if (point < 0)
        return {value, QString()};
    return {value.left(point), value.mid(point + 1)};
}

CellRow numberRow(const QString* value, int cells, int frac, bool zeroPadFraction) {
    CellRow row;
    row.separator = QLatin1Char('.');
    if (!value || value->trimmed().isEmpty()) {
        row.groups = {QString(cells, kDash), QString(frac, kDash)};
        return row;
    }
    auto [whole, fraction] = splitNumber(value->trimmed());
    if (zeroPadFraction)
        fraction = fraction.leftJustified(frac, QLatin1Char('0'));
    row.groups = {fill(whole, cells), fill(fraction, frac)};
    return row;
}

CellRow dateRow(const QString* value) {
    CellRow row;
    row.separator = QLatin1Char('.');
    QStringList parts = value ? value->trimmed().split(QLatin1Char('.')) : QStringList();
    if (parts.size() != 3) {
        row.groups = {QString(2, kDash), QString(2, kDash), QString(4, kDash)};
        // A text that is not a date is still shown, whole, rather than dropped.
        if (value && !value->trimmed().isEmpty())
            row.groups = {fill(value->trimmed(), 10)};
        return row;
    }
    row.groups = {fill(parts[0], 2), fill(parts[1], 2), fill(parts[2], 4)};
    return row;
}

}  // namespace

std::vector<CellRow> FormatCells(const ValueSpec& shape, const QString* value) {
    const int cells = defaultCells(shape);
    switch (shape.kind) {
        case ValueKind::Amount:
            return {numberRow(value, cells, 2, true)};
        case ValueKind::Decimal:
            return {numberRow(value, cells, defaultFrac(shape), false)};
        case ValueKind::Date:
            return {dateRow(value)};
        case ValueKind::Text: {
            std::vector<QString> rows = value ? wrapWords(*value, cells) : std::vector<QString>();
            while (rows.size() < static_cast<size_t>(std::max(shape.rows, 1)))
                rows.emplace_back();
            std::vector<CellRow> result;
            for (const QString& text : rows)
                result.push_back(CellRow{{fill(text, cells)}, QChar()});
            return result;
        }
        case ValueKind::Whole:
        case ValueKind::Year:
        case ValueKind::Code:
        default:
            return {CellRow{{fill(value ? value->trimmed() : QString(), cells)}, QChar()}};
    }
}

std::vector<CellRow> EmptyCells(const ValueSpec& shape) {
    std::vector<CellRow> rows = FormatCells(shape, nullptr);
    for (CellRow& row : rows)
        for (QString& group : row.groups)
            group.fill(QLatin1Char(' '));
    return rows;
}

}  // namespace zizaza::print
