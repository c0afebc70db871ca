#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zizaza {

// Decodes a JPEG picture with libjpeg; a null image when the data is no JPEG.
QImage DecodeJpeg(const QByteArray& bytes);
// Decodes one of the program's pictures (a resource path such as ":/pictures/splash.jpg").
QImage LoadJpegPicture(const QString& path);

}  // namespace zizaza
