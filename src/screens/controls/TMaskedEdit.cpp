#include "screens/controls/TMaskedEdit.h"

#include <QKeyEvent>
#include <algorithm>

#include "screens/ScreenFormat.h"
#include "storage/TextCodec.h"

namespace zizaza {

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

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

bool IsSeparator(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('.'); }

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
}

void TMaskedEdit::SetupDigits(int length) {
    SetEditType(TEditTypeControlEnum::edtDigital);
    m_wholeLength = length;
    m_fractionalLength = 0;
}

void TMaskedEdit::SetupText(int length) {
    SetEditType(TEditTypeControlEnum::edtNone);
    m_wholeLength = length;
    m_fractionalLength = 0;
}

bool TMaskedEdit::WithinLength(const QString& text) const { return m_wholeLength <= 0 || text.size() <= m_wholeLength; }

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

bool TMaskedEdit::Accepts(const QString& text) const {
    if (!FitsCp1251(text.toStdString()))
        return false;
    switch (m_editType) {
        case TEditTypeControlEnum::edtCurrency:
            return AcceptsCurrency(text);
        case TEditTypeControlEnum::edtDigital:
            return OnlyDigits(text, false) && WithinLength(text.trimmed());
        case TEditTypeControlEnum::edt_Digital:
            return OnlyDigits(text, true) && WithinLength(text.trimmed());
        case TEditTypeControlEnum::edtChar:
            return !HasDigit(text) && WithinLength(text);
        case TEditTypeControlEnum::edtNone:
            return WithinLength(text);
    }
    return false;
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

bool TMaskedEdit::TypedCharAllowed(QChar c) const {
    if (!FitsCp1251(static_cast<char32_t>(c.unicode())))
        return false;
    switch (m_editType) {
        case TEditTypeControlEnum::edtCurrency:
            return IsDigit(c) && AcceptsCurrency(Prospective(c));
        case TEditTypeControlEnum::edtDigital:
            return IsDigit(c) && WithinLength(Prospective(c));
        case TEditTypeControlEnum::edt_Digital:
            return (IsDigit(c) || c == QLatin1Char(' ')) && WithinLength(Prospective(c));
        case TEditTypeControlEnum::edtChar:
            return !IsDigit(c) && WithinLength(Prospective(c));
        case TEditTypeControlEnum::edtNone:
            return WithinLength(Prospective(c));
    }
    return false;
}

void TMaskedEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys without a printable character (Backspace, arrows, Enter, the clipboard shortcuts)
    // keep their usual meaning; whatever they do to the text passes the change rule below.
    if (typed.size() != 1 || !typed.front().isPrint() || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = typed.front();
    if (m_editType == TEditTypeControlEnum::edtCurrency && IsSeparator(c)) {
        QString rest = text();
        if (hasSelectedText())
            rest.remove(selectionStart(), selectedText().size());
        if (!rest.contains(QLatin1Char(kScreenDecimalSeparator)))
            insert(QString(QLatin1Char(kScreenDecimalSeparator)));
        event->accept();
        return;
    }
    if (!TypedCharAllowed(c)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMaskedEdit::OnTextChanged(const QString& current) {
    if (m_editType == TEditTypeControlEnum::edtCurrency && !current.isEmpty() && current.trimmed().isEmpty()) {
        setText(QString());
        return;
    }
    if (!Accepts(current)) {
        const int pos = cursorPosition() - static_cast<int>(current.size() - m_lastText.size());
        setText(m_lastText);
        setCursorPosition(std::clamp(pos, 0, static_cast<int>(m_lastText.size())));
        return;
    }
    if (current == m_lastText)
        return;
    m_lastText = current;
    emit Changed();
}

}  // namespace zizaza
