#include "platform/gfx/pen_painter.h"

#include <algorithm>

namespace brennix::gfx {

void PenPainter::configure(const PenSetup& setup) {
    width_ = std::clamp(setup.width, 1, kMaxPenWidth);
    color_ = setup.color;
    gap_ = setup.gapColor;
    paintGaps_ = setup.paintGaps;
    phase_ = 0;
    disc_.clear();
    if (setup.style == PenStyle::Null) {
        mode_ = Mode::Null;
        return;
    }
    if (width_ > 1) {
        mode_ = Mode::Wide;
        // Rows -w/2 .. -w/2+w-1 around the centre pixel (an even width puts
        // the extra row above and the extra column left). A pixel belongs
        // to the disc when its centre is within w/2 of the disc's centre;
        // distances are doubled to stay in integers.
        const int w = width_;
        const int first = -(w / 2);
        for (int i = 0; i < w; ++i) {
            const int dy = first + i;
            const int ey = 2 * dy - 2 * first - (w - 1);
            int x0 = 0;
            int x1 = 0;
            bool any = false;
            for (int j = 0; j < w; ++j) {
                const int ex = 2 * (first + j) - 2 * first - (w - 1);
                if (ex * ex + ey * ey <= w * w) {
                    if (!any) {
                        x0 = first + j;
                        any = true;
                    }
                    x1 = first + j + 1;
                }
            }
            if (any) {
                disc_.push_back({dy, x0, x1});
            }
        }
        return;
    }
    switch (setup.style) {
        case PenStyle::Dash:
            mode_ = Mode::Pattern;
            on_ = 18;
            period_ = 24;
            break;
        case PenStyle::Dot:
            mode_ = Mode::Pattern;
            on_ = 3;
            period_ = 6;
            break;
        default:
            mode_ = Mode::Solid;
            break;
    }
}

void PenPainter::segment(RasterTarget& t, Point a, Point b) {
    switch (mode_) {
        case Mode::Null:
            return;
        case Mode::Solid: {
            const Pixel c = color_;
            stepLine(a, b, t.bounds(),
                     [&](int x, int y, std::int64_t) { t.putUnchecked(x, y, c); });
            return;
        }
        case Mode::Pattern: {
            const int start = phase_;
            const std::int64_t steps =
                stepLine(a, b, t.bounds(), [&](int x, int y, std::int64_t k) {
                    const int ph = static_cast<int>((start + k) % period_);
                    if (ph < on_) {
                        t.putUnchecked(x, y, color_);
                    } else if (paintGaps_) {
                        t.putUnchecked(x, y, gap_);
                    }
                });
            phase_ = static_cast<int>((start + steps) % period_);
            return;
        }
        case Mode::Wide: {
            const Rect reach = t.bounds().deflated(-width_, -width_);
            stepLine(a, b, reach, [&](int x, int y, std::int64_t) { stamp(t, x, y); });
            return;
        }
    }
}

void PenPainter::point(RasterTarget& t, Point p) {
    switch (mode_) {
        case Mode::Null:
            return;
        case Mode::Solid:
            t.put(p.x, p.y, color_);
            return;
        case Mode::Pattern:
            patterned(t, p.x, p.y);
            return;
        case Mode::Wide:
            // Far outside, the stamp could not reach the bitmap and its
            // offsets could overflow.
            if (p.x >= -width_ && p.y >= -width_ && p.x - t.width() < width_ &&
                p.y - t.height() < width_) {
                stamp(t, p.x, p.y);
            }
            return;
    }
}

void PenPainter::points(RasterTarget& t, std::span<const Point> path) {
    for (const Point& p : path) {
        point(t, p);
    }
}

}  // namespace brennix::gfx
