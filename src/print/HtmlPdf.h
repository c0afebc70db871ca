#pragma once

#include <QString>

namespace zizaza {

// Lays an HTML page out on A4 pages and writes them as a PDF file. The file is written beside its
// target under a temporary name and renamed over it when complete, so that the target is either
// left as it was or holds the whole document. On failure returns false and tells why.
bool WriteHtmlPdf(const QString& html, const QString& path, const QString& title, QString* error);

}  // namespace zizaza
