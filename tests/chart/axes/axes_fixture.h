#pragma once
// A chart frame on a recording canvas whose text is 10 pixels high and whose
// widest character is 10 pixels (so the width estimate is 8 per character).
// The default control of 314 x 226 leaves W = 300 and H = 212 inside the
// border and margins: Y ticks 10 and 5 long, X ticks 7 and 3.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/axes/draw_axes.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::chart::testing {

inline const gfx::FixedTextMeasure kMeasure{{10, 8, 2, 10, 6}, 6};
inline constexpr gfx::Rect kBounds{0, 0, 314, 226};

class AxesTest : public ::testing::Test {
  protected:
    AxesLayout draw(const BandTraces& traces = {}) {
        canvas_.clear();
        return drawAxes(canvas_, kBounds, a_, XTickWindow{0, 100, a_.XSpacingMajor}, traces);
    }

    // Lines drawn in one colour, as (from, to) pairs.
    std::vector<std::pair<gfx::Point, gfx::Point>> linesIn(gfx::ColorRef color) const {
        std::vector<std::pair<gfx::Point, gfx::Point>> out;
        for (const auto& c : canvas_.callsOf(gfx::CallKind::LineTo)) {
            if (c.pen.color == color && c.pen.width == 1) {
                out.emplace_back(c.points[0], c.points[1]);
            }
        }
        return out;
    }

    std::vector<gfx::RecordedCall> texts() const { return canvas_.callsOf(gfx::CallKind::TextOut); }

    ChartAppearance a_;
    gfx::RecordingCanvas canvas_{{314, 226}, kMeasure};
};

}  // namespace brennix::chart::testing
