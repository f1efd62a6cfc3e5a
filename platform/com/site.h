#pragma once
// What a container provides to the controls it hosts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace brennix::com {

class Control;

// The container's ambient properties.
struct Ambient {
    bool userMode = true;  // false while a form is being designed
    gfx::ColorRef backColor = gfx::systemColorRef(gfx::SystemColor::ButtonFace);
    gfx::ColorRef foreColor = gfx::systemColorRef(gfx::SystemColor::WindowText);
    gfx::Font font;
    int pixelsPerInch = 96;
    std::string displayName;
};

class Site {
  public:
    virtual ~Site() = default;

    virtual Ambient ambient() const = 0;

    // Request a repaint of the area (the whole control without one).
    virtual void invalidate(Control& control, const std::optional<gfx::Rect>& area) = 0;
    // Repaint now (stock Refresh).
    virtual void updateNow(Control& control) = 0;

    // Window timers: ticks arrive through Control::timerTick on the user
    // interface thread. Arming an armed timer replaces it.
    virtual bool setTimer(Control& control, std::uint32_t id, std::uint32_t milliseconds) = 0;
    virtual void killTimer(Control& control, std::uint32_t id) = 0;

    // The control asks to be resized to an extent in 0.01 mm.
    virtual bool requestExtent(Control& control, gfx::Size himetric) = 0;

    // A modal message owned by the control's window; by default it goes
    // through the message-box service.
    virtual void showMessage(Control& control, std::string_view text, std::string_view caption);

    // The control leaves the site (destroyed or moved): its timers end.
    virtual void detach(Control& control) = 0;
};

}  // namespace brennix::com
