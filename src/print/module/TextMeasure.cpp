#include "print/module/TextMeasure.h"

#include <QFontMetricsF>
#include <QImage>

namespace zizaza::print {
namespace {

constexpr int kReferenceDpi = 1200;
constexpr double kMmPerInch = 25.4;

const QImage& referenceDevice() {
    static const QImage image = [] {
        QImage img(8, 8, QImage::Format_ARGB32);
        int dotsPerMeter = static_cast<int>(kReferenceDpi / kMmPerInch * 1000.0 + 0.5);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return image;
}

QFontMetricsF metrics(TextStyle style) {
    return QFontMetricsF(FontFor(style), const_cast<QImage*>(&referenceDevice()));
}

double toMm(double px) {
    return px * kMmPerInch / kReferenceDpi;
}

}  // namespace

QFont FontFor(TextStyle style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    switch (style) {
        case TextStyle::Label:
            font.setPointSizeF(6.8);
            break;
        case TextStyle::Small:
            font.setPointSizeF(5.8);
            break;
        case TextStyle::Bold:
            font.setPointSizeF(7.2);
            font.setBold(true);
            break;
        case TextStyle::Title:
            font.setPointSizeF(9.5);
            font.setBold(true);
            break;
        case TextStyle::Code:
            font.setPointSizeF(6.8);
            font.setBold(true);
            break;
        case TextStyle::Cell:
            font = QFont(QStringLiteral("DejaVu Sans Mono"));
            font.setStyleHint(QFont::Monospace);
            font.setPointSizeF(10.0);
            break;
    }
    return font;
}

double TextWidth(const QString& text, TextStyle style) {
    return toMm(metrics(style).horizontalAdvance(text));
}

double LineHeight(TextStyle style) {
    return toMm(metrics(style).lineSpacing());
}

QStringList WrapText(const QString& text, TextStyle style, double width) {
    QStringList lines;
    QFontMetricsF fm = metrics(style);
    const double limit = width * kReferenceDpi / kMmPerInch;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString current;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (current.isEmpty() || fm.horizontalAdvance(candidate) <= limit)
                current = candidate;
            else {
                lines << current;
                current = word;
            }
        }
        lines << current;
    }
    return lines;
}

}  // namespace zizaza::print
