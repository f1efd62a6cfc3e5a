// Bevelled edges: two 1-pixel rings in the system colours of each style.

#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/raster_canvas.h"

namespace brennix::gfx {
namespace {

struct EdgeCase {
    EdgeStyle style;
    SystemColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

class EdgeTest : public ::testing::TestWithParam<EdgeCase> {};

ColorRef scheme(SystemColor c) {
    return *systemColorValue(static_cast<std::uint8_t>(c));
}

TEST_P(EdgeTest, RingsTakeTheirStyleColoursAndBottomRightOverwritesTwoCorners) {
    const EdgeCase& e = GetParam();
    RasterCanvas canvas(Size{10, 8});
    const ColorRef inside = rgb(1, 2, 3);
    canvas.fillRect({0, 0, 10, 8}, inside);
    canvas.drawEdge({1, 1, 8, 7}, e.style);
    const Bitmap& b = canvas.bitmap();
    // Outer ring: row 1, column 1 / row 6, column 7.
    EXPECT_EQ(b.colorAt(1, 1), scheme(e.outerTopLeft));
    EXPECT_EQ(b.colorAt(4, 1), scheme(e.outerTopLeft));
    EXPECT_EQ(b.colorAt(1, 4), scheme(e.outerTopLeft));
    EXPECT_EQ(b.colorAt(7, 1), scheme(e.outerBottomRight));
    EXPECT_EQ(b.colorAt(1, 6), scheme(e.outerBottomRight));
    EXPECT_EQ(b.colorAt(4, 6), scheme(e.outerBottomRight));
    EXPECT_EQ(b.colorAt(7, 4), scheme(e.outerBottomRight));
    // Inner ring: row 2, column 2 / row 5, column 6.
    EXPECT_EQ(b.colorAt(2, 2), scheme(e.innerTopLeft));
    EXPECT_EQ(b.colorAt(4, 2), scheme(e.innerTopLeft));
    EXPECT_EQ(b.colorAt(2, 4), scheme(e.innerTopLeft));
    EXPECT_EQ(b.colorAt(6, 2), scheme(e.innerBottomRight));
    EXPECT_EQ(b.colorAt(2, 5), scheme(e.innerBottomRight));
    EXPECT_EQ(b.colorAt(6, 5), scheme(e.innerBottomRight));
    // Two pixels deep: the middle and the outside are untouched.
    EXPECT_EQ(b.colorAt(3, 3), inside);
    EXPECT_EQ(b.colorAt(5, 4), inside);
    EXPECT_EQ(b.colorAt(0, 0), inside);
    EXPECT_EQ(b.colorAt(8, 7), inside);
    EXPECT_EQ(b.colorAt(8, 3), inside);
}

std::string styleName(const ::testing::TestParamInfo<EdgeCase>& c) {
    constexpr const char* kNames[] = {"Raised", "Sunken", "Bump", "Etched"};
    return kNames[static_cast<int>(c.param.style)];
}

INSTANTIATE_TEST_SUITE_P(
    Styles, EdgeTest,
    ::testing::Values(EdgeCase{EdgeStyle::Raised, SystemColor::Light3D, SystemColor::DarkShadow3D,
                               SystemColor::ButtonHighlight, SystemColor::ButtonShadow},
                      EdgeCase{EdgeStyle::Sunken, SystemColor::ButtonShadow,
                               SystemColor::ButtonHighlight, SystemColor::DarkShadow3D,
                               SystemColor::Light3D},
                      EdgeCase{EdgeStyle::Bump, SystemColor::Light3D, SystemColor::DarkShadow3D,
                               SystemColor::DarkShadow3D, SystemColor::Light3D},
                      EdgeCase{EdgeStyle::Etched, SystemColor::ButtonShadow,
                               SystemColor::ButtonHighlight, SystemColor::ButtonHighlight,
                               SystemColor::ButtonShadow}),
    styleName);

TEST(EdgeOnTinyRect, ThinRectanglesAreCoveredWithoutSpillingOut) {
    RasterCanvas canvas(Size{6, 6});
    const ColorRef inside = rgb(1, 2, 3);
    canvas.fillRect({0, 0, 6, 6}, inside);
    canvas.drawEdge({2, 2, 3, 5}, EdgeStyle::Sunken);
    canvas.drawEdge({4, 4, 4, 6}, EdgeStyle::Sunken);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inEdge = x == 2 && y >= 2 && y < 5;
            EXPECT_EQ(canvas.bitmap().colorAt(x, y) != inside, inEdge) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace brennix::gfx
