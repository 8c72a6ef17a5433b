#include "canvas/png_reader.h"

#include <png.h>

#include <cstring>
#include <limits>

namespace kolvar {

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// Finishes a read begun on `image`: converts any PNG to packed RGB.
std::optional<Bitmap> Finish(png_image& image, const std::string& what, std::string* error) {
    image.format = PNG_FORMAT_RGB;
    // Far larger than any picture the program uses; keeps the int sizes of Bitmap safe.
    if (image.width > 30000 || image.height > 30000) {
        png_image_free(&image);
        SetError(error, what + ": image too large");
        return std::nullopt;
    }
    Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    png_color black{0, 0, 0};
    if (png_image_finish_read(&image, &black, bitmap.Data(), bitmap.Stride(), nullptr) == 0) {
        SetError(error, what + ": " + image.message);
        png_image_free(&image);
        return std::nullopt;
    }
    return bitmap;
}

png_image NewImage() {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    return image;
}

}  // namespace

std::optional<Bitmap> ReadPng(const std::string& path, std::string* error) {
    png_image image = NewImage();
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        SetError(error, path + ": " + image.message);
        png_image_free(&image);
        return std::nullopt;
    }
    return Finish(image, path, error);
}

std::optional<Bitmap> ReadPngBytes(const unsigned char* data, std::size_t size, std::string* error) {
    png_image image = NewImage();
    if (data == nullptr || png_image_begin_read_from_memory(&image, data, size) == 0) {
        SetError(error, std::string("PNG bytes: ") + (data ? image.message : "no data"));
        png_image_free(&image);
        return std::nullopt;
    }
    return Finish(image, "PNG bytes", error);
}

}  // namespace kolvar
