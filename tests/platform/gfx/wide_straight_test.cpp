// Wide horizontal and vertical segments take a span shortcut; it must give
// exactly the pixels of a disc stamped on every path pixel.

#include <gtest/gtest.h>

#include <random>

#include "platform/gfx/pen_painter.h"

namespace brennix::gfx {
namespace {

constexpr Pixel kInk = 0xFF123456U;

// The slow reference: one stamp per path pixel, from a up to b, b excluded.
Bitmap stamped(PenPainter& pen, Size size, Point a, Point b) {
    Bitmap bitmap(size.cx, size.cy);
    RasterTarget t(bitmap);
    const int dx = (b.x > a.x) - (b.x < a.x);
    const int dy = (b.y > a.y) - (b.y < a.y);
    for (Point p = a; p != b; p = {p.x + dx, p.y + dy}) {
        pen.point(t, p);
    }
    return bitmap;
}

Bitmap segment(PenPainter& pen, Size size, Point a, Point b) {
    Bitmap bitmap(size.cx, size.cy);
    RasterTarget t(bitmap);
    pen.segment(t, a, b);
    return bitmap;
}

TEST(WideStraightSegment, MatchesAStampPerPixelForEveryWidthDirectionAndClip) {
    std::mt19937 rng(20261208);
    const Size size{37, 29};
    std::uniform_int_distribution<int> coord(-30, 66);
    std::uniform_int_distribution<int> width(2, 24);
    PenPainter pen;
    for (int i = 0; i < 4000; ++i) {
        pen.configure({PenStyle::Solid, width(rng), kInk});
        const Point a{coord(rng), coord(rng)};
        const int along = coord(rng);
        const Point b = i % 2 == 0 ? Point{along, a.y} : Point{a.x, along};
        ASSERT_TRUE(segment(pen, size, a, b) == stamped(pen, size, a, b))
            << "width " << pen.width() << " from (" << a.x << ", " << a.y << ") to (" << b.x << ", "
            << b.y << ")";
    }
}

TEST(WideStraightSegment, FarAwayEndsDrawOnlyTheVisiblePart) {
    PenPainter pen;
    pen.configure({PenStyle::Solid, 3, kInk});
    const Size size{20, 10};
    EXPECT_TRUE(segment(pen, size, {5, -2000000000}, {5, 2000000000}) ==
                stamped(pen, size, {5, -40}, {5, 40}));
    EXPECT_TRUE(segment(pen, size, {2000000000, 4}, {-2000000000, 4}) ==
                stamped(pen, size, {60, 4}, {-40, 4}));
}

}  // namespace
}  // namespace brennix::gfx
