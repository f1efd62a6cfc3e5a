// The recording canvas keeps each call with the drawing state in force.

#include <gtest/gtest.h>

#include "platform/gfx/recording_canvas.h"
#include "platform/gfx/selection.h"

namespace brennix::gfx {
namespace {

const FixedTextMeasure kMeasure{{13, 10, 3, 11, 5}, 6};

class RecordingCanvasTest : public ::testing::Test {
  protected:
    RecordingCanvas canvas_{Size{100, 80}, kMeasure};
};

TEST_F(RecordingCanvasTest, EachCallKeepsThePenBrushAndColoursInForce) {
    canvas_.selectPen({PenStyle::Dash, 1, rgb(1, 2, 3)});
    canvas_.rectangle({1, 2, 30, 40});
    {
        ScopedBrush brush(canvas_, {BrushStyle::Solid, rgb(9, 9, 9)});
        ScopedPen pen(canvas_, {PenStyle::Solid, 2, rgb(4, 5, 6)});
        canvas_.ellipse({5, 5, 9, 9});
    }
    canvas_.pie({0, 0, 10, 10}, {10, 5}, {5, 0});

    const auto& calls = canvas_.calls();
    ASSERT_EQ(calls.size(), 3U);
    EXPECT_EQ(calls[0].kind, CallKind::Rectangle);
    EXPECT_EQ(calls[0].rect, (Rect{1, 2, 30, 40}));
    EXPECT_EQ(calls[0].pen, (Pen{PenStyle::Dash, 1, rgb(1, 2, 3)}));
    EXPECT_EQ(calls[0].brush, Brush{});
    EXPECT_EQ(calls[1].pen, (Pen{PenStyle::Solid, 2, rgb(4, 5, 6)}));
    EXPECT_EQ(calls[1].brush.color, rgb(9, 9, 9));
    // The scoped selections were put back.
    EXPECT_EQ(calls[2].pen, (Pen{PenStyle::Dash, 1, rgb(1, 2, 3)}));
    EXPECT_EQ(calls[2].brush, Brush{});
    EXPECT_EQ(calls[2].points, (std::vector<Point>{{10, 5}, {5, 0}}));
}

TEST_F(RecordingCanvasTest, TextCallsKeepAlignmentColoursClipAndFont) {
    Font bold;
    bold.bold = true;
    canvas_.selectFont(bold);
    canvas_.setTextAlign(TextAlign::Center);
    canvas_.setTextColor(rgb(0, 0, 255));
    canvas_.setBackgroundColor(systemColorRef(SystemColor::ButtonFace));
    canvas_.setBackgroundMode(BackgroundMode::Transparent);
    canvas_.textOutClipped({50, 3}, {0, 3, 100, 16}, "Caption");
    canvas_.textOut({1, 1}, "free");

    const auto texts = canvas_.callsOf(CallKind::TextOut);
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "Caption");
    EXPECT_TRUE(texts[0].clipped);
    EXPECT_EQ(texts[0].rect, (Rect{0, 3, 100, 16}));
    EXPECT_EQ(texts[0].textAlign, TextAlign::Center);
    EXPECT_EQ(texts[0].textColor, rgb(0, 0, 255));
    EXPECT_EQ(texts[0].backgroundColor, systemColorRef(SystemColor::ButtonFace));
    EXPECT_EQ(texts[0].backgroundMode, BackgroundMode::Transparent);
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_FALSE(texts[1].clipped);
}

TEST_F(RecordingCanvasTest, BlockCopyCarriesWhatWasDrawnOffScreen) {
    auto offscreen = canvas_.createCompatible({40, 30});
    EXPECT_EQ(offscreen->size(), (Size{40, 30}));
    EXPECT_EQ(offscreen->textExtent("ab").cx, 12);
    offscreen->fillRect({0, 0, 40, 30}, rgb(7, 7, 7));
    const Point tri[] = {{0, 0}, {5, 0}, {0, 5}};
    offscreen->polygon(tri);
    canvas_.blockCopy({10, 10, 50, 40}, *offscreen, {0, 0});

    ASSERT_EQ(canvas_.calls().size(), 1U);
    const RecordedCall& copy = canvas_.calls()[0];
    EXPECT_EQ(copy.kind, CallKind::BlockCopy);
    EXPECT_EQ(copy.rect, (Rect{10, 10, 50, 40}));
    ASSERT_EQ(copy.source.size(), 2U);
    EXPECT_EQ(copy.source[0].kind, CallKind::FillRect);
    EXPECT_EQ(copy.source[0].color, rgb(7, 7, 7));
    EXPECT_EQ(copy.source[1].points.size(), 3U);
}

TEST(RecordingCanvasFonts, MeasuresWithTheSameFacesAsTheRasterCanvas) {
    RecordingCanvas canvas(Size{10, 10});
    const auto face = FontLibrary::shared().face(Font{});
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(canvas.textMetrics(), face->metrics());
    EXPECT_EQ(canvas.textExtent("Hz").cx, face->advance(U'H') + face->advance(U'z'));
}

}  // namespace
}  // namespace brennix::gfx
