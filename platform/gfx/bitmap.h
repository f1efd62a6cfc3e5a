#pragma once
// A 32-bit pixel buffer, one 0xFFRRGGBB word per pixel, rows top to bottom.
// Rows are stride() pixels apart: width() for a bitmap that owns its pixels,
// more for one borrowed over another owner's memory.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace brennix::gfx {

using Pixel = std::uint32_t;

constexpr Pixel toPixel(ColorRef c) {
    return 0xFF000000U | (static_cast<Pixel>(redOf(c)) << 16) |
           (static_cast<Pixel>(greenOf(c)) << 8) | blueOf(c);
}
constexpr ColorRef toColorRef(Pixel p) {
    return rgb(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
               static_cast<std::uint8_t>(p));
}

class Bitmap {
  public:
    // Larger sides are refused: the bitmap comes out empty rather than
    // allocating gigabytes for a mistaken size.
    static constexpr int kMaxSide = 16384;

    Bitmap() = default;
    explicit Bitmap(int width, int height, Pixel fill = toPixel(rgb(255, 255, 255)));
    // Over memory someone else owns, such as a paint device's: nothing is
    // copied or freed. The memory must outlive the bitmap and every canvas
    // drawing on it. Drawing touches only `width` pixels of each row. A bad
    // size, a null pointer or a stride below the width give an empty bitmap.
    static Bitmap borrow(Pixel* pixels, int width, int height, std::ptrdiff_t stride);

    // A copy owns its pixels, even of a borrowed bitmap; a move keeps them
    // where they are and leaves the source empty.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    // Pixels from one row to the next.
    std::ptrdiff_t stride() const { return stride_; }
    bool isBorrowed() const { return base_ != nullptr && pixels_.empty(); }

    Pixel* row(int y) { return base_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    const Pixel* row(int y) const { return base_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    // The first row; the rest follow at stride().
    Pixel* data() { return base_; }
    const Pixel* data() const { return base_; }

    // Outside the bitmap: pixel() reads 0, setPixel() does nothing.
    Pixel pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : 0; }
    ColorRef colorAt(int x, int y) const { return toColorRef(pixel(x, y)); }
    void setPixel(int x, int y, Pixel p) {
        if (contains(x, y)) {
            row(y)[x] = p;
        }
    }
    void fill(Pixel p);

    // Same size and pixels, wherever they are kept.
    bool operator==(const Bitmap& other) const;

  private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    Pixel* base_ = nullptr;      // row 0, in pixels_ or borrowed
    std::vector<Pixel> pixels_;  // empty when borrowed
};

}  // namespace brennix::gfx
