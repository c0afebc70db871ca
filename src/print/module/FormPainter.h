#pragma once

#include "print/module/FormPage.h"

#include <QRectF>

#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zizaza::print {

// Paints one page scaled into target (the whole sheet, in the painter's device coordinates).
void PaintFormPage(QPainter& painter, const FormPage& page, const QRectF& target);

// Sets the printer up for the form (A4 portrait, the whole sheet, no margins) and prints every
// page on it. Throws PrintModuleError when the printer or the output file cannot be opened.
void PrintFormPages(QPrinter& printer, const std::vector<FormPage>& pages);

// Paints every page on its own sheet of the device the painter is active on.
void PaintFormPages(QPainter& painter, QPagedPaintDevice& device, int resolution, const std::vector<FormPage>& pages);

// The form's sheet: A4 portrait, no margins.
QPageLayout FormPageLayout();

// Prepares a printer for the form without printing (used by the preview before it paints).
void SetUpFormPrinter(QPrinter& printer);

}  // namespace zizaza::print
