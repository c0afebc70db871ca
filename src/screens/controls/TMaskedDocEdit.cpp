#include "screens/controls/TMaskedDocEdit.h"

#include <QKeyEvent>
#include <QSet>
#include <algorithm>

#include "screens/controls/TInputHint.h"
#include "storage/TextCodec.h"

namespace zizaza {

namespace {

constexpr int kNone1Length = 25;
constexpr int kNone2Length = 14;
constexpr int kRomanLength = 9;

bool IsSmallCyrillic(QChar c) {
    return c >= QChar(u'а') && c <= QChar(u'я');
}

QString WithCapitals(QString text) {
    for (QChar& c : text)
        if (IsSmallCyrillic(c))
            c = c.toUpper();
    return text;
}

// Every canonical Roman number that I, V, X, L and C can write (1 to 399) in at most 9 characters.
const QSet<QString>& CanonicalRomans() {
    static const QSet<QString> romans = [] {
        const QStringList hundreds{"", "C", "CC", "CCC"};
        const QStringList tens{"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
        const QStringList units{"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
        QSet<QString> all;
        for (const QString& h : hundreds)
            for (const QString& t : tens)
                for (const QString& u : units) {
                    const QString r = h + t + u;
                    if (!r.isEmpty() && r.size() <= kRomanLength)
                        all.insert(r);
                }
        return all;
    }();
    return romans;
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool IsLetter(QChar c) {
    return c >= QChar(u'А') && c <= QChar(u'Я');
}

// "<series> <number>" (or more parts), the parts separated by single spaces, each at most as
// long as given. The series is of letters or digits, the later parts of digits; a part
// followed by a space is not empty.
bool FitsParts(const QString& text, bool (*seriesChar)(QChar), std::initializer_list<int> limits) {
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() > static_cast<qsizetype>(limits.size()))
        return false;
    auto limit = limits.begin();
    for (qsizetype i = 0; i < parts.size(); ++i, ++limit) {
        const QString& part = parts[i];
        if (part.size() > *limit || (part.isEmpty() && i + 1 < parts.size()))
            return false;
        for (QChar c : part)
            if (!(i == 0 ? seriesChar(c) : IsDigit(c)))
                return false;
    }
    return true;
}

bool FitsRomanSeries(const QString& text) {
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    const QString roman = dash < 0 ? text : text.left(dash);
    if (!(roman.isEmpty() && dash < 0) && !TMaskedDocEdit::IsCanonicalRoman(roman))
        return false;
    return dash < 0 || FitsParts(text.mid(dash + 1), IsLetter, {2, 6});
}

QChar RomanDigit(QChar c) {
    switch (c.toUpper().unicode()) {
        case u'1':
        case u'I':
            return QLatin1Char('I');
        case u'V':
        case u'У':
            return QLatin1Char('V');
        case u'X':
        case u'Х':
            return QLatin1Char('X');
        case u'L':
        case u'Л':
            return QLatin1Char('L');
        case u'C':
        case u'С':
            return QLatin1Char('C');
        default:
            return c;
    }
}

}  // namespace

TMaskedDocEdit::TMaskedDocEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TMaskedDocEdit::OnTextChanged);
}

bool TMaskedDocEdit::IsCanonicalRoman(const QString& text) {
    return CanonicalRomans().contains(text);
}

bool TMaskedDocEdit::Fits(TDocumentMaskEnum type, const QString& text) {
    switch (type) {
        case TDocumentMaskEnum::edtR_BB:
            return FitsRomanSeries(text);
        case TDocumentMaskEnum::edt99:
            return FitsParts(text, IsDigit, {2, 7});
        case TDocumentMaskEnum::edt99_:
            return FitsParts(text, IsDigit, {2, 2, 6});
        case TDocumentMaskEnum::edtBB:
            return FitsParts(text, IsLetter, {2, 6});
        case TDocumentMaskEnum::edtBB0:
            return FitsParts(text, IsLetter, {2, 7});
        case TDocumentMaskEnum::edtBB5:
            return FitsParts(text, IsLetter, {2, 5});
        case TDocumentMaskEnum::edtNone1:
            return text.size() <= kNone1Length;
        case TDocumentMaskEnum::edtNone2:
            return text.size() <= kNone2Length;
    }
    return false;
}

bool TMaskedDocEdit::Accepts(const QString& text) const {
    if (!FitsCp1251(text.toStdString()))
        return false;
    if (Fits(m_editType, text))
        return true;
    // A stored text longer than free text allows may be shortened, never lengthened.
    const bool free = m_editType == TDocumentMaskEnum::edtNone1 || m_editType == TDocumentMaskEnum::edtNone2;
    return free && text.size() <= m_lastText.size() && !Fits(m_editType, m_lastText);
}

void TMaskedDocEdit::SetStoredText(const QString& text) {
    if (!Fits(m_editType, text) && FitsCp1251(text.toStdString())) {
        m_editType = TDocumentMaskEnum::edtNone1;
        m_replacing = true;
        setText(text);
        m_replacing = false;
        if (text != m_lastText) {
            m_lastText = text;
            emit Changed();
        }
        return;
    }
    setText(text);
}

QChar TMaskedDocEdit::Translate(QChar c) const {
    if (m_editType == TDocumentMaskEnum::edtR_BB) {
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        if (!text().left(caret).contains(QLatin1Char('-')))
            return RomanDigit(c);
    }
    return IsSmallCyrillic(c) ? c.toUpper() : c;
}

void TMaskedDocEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys without a printable character (Backspace, arrows, Enter, the clipboard shortcuts)
    // keep their usual meaning; what they do to the text passes the change rule.
    if (typed.size() != 1 || !typed.front().isPrint() || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!FitsCp1251(static_cast<char32_t>(typed.front().unicode()))) {
        TInputHint::Show(this, NotCp1251Hint());
        return;
    }
    const QChar c = Translate(typed.front());
    const bool free = m_editType == TDocumentMaskEnum::edtNone1 || m_editType == TDocumentMaskEnum::edtNone2;
    if (!free && c == QLatin1Char(' '))
        return;
    QString left = text();
    QString right;
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    if (hasSelectedText())
        left.remove(caret, selectedText().size());
    right = left.mid(caret);
    left = left.left(caret);
    // Where a part is full, the space that separates it from the next one goes in first.
    QStringList candidates{QString(c)};
    if (!free)
        candidates << QStringLiteral(" ") + c;
    for (const QString& candidate : candidates) {
        if (Accepts(left + candidate + right)) {
            insert(candidate);
            return;
        }
    }
}

void TMaskedDocEdit::OnTextChanged(const QString& current) {
    if (m_replacing)
        return;
    const QString wanted = WithCapitals(current);
    m_replacing = true;
    if (!Accepts(wanted)) {
        if (!FitsCp1251(wanted.toStdString()))
            TInputHint::Show(this, NotCp1251Hint());
        const int pos = cursorPosition() - static_cast<int>(current.size() - m_lastText.size());
        setText(m_lastText);
        setCursorPosition(std::clamp(pos, 0, static_cast<int>(m_lastText.size())));
        m_replacing = false;
        return;
    }
    if (wanted != current) {
        const int pos = cursorPosition();
        setText(wanted);
        setCursorPosition(pos);
    }
    m_replacing = false;
    if (wanted == m_lastText)
        return;
    m_lastText = wanted;
    emit Changed();
}

}  // namespace zizaza
