#pragma once

#include <QSet>
#include <QString>

class QMenuBar;

namespace zizaza {

// The text with an accelerator ("&") before its first letter not yet taken, preferring the
// first letters of its words; the letter is added to the taken ones. A text that has an
// accelerator already keeps it and takes its letter; a text without a free letter stays.
QString WithAccelerator(const QString& text, QSet<QChar>& taken);

// Gives every menu of the bar an accelerator other than the reserved letters (lower case), and the
// items of a menu theirs each time it opens (so the items whose text the program changes, as
// "Отменить: ...", get one too).
void AssignAccelerators(QMenuBar* bar, QSet<QChar> reserved = {});

}  // namespace zizaza
