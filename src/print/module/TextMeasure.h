#pragma once

#include "print/module/FormPage.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace zizaza::print {

// The fonts of the form and their sizes in millimetres. Text is measured on one fixed reference
// device, so a declaration breaks into the same lines and pages on screen, on paper and in PDF.
// Needs a QGuiApplication.
QFont FontFor(TextStyle style);

double TextWidth(const QString& text, TextStyle style);
double LineHeight(TextStyle style);
// Greedy word wrap into lines no wider than width (a word wider than that stands alone).
QStringList WrapText(const QString& text, TextStyle style, double width);

}  // namespace zizaza::print
