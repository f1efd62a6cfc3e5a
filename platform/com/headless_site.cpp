#include "platform/com/headless_site.h"

#include <algorithm>

#include "platform/com/control.h"
#include "platform/hw/clock.h"

namespace brennix::com {

HeadlessSite::~HeadlessSite() {
    // Controls that outlive the site must not call back into it.
    auto controls = controls_;
    for (Control* control : controls) {
        control->setSite(nullptr);
    }
}

void HeadlessSite::attach(Control& control) {
    if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end()) {
        controls_.push_back(&control);
    }
    control.setSite(this);
}

void HeadlessSite::detach(Control& control) {
    std::erase(controls_, &control);
    std::erase_if(timers_, [&](const auto& t) { return t.first.first == &control; });
}

void HeadlessSite::invalidate(Control& /*control*/, const std::optional<gfx::Rect>& /*area*/) {
    ++invalidations_;
}

void HeadlessSite::updateNow(Control& control) {
    ++paints_;
    if (canvas_ != nullptr) {
        gfx::Size size = control.extentPixels();
        control.draw(*canvas_, {0, 0, size.cx, size.cy});
    }
}

WindowSurface HeadlessSite::windowSurface(Control& /*control*/) {
    if (canvas_ == nullptr) {
        return {};
    }
    return WindowSurface(*canvas_, [this] { ++windowDraws_; });
}

bool HeadlessSite::setTimer(Control& control, std::uint32_t id, std::uint32_t milliseconds) {
    // A zero period ticks as fast as the host can, like a window timer of 0.
    std::uint32_t period = std::max<std::uint32_t>(milliseconds, 1);
    timers_[{&control, id}] = {period, hw::nowMicroseconds() + period * 1000ULL};
    return true;
}

void HeadlessSite::killTimer(Control& control, std::uint32_t id) {
    timers_.erase({&control, id});
}

bool HeadlessSite::requestExtent(Control& /*control*/, gfx::Size himetric) {
    extentRequests_.push_back(himetric);
    return true;
}

std::size_t HeadlessSite::runDueTimers() {
    std::uint64_t now = hw::nowMicroseconds();
    std::vector<TimerKey> due;
    for (const auto& [key, timer] : timers_) {
        if (timer.dueMicroseconds <= now) {
            due.push_back(key);
        }
    }
    std::size_t ticks = 0;
    for (const auto& key : due) {
        // An earlier tick may have killed this timer or its control.
        auto it = timers_.find(key);
        if (it == timers_.end()) {
            continue;
        }
        it->second.dueMicroseconds = now + it->second.period * 1000ULL;
        ++ticks;
        const_cast<Control*>(key.first)->timerTick(key.second);
    }
    return ticks;
}

bool HeadlessSite::timerArmed(const Control& control, std::uint32_t id) const {
    return timers_.contains({&control, id});
}

std::optional<std::uint32_t> HeadlessSite::timerPeriod(const Control& control,
                                                       std::uint32_t id) const {
    auto it = timers_.find({&control, id});
    if (it == timers_.end()) {
        return std::nullopt;
    }
    return it->second.period;
}

void HeadlessSite::clearRecords() {
    invalidations_ = 0;
    paints_ = 0;
    windowDraws_ = 0;
    extentRequests_.clear();
}

}  // namespace brennix::com
