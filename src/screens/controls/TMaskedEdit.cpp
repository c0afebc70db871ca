#include "screens/controls/TMaskedEdit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "screens/ScreenFormat.h"
#include "screens/controls/TInputHint.h"
#include "storage/TextCodec.h"

namespace zizaza {

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool OnlyDigits(const QString& text, bool spacesToo) {
    for (QChar c : text)
        if (!IsDigit(c) && !(spacesToo && c == QLatin1Char(' ')))
            return false;
    return true;
}

bool HasDigit(const QString& text) {
    for (QChar c : text)
        if (IsDigit(c))
            return true;
    return false;
}

bool IsSeparator(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

bool IsGroupSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

// An amount as pasted from elsewhere: roubles grouped by spaces in threes or not grouped, then
// at most one separator ("," or ".") with its digits.
struct PastedAmount {
    QString roubles;
    QString fraction;
};

std::optional<PastedAmount> ReadPastedAmount(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype sep = std::max(t.indexOf(QLatin1Char(',')), t.indexOf(QLatin1Char('.')));
    if (t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    PastedAmount amount{sep < 0 ? t : t.left(sep), sep < 0 ? QString() : t.mid(sep + 1)};
    if (!OnlyDigits(amount.fraction, false))
        return std::nullopt;
    QStringList groups;
    QString group;
    for (QChar c : amount.roubles) {
        if (IsGroupSpace(c)) {
            groups << group;
            group.clear();
        } else if (IsDigit(c)) {
            group += c;
        } else {
            return std::nullopt;
        }
    }
    groups << group;
    if (groups.front().isEmpty())
        return std::nullopt;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3 || groups.front().size() > 3)
            return std::nullopt;
    amount.roubles = groups.join(QString());
    return amount;
}

}  // namespace

TMaskedEdit::TMaskedEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TMaskedEdit::OnTextChanged);
}

void TMaskedEdit::SetEditType(TEditTypeControlEnum type) {
    m_editType = type;
    setAlignment(type == TEditTypeControlEnum::edtCurrency ? Qt::AlignRight | Qt::AlignVCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter);
}

void TMaskedEdit::SetupMoney() {
    SetEditType(TEditTypeControlEnum::edtCurrency);
    m_wholeLength = 12;
    m_fractionalLength = 2;
    m_wholeRoubles = false;
}

void TMaskedEdit::SetupDigits(int length) {
    SetEditType(TEditTypeControlEnum::edtDigital);
    m_wholeLength = length;
    m_fractionalLength = 0;
    m_wholeRoubles = false;
}

void TMaskedEdit::SetupRoubles(int length) {
    SetupDigits(length);
    m_wholeRoubles = true;
}

void TMaskedEdit::SetupText(int length) {
    SetEditType(TEditTypeControlEnum::edtNone);
    m_wholeLength = length;
    m_fractionalLength = 0;
    m_wholeRoubles = false;
}

void TMaskedEdit::SetMaximum(int maximum, const QString& hint) {
    m_maximum = maximum;
    m_maximumHint = hint;
}

void TMaskedEdit::SetStoredText(const QString& text) {
    m_storing = true;
    setText(text);
    m_storing = false;
}

bool TMaskedEdit::WithinLength(const QString& text) const {
    return m_wholeLength <= 0 || text.size() <= m_wholeLength;
}

bool TMaskedEdit::AcceptsCurrency(const QString& text) const {
    if (text.trimmed().isEmpty())
        return true;
    if (!Money::Parse(text.toStdString(), kScreenDecimalSeparator))
        return false;
    const QString t = text.trimmed();
    const qsizetype sep = t.indexOf(QLatin1Char(kScreenDecimalSeparator));
    const QString whole = sep < 0 ? t : t.left(sep);
    int wholeDigits = 0;
    for (QChar c : whole)
        wholeDigits += IsDigit(c) ? 1 : 0;
    if (m_wholeLength > 0 && wholeDigits > m_wholeLength)
        return false;
    return m_fractionalLength <= 0 || sep < 0 || t.size() - sep - 1 <= m_fractionalLength;
}

TMaskedEdit::Refusal TMaskedEdit::Check(const QString& text) const {
    if (!FitsCp1251(text.toStdString()))
        return Refusal::NotCp1251;
    bool fits = false;
    switch (m_editType) {
        case TEditTypeControlEnum::edtCurrency:
            fits = AcceptsCurrency(text);
            break;
        case TEditTypeControlEnum::edtDigital:
            fits = OnlyDigits(text, false) && WithinLength(text.trimmed());
            if (fits && m_maximum > 0 && !m_storing && IntegerFieldValue(text) > m_maximum)
                return Refusal::AboveMaximum;
            break;
        case TEditTypeControlEnum::edt_Digital:
            fits = OnlyDigits(text, true) && WithinLength(text.trimmed());
            break;
        case TEditTypeControlEnum::edtChar:
            fits = !HasDigit(text) && WithinLength(text);
            break;
        case TEditTypeControlEnum::edtNone:
            fits = WithinLength(text);
            break;
    }
    return fits ? Refusal::None : Refusal::Rules;
}

bool TMaskedEdit::Accepts(const QString& text) const {
    return Check(text) == Refusal::None;
}

std::optional<QString> TMaskedEdit::Rewritten(const QString& text, Refusal& why) const {
    const bool amount = m_editType == TEditTypeControlEnum::edtCurrency || m_wholeRoubles;
    if (why != Refusal::Rules || !amount)
        return std::nullopt;
    const std::optional<PastedAmount> pasted = ReadPastedAmount(text);
    if (!pasted)
        return std::nullopt;
    QString rewritten = pasted->roubles;
    if (m_wholeRoubles) {
        if (pasted->fraction.count(QLatin1Char('0')) != pasted->fraction.size()) {
            why = Refusal::Kopecks;
            return std::nullopt;
        }
    } else if (!pasted->fraction.isEmpty()) {
        rewritten += QLatin1Char(kScreenDecimalSeparator) + pasted->fraction;
    }
    why = Check(rewritten);
    if (why != Refusal::None)
        return std::nullopt;
    return rewritten;
}

void TMaskedEdit::Refuse(Refusal why) {
    switch (why) {
        case Refusal::NotCp1251:
            TInputHint::Show(this, NotCp1251Hint());
            break;
        case Refusal::Kopecks:
            TInputHint::Show(this, WholeRoublesHint());
            break;
        case Refusal::AboveMaximum:
            TInputHint::Show(this, m_maximumHint);
            break;
        case Refusal::None:
        case Refusal::Rules:
            // A digit too many or a letter in a number: the field simply does not take it.
            break;
    }
}

QString TMaskedEdit::Prospective(const QString& s) const {
    QString t = text();
    int pos = cursorPosition();
    if (hasSelectedText()) {
        pos = selectionStart();
        t.remove(pos, selectedText().size());
    }
    return t.insert(pos, s);
}

TMaskedEdit::Refusal TMaskedEdit::TypedRefusal(QChar c) const {
    if (!FitsCp1251(static_cast<char32_t>(c.unicode())))
        return Refusal::NotCp1251;
    bool kindAllows = true;
    switch (m_editType) {
        case TEditTypeControlEnum::edtCurrency:
        case TEditTypeControlEnum::edtDigital:
            kindAllows = IsDigit(c);
            break;
        case TEditTypeControlEnum::edt_Digital:
            kindAllows = IsDigit(c) || c == QLatin1Char(' ');
            break;
        case TEditTypeControlEnum::edtChar:
            kindAllows = !IsDigit(c);
            break;
        case TEditTypeControlEnum::edtNone:
            break;
    }
    return kindAllows ? Check(Prospective(c)) : Refusal::Rules;
}

void TMaskedEdit::keyPressEvent(QKeyEvent* event) {
    const bool kopecks = std::exchange(m_kopecks, false);
    const bool replaceZero = std::exchange(m_replaceZero, false);
    const QString typed = event->text();
    // Keys without a printable character (Backspace, arrows, Enter, the clipboard shortcuts)
    // keep their usual meaning; whatever they do to the text passes the change rule below.
    if (typed.size() != 1 || !typed.front().isPrint() || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const QChar c = typed.front();
    if (m_wholeRoubles && (IsSeparator(c) || (kopecks && IsDigit(c)))) {
        m_kopecks = true;
        if (IsDigit(c) && c != QLatin1Char('0'))
            Refuse(Refusal::Kopecks);
        return;
    }
    if (m_editType == TEditTypeControlEnum::edtCurrency && IsSeparator(c)) {
        QString rest = text();
        if (hasSelectedText())
            rest.remove(selectionStart(), selectedText().size());
        if (!rest.contains(QLatin1Char(kScreenDecimalSeparator)))
            insert(QString(QLatin1Char(kScreenDecimalSeparator)));
        return;
    }
    if (replaceZero && IsDigit(c))
        selectAll();
    if (const Refusal why = TypedRefusal(c); why != Refusal::None) {
        Refuse(why);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMaskedEdit::KeepInTabOrder() {
    m_keepInTabOrder = true;
    setFocusPolicy(Qt::StrongFocus);
}

void TMaskedEdit::changeEvent(QEvent* event) {
    // A field the user cannot type into is left out of the Tab order; a click still focuses it
    // (its text can be copied). A field an up/down steps by the arrow keys stays in the order.
    if (event->type() == QEvent::ReadOnlyChange)
        setFocusPolicy(isReadOnly() && !m_keepInTabOrder ? Qt::ClickFocus : Qt::StrongFocus);
    QLineEdit::changeEvent(event);
}

void TMaskedEdit::focusInEvent(QFocusEvent* event) {
    static const QRegularExpression zero(QStringLiteral("^0([.,]0*)?$"));
    m_replaceZero = m_editType != TEditTypeControlEnum::edtChar && m_editType != TEditTypeControlEnum::edtNone &&
                    !isReadOnly() && zero.match(text()).hasMatch();
    QLineEdit::focusInEvent(event);
}

void TMaskedEdit::focusOutEvent(QFocusEvent* event) {
    m_kopecks = false;
    QLineEdit::focusOutEvent(event);
}

void TMaskedEdit::mousePressEvent(QMouseEvent* event) {
    m_kopecks = false;
    QLineEdit::mousePressEvent(event);
}

void TMaskedEdit::OnTextChanged(const QString& current) {
    if (current == m_lastText)
        return;
    if (m_editType == TEditTypeControlEnum::edtCurrency && !current.isEmpty() && current.trimmed().isEmpty()) {
        setText(QString());
        return;
    }
    Refusal why = Check(current);
    if (why != Refusal::None) {
        if (const std::optional<QString> rewritten = Rewritten(current, why)) {
            setText(*rewritten);
            return;
        }
        Refuse(why);
        const int pos = cursorPosition() - static_cast<int>(current.size() - m_lastText.size());
        setText(m_lastText);
        setCursorPosition(std::clamp(pos, 0, static_cast<int>(m_lastText.size())));
        return;
    }
    m_lastText = current;
    emit Changed();
}

}  // namespace zizaza
