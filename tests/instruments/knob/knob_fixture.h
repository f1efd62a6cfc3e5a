#pragma once
// A Knob painted once on a recording canvas, so that its dial is known and
// the mouse has something to hit, and helpers for the points of its dial.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "instruments/knob/knob_ctrl.h"
#include "platform/com/headless_site.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {

class KnobTest : public ::testing::Test {
  protected:
    void SetUp() override { knob = make<CKnobCtrl>(size); }

    std::vector<gfx::RecordedCall> paint() { return record(*knob, {0, 0, size.cx, size.cy}); }

    // A point at `radius` and `degrees` from the centre of the painted dial.
    gfx::Point at(double radius, double degrees) const {
        const double a = degrees * kP / 180;
        const Dial& d = knob->dial();
        return {d.centre.x + static_cast<int>(std::lround(radius * std::cos(a))),
                d.centre.y - static_cast<int>(std::lround(radius * std::sin(a)))};
    }
    void press(gfx::Point p) { knob->mouseDown(com::MouseButton::Left, 0, p.x, p.y); }
    void drag(gfx::Point p) { knob->mouseMove(1, 0, p.x, p.y); }
    void release(gfx::Point p) { knob->mouseUp(com::MouseButton::Left, 0, p.x, p.y); }

    gfx::Size size{110, 110};
    std::shared_ptr<CKnobCtrl> knob;
};

// The texts drawn, in order.
inline std::vector<std::string> texts(const std::vector<gfx::RecordedCall>& calls) {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::TextOut) {
            out.push_back(c.text);
        }
    }
    return out;
}

// The lines drawn with a pen of this colour, as (from, to).
inline std::vector<std::pair<gfx::Point, gfx::Point>> linesIn(
    const std::vector<gfx::RecordedCall>& calls, gfx::ColorRef color) {
    std::vector<std::pair<gfx::Point, gfx::Point>> out;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::LineTo && c.pen.color == color && c.points.size() == 2) {
            out.emplace_back(c.points[0], c.points[1]);
        }
    }
    return out;
}

}  // namespace brennix::instruments::testing
