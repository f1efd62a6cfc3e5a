#include <gtest/gtest.h>

#include "tests/instruments/knob/knob_fixture.h"

namespace brennix::instruments::testing {
namespace {

using gfx::CallKind;

std::vector<gfx::RecordedCall> ofKind(const std::vector<gfx::RecordedCall>& calls, CallKind k) {
    std::vector<gfx::RecordedCall> out;
    for (const auto& c : calls) {
        if (c.kind == k) {
            out.push_back(c);
        }
    }
    return out;
}

class KnobPaint : public KnobTest {};

TEST_F(KnobPaint, ASmallKnobWithoutCaptionOrDigitBoxGetsRadius45InTheMiddle) {
    set(*knob, "DigitDisplay", false);
    const auto calls = paint();
    EXPECT_EQ(knob->dial().radius, 45);
    EXPECT_EQ(knob->dial().centre, (gfx::Point{55, 56}));
    const auto arcs = ofKind(calls, CallKind::Arc);
    ASSERT_GE(arcs.size(), 3U);
    // The bezel: shadow on the upper left, highlight on the lower right, R/15 wide.
    EXPECT_EQ(arcs[0].rect, (gfx::Rect{10, 11, 100, 101}));
    EXPECT_EQ(arcs[0].pen.width, 3);
    EXPECT_EQ(arcs[0].pen.color, gfx::systemColorValue(16).value());
    EXPECT_EQ(arcs[1].pen.color, gfx::systemColorValue(20).value());
    // From 45 degrees (upper right) counter-clockwise to 225 (lower left).
    EXPECT_EQ(arcs[0].points[0], (gfx::Point{55 + 31, 56 - 31}));
    EXPECT_EQ(arcs[0].points[1], (gfx::Point{55 - 31, 56 + 31}));
    EXPECT_EQ(arcs[1].points[0], arcs[0].points[1]);
    // The scale arc on the circle shrunk by R/7, from -60 to 240 degrees.
    EXPECT_EQ(arcs[2].rect, (gfx::Rect{16, 17, 94, 95}));
    EXPECT_EQ(arcs[2].pen.width, 1);
    EXPECT_GT(arcs[2].points[0].x, 55);
    EXPECT_LT(arcs[2].points[1].x, 55);
}

TEST_F(KnobPaint, TheDefaultKnobLabelsItsMajorsFromZeroToTenEvenly) {
    set(*knob, "DigitDisplay", false);
    const std::vector<std::string> labels{"0", "2", "4", "6", "8", "10"};
    std::vector<std::string> twice = labels;
    twice.insert(twice.end(), labels.begin(), labels.end());
    // Drawn with the dial, and again over the needles.
    EXPECT_EQ(texts(paint()), twice);
}

TEST_F(KnobPaint, LabelsSitBesideTheirTicksAlignedAwayFromTheDial) {
    set(*knob, "DigitDisplay", false);
    const auto calls = ofKind(paint(), CallKind::TextOut);
    ASSERT_EQ(calls.size(), 12U);
    // 0, 2 and 4 at 240, 180 and 120 degrees: left-aligned; 6, 8 and 10 at
    // 60, 0 and -60 degrees: right-aligned.
    EXPECT_EQ(calls[0].textAlign, gfx::TextAlign::Left);
    EXPECT_EQ(calls[1].textAlign, gfx::TextAlign::Left);
    EXPECT_EQ(calls[2].textAlign, gfx::TextAlign::Left);
    EXPECT_EQ(calls[3].textAlign, gfx::TextAlign::Right);  // 60 degrees
    EXPECT_EQ(calls[5].textAlign, gfx::TextAlign::Right);  // -60 degrees
    EXPECT_TRUE(calls[0].clipped);
    for (const auto& c : calls) {
        EXPECT_EQ(c.backgroundColor, knob->translateColor(knob->backColor()));
    }
}

TEST_F(KnobPaint, AnInverseKnobPutsTheMaximumAtTheStartEnd) {
    set(*knob, "DigitDisplay", false);
    set(*knob, "Inverse", true);
    const auto calls = ofKind(paint(), CallKind::TextOut);
    ASSERT_EQ(calls.size(), 12U);
    EXPECT_EQ(calls[0].text, "10");
    EXPECT_LT(calls[0].rect.left, 55);  // lower left
    EXPECT_EQ(calls[5].text, "0");
    EXPECT_GT(calls[5].rect.left, 55);  // lower right
    EXPECT_NEAR(valueAngle(knob->range(), 0), -kP / 3, 1e-4);
    EXPECT_NEAR(valueAngle(knob->range(), 10), 4 * kP / 3, 1e-4);
}

TEST_F(KnobPaint, NeedlesAreErasedThenDrawnInTheirColoursWhenVisibleAndInRange) {
    setColor(*knob, "Pointer1Color", 0x0000FF);
    setColor(*knob, "Pointer2Color", 0x00FF00);
    set(*knob, "Pointer2Visible", true);
    set(*knob, "Pointer2Value", 20.0);  // out of range: not drawn
    const auto calls = paint();
    const Dial& d = knob->dial();
    const auto red = linesIn(calls, 0x0000FF);
    ASSERT_EQ(red.size(), 1U);
    EXPECT_EQ(red[0].second, d.centre);
    EXPECT_EQ(red[0].first, *d.at(d.needleRadius(), kStartAngle));
    EXPECT_TRUE(linesIn(calls, 0x00FF00).empty());
    // All eight remembered needles are wiped first, in the background.
    EXPECT_GE(linesIn(calls, knob->translateColor(knob->backColor())).size(), 8U);
}

TEST_F(KnobPaint, TheFillRingRunsFromTheValueToTheChosenEnd) {
    setColor(*knob, "FillColor", 0x00C000);
    set(*knob, "Value", 5.0);
    set(*knob, "FillStyle", 1);
    auto rings = [&] {
        std::vector<gfx::RecordedCall> out;
        for (const auto& c : ofKind(paint(), CallKind::Arc)) {
            if (c.pen.color == 0x00C000) {
                out.push_back(c);
            }
        }
        return out;
    };
    const Dial& d = knob->dial();
    auto toMax = rings();
    ASSERT_EQ(toMax.size(), 1U);
    EXPECT_EQ(toMax[0].pen.width, d.radius / 12);
    EXPECT_EQ(toMax[0].rect, d.square(d.ringRadius()));
    EXPECT_GT(toMax[0].points[0].x, d.centre.x);  // from the far end
    EXPECT_EQ(toMax[0].points[1].x, d.centre.x);  // to the top
    set(*knob, "FillStyle", 2);
    auto toMin = rings();
    ASSERT_EQ(toMin.size(), 1U);
    EXPECT_EQ(toMin[0].points[0].x, d.centre.x);
    EXPECT_LT(toMin[0].points[1].x, d.centre.x);
}

TEST_F(KnobPaint, AFillOfNoLengthDrawsNoRingRatherThanAWholeCircle) {
    setColor(*knob, "FillColor", 0x00C000);
    set(*knob, "FillStyle", 2);  // from the value, at the start end, to the start end
    for (const auto& c : ofKind(paint(), CallKind::Arc)) {
        EXPECT_NE(c.pen.color, 0x00C000U);
    }
}

TEST_F(KnobPaint, PatternTypeOneShowsFrameCaptionAndDigitBoxButNoDial) {
    set(*knob, "PatternType", 1);
    set(*knob, "Caption", com::Variant(std::string("Speed")));
    const auto calls = paint();
    EXPECT_TRUE(ofKind(calls, CallKind::Arc).empty());
    EXPECT_TRUE(ofKind(calls, CallKind::LineTo).empty());
    EXPECT_EQ(texts(calls), (std::vector<std::string>{"Speed", "0"}));
    EXPECT_EQ(ofKind(calls, CallKind::DrawEdge).size(), 2U);  // frame and digit box
}

TEST_F(KnobPaint, TheDigitBoxIsSizedToTheTextAndCentredAtTheBottom) {
    set(*knob, "Value", 12.5);
    set(*knob, "FormatClass", 0);
    set(*knob, "Format", 2);
    gfx::RecordingCanvas canvas({110, 110});
    knob->draw(canvas, {0, 0, 110, 110});
    const gfx::TextMetrics m = canvas.textMetrics();
    const auto calls = canvas.calls();
    const auto edges = ofKind(calls, CallKind::DrawEdge);
    ASSERT_EQ(edges.size(), 2U);
    const int half = 4 * m.maxCharWidth / 2;
    EXPECT_EQ(edges[1].rect, (gfx::Rect{55 - half, 110 - m.height - 7, 55 + half, 107}));
    EXPECT_EQ(texts(calls).front(), "12.5");
    // The dial shrinks to leave room for the box.
    EXPECT_EQ(knob->dial().radius, (std::min(104, 110 - 3 - m.height - 10 - 6) - 10) / 2);
}

TEST_F(KnobPaint, TicksAndLabelsFollowTheirSwitches) {
    set(*knob, "DigitDisplay", false);
    set(*knob, "TickLabelRightBottom", false);
    EXPECT_TRUE(texts(paint()).empty());
    set(*knob, "TickLabelRightBottom", true);
    set(*knob, "TickRightBottom", false);
    const auto calls = paint();
    EXPECT_TRUE(texts(calls).empty());
    EXPECT_TRUE(linesIn(calls, 0).size() == 1U);  // only the needle
    set(*knob, "TickRightBottom", true);
    set(*knob, "MajorTickMark", false);
    set(*knob, "MinorTickMark", false);
    const auto bare = paint();
    EXPECT_EQ(ofKind(bare, CallKind::Arc).size(), 2U);  // the bezel only
    EXPECT_EQ(texts(bare).size(), 12U);
}

TEST_F(KnobPaint, SpacingByUnitsStepsByTheAngleOfItsUnits) {
    set(*knob, "DigitDisplay", false);
    set(*knob, "Spacing", 2);
    set(*knob, "SpacingMajor", 3);
    set(*knob, "SpacingMinor", 1);
    const auto labels = texts(paint());
    // Majors every 3 units of angle carry 0, 10/3, 20/3 and 10; the last
    // one, at 9 units, stands before the far-end tick.
    ASSERT_EQ(labels.size(), 10U);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 5),
              (std::vector<std::string>{"0", "3", "6", "10", "10"}));
}

}  // namespace
}  // namespace brennix::instruments::testing
