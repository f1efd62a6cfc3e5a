// The scale instruments as a host paints and drags them: a full paint of a
// 200 x 200 Knob and a 60 x 300 Slide into a window surface, and one drag
// step of each (the needle or bar, fill, scale and digit box redrawn on the
// window outside a paint). Targets: a drag step at most 50 microseconds
// median and a full paint at most 0.5 ms, Release build.

#include <benchmark/benchmark.h>

#include <memory>

#include "instruments/knob/knob_ctrl.h"
#include "instruments/slide/slide_ctrl.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/gfx/raster_canvas.h"

namespace {

namespace com = brennix::com;
namespace gfx = brennix::gfx;
namespace in = brennix::instruments;

template <class T>
std::shared_ptr<T> instrument(gfx::Size size) {
    auto control = com::createControl<T>();
    control->setExtent(com::pixelsToHiMetric(size, 96));
    (void)control->put("FillStyle", com::Variant(std::int16_t{1}));
    (void)control->put("Pointer2Visible", com::Variant(true));
    (void)control->put("Pointer2Value", com::Variant(7.5));
    (void)control->put("Pointer1Value", com::Variant(2.5));
    return control;
}

template <class T>
void fullPaint(benchmark::State& state, gfx::Size size) {
    auto control = instrument<T>(size);
    gfx::RasterCanvas window(size);
    for (auto _ : state) {
        control->draw(window, {0, 0, size.cx, size.cy});
        benchmark::DoNotOptimize(window.bitmap());
    }
}

// Presses pointer 1 at `grab`, then moves between two points in range.
template <class T>
void dragStep(benchmark::State& state, gfx::Size size, gfx::Point grab, gfx::Point a,
              gfx::Point b) {
    auto control = instrument<T>(size);
    gfx::RasterCanvas window(size);
    com::HeadlessSite site;
    site.setCanvas(&window);
    site.attach(*control);
    control->draw(window, {0, 0, size.cx, size.cy});
    control->mouseDown(com::MouseButton::Left, 0, grab.x, grab.y);
    if (!control->grabbedPointer()) {
        state.SkipWithError("pointer 1 not grabbed");
        return;
    }
    bool flip = false;
    for (auto _ : state) {
        const gfx::Point p = flip ? a : b;
        flip = !flip;
        control->mouseMove(1, 0, p.x, p.y);
    }
    if (site.windowDraws() == 0) {
        state.SkipWithError("no drag step drew on the window");
    }
}

void KnobFullPaint(benchmark::State& state) {
    fullPaint<in::CKnobCtrl>(state, {200, 200});
}

void SlideFullPaint(benchmark::State& state) {
    fullPaint<in::CSlideCtrl>(state, {60, 300});
}

void KnobDragStep(benchmark::State& state) {
    // Pointer 1 at 2.5 sits at 240 - 0.25 x 300 = 165 degrees.
    auto probe = instrument<in::CKnobCtrl>({200, 200});
    gfx::RasterCanvas scratch({200, 200});
    probe->draw(scratch, {0, 0, 200, 200});
    const in::Dial& d = probe->dial();
    auto at = [&](double degrees) {
        const auto p = d.at(d.radius / 2, degrees * in::kP / 180);
        return p.value_or(d.centre);
    };
    dragStep<in::CKnobCtrl>(state, {200, 200}, at(165), at(100), at(60));
}

void SlideDragStep(benchmark::State& state) {
    auto probe = instrument<in::CSlideCtrl>({60, 300});
    gfx::RasterCanvas scratch({60, 300});
    probe->draw(scratch, {0, 0, 60, 300});
    const in::Tube t = probe->tubeIn({0, 0, 60, 300}, scratch.textMetrics());
    const auto y = [&](double v) { return t.heightOf(probe->range(), v); };
    dragStep<in::CSlideCtrl>(state, {60, 300}, {t.middle, y(2.5)}, {t.middle, y(4)},
                             {t.middle, y(6)});
}

BENCHMARK(KnobFullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideFullPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(KnobDragStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
