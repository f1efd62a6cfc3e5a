#include "platform/gfx/polygon_fill.h"

#include <algorithm>

namespace brennix::gfx {
namespace {

std::int64_t clampCoordinate(int v) {
    return std::clamp(v, -kMaxPolygonCoordinate, kMaxPolygonCoordinate);
}

}  // namespace

void PolygonFiller::buildEdges(std::span<const Point> points) {
    edges_.clear();
    flat_ = false;
    const std::size_t n = points.size();
    if (n < 3) {
        return;
    }
    flat_ = std::all_of(points.begin(), points.end(), [&](const Point& p) {
        return clampCoordinate(p.x) == clampCoordinate(points.front().x);
    });
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % n];
        const std::int64_t ax = clampCoordinate(a.x);
        const std::int64_t ay = clampCoordinate(a.y);
        const std::int64_t bx = clampCoordinate(b.x);
        const std::int64_t by = clampCoordinate(b.y);
        if (ay == by) {
            continue;
        }
        if (ay < by) {
            edges_.push_back({ax, ay, bx, by, 1});
        } else {
            edges_.push_back({bx, by, ax, ay, -1});
        }
    }
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
}

void PolygonFiller::fill(RasterTarget& target, std::span<const Point> points, FillRule rule,
                         Pixel color) {
    forEachSpan(points, rule, target.bounds(),
                [&](int y, int x0, int x1) { target.span(y, x0, x1, color); });
}

}  // namespace brennix::gfx
