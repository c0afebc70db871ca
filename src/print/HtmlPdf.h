#pragma once

#include <QByteArray>
#include <QString>

namespace zizaza {

// Lays an HTML page out on A4 pages and writes them as a PDF file with WriteWholeFile.
bool WriteHtmlPdf(const QString& html, const QString& path, const QString& title, QString* error);

// Writes a whole file through the program's atomic writer (storage/AtomicFile.h): the target is
// either left as it was or holds all of the bytes, read back before it is renamed into place. On
// failure returns false and tells the file and the system's reason ("Нет места на диске").
bool WriteWholeFile(const QByteArray& bytes, const QString& path, QString* error);

}  // namespace zizaza
