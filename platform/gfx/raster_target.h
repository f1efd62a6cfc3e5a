#pragma once
// Pixel writes for the rasterizer: direct row access, clipped to the bitmap.
// Everything here is inline so that the hot loops make no calls.

#include <algorithm>

#include "platform/gfx/bitmap.h"

namespace brennix::gfx {

class RasterTarget {
  public:
    explicit RasterTarget(Bitmap& bitmap)
        : pixels_(bitmap.data()),
          stride_(bitmap.stride()),
          width_(bitmap.width()),
          height_(bitmap.height()) {}

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    // Caller guarantees (x, y) is inside.
    void putUnchecked(int x, int y, Pixel p) {
        pixels_[static_cast<std::ptrdiff_t>(y) * stride_ + x] = p;
    }
    void put(int x, int y, Pixel p) {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(height_)) {
            putUnchecked(x, y, p);
        }
    }
    // Columns x0 .. x1-1 of row y.
    void span(int y, int x0, int x1, Pixel p) {
        if (static_cast<unsigned>(y) >= static_cast<unsigned>(height_)) {
            return;
        }
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width_);
        if (x0 < x1) {
            Pixel* row = pixels_ + static_cast<std::ptrdiff_t>(y) * stride_;
            std::fill(row + x0, row + x1, p);
        }
    }
    void span(int y, int x0, int x1, Pixel p, const Rect& clip) {
        if (y < clip.top || y >= clip.bottom) {
            return;
        }
        span(y, std::max(x0, clip.left), std::min(x1, clip.right), p);
    }
    void fill(const Rect& r, Pixel p) {
        const Rect c = r.intersected(bounds());
        const int n = c.right - c.left;
        if (n <= 0) {
            return;
        }
        Pixel* row = pixels_ + static_cast<std::ptrdiff_t>(c.top) * stride_ + c.left;
        for (int y = c.top; y < c.bottom; ++y, row += stride_) {
            // Columns a few pixels wide (cursors, wide pens going down) are
            // cheaper written in place than handed to a fill per row.
            if (n <= 4) {
                for (int i = 0; i < n; ++i) {
                    row[i] = p;
                }
            } else {
                std::fill(row, row + n, p);
            }
        }
    }

  private:
    Pixel* pixels_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
};

}  // namespace brennix::gfx
