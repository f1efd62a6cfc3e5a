// Horizontal and vertical segments take a span shortcut; it must give
// exactly the pixels of a disc stamped on every path pixel, or for a thin
// pen those of stepping the line.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>

#include "platform/gfx/line_stepper.h"
#include "platform/gfx/pen_painter.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::gfx {
namespace {

constexpr Pixel kInk = 0xFF123456U;

// The slow reference: one stamp per path pixel, from a up to b, b excluded;
// a segment of no length stamps its one pixel.
Bitmap stamped(PenPainter& pen, Size size, Point a, Point b) {
    Bitmap bitmap(size.cx, size.cy);
    RasterTarget t(bitmap);
    if (a == b) {
        pen.point(t, a);
    }
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

TEST(ThinStraightSegment, MatchesTheSteppedLineInEveryDirectionAndClip) {
    std::mt19937 rng(8122026);
    const Size size{23, 17};
    std::uniform_int_distribution<int> coord(-25, 45);
    PenPainter pen;
    pen.configure({PenStyle::Solid, 1, kInk});
    for (int i = 0; i < 3000; ++i) {
        const Point a{coord(rng), coord(rng)};
        const int along = coord(rng);
        const Point b = i % 2 == 0 ? Point{along, a.y} : Point{a.x, along};
        Bitmap stepped(size.cx, size.cy);
        RasterTarget t(stepped);
        stepLine(a, b, t.bounds(), [&](int x, int y, std::int64_t) { t.put(x, y, kInk); });
        ASSERT_TRUE(segment(pen, size, a, b) == stepped)
            << "from (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ")";
    }
    Bitmap far(size.cx, size.cy);
    RasterTarget t(far);
    t.fill({4, 0, 5, size.cy}, kInk);
    EXPECT_TRUE(segment(pen, size, {4, 2147483647}, {4, -2147483647 - 1}) == far);
}

TEST(LineArea, IsExactlyWhatTheLinePaintsWhereverItIsGiven) {
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> coord(-8, 30);
    std::uniform_int_distribution<int> width(0, 5);
    const std::array<PenStyle, 4> styles{PenStyle::Solid, PenStyle::Dash, PenStyle::Dot,
                                         PenStyle::Null};
    int given = 0;
    for (int i = 0; i < 3000; ++i) {
        const Pen pen{styles[static_cast<std::size_t>(i % 4)], width(rng), rgb(200, 10, 10)};
        const Point a{coord(rng), coord(rng)};
        const int along = coord(rng);
        const Point b = i % 3 == 0   ? Point{along, a.y}
                        : i % 3 == 1 ? Point{a.x, along}
                                     : Point{along, coord(rng)};
        RasterCanvas drawn(Size{24, 20});
        const std::optional<Rect> area = drawn.lineArea(pen, a, b);
        const bool straight = a.x == b.x || a.y == b.y;
        const bool square = pen.style != PenStyle::Null && pen.width == 2;
        const bool thin = pen.style == PenStyle::Solid && pen.width <= 1 && a != b;
        // Only straight lines can be one rectangle, and these always are.
        EXPECT_TRUE(straight || !area || area->isEmpty());
        if (straight && (square || thin)) {
            EXPECT_TRUE(area) << "width " << pen.width << " (" << a.x << "," << a.y << ")";
        }
        if (!area) {
            continue;
        }
        ++given;
        drawn.selectPen(pen);
        drawn.moveTo(a);
        drawn.lineTo(b);
        RasterCanvas filled(Size{24, 20});
        filled.fillRect(*area, pen.color);
        ASSERT_EQ(drawn.bitmap(), filled.bitmap())
            << "width " << pen.width << " from (" << a.x << ", " << a.y << ") to (" << b.x << ", "
            << b.y << ")";
    }
    EXPECT_GT(given, 500);
}

}  // namespace
}  // namespace brennix::gfx
