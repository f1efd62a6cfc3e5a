// Full paints of the two display controls as a host paints them, into a
// window surface of their own size: a six-digit seven-segment display at
// 300 x 80 (upright and slanted) and an eight-button Boolean group at
// 400 x 60 (in a row and, turned, in a column). Target: at most 0.3 ms each.

#include <benchmark/benchmark.h>

#include <memory>

#include "instruments/boolean/boolean_ctrl.h"
#include "instruments/seven_segment/e7segment_ctrl.h"
#include "platform/gfx/raster_canvas.h"

namespace {

namespace com = brennix::com;
namespace gfx = brennix::gfx;
namespace in = brennix::instruments;

void paintDisplay(benchmark::State& state) {
    auto control = com::createControl<in::CE7SegmentCtrl>();
    const bool ok = control->put("DigitNumber", com::Variant(std::int16_t{6})).ok() &&
                    control->put("Value", com::Variant(-1234.56)).ok() &&
                    control->put("Declined", com::Variant(state.range(0) != 0)).ok();
    if (!ok) {
        state.SkipWithError("the display refused its settings");
        return;
    }
    gfx::RasterCanvas window({300, 80});
    for (auto _ : state) {
        control->draw(window, {0, 0, 300, 80});
        benchmark::DoNotOptimize(window.bitmap().pixel(150, 40));
    }
}
BENCHMARK(paintDisplay)->ArgName("slanted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void paintGroup(benchmark::State& state) {
    auto control = com::createControl<in::CBooleanCtrl>();
    const bool vertical = state.range(0) != 0;
    const bool ok = control->put("BtnNum", com::Variant(std::int16_t{8})).ok() &&
                    control->put("Value", com::Variant(std::int32_t{0xA5})).ok() &&
                    control->put("Distance", com::Variant(std::int32_t{3})).ok() &&
                    control->put("Caption", com::Variant("Port A")).ok() &&
                    control->put("Orientation", com::Variant(std::int16_t{vertical})).ok();
    if (!ok) {
        state.SkipWithError("the group refused its settings");
        return;
    }
    const gfx::Size size = vertical ? gfx::Size{60, 400} : gfx::Size{400, 60};
    gfx::RasterCanvas window(size);
    for (auto _ : state) {
        control->draw(window, {0, 0, size.cx, size.cy});
        benchmark::DoNotOptimize(window.bitmap().pixel(size.cx / 2, size.cy / 2));
    }
}
BENCHMARK(paintGroup)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
