#include "app/pngfile.h"

#include <QIODevice>
#include <QImage>

#include <png.h>

namespace {

// One row filter (Up) and zlib level 1: QImageWriter tries all five filters on every row, which
// on these flat-coloured charts costs more than the compression and saves little.
constexpr int kPngLevel = 1;

[[noreturn]] void PngFailed(png_structp png, png_const_charp /*message*/) {
    png_longjmp(png, 1);
}

void PngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (out->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "write");
}

void PngFlush(png_structp /*png*/) {}

} // namespace

// No C++ object lives between the setjmp and libpng's longjmp on an error.
bool EncodePng(const QImage& image, QIODevice& out) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFailed, PngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, kPngLevel);
    png_write_info(png, info);
    // RGB32 pixels are 0xffRRGGBB words: in memory B, G, R, 0xff on little-endian machines.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}
