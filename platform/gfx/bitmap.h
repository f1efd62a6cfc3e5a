#pragma once
// A 32-bit pixel buffer, one 0xFFRRGGBB word per pixel, rows top to bottom.

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

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Pixel* data() { return pixels_.data(); }
    const Pixel* data() const { return pixels_.data(); }

    // Outside the bitmap: pixel() reads 0, setPixel() does nothing.
    Pixel pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : 0; }
    ColorRef colorAt(int x, int y) const { return toColorRef(pixel(x, y)); }
    void setPixel(int x, int y, Pixel p) {
        if (contains(x, y)) {
            row(y)[x] = p;
        }
    }
    void fill(Pixel p);

    bool operator==(const Bitmap&) const = default;

  private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace brennix::gfx
