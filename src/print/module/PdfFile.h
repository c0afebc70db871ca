#pragma once

#include "print/module/FormPage.h"
#include "print/module/FormPainter.h"

#include <QString>

#include <vector>

namespace zizaza::print {

// Writes the pages as a PDF file. The document is made in memory and put on disk as the program
// writes its other files: into a temporary file beside the target, flushed and renamed over it.
// Any failure leaves an earlier file of that name byte for byte as it was and throws
// PrintModuleError with the Russian reason. order names the pages to write (all when empty);
// progress is told after each page and may stop the job: then nothing is written and the result
// is false.
bool SavePdfFile(const QString& path, const std::vector<FormPage>& pages, const QString& title,
                 const PageProgress& progress = {}, const std::vector<int>& order = {});

}  // namespace zizaza::print
