#include "platform/gfx/polygon_fill.h"

#include <algorithm>

namespace brennix::gfx {
namespace {

std::int64_t clampCoordinate(int v) {
    return std::clamp(v, -kMaxPolygonCoordinate, kMaxPolygonCoordinate);
}

// b > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

// b > 0; 32 bits divide faster.
std::int32_t floorDiv32(std::int32_t a, std::int32_t b) {
    const std::int32_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

}  // namespace

PolygonFiller::Active PolygonFiller::activate(const Edge& e, std::int64_t y) {
    const auto den = static_cast<std::int32_t>(e.y1 - e.y0);
    const auto dx = static_cast<std::int32_t>(e.x1 - e.x0);
    const std::int32_t whole = floorDiv32(dx, den);
    const std::int32_t frac = dx - whole * den;
    const auto yEnd = static_cast<std::int32_t>(e.y1);
    if (y == e.y0) {
        // On the edge's first row the crossing is its vertex.
        return {yEnd, static_cast<std::int32_t>(e.x0), 0, whole, frac, den, e.dir};
    }
    const std::int64_t num = e.x0 * den + (y - e.y0) * dx;
    const std::int64_t x = -floorDiv(-num, den);
    return {yEnd,
            static_cast<std::int32_t>(x),
            static_cast<std::int32_t>(x * den - num),
            whole,
            frac,
            den,
            e.dir};
}

void PolygonFiller::buildEdges(std::span<const Point> points) {
    edges_.clear();
    flat_ = false;
    const std::size_t n = points.size();
    if (n < 3) {
        return;
    }
    bool flat = true;
    std::int64_t ax = clampCoordinate(points[n - 1].x);
    std::int64_t ay = clampCoordinate(points[n - 1].y);
    const std::int64_t column = ax;
    for (const Point& p : points) {
        const std::int64_t bx = clampCoordinate(p.x);
        const std::int64_t by = clampCoordinate(p.y);
        flat = flat && bx == column;
        if (ay < by) {
            edges_.push_back({ax, ay, bx, by, 1});
        } else if (by < ay) {
            edges_.push_back({bx, by, ax, ay, -1});
        }
        ax = bx;
        ay = by;
    }
    flat_ = flat;
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
}

void PolygonFiller::fill(RasterTarget& target, std::span<const Point> points, FillRule rule,
                         Pixel color) {
    // A copy, so that the pixel writes cannot alias its size and rows.
    RasterTarget local = target;
    forEachSpan(points, rule, local.bounds(),
                [&local, color](int y, int x0, int x1) { local.span(y, x0, x1, color); });
}

}  // namespace brennix::gfx
