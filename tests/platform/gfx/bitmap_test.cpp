// Bitmaps over borrowed memory: a canvas draws on them as on its own pixels,
// only within each row's width and at the memory's own row stride.

#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::gfx {
namespace {

constexpr Pixel kSentinel = 0x12345678U;

// A scene that reaches past every edge of a 40 x 30 surface.
void drawScene(RasterCanvas& canvas) {
    canvas.fillRect({-5, -5, 100, 100}, rgb(200, 220, 240));
    canvas.selectPen({PenStyle::Solid, 3, rgb(255, 0, 0)});
    canvas.moveTo({-10, 15});
    canvas.lineTo({60, 20});
    canvas.selectPen({PenStyle::Solid, 1, rgb(0, 0, 255)});
    const std::vector<Point> zigzag{{-3, -3}, {45, 10}, {0, 25}, {39, 40}};
    canvas.polyline(zigzag);
    canvas.selectBrush({BrushStyle::Solid, rgb(0, 160, 0)});
    canvas.rectangle({30, 20, 50, 40});
    const std::vector<Point> triangle{{5, 5}, {25, 2}, {-8, 35}};
    canvas.polygon(triangle);
    canvas.drawEdge({2, 2, 38, 28}, EdgeStyle::Sunken);
    canvas.textOut({20, 12}, "Wg");
}

TEST(BorrowedBitmap, IsDrawnLikeAnOwnedOneWithinItsRowsAtItsStride) {
    constexpr int kWidth = 40;
    constexpr int kHeight = 30;
    constexpr int kStride = 53;
    constexpr int kLeft = 6;
    constexpr int kTop = 2;
    std::vector<Pixel> memory(static_cast<std::size_t>(kStride) * (kHeight + 2 * kTop), kSentinel);
    Pixel* first = memory.data() + kTop * kStride + kLeft;

    RasterCanvas owned({kWidth, kHeight});
    drawScene(owned);

    RasterCanvas borrowed({1, 1});
    borrowed.bitmap() = Bitmap::borrow(first, kWidth, kHeight, kStride);
    ASSERT_TRUE(borrowed.bitmap().isBorrowed());
    EXPECT_EQ(borrowed.bitmap().stride(), kStride);
    EXPECT_EQ(borrowed.bitmap().data(), first);
    drawScene(borrowed);
    EXPECT_EQ(borrowed.bitmap(), owned.bitmap());

    int outside = 0;
    for (int y = 0; y < kHeight + 2 * kTop; ++y) {
        for (int x = 0; x < kStride; ++x) {
            const bool inside = y >= kTop && y < kTop + kHeight && x >= kLeft && x < kLeft + kWidth;
            const Pixel p = memory[static_cast<std::size_t>(y) * kStride + x];
            if (inside) {
                EXPECT_EQ(p, owned.bitmap().pixel(x - kLeft, y - kTop)) << x << "," << y;
            } else {
                outside += p != kSentinel ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(outside, 0);

    // Block copies both ways keep to the rows too.
    RasterCanvas back({kWidth, kHeight});
    back.blockCopy(back.bitmap().bounds(), borrowed, {0, 0});
    EXPECT_EQ(back.bitmap(), owned.bitmap());
    borrowed.fillRect(borrowed.bitmap().bounds(), rgb(0, 0, 0));
    borrowed.blockCopy({-4, -4, kWidth + 4, kHeight + 4}, back, {-4, -4});
    EXPECT_EQ(borrowed.bitmap(), owned.bitmap());
    EXPECT_EQ(memory[static_cast<std::size_t>(kTop) * kStride + kLeft - 1], kSentinel);
    EXPECT_EQ(memory[static_cast<std::size_t>(kTop) * kStride + kLeft + kWidth], kSentinel);
}

TEST(BorrowedBitmap, CopiesOwnTheirPixelsAndMovesLeaveThemInPlace) {
    std::vector<Pixel> memory(4 * 3, kSentinel);
    Bitmap view = Bitmap::borrow(memory.data(), 3, 2, 4);
    view.fill(0xFF000001U);
    EXPECT_EQ(memory[3], kSentinel);
    EXPECT_EQ(memory[4], 0xFF000001U);
    EXPECT_EQ(memory[8], kSentinel);

    Bitmap copy = view;
    EXPECT_FALSE(copy.isBorrowed());
    EXPECT_EQ(copy.stride(), 3);
    EXPECT_EQ(copy, view);
    copy.setPixel(0, 0, 0xFF000002U);
    EXPECT_EQ(memory[0], 0xFF000001U);
    EXPECT_NE(copy, view);

    Bitmap moved = std::move(view);
    EXPECT_EQ(moved.data(), memory.data());
    EXPECT_TRUE(view.isEmpty());  // NOLINT(bugprone-use-after-move): a move empties the source
    Bitmap owned(2, 2);
    const Pixel* ownPixels = owned.data();
    moved = std::move(owned);
    EXPECT_EQ(moved.data(), ownPixels);
    EXPECT_FALSE(moved.isBorrowed());
    EXPECT_EQ(memory[4], 0xFF000001U);
}

TEST(BorrowedBitmap, BadMemoryGivesAnEmptyBitmap) {
    std::vector<Pixel> memory(16, kSentinel);
    EXPECT_TRUE(Bitmap::borrow(nullptr, 2, 2, 2).isEmpty());
    EXPECT_TRUE(Bitmap::borrow(memory.data(), 4, 2, 3).isEmpty());
    EXPECT_TRUE(Bitmap::borrow(memory.data(), 0, 2, 4).isEmpty());
    EXPECT_TRUE(Bitmap::borrow(memory.data(), 2, -1, 4).isEmpty());
    EXPECT_TRUE(
        Bitmap::borrow(memory.data(), Bitmap::kMaxSide + 1, 1, Bitmap::kMaxSide + 1).isEmpty());
}

}  // namespace
}  // namespace brennix::gfx
