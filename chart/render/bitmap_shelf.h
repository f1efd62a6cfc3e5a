#pragma once
// Bitmaps of whole frames kept between paints, on the painting thread: a
// fresh one of a frame's size costs its pages' faults on every paint, which
// is more than drawing a busy frame.

#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

class BitmapShelf {
  public:
    // The shelf of frames, whose pixels are anything, and the one of
    // scratches, whose pixels are all 0 whenever they are on it.
    static BitmapShelf& frames();
    static BitmapShelf& scratches();

    // A bitmap of that size with every pixel fill (0 on the scratches'
    // shelf): one from the shelf, or a new one.
    gfx::Bitmap take(gfx::Size size, gfx::Pixel fill);
    void put(gfx::Bitmap bitmap);

  private:
    explicit BitmapShelf(bool refills) : refills_(refills) {}

    static constexpr std::size_t kKept = 4;
    bool refills_;
    gfx::Bitmap kept_[kKept];
    std::size_t next_ = 0;
};

// An off-screen surface of the target's kind for drawing one frame; on a
// raster target its bitmap comes from the frames' shelf and goes back there.
class FrameSurface {
  public:
    FrameSurface(const gfx::Canvas& target, gfx::Size size);
    ~FrameSurface();
    FrameSurface(const FrameSurface&) = delete;
    FrameSurface& operator=(const FrameSurface&) = delete;

    gfx::Canvas& canvas() { return *canvas_; }

  private:
    std::unique_ptr<gfx::Canvas> canvas_;
    gfx::Bitmap* shelved_ = nullptr;
};

}  // namespace brennix::chart
