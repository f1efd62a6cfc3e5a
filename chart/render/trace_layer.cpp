#include "chart/render/trace_layer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "chart/render/bitmap_shelf.h"
#include "platform/gfx/line_stepper.h"
#include "platform/gfx/raster_target.h"
#include "platform/gfx/selection.h"

namespace brennix::chart {
namespace {

constexpr int kNoTop = std::numeric_limits<int>::max();
constexpr int kNoBottom = std::numeric_limits<int>::min();
// Corners further out take the surface's own polygon path, whose arithmetic
// pulls them in.
constexpr int kNear = 1 << 24;

bool near(const gfx::Point& p) {
    return std::abs(p.x) <= kNear && std::abs(p.y) <= kNear;
}

}  // namespace

std::unique_ptr<TraceLayer> TraceLayer::make(gfx::Canvas& target) {
    auto* raster = dynamic_cast<gfx::RasterCanvas*>(&target);
    if (raster == nullptr || raster->bitmap().isEmpty()) {
        return nullptr;
    }
    return std::unique_ptr<TraceLayer>(new TraceLayer(*raster));
}

TraceLayer::TraceLayer(gfx::RasterCanvas& target) : target_(target), scratch_({0, 0}) {
    const gfx::Size size = target.bitmap().size();
    // Drawing writes opaque pixels only, so 0 marks a pixel nothing drew.
    scratch_.bitmap() = BitmapShelf::scratches().take(size, 0);
    const auto columns = static_cast<std::size_t>(size.cx);
    drawnTop_.assign(columns, kNoTop);
    drawnBottom_.assign(columns, kNoBottom);
    top_.assign(columns, kNoTop);
    bottom_.assign(columns, kNoBottom);
    drawnLeft_ = size.cx;
    skyLeft_ = size.cx;
}

TraceLayer::~TraceLayer() {
    compose();
    // Composing wiped every pixel drawn.
    BitmapShelf::scratches().put(std::exchange(scratch_.bitmap(), gfx::Bitmap()));
}

void TraceLayer::begin() {
    if (active_) {
        return;
    }
    active_ = true;
    // Dashes paint their gaps in the background, so it must be the target's.
    const gfx::ColorRef background = target_.setBackgroundColor(0);
    target_.setBackgroundColor(background);
    scratch_.setBackgroundColor(background);
    const gfx::BackgroundMode mode = target_.setBackgroundMode(gfx::BackgroundMode::Opaque);
    target_.setBackgroundMode(mode);
    scratch_.setBackgroundMode(mode);
    scratch_.moveTo(target_.currentPosition());
}

gfx::Canvas& TraceLayer::scratch() {
    begin();
    return scratch_;
}

void TraceLayer::touched(const gfx::Rect& area) {
    const gfx::Rect c = area.normalized().intersected(scratch_.bitmap().bounds());
    if (c.isEmpty()) {
        return;
    }
    // Draws come a few columns at a time, each overlapping the last: written
    // only where they grow, element by element, the ranges are read back
    // without waiting on the writes before.
    for (int x = c.left; x < c.right; ++x) {
        const auto i = static_cast<std::size_t>(x);
        if (c.top < drawnTop_[i]) {
            drawnTop_[i] = c.top;
        }
        if (c.bottom - 1 > drawnBottom_[i]) {
            drawnBottom_[i] = c.bottom - 1;
        }
    }
    drawnLeft_ = std::min(drawnLeft_, c.left);
    drawnRight_ = std::max(drawnRight_, c.right - 1);
}

std::vector<TraceLayer::Run> TraceLayer::readRuns(const gfx::Bitmap& drawn, int reach) {
    std::vector<Run> runs;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) == 0) {
                continue;
            }
            if (!runs.empty() && runs.back().dy == y - reach && runs.back().dx1 == x - reach) {
                ++runs.back().dx1;
            } else {
                runs.push_back({y - reach, x - reach, x - reach + 1});
            }
        }
    }
    return runs;
}

void TraceLayer::stamp(std::span<const Run> runs, int x, int y, gfx::ColorRef color) {
    begin();
    gfx::RasterTarget t(scratch_.bitmap());
    const gfx::Pixel pixel = gfx::pixelOf(color);
    int top = y;
    int bottom = y;
    int left = x;
    int right = x;
    for (const Run& run : runs) {
        t.span(y + run.dy, x + run.dx0, x + run.dx1, pixel);
        top = std::min(top, y + run.dy);
        bottom = std::max(bottom, y + run.dy);
        left = std::min(left, x + run.dx0);
        right = std::max(right, x + run.dx1);
    }
    touched({left, top, right, bottom + 1});
}

void TraceLayer::fill(const std::array<gfx::Point, 4>& corners, gfx::ColorRef color) {
    const gfx::Pixel pixel = gfx::pixelOf(color);
    const gfx::Point& a = corners[0];
    const gfx::Point& p = corners[1];
    const int base = corners[2].y;
    const bool trapezoid = a.x == corners[3].x && p.x == corners[2].x && base == corners[3].y &&
                           a.x <= p.x && std::all_of(corners.begin(), corners.end(), near);
    const int lo = std::min(a.y, p.y);
    const int hi = std::max(a.y, p.y);
    if (skyline_ && (base != base_ || pixel != skyPixel_)) {
        compose();
    }
    begin();
    if (!trapezoid || (base < hi && base > lo)) {
        const gfx::ScopedPen pen(scratch_, {gfx::PenStyle::Solid, 1, color});
        const gfx::ScopedBrush brush(scratch_, {gfx::BrushStyle::Solid, color});
        scratch_.polygon(corners);
        int left = a.x;
        int right = a.x;
        int top = a.y;
        int bottom = a.y;
        for (const gfx::Point& corner : corners) {
            left = std::min(left, corner.x);
            right = std::max(right, corner.x);
            top = std::min(top, corner.y);
            bottom = std::max(bottom, corner.y);
        }
        touched({left, top, right + 1, bottom + 1});
        return;
    }
    if (a == p && a.y == base) {
        return;  // a single point, which the polygon leaves unpainted
    }
    base_ = base;
    skyPixel_ = pixel;
    const bool below = base >= hi;
    // The rows from the nearer corner to the base are whole: every column
    // from a to p.
    const int near0 = below ? hi : base;
    const int near1 = below ? base : lo;
    const int left = std::max(a.x, 0);
    const int right = std::min(p.x, scratch_.bitmap().width() - 1);
    if (left > right) {
        return;  // beside the surface
    }
    const bool joined = below ? strip(corners, left, right, lo, hi, true, pixel)
                              : strip(corners, left, right, lo + 1, hi + 1, false, pixel);
    for (int x = left; x <= right; ++x) {
        const int reach = joined ? reach_[static_cast<std::size_t>(x - left)] : below ? hi : lo;
        column(x, below ? std::min(near0, reach) : near0, below ? near1 : std::max(near1, reach),
               below);
    }
}

bool TraceLayer::strip(std::span<const gfx::Point> corners, int left, int right, int first, int end,
                       bool belowPoints, gfx::Pixel pixel) {
    gfx::Bitmap& bitmap = scratch_.bitmap();
    // Unclipped, a strip is the same shape wherever its corners lie: it is
    // worked out once for each step from one point to the next.
    const gfx::Point a = corners[0];
    const gfx::Point p = corners[1];
    const bool whole = left == a.x && right == p.x && first >= 0 && end <= bitmap.height();
    if (whole) {
        const std::uint64_t key =
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x - a.x)) << 33) ^
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.y - a.y)) << 1) ^
            (belowPoints ? 1U : 0U);
        auto [found, fresh] = shapes_.try_emplace(key);
        Shape& shape = found->second;
        if (fresh) {
            shape.joined = stripOf(corners, left, right, first, end, belowPoints);
            shape.reach.resize(reach_.size());
            for (std::size_t i = 0; i < reach_.size(); ++i) {
                shape.reach[i] = reach_[i] - first;
            }
            if (!shape.joined) {
                const int rows = end - first;
                for (int x = left; x <= right; ++x) {
                    for (int y = first; y < end; ++y) {
                        if (grid_[static_cast<std::size_t>(x - left) * rows + (y - first)] != 0) {
                            shape.pixels.push_back({x - left, y - first});
                        }
                    }
                }
            }
        }
        if (shape.joined) {
            reach_.resize(shape.reach.size());
            for (std::size_t i = 0; i < shape.reach.size(); ++i) {
                reach_[i] = shape.reach[i] + first;
            }
            return true;
        }
        gfx::RasterTarget t(bitmap);
        for (const gfx::Point& at : shape.pixels) {
            t.putUnchecked(left + at.x, first + at.y, pixel);
        }
        touched(gfx::Rect{left, first, right + 1, end});
        return false;
    }
    const bool joined = stripOf(corners, left, right, first, end, belowPoints);
    if (joined) {
        return true;
    }
    const gfx::Rect clip = gfx::Rect{left, first, right + 1, end}.intersected(bitmap.bounds());
    const int rows = clip.height();
    gfx::RasterTarget t(bitmap);
    for (int x = clip.left; x < clip.right; ++x) {
        for (int y = clip.top; y < clip.bottom; ++y) {
            if (grid_[static_cast<std::size_t>(x - clip.left) * rows + (y - clip.top)] != 0) {
                t.putUnchecked(x, y, pixel);
            }
        }
    }
    touched(clip);
    return false;
}

bool TraceLayer::stripOf(std::span<const gfx::Point> corners, int left, int right, int first,
                         int end, bool belowPoints) {
    gfx::Bitmap& bitmap = scratch_.bitmap();
    const gfx::Rect clip = gfx::Rect{left, first, right + 1, end}.intersected(bitmap.bounds());
    const auto columns = static_cast<std::size_t>(right - left + 1);
    // Nothing of the strip shows: the columns keep to the whole rows.
    reach_.assign(columns, belowPoints ? end : first - 1);
    if (clip.isEmpty()) {
        return true;
    }
    const int rows = clip.height();
    grid_.assign(static_cast<std::size_t>(clip.width()) * rows, 0);
    const auto mark = [&](int x, int y) {
        grid_[static_cast<std::size_t>(x - clip.left) * rows + (y - clip.top)] = 1;
    };
    // The surface's own interior rule, limited to these rows.
    filler_.forEachSpan(corners, gfx::FillRule::EvenOdd, clip, [&](int y, int x0, int x1) {
        for (int x = std::max(x0, clip.left); x < std::min(x1, clip.right); ++x) {
            mark(x, y);
        }
    });
    // And its outline: each side from its corner to the next, the next left
    // out; a straight side is a rectangle, any other is stepped.
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const gfx::Point from = corners[i];
        const gfx::Point to = corners[(i + 1) % corners.size()];
        if ((from.x == to.x) != (from.y == to.y)) {
            const int dx = (to.x > from.x) - (to.x < from.x);
            const int dy = (to.y > from.y) - (to.y < from.y);
            const gfx::Rect side =
                gfx::Rect{std::min(from.x, to.x) + (dx < 0), std::min(from.y, to.y) + (dy < 0),
                          std::max(from.x, to.x) + 1 - (dx > 0),
                          std::max(from.y, to.y) + 1 - (dy > 0)}
                    .intersected(clip);
            for (int x = side.left; x < side.right; ++x) {
                for (int y = side.top; y < side.bottom; ++y) {
                    mark(x, y);
                }
            }
        } else {
            gfx::stepLine(from, to, clip, [&](int x, int y, std::int64_t) { mark(x, y); });
        }
    }
    // Each column's pixels must run on unbroken from the whole rows.
    bool joined = true;
    for (int x = clip.left; x < clip.right && joined; ++x) {
        const std::uint8_t* cells = &grid_[static_cast<std::size_t>(x - clip.left) * rows];
        int run = 0;
        if (belowPoints) {
            while (run < rows && cells[rows - 1 - run] != 0) {
                ++run;
            }
            joined = std::find(cells, cells + rows - run, 1) == cells + rows - run;
            reach_[static_cast<std::size_t>(x - left)] = clip.bottom - run;
        } else {
            while (run < rows && cells[run] != 0) {
                ++run;
            }
            joined = std::find(cells + run, cells + rows, 1) == cells + rows;
            reach_[static_cast<std::size_t>(x - left)] = clip.top + run - 1;
        }
    }
    return joined;
}

void TraceLayer::column(int x, int r0, int r1, bool belowPoints) {
    gfx::Bitmap& bitmap = scratch_.bitmap();
    const auto i = static_cast<std::size_t>(x);
    // It paints over what was drawn before it in these rows.
    const int from = std::max(r0, drawnTop_[i]);
    const int to = std::min(r1, drawnBottom_[i]);
    if (from <= to) {
        const auto stride = static_cast<std::ptrdiff_t>(bitmap.width());
        gfx::Pixel* p = bitmap.row(from) + x;
        for (int n = to - from + 1; n > 0; --n, p += stride) {
            *p = 0;
        }
        // Wiped rows at an end of what was drawn need no more wiping or
        // composing.
        if (from <= drawnTop_[i] && to >= drawnBottom_[i]) {
            drawnTop_[i] = kNoTop;
            drawnBottom_[i] = kNoBottom;
        } else if (from <= drawnTop_[i]) {
            drawnTop_[i] = to + 1;
        } else if (to >= drawnBottom_[i]) {
            drawnBottom_[i] = from - 1;
        }
    }
    if (belowPoints) {
        top_[i] = std::min(top_[i], r0);
    } else {
        bottom_[i] = std::max(bottom_[i], r1);
    }
    skyline_ = true;
    skyLeft_ = std::min(skyLeft_, x);
    skyRight_ = std::max(skyRight_, x);
}

void TraceLayer::compose() {
    if (!active_) {
        return;
    }
    active_ = false;
    gfx::Bitmap& from = scratch_.bitmap();
    gfx::Bitmap& to = target_.bitmap();
    const int height = to.height();
    // The rectangles' union is, per column, the rows from its reach above
    // the base to its reach below it.
    const auto skyRows = [&](int x, int& first, int& last) {
        first = kNoTop;
        last = kNoBottom;
        if (!skyline_ || x < skyLeft_ || x > skyRight_) {
            return;
        }
        const int top = top_[static_cast<std::size_t>(x)];
        const int bottom = bottom_[static_cast<std::size_t>(x)];
        if (top == kNoTop && bottom == kNoBottom) {
            return;
        }
        first = std::max(top == kNoTop ? base_ : top, 0);
        last = std::min(bottom == kNoBottom ? base_ : bottom, height - 1);
        if (first > last) {
            first = kNoTop;
            last = kNoBottom;
        }
    };
    // Outside the rows drawn every scratch pixel is 0. A strip of columns a
    // cache line wide is walked row by row: the union's pixels, then the
    // scratch's over them, taken and wiped; a line of each row visited
    // once, not once a column.
    constexpr int kStrip = 16;
    int left = drawnLeft_;
    int right = drawnRight_;
    if (skyline_) {
        left = std::min(left, skyLeft_);
        right = std::max(right, skyRight_);
    }
    const gfx::Pixel sky = skyPixel_;
    for (int x0 = left & ~(kStrip - 1); x0 <= right; x0 += kStrip) {
        const int l = std::max(x0, left);
        const int n = std::min(x0 + kStrip - 1, right) - l + 1;
        int skyFirst[kStrip];
        int skyLast[kStrip];
        int top = kNoTop;
        int bottom = kNoBottom;
        int drawnFirst = kNoTop;
        int drawnLast = kNoBottom;
        for (int i = 0; i < n; ++i) {
            const auto x = static_cast<std::size_t>(l + i);
            skyRows(l + i, skyFirst[i], skyLast[i]);
            drawnFirst = std::min(drawnFirst, drawnTop_[x]);
            drawnLast = std::max(drawnLast, drawnBottom_[x]);
            top = std::min({top, skyFirst[i], drawnTop_[x]});
            bottom = std::max({bottom, skyLast[i], drawnBottom_[x]});
        }
        for (int y = top; y <= bottom; ++y) {
            gfx::Pixel* dest = to.row(y) + l;
            if (y < drawnFirst || y > drawnLast) {
                for (int i = 0; i < n; ++i) {
                    const bool inSky = y >= skyFirst[i] && y <= skyLast[i];
                    dest[i] = inSky ? sky : dest[i];
                }
                continue;
            }
            gfx::Pixel* source = from.row(y) + l;
            for (int i = 0; i < n; ++i) {
                const bool inSky = y >= skyFirst[i] && y <= skyLast[i];
                const gfx::Pixel p = source[i];
                const gfx::Pixel under = inSky ? sky : dest[i];
                dest[i] = p != 0 ? p : under;
                source[i] = 0;
            }
        }
    }
    if (skyline_) {
        std::fill(top_.begin() + skyLeft_, top_.begin() + skyRight_ + 1, kNoTop);
        std::fill(bottom_.begin() + skyLeft_, bottom_.begin() + skyRight_ + 1, kNoBottom);
        skyLeft_ = static_cast<int>(top_.size());
        skyRight_ = -1;
        skyline_ = false;
    }
    std::fill(drawnTop_.begin() + std::min(drawnLeft_, drawnRight_ + 1),
              drawnTop_.begin() + drawnRight_ + 1, kNoTop);
    std::fill(drawnBottom_.begin() + std::min(drawnLeft_, drawnRight_ + 1),
              drawnBottom_.begin() + drawnRight_ + 1, kNoBottom);
    drawnLeft_ = from.width();
    drawnRight_ = -1;
    target_.moveTo(scratch_.currentPosition());
}

}  // namespace brennix::chart
