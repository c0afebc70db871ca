#include "print/module/FormPage.h"

namespace zizaza::print {

double CellItem::Width() const {
    qsizetype count = 0;
    for (const QString& group : groups)
        count += group.size();
    double gaps = groups.empty() ? 0 : static_cast<double>(groups.size() - 1) * kSeparatorGap;
    return static_cast<double>(count) * cellWidth + gaps;
}

QString CellItem::Text() const {
    QString text;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i > 0 && !separator.isNull())
            text += separator;
        text += groups[i];
    }
    return text;
}

QStringList FormPage::Strings() const {
    QStringList strings;
    for (const TextItem& text : texts)
        strings << text.lines.join(QLatin1Char(' '));
    for (const CellItem& cell : cells)
        strings << cell.Text();
    return strings;
}

}  // namespace zizaza::print
