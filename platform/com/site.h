#pragma once
// What a container provides to the controls it hosts.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace brennix::com {

class Control;

// The control's window to draw on outside a paint, as the container lends
// it: the canvas covers the client area with its origin at the top left,
// and what was drawn shows once the surface is let go. An empty surface
// means the container has none to lend.
class WindowSurface {
  public:
    WindowSurface() = default;
    explicit WindowSurface(gfx::Canvas& canvas, std::function<void()> release = {})
        : canvas_(&canvas), release_(std::move(release)) {}
    ~WindowSurface() { letGo(); }
    WindowSurface(WindowSurface&& other) noexcept
        : canvas_(std::exchange(other.canvas_, nullptr)), release_(std::move(other.release_)) {
        other.release_ = nullptr;
    }
    WindowSurface& operator=(WindowSurface&& other) noexcept {
        if (this != &other) {
            letGo();
            canvas_ = std::exchange(other.canvas_, nullptr);
            release_ = std::exchange(other.release_, nullptr);
        }
        return *this;
    }
    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

    explicit operator bool() const { return canvas_ != nullptr; }
    gfx::Canvas* canvas() const { return canvas_; }

  private:
    void letGo() {
        if (release_) {
            std::exchange(release_, nullptr)();
        }
        canvas_ = nullptr;
    }

    gfx::Canvas* canvas_ = nullptr;
    std::function<void()> release_;
};

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

    // The control's window for drawing at once, outside a paint (a dragged
    // needle follows the mouse). A container without one lends nothing and
    // the control asks for a repaint instead.
    virtual WindowSurface windowSurface(Control& /*control*/) { return {}; }

    // A modal message owned by the control's window; by default it goes
    // through the message-box service.
    virtual void showMessage(Control& control, std::string_view text, std::string_view caption);

    // The control leaves the site (destroyed or moved): its timers end.
    virtual void detach(Control& control) = 0;
};

}  // namespace brennix::com
