// Sizes and colours a host should not give but may: every style of every
// control still draws without a crash or a write outside the bitmap (the
// sanitizer build watches the writes).

#include <gtest/gtest.h>

#include <climits>

#include "platform/com/message_box.h"
#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"

namespace brennix::equipment::testing {
namespace {

const std::vector<gfx::Rect> kOddBounds{
    {0, 0, 0, 0},
    {0, 0, 1, 1},
    {3, 3, 5, 4},
    {30, 30, 10, -20},  // corners the wrong way round
    {-200, -150, 40, 60},
    {20, 20, 23, 60000},
    {-1000000000, 10, 1000000000, 30},
    {0, 0, INT_MAX / 2, INT_MAX / 2},
    {INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2},
    {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
};

const std::vector<std::uint32_t> kOddColours{
    gfx::systemColorRef(gfx::SystemColor::ButtonFace),
    gfx::systemColorRef(gfx::SystemColor::Window),
    0x800000FFU,  // a system colour no scheme knows
    0x02FF8000U,  // neither plain nor a system colour
    0xFFFFFFFFU,
};

bool untouched(const gfx::Bitmap& b) {
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.colorAt(x, y) != gfx::rgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

TEST(OddSizes, EveryStyleDrawsAnyRectangleWithinTheBitmap) {
    com::MessageRecorder messages;
    for (const Kind& k : kinds()) {
        for (int style = -1; style <= k.styles; ++style) {
            auto control = createStyled(k.name, style);
            ASSERT_TRUE(control->put("BackColor", com::Variant::fromColor(0x00FF00)).ok());
            for (const gfx::Rect& bounds : kOddBounds) {
                SCOPED_TRACE(k.name + " " + std::to_string(style) + " (" +
                             std::to_string(bounds.left) + ", " + std::to_string(bounds.top) +
                             ", " + std::to_string(bounds.right) + ", " +
                             std::to_string(bounds.bottom) + ")");
                gfx::RasterCanvas canvas({64, 48});
                control->draw(canvas, bounds);
                control->draw(canvas, bounds);
                const gfx::Rect seen = bounds.intersected({0, 0, 64, 48});
                if (seen.isEmpty()) {
                    EXPECT_TRUE(untouched(canvas.bitmap()));
                } else if (seen.width() > 2 && seen.height() > 2) {
                    EXPECT_FALSE(untouched(canvas.bitmap()));
                }
            }
        }
    }
}

// Shades are made from the translated colour: halving a system-colour value
// itself would name nothing and draw black.
TEST(OddSizes, ColoursNamingSystemColoursOrNothingReachTheCanvasAsPlainColours) {
    com::MessageRecorder messages;
    for (const Kind& k : kinds()) {
        for (int style = 0; style < k.styles; ++style) {
            auto control = createStyled(k.name, style);
            for (std::uint32_t colour : kOddColours) {
                SCOPED_TRACE(k.name + " " + std::to_string(style) + " " + std::to_string(colour));
                ASSERT_TRUE(control->put(k.colorProperty, com::Variant::fromColor(colour)).ok());
                ASSERT_TRUE(control->put("BackColor", com::Variant::fromColor(colour)).ok());
                const auto calls = record(*control, {2, 2, 78, 78});
                ASSERT_FALSE(calls.empty());
                // A value that names nothing is black.
                EXPECT_EQ(calls.front().color, control->translateColor(colour));
                for (const auto& c : calls) {
                    EXPECT_EQ(c.color >> 24, 0U);
                    EXPECT_EQ(c.brush.color >> 24, 0U);
                    EXPECT_EQ(c.pen.color >> 24, 0U);
                }
            }
        }
    }
    EXPECT_TRUE(messages.texts().empty());
}

TEST(OddSizes, ExtentsProposedOutOfAllReasonComeBackUsable) {
    for (const Kind& k : kinds()) {
        for (int style = -1; style <= k.styles; ++style) {
            auto control = createStyled(k.name, style);
            for (gfx::Size proposal :
                 {gfx::Size{0, 0}, gfx::Size{-5000, 3000}, gfx::Size{INT_MAX, INT_MAX},
                  gfx::Size{INT_MIN, INT_MAX}, gfx::Size{1, INT_MAX}, gfx::Size{INT_MAX, 1}}) {
                const gfx::Size applied = control->setExtent(proposal);
                EXPECT_GE(applied.cx, 0) << k.name << " " << style;
                EXPECT_GE(applied.cy, 0) << k.name << " " << style;
                const gfx::Size pixels = control->extentPixels();
                gfx::RasterCanvas canvas({40, 40});
                control->draw(canvas, {0, 0, pixels.cx, pixels.cy});
            }
        }
    }
}

}  // namespace
}  // namespace brennix::equipment::testing
