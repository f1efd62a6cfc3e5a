#pragma once
// An E7Segment as a host holds it: in a headless site whose window timers
// the test runs, with every message recorded.

#include <gtest/gtest.h>
#include <cmath>

#include <memory>
#include <vector>

#include "instruments/seven_segment/e7segment_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/recording_canvas.h"
#include "platform/hw/clock.h"
#include "tests/instruments/seven_segment/display_reading.h"

namespace brennix::instruments::testing {

inline constexpr gfx::ColorRef kLit = gfx::rgb(255, 0, 0);
inline constexpr gfx::ColorRef kDark = gfx::rgb(0, 0, 0);

class E7SegmentTest : public ::testing::Test {
  protected:
    E7SegmentTest() : control(com::createControl<CE7SegmentCtrl>()) {
        site.attach(*control);
        colour();
    }

    void colour() {
        set("ForeColor", com::Variant::fromColor(kLit));
        set("BackColor", com::Variant::fromColor(kDark));
        messages.clear();
    }

    // A stored set of properties, loaded as a host loads a form; the
    // test's colours are kept.
    void load(const std::string& properties) {
        const std::string document =
            R"({"class": "7Segment", "version": "1.0", "properties": {)" + properties + "}}";
        ASSERT_TRUE(com::PropertyExchange::load(*control, document).ok());
        colour();
    }

    // Non-finite doubles are refused by dispatch; the display keeps its value.
    void set(const char* name, const com::Variant& value) {
        if (value.type() == com::VarType::Double && !std::isfinite(value.toDouble().value())) {
            EXPECT_FALSE(control->put(name, value).ok()) << name;
            return;
        }
        ASSERT_TRUE(control->put(name, value).ok()) << name;
    }
    void setShort(const char* name, int value) {
        set(name, com::Variant(static_cast<std::int16_t>(value)));
    }

    std::vector<gfx::RecordedCall> paint() {
        gfx::RecordingCanvas canvas({bounds.right, bounds.bottom});
        control->draw(canvas, bounds);
        return canvas.calls();
    }

    DisplayShape shape() const {
        const auto digits = control->get("DigitNumber").value().toInt16().value();
        const bool ifSigned = control->get("Ifsigned").value().toBool().value();
        const bool declined = control->get("Declined").value().toBool().value();
        return {bounds, digits, ifSigned, declined};
    }

    Reading read() {
        const auto calls = paint();
        return readDisplay(calls, shape(), kLit);
    }

    // Messages raised in paints so far, once the window timers have run.
    std::vector<std::string> shownAfterPaint() {
        tick();
        return messages.texts();
    }

    // The host's event loop runs the window timers that are due.
    std::size_t tick() {
        time->advance(1000);
        return site.runDueTimers();
    }

    std::shared_ptr<hw::VirtualClock> time = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scopedClock{time};
    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CE7SegmentCtrl> control;
    gfx::Rect bounds{0, 0, 240, 80};
};

inline constexpr SegmentCode d(char c) {
    return digitPattern(c);
}

}  // namespace brennix::instruments::testing
