#include "canvas/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace kolvar {

namespace {

struct Sink {
    std::vector<unsigned char>* Out;
    std::string Error;
};

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    sink->Out->insert(sink->Out->end(), data, data + length);
}

void NoFlush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
    static_cast<Sink*>(png_get_error_ptr(png))->Error = message;
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Everything that setjmp may return into lives outside this function's frame.
bool Encode(png_structp png, png_infop info, const Bitmap& bitmap, const PngOptions& options,
            std::vector<png_const_bytep>& rows) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()),
                 static_cast<png_uint_32>(bitmap.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, options.Level);
    png_set_compression_strategy(png, options.Strategy);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, options.Filters);
    // Large IDAT chunks: fewer calls into zlib and fewer chunk headers.
    png_set_compression_buffer_size(png, 256 * 1024);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, info);
    return true;
}

}  // namespace

bool EncodePng(const Bitmap& bitmap, std::vector<unsigned char>& out, std::string& error,
               const PngOptions& options) {
    out.clear();
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) {
        error = "cannot encode an empty image";
        return false;
    }
    Sink sink{&out, {}};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        error = "cannot encode PNG: out of memory";
        return false;
    }
    png_set_write_fn(png, &sink, Append, NoFlush);
    std::vector<png_const_bytep> rows(static_cast<std::size_t>(bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
        rows[static_cast<std::size_t>(y)] = bitmap.Data() + y * bitmap.Stride();
    out.reserve(static_cast<std::size_t>(bitmap.Stride()) * static_cast<std::size_t>(bitmap.Height()) / 16);
    const bool encoded = Encode(png, info, bitmap, options, rows);
    png_destroy_write_struct(&png, &info);
    if (!encoded) {
        out.clear();
        error = "cannot encode PNG: " + sink.Error;
    }
    return encoded;
}

}  // namespace kolvar
