#pragma once

#include "print/module/FormPainter.h"

#include <QString>

#include <functional>

class QWidget;

namespace zizaza::print {

// A progress callback for a long job over pages, made for a window: it shows a progress window
// with "Отмена" over parent (once the job lasts long enough to be noticed) and answers false once
// the user cancelled. The window goes with the last copy of the callback.
using ProgressFactory = std::function<PageProgress(QWidget* parent, const QString& text)>;

// The program's progress window.
PageProgress ShowPageProgress(QWidget* parent, const QString& text);

}  // namespace zizaza::print
