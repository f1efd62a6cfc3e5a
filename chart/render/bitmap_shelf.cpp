#include "chart/render/bitmap_shelf.h"

#include <utility>

#include "platform/gfx/raster_canvas.h"

namespace brennix::chart {

BitmapShelf& BitmapShelf::frames() {
    thread_local BitmapShelf shelf(true);
    return shelf;
}

BitmapShelf& BitmapShelf::scratches() {
    thread_local BitmapShelf shelf(false);
    return shelf;
}

gfx::Bitmap BitmapShelf::take(gfx::Size size, gfx::Pixel fill) {
    for (gfx::Bitmap& bitmap : kept_) {
        if (!bitmap.isEmpty() && bitmap.size() == size) {
            gfx::Bitmap taken = std::exchange(bitmap, gfx::Bitmap());
            if (refills_) {
                taken.fill(fill);
            }
            return taken;
        }
    }
    return gfx::Bitmap(size.cx, size.cy, fill);
}

void BitmapShelf::put(gfx::Bitmap bitmap) {
    if (bitmap.isEmpty()) {
        return;
    }
    for (gfx::Bitmap& kept : kept_) {
        if (kept.isEmpty()) {
            kept = std::move(bitmap);
            return;
        }
    }
    // The oldest one makes room.
    kept_[next_] = std::move(bitmap);
    next_ = (next_ + 1) % kKept;
}

FrameSurface::FrameSurface(const gfx::Canvas& target, gfx::Size size) {
    if (dynamic_cast<const gfx::RasterCanvas*>(&target) == nullptr) {
        canvas_ = target.createCompatible(size);
        return;
    }
    // Made empty, with the target's fonts, then given its pixels.
    canvas_ = target.createCompatible({0, 0});
    auto& raster = static_cast<gfx::RasterCanvas&>(*canvas_);
    raster.bitmap() = BitmapShelf::frames().take(size, gfx::toPixel(gfx::rgb(255, 255, 255)));
    shelved_ = &raster.bitmap();
}

FrameSurface::~FrameSurface() {
    if (shelved_ != nullptr) {
        BitmapShelf::frames().put(std::exchange(*shelved_, gfx::Bitmap()));
    }
}

}  // namespace brennix::chart
