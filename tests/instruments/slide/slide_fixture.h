#pragma once
// A Slide of a given size and the tube its client rectangle gives.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "instruments/slide/slide_ctrl.h"
#include "platform/com/headless_site.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {

class SlideTest : public ::testing::Test {
  protected:
    void SetUp() override { slide = make<CSlideCtrl>(size); }
    void resize(gfx::Size s) {
        size = s;
        slide = make<CSlideCtrl>(size);
    }

    std::vector<gfx::RecordedCall> paint() {
        gfx::RecordingCanvas canvas(size);
        slide->draw(canvas, {0, 0, size.cx, size.cy});
        metrics = canvas.textMetrics();
        return canvas.calls();
    }
    Tube tube() {
        paint();
        return slide->tubeIn({0, 0, size.cx, size.cy}, metrics);
    }

    void press(int x, int y) { slide->mouseDown(com::MouseButton::Left, 0, x, y); }
    void drag(int x, int y) { slide->mouseMove(1, 0, x, y); }
    void release(int x, int y) { slide->mouseUp(com::MouseButton::Left, 0, x, y); }

    gfx::Size size{60, 300};
    gfx::TextMetrics metrics;
    std::shared_ptr<CSlideCtrl> slide;
};

inline std::vector<gfx::RecordedCall> ofKind(const std::vector<gfx::RecordedCall>& calls,
                                             gfx::CallKind k) {
    std::vector<gfx::RecordedCall> out;
    for (const auto& c : calls) {
        if (c.kind == k) {
            out.push_back(c);
        }
    }
    return out;
}

inline std::vector<std::string> texts(const std::vector<gfx::RecordedCall>& calls) {
    std::vector<std::string> out;
    for (const auto& c : ofKind(calls, gfx::CallKind::TextOut)) {
        out.push_back(c.text);
    }
    return out;
}

}  // namespace brennix::instruments::testing
