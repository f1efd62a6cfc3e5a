#pragma once
// Scanline fill of a polygon interior: rows from the lowest vertex up to but
// not including the highest, each edge crossing at the ceiling of its exact
// x, pixels xl <= x < xr; horizontal edges do not count.

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
    struct Crossing {
        std::int64_t x;
        int dir;
    };
    void buildEdges(std::span<const Point> points);

    std::vector<Edge> edges_;
    std::vector<const Edge*> active_;
    std::vector<Crossing> crossings_;
};

template <class Span>
void PolygonFiller::forEachSpan(std::span<const Point> points, FillRule rule, const Rect& rows,
                                Span&& span) {
    buildEdges(points);
    if (edges_.empty()) {
        return;
    }
    std::int64_t yTop = edges_.front().y0;
    std::int64_t yEnd = yTop;
    for (const Edge& e : edges_) {
        yEnd = std::max(yEnd, e.y1);
    }
    yTop = std::max<std::int64_t>(yTop, rows.top);
    yEnd = std::min<std::int64_t>(yEnd, rows.bottom);
    std::size_t next = 0;
    active_.clear();
    for (std::int64_t y = yTop; y < yEnd; ++y) {
        while (next < edges_.size() && edges_[next].y0 <= y) {
            active_.push_back(&edges_[next]);
            ++next;
        }
        crossings_.clear();
        std::size_t kept = 0;
        for (const Edge* e : active_) {
            if (e->y1 <= y) {
                continue;
            }
            active_[kept++] = e;
            if (e->y0 > y) {
                continue;
            }
            const std::int64_t den = e->y1 - e->y0;
            const std::int64_t num = e->x0 * den + (y - e->y0) * (e->x1 - e->x0);
            const std::int64_t ceil = num >= 0 ? (num + den - 1) / den : -((-num) / den);
            crossings_.push_back({ceil, e->dir});
        }
        active_.resize(kept);
        std::sort(crossings_.begin(), crossings_.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
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
