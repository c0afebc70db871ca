#pragma once

#include <QGroupBox>
#include <QString>
#include <initializer_list>

class QFormLayout;
class QGridLayout;
class QLabel;
class QLayout;
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

// One row of a dialog's label and field table. The label is a caption (made into a label) or a
// label the dialog keeps; a row without either has its field span both columns. The field is a
// widget or a layout, placed with align; a hint is the tooltip of both.
struct FieldRow {
    QString caption = {};
    QLabel* label = nullptr;
    QWidget* field = nullptr;
    QLayout* layout = nullptr;
    Qt::Alignment align = {};
    QString hint = {};
};
// Lays the rows out in the two columns of grid from the row first on, labels made as children of
// parent (wrapped when wrap is set); returns the row after the last.
int AddRows(QGridLayout* grid, QWidget* parent, std::initializer_list<FieldRow> rows, int first = 0, bool wrap = false);
// The same rows in a form: each caption becomes the label of its field.
void AddRows(QFormLayout* form, std::initializer_list<FieldRow> rows);

}  // namespace parts

}  // namespace zizaza
