// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include "print/style_picture.h"

namespace tallyrix {
namespace {

// libjpeg's own error handler ends the process; this one jumps back.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void failJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Warnings about damaged data are not printed: the picture shows what decoded.
void quietJpeg(j_common_ptr, int) {}
void quietOutput(j_common_ptr) {}

// Pictures larger than this are refused rather than exhausting memory.
constexpr unsigned long kMaxPixels = 100UL * 1000 * 1000;

void convertCmykRow(uchar* row, int width, bool inverted) {
    // Into the same buffer, left to right: three bytes out for every four in.
    for (int x = 0; x < width; ++x) {
        int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        row[3 * x] = static_cast<uchar>(c * k / 255);
        row[3 * x + 1] = static_cast<uchar>(m * k / 255);
        row[3 * x + 2] = static_cast<uchar>(y * k / 255);
    }
}

// No object with a destructor lives in this frame after setjmp, so the jump
// back skips nothing.
bool decompress(const QByteArray* data, QImage* out) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failJpeg;
    errors.manager.emit_message = quietJpeg;
    errors.manager.output_message = quietOutput;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = cmyk ? JCS_CMYK : (gray ? JCS_GRAYSCALE : JCS_RGB);
    jpeg_start_decompress(&info);
    const unsigned long pixels = static_cast<unsigned long>(info.output_width) * info.output_height;
    if (pixels == 0 || pixels > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const auto width = static_cast<int>(info.output_width);
    const auto height = static_cast<int>(info.output_height);
    // CMYK rows are decoded into a wider image and packed to RGB in place.
    *out = QImage(cmyk ? width * 4 / 3 + 1 : width, height,
                  gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            convertCmykRow(row, width, info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (cmyk) {
        *out = out->copy(0, 0, width, height);
    }
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
    QImage image;
    if (data.isEmpty() || !decompress(&data, &image)) {
        return {};
    }
    return image;
}

}  // namespace tallyrix
