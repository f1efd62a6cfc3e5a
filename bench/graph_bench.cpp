// Full repaints of a busy Graph, driven through the control as a host
// drives it.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/control/graph_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/safe_array.h"
#include "platform/gfx/raster_canvas.h"

namespace {

namespace com = brennix::com;
namespace gfx = brennix::gfx;
using brennix::chart::CGraphCtrl;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPlots = CGraphCtrl::kPlots;

// 800x600, eight plots of `samples` each with solid circles and fills down
// to zero, grids on, the window showing every sample.
void repaint(benchmark::State& state, std::int32_t samples) {
    com::MessageRecorder messages;
    com::HeadlessSite site;
    auto graph = com::createControl<CGraphCtrl>();
    site.attach(*graph);
    graph->setExtent(com::pixelsToHiMetric({kWidth, kHeight}, 96));
    bool ok = true;
    const auto put = [&](const std::string& name, com::Variant value) {
        ok = ok && graph->put(name, value).ok();
    };
    put("PlotNum", std::int16_t{kPlots});
    put("ViewNum", samples - 1);
    for (const char* grid : {"XGridMajor", "XGridMinor", "YGridMajor", "YGridMinor"}) {
        put(grid, true);
    }
    for (int p = 1; p <= kPlots; ++p) {
        put("PointStyle" + std::to_string(p), std::int16_t{6});
        put("FillBase" + std::to_string(p), std::int16_t{1});
    }
    std::vector<double> values;
    for (std::int32_t s = 0; s < samples; ++s) {
        for (int p = 0; p < kPlots; ++p) {
            values.push_back(5.0 + 4.5 * std::sin(s * 0.05 * (p + 1) + p));
        }
    }
    ok = ok && graph
                   ->call("PlotGraphs",
                          {com::Variant(com::SafeArray::fromValues<double>(values).value())})
                   .ok();
    if (!ok || !messages.messages().empty()) {
        state.SkipWithError("the graph refused its setup");
        return;
    }
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        graph->draw(canvas, {0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(canvas.bitmap().row(kHeight / 2)[kWidth / 2]);
    }
}

void BM_GraphRepaintMarkersAndFills(benchmark::State& s) {
    repaint(s, 1000);
}

}  // namespace

BENCHMARK(BM_GraphRepaintMarkersAndFills)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
