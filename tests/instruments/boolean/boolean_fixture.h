#pragma once
// A Boolean group as a host holds it: sized in pixels in a headless site,
// painted onto a recording canvas and clicked with the left button.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "instruments/boolean/boolean_ctrl.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::instruments::testing {

inline constexpr gfx::ColorRef kCyan = gfx::rgb(0, 255, 255);

class BooleanTest : public ::testing::Test {
  protected:
    BooleanTest() : control(com::createControl<CBooleanCtrl>()) { site.attach(*control); }

    void resize(int width, int height) {
        control->setExtent(com::pixelsToHiMetric({width, height}, 96));
    }
    gfx::Rect bounds() const {
        const gfx::Size size = control->extentPixels();
        return {0, 0, size.cx, size.cy};
    }

    void set(const char* name, const com::Variant& value) {
        ASSERT_TRUE(control->put(name, value).ok()) << name;
    }
    void setShort(const char* name, int value) {
        set(name, com::Variant(static_cast<std::int16_t>(value)));
    }
    void setValue(std::int32_t value) { set("Value", com::Variant(value)); }
    std::int32_t value() const { return control->get("Value")->toInt32().value(); }

    void click(int x, int y) {
        control->mouseDown(com::MouseButton::Left, 0, x, y);
        control->mouseUp(com::MouseButton::Left, 0, x, y);
    }

    std::vector<gfx::RecordedCall> paint() {
        const gfx::Rect b = bounds();
        gfx::RecordingCanvas canvas({b.right, b.bottom});
        control->draw(canvas, b);
        return canvas.calls();
    }

    // The texts of one paint, in order.
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const auto& call : paint()) {
            if (call.kind == gfx::CallKind::TextOut) {
                out.push_back(call.text);
            }
        }
        return out;
    }

    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CBooleanCtrl> control;
};

}  // namespace brennix::instruments::testing
