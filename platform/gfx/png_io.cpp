#include "platform/gfx/png_io.h"

#include <png.h>

#include <vector>

namespace brennix::gfx {
namespace {

// The simplified libpng interface reports errors in the image record
// instead of jumping out of our frames.
struct PngImage {
    png_image image{};
    PngImage() { image.version = PNG_IMAGE_VERSION; }
    ~PngImage() { png_image_free(&image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    std::string message() const { return image.message; }
};

}  // namespace

bool savePng(const Bitmap& bitmap, const std::string& path, std::string& error) {
    if (bitmap.isEmpty()) {
        error = "cannot write an empty bitmap to " + path;
        return false;
    }
    std::vector<png_byte> rgb(static_cast<std::size_t>(bitmap.width()) * bitmap.height() * 3);
    std::size_t i = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        const Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            rgb[i++] = static_cast<png_byte>(row[x] >> 16);
            rgb[i++] = static_cast<png_byte>(row[x] >> 8);
            rgb[i++] = static_cast<png_byte>(row[x]);
        }
    }
    PngImage png;
    png.image.width = static_cast<png_uint_32>(bitmap.width());
    png.image.height = static_cast<png_uint_32>(bitmap.height());
    png.image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&png.image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
        error = "cannot write " + path + ": " + png.message();
        return false;
    }
    return true;
}

std::optional<Bitmap> loadPng(const std::string& path, std::string& error) {
    PngImage png;
    if (png_image_begin_read_from_file(&png.image, path.c_str()) == 0) {
        error = "cannot read " + path + ": " + png.message();
        return std::nullopt;
    }
    const png_uint_32 w = png.image.width;
    const png_uint_32 h = png.image.height;
    if (w == 0 || h == 0 || w > static_cast<png_uint_32>(Bitmap::kMaxSide) ||
        h > static_cast<png_uint_32>(Bitmap::kMaxSide)) {
        error = path + " is " + std::to_string(w) + " x " + std::to_string(h) +
                " pixels, outside what a bitmap holds";
        return std::nullopt;
    }
    png.image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png.image));
    png_color white{255, 255, 255};
    if (png_image_finish_read(&png.image, &white, rgb.data(), 0, nullptr) == 0) {
        error = "cannot decode " + path + ": " + png.message();
        return std::nullopt;
    }
    Bitmap bitmap(static_cast<int>(w), static_cast<int>(h));
    std::size_t i = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x, i += 3) {
            row[x] = 0xFF000000U | (Pixel{rgb[i]} << 16) | (Pixel{rgb[i + 1]} << 8) | rgb[i + 2];
        }
    }
    return bitmap;
}

}  // namespace brennix::gfx
