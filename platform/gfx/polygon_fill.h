#pragma once
// Scanline fill of a polygon interior: rows from the lowest vertex up to but
// not including the highest, each edge crossing at the ceiling of its exact
// x, pixels xl <= x < xr; horizontal edges do not count.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/raster_target.h"

namespace brennix::gfx {

enum class FillRule : std::uint8_t { EvenOdd, Winding };

// Vertices further out than this are pulled in to it; it keeps the
// crossing arithmetic exact.
constexpr int kMaxPolygonCoordinate = 1 << 24;

class PolygonFiller {
  public:
    void fill(RasterTarget& target, std::span<const Point> points, FillRule rule, Pixel color);

    // The spans fill() would paint, for callers that paint them otherwise.
    template <class Span>
    void forEachSpan(std::span<const Point> points, FillRule rule, const Rect& rows, Span&& span);

  private:
    struct Edge {
        std::int64_t x0, y0, x1, y1;  // y0 < y1
        int dir;
    };
    // An edge crossing the current row: x is the ceiling of the exact
    // crossing, slack = x * den - exact * den, kept in [0, den) while
    // stepping one row at a time by whole and fractional parts of the slope.
    struct Active {
        std::int64_t yEnd, x, slack, wholeStep, fracStep, den;
        int dir;
    };
    struct Crossing {
        std::int64_t x;
        int dir;
    };
    void buildEdges(std::span<const Point> points);
    static void stepRow(Active& a) {
        a.x += a.wholeStep;
        a.slack -= a.fracStep;
        // Branch-free carry: the carry pattern of a slope is unpredictable.
        const std::int64_t borrow = a.slack >> 63;
        a.x -= borrow;
        a.slack += a.den & borrow;
    }

    std::vector<Edge> edges_;
    // Every vertex in one column: each row's crossings coincide, so no
    // pixel lies inside (a fill towards a point in the same column).
    bool flat_ = false;
    std::vector<Active> active_;
    std::vector<Crossing> crossings_;
};

namespace detail {

inline std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace detail

template <class Span>
void PolygonFiller::forEachSpan(std::span<const Point> points, FillRule rule, const Rect& rows,
                                Span&& span) {
    buildEdges(points);
    if (edges_.empty() || flat_) {
        return;
    }
    std::int64_t yEnd = edges_.front().y1;
    for (const Edge& e : edges_) {
        yEnd = std::max(yEnd, e.y1);
    }
    const std::int64_t yTop = std::max<std::int64_t>(edges_.front().y0, rows.top);
    yEnd = std::min<std::int64_t>(yEnd, rows.bottom);
    std::size_t next = 0;
    active_.clear();
    for (std::int64_t y = yTop; y < yEnd; ++y) {
        while (next < edges_.size() && edges_[next].y0 <= y) {
            const Edge& e = edges_[next++];
            if (e.y1 <= y) {
                continue;
            }
            const std::int64_t den = e.y1 - e.y0;
            const std::int64_t dx = e.x1 - e.x0;
            const std::int64_t num = e.x0 * den + (y - e.y0) * dx;
            const std::int64_t x = -detail::floorDiv(-num, den);
            const std::int64_t whole = detail::floorDiv(dx, den);
            active_.push_back({e.y1, x, x * den - num, whole, dx - whole * den, den, e.dir});
        }
        // Most rows of most polygons cross exactly two edges: until one of
        // them ends or another begins, each row is the one span between them,
        // whichever the rule.
        if (active_.size() == 2 && active_[0].yEnd > y && active_[1].yEnd > y) {
            std::int64_t stop = std::min({active_[0].yEnd, active_[1].yEnd, yEnd});
            if (next < edges_.size()) {
                stop = std::min(stop, edges_[next].y0);
            }
            Active& a = active_[0];
            Active& b = active_[1];
            for (; y < stop; ++y) {
                span(static_cast<int>(y), static_cast<int>(std::min(a.x, b.x)),
                     static_cast<int>(std::max(a.x, b.x)));
                stepRow(a);
                stepRow(b);
            }
            --y;  // the loop steps it on to stop
            continue;
        }
        crossings_.clear();
        crossings_.reserve(active_.size());
        std::size_t kept = 0;
        for (std::size_t i = 0; i < active_.size(); ++i) {
            Active& a = active_[i];
            if (a.yEnd <= y) {
                continue;
            }
            crossings_.push_back({a.x, a.dir});
            stepRow(a);
            if (kept != i) {
                active_[kept] = a;
            }
            ++kept;
        }
        active_.resize(kept);
        // Few crossings per row, nearly in order from the row before.
        for (std::size_t i = 1; i < crossings_.size(); ++i) {
            const Crossing c = crossings_[i];
            std::size_t j = i;
            for (; j > 0 && crossings_[j - 1].x > c.x; --j) {
                crossings_[j] = crossings_[j - 1];
            }
            crossings_[j] = c;
        }
        const int yi = static_cast<int>(y);
        if (rule == FillRule::EvenOdd) {
            for (std::size_t i = 0; i + 1 < crossings_.size(); i += 2) {
                span(yi, static_cast<int>(crossings_[i].x), static_cast<int>(crossings_[i + 1].x));
            }
        } else {
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings_.size(); ++i) {
                winding += crossings_[i].dir;
                if (winding != 0) {
                    span(yi, static_cast<int>(crossings_[i].x),
                         static_cast<int>(crossings_[i + 1].x));
                }
            }
        }
    }
}

}  // namespace brennix::gfx
