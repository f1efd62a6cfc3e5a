#include "platform/gfx/bitmap.h"

#include <algorithm>
#include <utility>

namespace brennix::gfx {

Bitmap::Bitmap(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return;
    }
    width_ = width;
    height_ = height;
    stride_ = width;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    base_ = pixels_.data();
}

Bitmap Bitmap::borrow(Pixel* pixels, int width, int height, std::ptrdiff_t stride) {
    Bitmap b;
    if (pixels == nullptr || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        stride < width) {
        return b;
    }
    b.width_ = width;
    b.height_ = height;
    b.stride_ = stride;
    b.base_ = pixels;
    return b;
}

Bitmap::Bitmap(const Bitmap& other) : width_(other.width_), height_(other.height_) {
    if (other.isEmpty()) {
        width_ = height_ = 0;
        return;
    }
    stride_ = width_;
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    base_ = pixels_.data();
    for (int y = 0; y < height_; ++y) {
        std::copy_n(other.row(y), width_, row(y));
    }
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        *this = Bitmap(other);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      base_(std::exchange(other.base_, nullptr)),
      pixels_(std::move(other.pixels_)) {
    other.pixels_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        stride_ = std::exchange(other.stride_, 0);
        base_ = std::exchange(other.base_, nullptr);
        // The buffer moves with its address, so base_ still points into it.
        pixels_ = std::move(other.pixels_);
        other.pixels_.clear();
    }
    return *this;
}

bool Bitmap::operator==(const Bitmap& other) const {
    if (width_ != other.width_ || height_ != other.height_) {
        return false;
    }
    for (int y = 0; y < height_; ++y) {
        if (!std::equal(row(y), row(y) + width_, other.row(y))) {
            return false;
        }
    }
    return true;
}

void Bitmap::fill(Pixel p) {
    for (int y = 0; y < height_; ++y) {
        std::fill_n(row(y), width_, p);
    }
}

}  // namespace brennix::gfx
