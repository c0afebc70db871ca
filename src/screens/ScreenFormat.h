#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "storage/Date.h"
#include "storage/Money.h"

// How numbers, money and dates look on the screens. The screens use the decimal comma and
// the date dots of the process-wide formats set at start-up; files and the export use ".".
namespace zizaza {

inline constexpr char kScreenDecimalSeparator = ',';
inline constexpr char kScreenDateSeparator = '.';

// General currency format: no thousands separators, no trailing fraction zeros.
QString MoneyToScreen(Money value);
// Empty or blank text is 0; nullopt for text that is no amount.
std::optional<Money> MoneyFromScreen(const QString& text);
// For saving: an empty field or an unreadable one gives 0.
Money MoneyFieldValue(const QString& text);

QString IntegerToScreen(int64_t value);
int64_t IntegerFieldValue(const QString& text);

// Amounts kept in whole roubles on the screen: the kopecks are not shown, the typed roubles (an
// empty or unreadable field as 0) are the amount.
QString RoublesToScreen(Money value);
Money RoublesFieldValue(const QString& text);

QString DateToScreen(Date date);
std::optional<Date> DateFromScreen(const QString& text);

// Lists show a zero amount as "-" and a zero code or month as "Нет".
QString MoneyToList(Money value);
QString CodeToList(int64_t code);

}  // namespace zizaza
