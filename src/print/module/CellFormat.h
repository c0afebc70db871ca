#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace zizaza::print {

// How a value sits in the character cells of the paper form.
enum class ValueKind {
    Code,     // characters from the left, the rest dashed (codes, numbers, INN, KPP, OKTMO)
    Text,     // words wrapped over rows of cells (names, addresses)
    Amount,   // roubles, a point, two kopeck cells ("12345.67", "0.00")
    Whole,    // whole roubles
    Decimal,  // integer cells, a point, fraction cells (exchange rates, foreign amounts)
    Date,     // DD.MM.YYYY in 2 + 2 + 4 cells
    Year,     // YYYY
};

struct ValueSpec {
    ValueKind kind = ValueKind::Code;
    int cells = 0;  // cells of the code, of a text row, or of the integer part; 0: the kind's default
    int frac = 0;   // fraction cells of a Decimal; 0: the kind's default
    int rows = 1;   // rows of a Text at least
};

// One row of cells: the groups and the character between them.
struct CellRow {
    std::vector<QString> groups;
    QChar separator;
};

// The rows of cells showing value (null: the value is absent, every cell dashed). A value longer
// than its cells gets more cells rather than losing characters; a text gets more rows.
std::vector<CellRow> FormatCells(const ValueSpec& shape, const QString* value);

// Empty cells of the given layout, for the parts of the form that the tax officer fills.
std::vector<CellRow> EmptyCells(const ValueSpec& shape);

}  // namespace zizaza::print
