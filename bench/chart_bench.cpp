// Full repaints of a busy Chart and the rate of PlotCharts appends, driven
// through the control as a host drives it.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/control/chart_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/safe_array.h"
#include "platform/gfx/raster_canvas.h"

namespace {

namespace com = brennix::com;
namespace gfx = brennix::gfx;
using brennix::chart::CChartCtrl;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPlots = CChartCtrl::kPlots;

com::Variant sampleRow(std::int64_t n) {
    std::vector<double> row(kPlots);
    for (int p = 0; p < kPlots; ++p) {
        // Each plot its own wave inside the default 0..10 scale.
        row[static_cast<std::size_t>(p)] =
            5.0 + 4.5 * std::sin(static_cast<double>(n) * 0.05 * (p + 1) + p);
    }
    return com::Variant(com::SafeArray::fromValues<double>(row).value());
}

// An 800x600 chart with all eight plots, grids and labels on. The history
// length is shared out among the plots: 1024 cells each.
struct BusyChart {
    BusyChart(std::int16_t mode, std::int32_t viewNum, std::int32_t history = kPlots * 1024) {
        site.attach(*chart);
        chart->setExtent(com::pixelsToHiMetric({kWidth, kHeight}, 96));
        put("PlotNum", std::int16_t{kPlots});
        put("HistoryLength", history);
        put("UpdateMode", mode);
        put("ViewNum", viewNum);
        for (const char* grid : {"XGridMajor", "XGridMinor", "YGridMajor", "YGridMinor"}) {
            put(grid, true);
        }
        ok = ok && chart->call("InitControl").ok();
    }

    void put(const char* name, com::Variant value) { ok = ok && chart->put(name, value).ok(); }

    void fill(std::int64_t samples) {
        for (std::int64_t n = 0; n < samples && ok; ++n) {
            ok = chart->call("PlotCharts", {sampleRow(n)}).ok();
        }
    }

    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CChartCtrl> chart = com::createControl<CChartCtrl>();
    bool ok = true;
};

// Paints after enough samples that the rings are full, a sweep has its
// previous page behind the cursor and each mode shows a whole window (about
// 1000 points a plot, the scope's page nearly full).
void repaint(benchmark::State& state, std::int16_t mode, std::int32_t viewNum,
             bool decorated = false) {
    BusyChart busy(mode, viewNum);
    for (int p = 1; decorated && p <= kPlots; ++p) {
        // Solid circles on every point and fills down to zero.
        busy.put(("PointStyle" + std::to_string(p)).c_str(), std::int16_t{6});
        busy.put(("FillBase" + std::to_string(p)).c_str(), std::int16_t{1});
    }
    busy.fill(3000);
    if (!busy.ok || !busy.messages.messages().empty()) {
        state.SkipWithError("the chart refused its setup");
        return;
    }
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        busy.chart->draw(canvas, {0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(canvas.bitmap().row(kHeight / 2)[kWidth / 2]);
    }
}

void BM_RepaintStrip(benchmark::State& s) {
    repaint(s, 0, 1000);
}
void BM_RepaintScope(benchmark::State& s) {
    repaint(s, 1, 1000);
}
void BM_RepaintSweep(benchmark::State& s) {
    repaint(s, 2, 1000);
}
void BM_RepaintStripWidestView(benchmark::State& s) {
    repaint(s, 0, 2147483647);
}
void BM_RepaintScopeWidestView(benchmark::State& s) {
    repaint(s, 1, 2147483647);
}
void BM_RepaintSweepWidestView(benchmark::State& s) {
    repaint(s, 2, 2147483647);
}
void BM_RepaintSweepMarkersAndFills(benchmark::State& s) {
    repaint(s, 2, 1000, true);
}
void BM_RepaintSweepWidestViewMarkersAndFills(benchmark::State& s) {
    repaint(s, 2, 2147483647, true);
}

// Appends without a repaint in between; a host builds a new array per call,
// and that cost is part of what it sees. Items are samples (eight a call).
void appends(benchmark::State& state, std::int16_t mode, bool freshArray) {
    BusyChart busy(mode, 1000);
    if (!busy.ok) {
        state.SkipWithError("the chart refused its setup");
        return;
    }
    const com::Variant row = sampleRow(7);
    std::int64_t n = 0;
    for (auto _ : state) {
        if (freshArray) {
            busy.chart->PlotCharts(sampleRow(n++));
        } else {
            busy.chart->PlotCharts(row);
        }
    }
    if (!busy.messages.messages().empty()) {
        state.SkipWithError("PlotCharts reported a message");
    }
    state.SetItemsProcessed(state.iterations() * kPlots);
}

void BM_PlotChartsStrip(benchmark::State& s) {
    appends(s, 0, false);
}
void BM_PlotChartsScope(benchmark::State& s) {
    appends(s, 1, false);
}
void BM_PlotChartsSweep(benchmark::State& s) {
    appends(s, 2, false);
}
void BM_PlotChartsStripFreshArray(benchmark::State& s) {
    appends(s, 0, true);
}

}  // namespace

BENCHMARK(BM_RepaintStrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintScope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintStripWidestView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintScopeWidestView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintSweepWidestView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintSweepMarkersAndFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintSweepWidestViewMarkersAndFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotChartsStrip);
BENCHMARK(BM_PlotChartsScope);
BENCHMARK(BM_PlotChartsSweep);
BENCHMARK(BM_PlotChartsStripFreshArray);

BENCHMARK_MAIN();
