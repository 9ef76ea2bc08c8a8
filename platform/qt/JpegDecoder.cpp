#include "platform/qt/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace velmar {
namespace {

// libjpeg's default error handler calls exit(); ours jumps back to the decoder.
struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// A guard against pictures whose header promises absurd sizes.
constexpr unsigned long kMaxPixels = 64UL * 1024 * 1024;

struct RawPicture {
    unsigned char* pixels = nullptr; // RGB, 3 bytes a pixel, malloc'ed
    unsigned width = 0, height = 0;
};

// Plain C-style body: nothing with a destructor lives between setjmp and the
// jumps, so the jump skips no cleanup.
bool decodeRaw(const unsigned char* data, unsigned long size, RawPicture* out, char* errorText, size_t errorSize) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.output_message = ignoreMessage;
    errors.message[0] = '\0';
    unsigned char* volatile pixels = nullptr;

    if (setjmp(errors.jump)) {
        std::snprintf(errorText, errorSize, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        std::snprintf(errorText, errorSize, "CMYK pictures are not supported");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const unsigned long width = info.output_width, height = info.output_height;
    if (width == 0 || height == 0 || width * height > kMaxPixels || info.output_components != 3) {
        std::snprintf(errorText, errorSize, "unsupported picture size or format");
        jpeg_destroy_decompress(&info);
        return false;
    }
    pixels = static_cast<unsigned char*>(std::malloc(width * height * 3));
    if (!pixels) {
        std::snprintf(errorText, errorSize, "not enough memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out->pixels = pixels;
    out->width = static_cast<unsigned>(width);
    out->height = static_cast<unsigned>(height);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error) {
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty picture data");
        return {};
    }
    RawPicture raw;
    char errorText[JMSG_LENGTH_MAX + 64] = {};
    if (!decodeRaw(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
                   &raw, errorText, sizeof errorText)) {
        if (error)
            *error = QString::fromLocal8Bit(errorText);
        return {};
    }
    QImage image(static_cast<int>(raw.width), static_cast<int>(raw.height), QImage::Format_RGB32);
    for (unsigned y = 0; y < raw.height && !image.isNull(); ++y) {
        const unsigned char* src = raw.pixels + static_cast<size_t>(y) * raw.width * 3;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (unsigned x = 0; x < raw.width; ++x)
            dst[x] = qRgb(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
    }
    std::free(raw.pixels);
    if (image.isNull() && error)
        *error = QStringLiteral("not enough memory");
    return image;
}

} // namespace velmar
