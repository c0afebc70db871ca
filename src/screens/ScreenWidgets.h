#pragma once

#include <QGroupBox>
#include <QString>

class QLabel;
class QPushButton;

// Small helpers for building screen layouts.
namespace zizaza {

class TMaskedEdit;

// Gives a widget the object name by which the shell, the navigation and the tests find it.
template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A titled group of a screen; the captions of the groups begin with two spaces.
inline QGroupBox* ScreenGroup(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QGroupBox(QStringLiteral("  ") + caption, parent), name);
}

// Parts that the screens and dialogs build alike; a namespace of their own keeps them apart
// from local helpers of the same name.
namespace parts {

// Entry fields of the usual kinds and width: money (12 + 2 digits), whole roubles (12 digits),
// digits of a given length.
TMaskedEdit* MoneyEdit(QWidget* parent, const char* name);
TMaskedEdit* RoublesEdit(QWidget* parent, const char* name);
TMaskedEdit* DigitsEdit(QWidget* parent, const char* name, int length);
// A read-only field that only its chooser fills (a dictionary code).
TMaskedEdit* ChosenField(QWidget* parent, const char* name);
// The "..." button that opens a code dictionary.
QPushButton* CodeChooser(QWidget* parent, const char* name);
// A sunken, right-aligned amount the screen computes (a total, the norm): shown, never typed.
QLabel* TotalDisplay(QWidget* parent, const char* name);
// A button of a list (add, delete, edit, repeat) with its hint; Enter does not press it.
QPushButton* ListButton(QWidget* parent, const char* name, const QString& caption, const QString& hint);

}  // namespace parts

}  // namespace zizaza
