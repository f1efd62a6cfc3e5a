#include "platform/gfx/pen_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/gfx/ellipse_path.h"

namespace brennix::gfx {
namespace {

// Beyond this a rectangle's sides could overflow; no surface reaches it.
constexpr int kNear = 1 << 28;

Point pulledIn(Point p) {
    return {std::clamp(p.x, -kNear, kNear), std::clamp(p.y, -kNear, kNear)};
}

// The pixels of a thin line along a row or a column, from a up to b with b
// left out; nothing for a line of no length or one that is not straight.
std::optional<Rect> thinStraight(Point a, Point b) {
    if ((a.x == b.x) == (a.y == b.y)) {
        return std::nullopt;
    }
    const int dx = (b.x > a.x) - (b.x < a.x);
    const int dy = (b.y > a.y) - (b.y < a.y);
    return Rect{std::min(a.x, b.x) + (dx < 0), std::min(a.y, b.y) + (dy < 0),
                std::max(a.x, b.x) + 1 - (dx > 0), std::max(a.y, b.y) + 1 - (dy > 0)};
}

// Ends further out than this are stepped pixel by pixel: the band's corner
// arithmetic stays exact below it.
constexpr std::int64_t kBandReach = std::int64_t{1} << 20;

// floor(w * m / (2 L)) and floor(w * m / (2 L) + 1/2) for L = sqrt(l2),
// exact for pens up to kMaxPenWidth and ends within kBandReach.
struct HalfWidth {
    std::int64_t whole;
    std::int64_t nearest;
};

HalfWidth halfWidthAlong(std::int64_t w, std::int64_t m, std::int64_t l2) {
    const std::int64_t wm2 = w * w * m * m;
    const double v = static_cast<double>(w * m) / (2.0 * std::sqrt(static_cast<double>(l2)));
    auto largest = [&](std::int64_t n, auto fits) {
        n = std::max<std::int64_t>(n, 0);
        while (n > 0 && !fits(n)) {
            --n;
        }
        while (fits(n + 1)) {
            ++n;
        }
        return n;
    };
    const std::int64_t whole = largest(static_cast<std::int64_t>(v),
                                       [&](std::int64_t n) { return 4 * n * n * l2 <= wm2; });
    const std::int64_t nearest = largest(static_cast<std::int64_t>(v + 0.5), [&](std::int64_t n) {
        return n <= 0 || (2 * n - 1) * (2 * n - 1) * l2 <= wm2;
    });
    return {whole, nearest};
}

}  // namespace

void PenPainter::configure(const PenSetup& setup) {
    width_ = std::clamp(setup.width, 1, kMaxPenWidth);
    color_ = setup.color;
    gap_ = setup.gapColor;
    paintGaps_ = setup.paintGaps;
    phase_ = 0;
    disc_.clear();
    discSquare_ = false;
    discX0_ = 0;
    discX1_ = 0;
    if (setup.style == PenStyle::Null) {
        mode_ = Mode::Null;
        return;
    }
    if (width_ > 1) {
        mode_ = Mode::Wide;
        // The pen's dot is the filled ellipse of the w x w box from -w/2 to
        // -w/2+w-1 around the centre pixel (an even width puts the extra row
        // above and the extra column left).
        const int w = width_;
        const int first = -(w / 2);
        const Rect box{first, first, first + w, first + w};
        EllipseOutline dot;
        if (w <= 2) {
            for (int dy = first; dy < first + w; ++dy) {
                disc_.push_back({dy, first, first + w});
            }
        } else if (traceEllipse(box, dot)) {
            for (const EllipseRow& r : dot.rows) {
                disc_.push_back({r.y, r.outerLeft, r.outerRight + 1});
            }
        }
        for (const DiscRow& r : disc_) {
            discX0_ = std::min(discX0_, r.x0);
            discX1_ = std::max(discX1_, r.x1);
        }
        discSquare_ = std::all_of(disc_.begin(), disc_.end(), [&](const DiscRow& r) {
            return r.x0 == discX0_ && r.x1 == discX1_;
        });
        diagonalReady_ = 0;
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
            if ((a.x == b.x) != (a.y == b.y)) {
                // Far ends lie off any surface; pulled in, the sides cannot overflow.
                if (const std::optional<Rect> r = thinStraight(pulledIn(a), pulledIn(b))) {
                    t.fill(*r, c);
                }
                return;
            }
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
            if ((a.x == b.x) != (a.y == b.y)) {
                wideStraight(t, a, b, reach);
                return;
            }
            if (a == b) {
                point(t, a);  // a figure of no size still shows the pen's dot
                return;
            }
            const auto far = [](Point p) {
                return std::llabs(p.x) > kBandReach || std::llabs(p.y) > kBandReach;
            };
            if (far(a) || far(b)) {
                stepLine(a, b, reach, [&](int x, int y, std::int64_t) { stamp(t, x, y); });
                return;
            }
            if (std::abs(b.x - a.x) == 1 && std::abs(b.y - a.y) == 1) {
                const int k = (b.x > a.x) + 2 * (b.y > a.y);
                if ((diagonalReady_ & (1U << k)) == 0) {
                    prepareDiagonal(k);
                }
                for (const DiscRow& r : diagonal_[static_cast<std::size_t>(k)]) {
                    t.span(a.y + r.dy, a.x + r.x0, a.x + r.x1, color_);
                }
                return;
            }
            wideSloped(t, a, b);
            return;
        }
    }
}

void PenPainter::prepareDiagonal(int k) {
    const Point b{(k & 1) != 0 ? 1 : -1, (k & 2) != 0 ? 1 : -1};
    Point corners[4];
    bandCorners({0, 0}, b, corners);
    std::vector<DiscRow> rows = disc_;
    const Rect all{-2 * kMaxPenWidth, -2 * kMaxPenWidth, 2 * kMaxPenWidth, 2 * kMaxPenWidth};
    band_.forEachSpan(corners, FillRule::EvenOdd, all, [&](int y, int x0, int x1) {
        if (x0 < x1) {
            rows.push_back({y, x0, x1});
        }
    });
    // Overlapping spans of a row merged, so that each pixel is written once.
    std::sort(rows.begin(), rows.end(), [](const DiscRow& p, const DiscRow& q) {
        return p.dy != q.dy ? p.dy < q.dy : p.x0 < q.x0;
    });
    std::vector<DiscRow>& merged = diagonal_[static_cast<std::size_t>(k)];
    merged.clear();
    for (const DiscRow& r : rows) {
        if (!merged.empty() && merged.back().dy == r.dy && r.x0 <= merged.back().x1) {
            merged.back().x1 = std::max(merged.back().x1, r.x1);
        } else {
            merged.push_back(r);
        }
    }
    diagonalReady_ |= 1U << k;
}

void PenPainter::wideSloped(RasterTarget& t, Point a, Point b) {
    point(t, a);
    Point corners[4];
    bandCorners(a, b, corners);
    band_.fill(t, corners, FillRule::EvenOdd, color_);
}

void PenPainter::bandCorners(Point a, Point b, Point (&corners)[4]) const {
    // The band's half-width w/2 across the segment, split into its column
    // and row parts. The side whose column part points right lies a pixel
    // further out than the nearest whole pixel (rounded away from the line,
    // past an exact whole), the other side at the nearest (halves away).
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t l2 = dx * dx + dy * dy;
    const HalfWidth across = halfWidthAlong(width_, std::llabs(dy), l2);
    const HalfWidth along = halfWidthAlong(width_, std::llabs(dx), l2);
    // The right-pointing side's row part has the sign of -dx * sign(dy).
    const int rowSign = (dy > 0) == (dx > 0) ? -1 : 1;
    const Point outer{static_cast<int>(across.whole + 1),
                      static_cast<int>(rowSign * (along.whole + 1))};
    const Point inner{static_cast<int>(-across.nearest),
                      static_cast<int>(-rowSign * along.nearest)};
    corners[0] = {a.x + outer.x, a.y + outer.y};
    corners[1] = {b.x + outer.x, b.y + outer.y};
    corners[2] = {b.x + inner.x, b.y + inner.y};
    corners[3] = {a.x + inner.x, a.y + inner.y};
}

void PenPainter::wideStraight(RasterTarget& t, Point a, Point b, const Rect& reach) {
    const bool horizontal = a.y == b.y;
    const std::int64_t from = horizontal ? a.x : a.y;
    const std::int64_t to = horizontal ? b.x : b.y;
    const int across = horizontal ? a.y : a.x;
    // The stamped path pixels: from up to to, to excluded, inside the reach.
    std::int64_t lo = from < to ? from : to + 1;
    std::int64_t hi = from < to ? to - 1 : from;
    lo = std::max<std::int64_t>(lo, horizontal ? reach.left : reach.top);
    hi = std::min<std::int64_t>(hi, (horizontal ? reach.right : reach.bottom) - 1);
    const bool acrossInside = horizontal ? across >= reach.top && across < reach.bottom
                                         : across >= reach.left && across < reach.right;
    if (lo > hi || !acrossInside || disc_.empty()) {
        return;
    }
    const int first = static_cast<int>(lo);
    const int last = static_cast<int>(hi);
    if (horizontal) {
        // Each disc row sweeps one span along the path.
        for (const DiscRow& r : disc_) {
            t.span(across + r.dy, first + r.x0, last + r.x1, color_);
        }
        return;
    }
    // Going down a column, a row meets the disc rows whose centres lie on the
    // path; their spans all share the centre column, so they join into one.
    const int dyMin = disc_.front().dy;
    const int dyMax = disc_.back().dy;
    // Rows the whole disc sweeps over take its widest row.
    const int fullFrom = first + dyMax;
    const int fullTo = last + dyMin;
    if (fullFrom <= fullTo) {
        t.fill({across + discX0_, fullFrom, across + discX1_, fullTo + 1}, color_);
    }
    for (int y = first + dyMin; y <= last + dyMax; ++y) {
        if (y == fullFrom && fullFrom <= fullTo) {
            y = fullTo;
            continue;
        }
        int x0 = discX1_;
        int x1 = discX0_;
        for (const DiscRow& r : disc_) {
            if (r.dy >= y - last && r.dy <= y - first) {
                x0 = std::min(x0, r.x0);
                x1 = std::max(x1, r.x1);
            }
        }
        t.span(y, across + x0, across + x1, color_);
    }
}

std::optional<Rect> PenPainter::lineArea(Point a, Point b) const {
    const Rect nothing{a.x, a.y, a.x, a.y};
    if (mode_ == Mode::Null) {
        return nothing;
    }
    const bool straight = a.x == b.x || a.y == b.y;
    if (!straight || pulledIn(a) != a || pulledIn(b) != b) {
        return std::nullopt;
    }
    const Rect path{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                    std::max(a.y, b.y) + 1};
    switch (mode_) {
        case Mode::Solid:
            return a == b ? nothing : thinStraight(a, b);
        case Mode::Wide:
            if (!discSquare_ || disc_.empty()) {
                return std::nullopt;
            }
            return Rect{path.left + discX0_, path.top + disc_.front().dy, path.right - 1 + discX1_,
                        path.bottom + disc_.back().dy};
        default:
            return std::nullopt;
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
