#include "print/module/TextMeasure.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <array>
#include <optional>

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

constexpr int kStyles = static_cast<int>(TextStyle::Cell) + 1;

// Resolving a font is costly and the form has six: each is resolved once. The fonts are kept to
// the end of the process, never destroyed after the application object that resolved them.
const QFontMetricsF& metrics(TextStyle style) {
    static auto* all = new std::array<std::optional<QFontMetricsF>, kStyles>;
    std::optional<QFontMetricsF>& fm = (*all)[static_cast<size_t>(style)];
    if (!fm)
        fm.emplace(FontFor(style), const_cast<QImage*>(&referenceDevice()));
    return *fm;
}

// Every page of a long declaration repeats the same labels: their lines are measured once. The
// memory is bounded: the whole cache goes when it grows past kMaxRemembered.
constexpr qsizetype kMaxRemembered = 20000;

struct MemoKey {
    QString text;
    TextStyle style;
    double width;
    bool operator==(const MemoKey&) const = default;
};

size_t qHash(const MemoKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.text, static_cast<int>(key.style), key.width);
}

QStringList wrap(const QString& text, TextStyle style, double width) {
    QStringList lines;
    const QFontMetricsF& fm = metrics(style);
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

double toMm(double px) {
    return px * kMmPerInch / kReferenceDpi;
}

QFont makeFont(TextStyle style) {
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

}  // namespace

QFont FontFor(TextStyle style) {
    static auto* fonts = new std::array<std::optional<QFont>, kStyles>;
    std::optional<QFont>& font = (*fonts)[static_cast<size_t>(style)];
    if (!font)
        font = makeFont(style);
    return *font;
}

double TextWidth(const QString& text, TextStyle style) {
    static QHash<MemoKey, double> widths;
    if (widths.size() > kMaxRemembered)
        widths.clear();
    const MemoKey key{text, style, 0};
    auto it = widths.constFind(key);
    if (it == widths.cend())
        it = widths.insert(key, toMm(metrics(style).horizontalAdvance(text)));
    return *it;
}

double LineHeight(TextStyle style) {
    return toMm(metrics(style).lineSpacing());
}

QStringList WrapText(const QString& text, TextStyle style, double width) {
    static QHash<MemoKey, QStringList> wrapped;
    if (wrapped.size() > kMaxRemembered)
        wrapped.clear();
    const MemoKey key{text, style, width};
    auto it = wrapped.constFind(key);
    if (it == wrapped.cend())
        it = wrapped.insert(key, wrap(text, style, width));
    return *it;
}

}  // namespace zizaza::print
