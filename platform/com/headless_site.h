#pragma once
// A container without windows, for tests and tools: it records repaint
// requests and extent requests, runs window timers on the process clock
// (hw::VirtualClock in tests) and paints onto a canvas when given one.

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/com/site.h"

namespace brennix::com {

class HeadlessSite final : public Site {
  public:
    HeadlessSite() = default;
    ~HeadlessSite() override;
    HeadlessSite(const HeadlessSite&) = delete;
    HeadlessSite& operator=(const HeadlessSite&) = delete;

    // Places a control in this site; the site lets go of it when it dies.
    void attach(Control& control);

    Ambient& ambientProperties() { return ambient_; }
    Ambient ambient() const override { return ambient_; }

    void invalidate(Control& control, const std::optional<gfx::Rect>& area) override;
    void updateNow(Control& control) override;
    bool setTimer(Control& control, std::uint32_t id, std::uint32_t milliseconds) override;
    void killTimer(Control& control, std::uint32_t id) override;
    bool requestExtent(Control& control, gfx::Size himetric) override;
    void detach(Control& control) override;

    // Refresh paints the control here, in (0, 0, pixel width, pixel height),
    // and drawing outside a paint lands here too, as on a window.
    void setCanvas(gfx::Canvas* canvas) { canvas_ = canvas; }
    WindowSurface windowSurface(Control& control) override;

    // Delivers one tick to every timer whose period has passed since it was
    // armed or last ticked (late ticks coalesce, as window timers do).
    // Returns the number of ticks delivered.
    std::size_t runDueTimers();
    bool timerArmed(const Control& control, std::uint32_t id) const;
    std::optional<std::uint32_t> timerPeriod(const Control& control, std::uint32_t id) const;

    int invalidations() const { return invalidations_; }
    int paints() const { return paints_; }
    // Surfaces lent outside a paint and let go again.
    int windowDraws() const { return windowDraws_; }
    const std::vector<gfx::Size>& extentRequests() const { return extentRequests_; }
    void clearRecords();

  private:
    struct Timer {
        std::uint32_t period = 0;
        std::uint64_t dueMicroseconds = 0;
    };
    using TimerKey = std::pair<const Control*, std::uint32_t>;

    Ambient ambient_;
    gfx::Canvas* canvas_ = nullptr;
    std::vector<Control*> controls_;
    std::map<TimerKey, Timer> timers_;
    int invalidations_ = 0;
    int paints_ = 0;
    int windowDraws_ = 0;
    std::vector<gfx::Size> extentRequests_;
};

}  // namespace brennix::com
