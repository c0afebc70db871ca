#pragma once

#include "print/module/FormPage.h"

#include <QRectF>

#include <functional>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zizaza::print {

// Paints one page scaled into target (the whole sheet, in the painter's device coordinates).
void PaintFormPage(QPainter& painter, const FormPage& page, const QRectF& target);

// Told after each sheet painted (done of total); returns false to stop the job (the user cancelled).
using PageProgress = std::function<bool(int done, int total)>;

// The indices (from 0) of all count pages in order.
std::vector<int> AllPages(int count);

// The pages a printer set up by the print dialog asks for, as indices (from 0) in the order they
// are painted: the page range (or the current page, from 1), the page order, and the copies when
// the printer does not make them itself (collated: the whole set again; else each page again).
std::vector<int> PrintSequence(const QPrinter& printer, int pageCount, int currentPage = 1);

// Prints the pages on a printer set up by the print dialog: the printer chosen, or the PDF file
// chosen ("Print to File"), which is written whole or not at all as every file of the program;
// page range, page order and copies as PrintSequence says. The sheet is set up for the form.
// Returns false when progress stopped the job: the printer's job is aborted and no file written.
// Throws PrintModuleError when the printer or the output file cannot be opened.
bool PrintFormPages(QPrinter& printer, const std::vector<FormPage>& pages, const PageProgress& progress = {},
                    int currentPage = 1);

// Paints the pages of order, each on its own sheet of the device the painter is active on.
// Returns false when progress stopped it.
bool PaintFormPages(QPainter& painter, QPagedPaintDevice& device, int resolution, const std::vector<FormPage>& pages,
                    const std::vector<int>& order, const PageProgress& progress = {});

// The form's sheet: A4 portrait, no margins.
QPageLayout FormPageLayout();

// Prepares a printer for the form without printing (used by the preview before it paints).
void SetUpFormPrinter(QPrinter& printer);

}  // namespace zizaza::print
