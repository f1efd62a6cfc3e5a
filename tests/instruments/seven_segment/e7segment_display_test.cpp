// What an E7Segment shows, read back from the recording canvas.

#include <gmock/gmock.h>

#include "instruments/seven_segment/display_painter.h"
#include "tests/instruments/seven_segment/e7segment_fixture.h"

namespace brennix::instruments::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(E7SegmentTest, TheDefaultDisplayReadsPlusThreePointSixSeven) {
    const auto calls = paint();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, gfx::CallKind::FillRect);
    EXPECT_EQ(calls.front().rect, bounds);
    EXPECT_EQ(calls.front().color, kDark);
    EXPECT_EQ(readDisplay(calls, shape(), kLit), (Reading{'+', {d('3') | kPoint, d('6'), d('7')}}));
    EXPECT_THAT(shownAfterPaint(), IsEmpty());
}

TEST_F(E7SegmentTest, FiveWithoutDecimalsShowsLeadingZerosAndThePointInTheLastCell) {
    set("Value", 5.0);
    setShort("DigitAfterPoint", 0);
    EXPECT_EQ(read(), (Reading{'+', {d('0'), d('0'), d('5') | kPoint}}));
}

TEST_F(E7SegmentTest, MinusOnePointFiveWithoutLeadingZerosLeavesTheFirstCellBlank) {
    set("Value", -1.5);
    setShort("DigitAfterPoint", 1);
    set("PrefixedWithZero", false);
    EXPECT_EQ(read(), (Reading{'-', {0, d('1') | kPoint, d('5')}}));
}

TEST_F(E7SegmentTest, ANumberTooLongForTheCellsLosesItsLeadingDigits) {
    set("Value", 1234.5);
    setShort("DigitAfterPoint", 1);
    EXPECT_EQ(read(), (Reading{'+', {d('3'), d('4') | kPoint, d('5')}}));
}

TEST_F(E7SegmentTest, AnUnsignedDisplayGivesTheWholeWidthToItsDigits) {
    set("Ifsigned", false);
    set("Value", -42.0);
    setShort("DigitNumber", 4);
    setShort("DigitAfterPoint", 0);
    const auto calls = paint();
    EXPECT_EQ(readDisplay(calls, shape(), kLit),
              (Reading{' ', {d('0'), d('0'), d('4'), d('2') | kPoint}}));
    // Four cells of 60 pixels: nothing is drawn left of the first one's margin.
    for (const auto& call : calls) {
        for (gfx::Point p : call.points) {
            EXPECT_GE(p.x, 2);
        }
    }
}

TEST_F(E7SegmentTest, ASlantedDisplayReadsTheSameWithEveryCellLeaning) {
    set("Declined", true);
    EXPECT_EQ(read(), (Reading{'+', {d('3') | kPoint, d('6'), d('7')}}));
}

TEST_F(E7SegmentTest, UnusedSegmentsAreDrawnDimUnderTheLitOnes) {
    const auto calls = paint();
    const gfx::ColorRef dim = dimColor(kLit, kDark);
    EXPECT_EQ(dim, gfx::rgb(15, 0, 0));
    int dimmed = 0;
    int lit = 0;
    for (std::size_t i = 1; i < calls.size(); ++i) {
        const auto& call = calls[i];
        EXPECT_EQ(call.pen.color, call.brush.color);
        EXPECT_EQ(call.pen.width, 1);
        if (call.pen.color == dim) {
            ++dimmed;
        } else {
            ASSERT_EQ(call.pen.color, kLit);
            ++lit;
            // Every lit element repeats the dim one just before it, except
            // the sign's middle stroke, which is never dim.
            const auto& before = calls[i - 1];
            if (before.pen.color == dim) {
                EXPECT_EQ(before.points, call.points);
                EXPECT_EQ(before.rect, call.rect);
            }
        }
    }
    // Three cells of seven segments and a point, and the sign's bar.
    EXPECT_EQ(dimmed, 3 * 8 + 1);
    // 3. (5 + 1), 6 (6), 7 (4), plus (bar and middle).
    EXPECT_EQ(lit, 6 + 6 + 4 + 2);

    set("ShowUnusedSegment", false);
    const auto bare = paint();
    EXPECT_EQ(bare.size(), 1U + 6 + 6 + 4 + 2);
}

TEST_F(E7SegmentTest, TheDimColourLiesASixteenthOfTheWayFromBackToFore) {
    EXPECT_EQ(dimColor(gfx::rgb(0, 0, 0), gfx::rgb(255, 255, 255)), gfx::rgb(239, 239, 239));
    EXPECT_EQ(dimColor(gfx::rgb(0, 255, 64), gfx::rgb(32, 0, 200)), gfx::rgb(30, 15, 191));
}

TEST_F(E7SegmentTest, DigitNumberZeroIsRefusedWithItsMessageAndBecomesThree) {
    setShort("DigitNumber", 0);
    EXPECT_THAT(messages.texts(), ElementsAre(kDigitNumberMessage));
    EXPECT_EQ(control->get("DigitNumber")->toInt16().value(), 3);
    EXPECT_TRUE(control->isModified());
}

TEST_F(E7SegmentTest, MoreDecimalsThanDigitsDrawOnlyTheBackgroundAndSayWhyAfterThePaint) {
    setShort("DigitAfterPoint", 4);
    EXPECT_THAT(messages.texts(), IsEmpty());
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 1U);
    EXPECT_EQ(calls[0].kind, gfx::CallKind::FillRect);
    // Nothing is shown inside the paint itself.
    EXPECT_THAT(messages.texts(), IsEmpty());
    EXPECT_THAT(shownAfterPaint(), ElementsAre(kPointAfterDigitsMessage));
    // Every later paint finds it again until the host mends the settings.
    paint();
    EXPECT_THAT(shownAfterPaint(), ElementsAre(kPointAfterDigitsMessage, kPointAfterDigitsMessage));
    setShort("DigitAfterPoint", 2);
    paint();
    EXPECT_EQ(shownAfterPaint().size(), 2U);
}

TEST_F(E7SegmentTest, AHostRepaintingInALoopGetsOneMessageAtATime) {
    setShort("DigitAfterPoint", 4);
    for (int i = 0; i < 5; ++i) {
        paint();
    }
    // While the box is up, the host repaints the control it covers.
    int depth = 0;
    int deepest = 0;
    com::installMessageHandler([&](const com::Message&) {
        ++depth;
        deepest = std::max(deepest, depth);
        for (int i = 0; i < 3; ++i) {
            paint();
            tick();
        }
        --depth;
    });
    EXPECT_EQ(tick(), 1U);
    EXPECT_EQ(deepest, 1);
    // The paints under the box queued nothing more.
    EXPECT_EQ(tick(), 0U);
}

TEST(E7SegmentWithoutSite, AControlWithoutAWindowSaysWhyRightAfterThePaint) {
    com::MessageRecorder messages;
    auto control = com::createControl<CE7SegmentCtrl>();
    ASSERT_TRUE(control->put("DigitAfterPoint", com::Variant(std::int16_t{5})).ok());
    gfx::RecordingCanvas canvas({100, 40});
    control->draw(canvas, {0, 0, 100, 40});
    EXPECT_THAT(messages.texts(), ElementsAre(kPointAfterDigitsMessage));
}

TEST_F(E7SegmentTest, NegativeSettingsFoundByAPaintAreReplacedByThreeAndTwo) {
    // Loading runs no tests, so a document can carry them.
    load(R"("DigitNumber": {"type": "short", "value": -1},
            "DigitAfterPoint": {"type": "short", "value": -2})");
    EXPECT_EQ(read(), (Reading{'+', {d('3') | kPoint, d('6'), d('7')}}));
    EXPECT_THAT(shownAfterPaint(), ElementsAre(kDigitNumberSetMessage, kDigitAfterPointSetMessage));
    EXPECT_EQ(control->get("DigitNumber")->toInt16().value(), 3);
    EXPECT_EQ(control->get("DigitAfterPoint")->toInt16().value(), 2);
}

TEST_F(E7SegmentTest, DigitAfterPointAssignedWhileDigitNumberIsNegativeMendsDigitNumber) {
    load(R"("DigitNumber": {"type": "short", "value": -4})");
    setShort("DigitAfterPoint", 1);
    EXPECT_THAT(messages.texts(), ElementsAre(kDigitNumberNegativeMessage));
    EXPECT_EQ(control->get("DigitNumber")->toInt16().value(), 3);
    EXPECT_EQ(control->get("DigitAfterPoint")->toInt16().value(), 1);
}

}  // namespace
}  // namespace brennix::instruments::testing
