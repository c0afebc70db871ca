#pragma once

#include <QGroupBox>
#include <QString>

// Small helpers for building screen layouts.
namespace zizaza {

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

}  // namespace zizaza
