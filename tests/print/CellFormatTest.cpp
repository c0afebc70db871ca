#include "print/module/CellFormat.h"

#include <gtest/gtest.h>

using namespace zizaza::print;

namespace {

// The rows of cells joined as a reader sees them: groups by their separator, rows by "|".
QString shown(const ValueSpec& shape, const char* value) {
    QString v = value ? QString::fromUtf8(value) : QString();
    QStringList rows;
    for (const CellRow& row : FormatCells(shape, value ? &v : nullptr)) {
        QString text;
        for (size_t i = 0; i < row.groups.size(); ++i)
            text += (i > 0 ? QString(row.separator) : QString()) + row.groups[i];
        rows << text;
    }
    return rows.join(QLatin1Char('|'));
}

}  // namespace

TEST(CellFormat, ValuesFillTheirCellsFromTheLeftAndDashTheRest) {
    struct Case {
        const char* name;
        ValueSpec shape;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"kopeck amount", {ValueKind::Amount, 8}, "12345.67", "12345---.67"},
        {"zero amount", {ValueKind::Amount, 4}, "0.00", "0---.00"},
        {"amount without kopecks", {ValueKind::Amount, 4}, "150", "150-.00"},
        {"one kopeck digit", {ValueKind::Amount, 4}, "15.5", "15--.50"},
        {"absent amount", {ValueKind::Amount, 3}, nullptr, "---.--"},
        {"whole amount", {ValueKind::Whole, 6}, "78000", "78000-"},
        {"too long grows", {ValueKind::Whole, 3}, "999999999999999", "999999999999999"},
        {"code", {ValueKind::Code, 4}, "77", "77--"},
        {"code trimmed", {ValueKind::Code, 4}, " 7 ", "7---"},
        {"absent code", {ValueKind::Code, 2}, nullptr, "--"},
        {"date", {ValueKind::Date}, "15.03.2018", "15.03.2018"},
        {"absent date", {ValueKind::Date}, nullptr, "--.--.----"},
        {"not a date is kept", {ValueKind::Date}, "2018", "2018------"},
        {"year", {ValueKind::Year}, "2017", "2017"},
        {"rate", {ValueKind::Decimal, 3, 4}, "57.6002", "57-.6002"},
        {"rate without fraction", {ValueKind::Decimal, 3, 4}, "1", "1--.----"},
        {"comma fraction", {ValueKind::Decimal, 3, 2}, "5,5", "5--.5-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(c.shape, c.value), QString::fromUtf8(c.expected)) << c.name;
}

TEST(CellFormat, TextsWrapByWordsOverRowsAndGrowWhenLong) {
    const ValueSpec shape{ValueKind::Text, 8, 0, 2};
    EXPECT_EQ(shown(shape, "ГОР. МОСКВА"), QStringLiteral("ГОР.----|МОСКВА--"));
    EXPECT_EQ(shown(shape, "АБВ"), QStringLiteral("АБВ-----|--------"));
    EXPECT_EQ(shown(shape, nullptr), QStringLiteral("--------|--------"));
    // A word longer than a row is cut, and the rows grow rather than lose characters.
    EXPECT_EQ(shown(shape, "ДОСТОПРИМЕЧАТЕЛЬНОСТЬ Я"), QStringLiteral("ДОСТОПРИ|МЕЧАТЕЛЬ|НОСТЬ Я-"));
}

TEST(CellFormat, OfficerCellsAreEmpty) {
    auto rows = EmptyCells(ValueSpec{ValueKind::Date});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].groups,
              (std::vector<QString>{QStringLiteral("  "), QStringLiteral("  "), QStringLiteral("    ")}));
}
