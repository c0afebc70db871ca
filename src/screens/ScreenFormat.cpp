#include "screens/ScreenFormat.h"

namespace zizaza {

QString MoneyToScreen(Money value) {
    return QString::fromStdString(value.ToText(kScreenDecimalSeparator));
}

std::optional<Money> MoneyFromScreen(const QString& text) {
    if (text.trimmed().isEmpty())
        return Money();
    return Money::Parse(text.toStdString(), kScreenDecimalSeparator);
}

Money MoneyFieldValue(const QString& text) {
    return MoneyFromScreen(text).value_or(Money());
}

QString IntegerToScreen(int64_t value) {
    return QString::number(value);
}

int64_t IntegerFieldValue(const QString& text) {
    bool ok = false;
    qlonglong v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

QString RoublesToScreen(Money value) {
    return IntegerToScreen(value.WholeRoubles());
}

Money RoublesFieldValue(const QString& text) {
    return Money::Roubles(IntegerFieldValue(text));
}

QString DateToScreen(Date date) {
    return QString::fromStdString(date.ToText());
}

std::optional<Date> DateFromScreen(const QString& text) {
    return Date::Parse(text.trimmed().toStdString(), kScreenDateSeparator);
}

QString MoneyToList(Money value) {
    return value.IsZero() ? QStringLiteral("-") : MoneyToScreen(value);
}

QString CodeToList(int64_t code) {
    return code == 0 ? QStringLiteral("Нет") : QString::number(code);
}

}  // namespace zizaza
