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
    // With coordinates pulled in, every field fits 32 bits.
    struct Active {
        std::int32_t yEnd, x, slack, wholeStep, fracStep, den, dir;
    };
    void buildEdges(std::span<const Point> points);
    // The edge as it crosses row y (y0 <= y < y1).
    static Active activate(const Edge& e, std::int64_t y);
    // Insertion sort: from one row to the next the order rarely changes.
    void sortByX() {
        for (std::size_t i = 1; i < active_.size(); ++i) {
            if (active_[i - 1].x <= active_[i].x) {
                continue;
            }
            const Active a = active_[i];
            std::size_t j = i;
            for (; j > 0 && active_[j - 1].x > a.x; --j) {
                active_[j] = active_[j - 1];
            }
            active_[j] = a;
        }
    }
    static void stepRow(Active& a) {
        a.x += a.wholeStep;
        a.slack -= a.fracStep;
        // Branch-free carry: the carry pattern of a slope is unpredictable.
        const std::int32_t borrow = a.slack >> 31;
        a.x -= borrow;
        a.slack += a.den & borrow;
    }

    std::vector<Edge> edges_;
    // Every vertex in one column: each row's crossings coincide, so no
    // pixel lies inside (a fill towards a point in the same column).
    bool flat_ = false;
    std::vector<Active> active_;
};

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
    std::int64_t y = std::max<std::int64_t>(edges_.front().y0, rows.top);
    yEnd = std::min<std::int64_t>(yEnd, rows.bottom);
    std::size_t next = 0;
    active_.clear();
    while (y < yEnd) {
        while (next < edges_.size() && edges_[next].y0 <= y) {
            const Edge& e = edges_[next++];
            if (e.y1 > y) {
                active_.push_back(activate(e, y));
            }
        }
        std::erase_if(active_, [y](const Active& a) { return a.yEnd <= y; });
        // Until an edge ends or another begins, every row crosses the same
        // edges, in an order that changes only where two of them cross.
        std::int64_t stop = next < edges_.size() ? std::min(yEnd, edges_[next].y0) : yEnd;
        for (const Active& a : active_) {
            stop = std::min<std::int64_t>(stop, a.yEnd);
        }
        const std::size_t n = active_.size();
        if (n == 2) {
            // Most rows of most polygons: the one span between two edges,
            // whichever the rule.
            // Copies, so that the pixel writes cannot alias them.
            Active a = active_[0];
            Active b = active_[1];
            for (; y < stop; ++y) {
                span(static_cast<int>(y), std::min(a.x, b.x), std::max(a.x, b.x));
                stepRow(a);
                stepRow(b);
            }
            active_[0] = a;
            active_[1] = b;
            continue;
        }
        sortByX();
        for (; y < stop; ++y) {
            const int yi = static_cast<int>(y);
            if (rule == FillRule::EvenOdd) {
                for (std::size_t i = 0; i + 1 < n; i += 2) {
                    span(yi, active_[i].x, active_[i + 1].x);
                }
            } else {
                int winding = 0;
                for (std::size_t i = 0; i + 1 < n; ++i) {
                    winding += active_[i].dir;
                    if (winding != 0) {
                        span(yi, active_[i].x, active_[i + 1].x);
                    }
                }
            }
            for (Active& a : active_) {
                stepRow(a);
            }
            sortByX();
        }
    }
}

}  // namespace brennix::gfx
