#include "app/JpegPicture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace zizaza {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// libjpeg reports errors by longjmp: this function keeps no object with a destructor of its
// own between setjmp and the decoding, and writes its results only through `out`.
bool DecodeInto(const unsigned char* data, unsigned long size, Decoded* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.output_message = IgnoreJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out->width = static_cast<int>(info.output_width);
    out->height = static_cast<int>(info.output_height);
    const size_t stride = static_cast<size_t>(info.output_width) * 3;
    out->rgb.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    Decoded decoded;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                    &decoded))
        return {};
    QImage image(decoded.width, decoded.height, QImage::Format_RGB888);
    const size_t stride = static_cast<size_t>(decoded.width) * 3;
    for (int y = 0; y < decoded.height; ++y)
        std::copy_n(decoded.rgb.data() + stride * static_cast<size_t>(y), stride, image.scanLine(y));
    return image;
}

QImage LoadJpegPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

}  // namespace zizaza
