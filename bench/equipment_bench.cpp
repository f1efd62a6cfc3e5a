// An operator screen of equipment controls, painted as a host paints it:
// every control into a window surface of its own size, copied onto the
// screen. A full paint of the screen, one blink tick of its pipes, and for
// scale the same screen with every window only filled.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "platform/com/site.h"
#include "platform/gfx/raster_canvas.h"

namespace {

namespace com = brennix::com;
namespace gfx = brennix::gfx;
namespace eq = brennix::equipment;

// Collects what its controls ask to have repainted; timers are the host's.
class ScreenSite final : public com::Site {
  public:
    com::Ambient ambient() const override { return {}; }
    void invalidate(com::Control& control, const std::optional<gfx::Rect>&) override {
        dirty.push_back(&control);
    }
    void updateNow(com::Control&) override {}
    bool setTimer(com::Control&, std::uint32_t, std::uint32_t) override { return true; }
    void killTimer(com::Control&, std::uint32_t) override {}
    bool requestExtent(com::Control&, gfx::Size) override { return true; }
    void detach(com::Control&) override {}

    std::vector<com::Control*> dirty;
};

struct Window {
    std::shared_ptr<eq::CEquipmentCtrl> control;
    gfx::Point at;
    std::unique_ptr<gfx::RasterCanvas> surface;
};

class Screen {
  public:
    Screen() : screen_({800, 600}) {
        int x = 10;
        int y = 10;
        auto add = [&](std::shared_ptr<eq::CEquipmentCtrl> control, const char* style, int n) {
            if (!control->put(style, com::Variant(static_cast<std::int16_t>(n))).ok()) {
                ok = false;
            }
            site_.dirty.clear();
            control->setSite(&site_);
            const gfx::Size size = control->extentPixels();
            if (x + size.cx > 790) {
                x = 10;
                y += 100;
            }
            windows_.push_back({control, {x, y}, std::make_unique<gfx::RasterCanvas>(size)});
            x += size.cx + 8;
        };
        const int pipeStyles[] = {4, 4, 4, 5, 5, 0, 1, 2, 3, 6, 7, 4, 5, 4, 0, 3, 4, 5, 6, 4};
        for (int style : pipeStyles) {
            add(com::createControl<eq::CPipeCtrl>(), "PipeStyle", style);
        }
        for (int style : {0, 1, 0, 0}) {
            add(com::createControl<eq::CMotorCtrl>(), "MotorStyle", style);
        }
        for (int style : {0, 6, 8}) {
            add(com::createControl<eq::CPumpCtrl>(), "PumpStyle", style);
        }
        for (int style : {0, 1, 2}) {
            add(com::createControl<eq::CTankCtrl>(), "TankStyle", style);
        }
        for (int style : {0, 1, 2, 3, 4, 5, 6}) {
            add(com::createControl<eq::CValueCtrl>(), "ValueStyle", style);
        }
        site_.dirty.clear();
    }
    ~Screen() {
        for (auto& w : windows_) {
            w.control->setSite(nullptr);
        }
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    void paint(Window& w) {
        const gfx::Size size = w.surface->size();
        w.control->draw(*w.surface, {0, 0, size.cx, size.cy});
        show(w);
    }
    void fillOnly(Window& w) {
        const gfx::Size size = w.surface->size();
        w.surface->fillRect({0, 0, size.cx, size.cy}, gfx::rgb(212, 208, 200));
        show(w);
    }
    void show(Window& w) {
        const gfx::Size size = w.surface->size();
        screen_.blockCopy({w.at.x, w.at.y, w.at.x + size.cx, w.at.y + size.cy}, *w.surface, {0, 0});
    }

    void paintAll() {
        for (auto& w : windows_) {
            paint(w);
        }
    }
    void fillAll() {
        for (auto& w : windows_) {
            fillOnly(w);
        }
    }
    // The flow timer of every pipe ticks once; the host repaints what the
    // ticks invalidated.
    std::size_t blinkTick() {
        for (auto& w : windows_) {
            if (dynamic_cast<eq::CPipeCtrl*>(w.control.get()) != nullptr) {
                w.control->timerTick(eq::CPipeCtrl::kFlowTimer);
            }
        }
        const std::size_t repainted = site_.dirty.size();
        for (com::Control* dirty : site_.dirty) {
            for (auto& w : windows_) {
                if (w.control.get() == dirty) {
                    paint(w);
                }
            }
        }
        site_.dirty.clear();
        return repainted;
    }

    std::size_t controls() const { return windows_.size(); }
    bool ok = true;

  private:
    ScreenSite site_;
    gfx::RasterCanvas screen_;
    std::vector<Window> windows_;
};

void BM_ScreenFullPaint(benchmark::State& state) {
    Screen screen;
    if (!screen.ok || screen.controls() != 37) {
        state.SkipWithError("the screen could not be built");
        return;
    }
    for (auto _ : state) {
        screen.paintAll();
        benchmark::ClobberMemory();
    }
    state.counters["controls"] = static_cast<double>(screen.controls());
}
BENCHMARK(BM_ScreenFullPaint)->Unit(benchmark::kMicrosecond);

void BM_ScreenPipesBlinkTick(benchmark::State& state) {
    Screen screen;
    std::size_t repainted = 0;
    for (auto _ : state) {
        repainted = screen.blinkTick();
        benchmark::ClobberMemory();
    }
    if (repainted != 20) {
        state.SkipWithError("a tick must repaint the 20 pipes");
    }
    state.counters["pipes"] = static_cast<double>(repainted);
}
BENCHMARK(BM_ScreenPipesBlinkTick)->Unit(benchmark::kMicrosecond);

// The peer: the same windows filled and copied, with nothing drawn in them.
void BM_ScreenWindowsFilledOnly(benchmark::State& state) {
    Screen screen;
    for (auto _ : state) {
        screen.fillAll();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScreenWindowsFilledOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
