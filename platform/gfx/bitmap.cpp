#include "platform/gfx/bitmap.h"

#include <algorithm>

namespace brennix::gfx {

Bitmap::Bitmap(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Bitmap::fill(Pixel p) {
    std::fill(pixels_.begin(), pixels_.end(), p);
}

}  // namespace brennix::gfx
