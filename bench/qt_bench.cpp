// The desktop host's costs, in one run:
// - the raster canvas against Qt's own raster painter (QImage, antialiasing
//   off, cosmetic pens) on the canvas scenes, and a time series of 10,000
//   points with increasing x across 1280 pixels, as a chart draws one, for
//   the raster canvas, Qt and Cairo;
// - a Chart repaint hosted in the Qt widget against the same Chart drawn on
//   a bare raster canvas.
// After the runs a table gives the peer's time over ours.

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bench/bench_scenes.h"
#include "chart/control/chart_ctrl.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/raster_canvas.h"
#include "qt/control_widget.h"

namespace brennix::bench {
namespace {

gfx::ColorRef colorAt(std::size_t i) {
    return scenes().colors[i % scenes().colors.size()];
}

QColor qtColor(gfx::ColorRef c) {
    return {gfx::redOf(c), gfx::greenOf(c), gfx::blueOf(c)};
}

// A chart's trace: one point per sample, x rising across the width.
const std::vector<gfx::Point>& timeSeries() {
    static const std::vector<gfx::Point> points = [] {
        std::vector<gfx::Point> out;
        constexpr int kPoints = 10000;
        for (int i = 0; i < kPoints; ++i) {
            const double t = static_cast<double>(i) / kPoints;
            const double wave = std::sin(t * 40.0) * 0.6 + std::sin(t * 517.0) * 0.25 +
                                ((i * 7919) % 101 - 50) / 500.0;
            out.push_back(
                {i * kWidth / kPoints, kHeight / 2 - static_cast<int>(wave * (kHeight / 2 - 10))});
        }
        return out;
    }();
    return points;
}

QPolygon qtPolygon(const std::vector<gfx::Point>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) {
        polygon.append(QPoint(p.x, p.y));
    }
    return polygon;
}

// One QImage with a painter as controls would use it: no antialiasing,
// cosmetic 1-pixel pens.
class QtSurface {
  public:
    QtSurface() : image_(kWidth, kHeight, QImage::Format_RGB32), painter_() {
        image_.fill(Qt::white);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        pen(Qt::black);
    }
    QPainter& get() { return painter_; }
    void pen(const QColor& color) {
        QPen p(color, 1);
        p.setCosmetic(true);
        painter_.setPen(p);
    }
    const uchar* bits() const { return image_.constBits(); }

  private:
    QImage image_;
    QPainter painter_;
};

// --- Raster canvas ---------------------------------------------------------

void rasterPolyline(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        canvas.polyline(scenes().polyline);
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterTimeSeries(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        canvas.polyline(timeSeries());
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterPolygons(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    canvas.selectPen({gfx::PenStyle::Null, 1, 0});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().polygons.size(); ++i) {
            canvas.selectBrush({gfx::BrushStyle::Solid, colorAt(i)});
            canvas.polygon(scenes().polygons[i]);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterEllipses(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().ellipses.size(); ++i) {
            canvas.selectBrush({gfx::BrushStyle::Solid, colorAt(i)});
            canvas.ellipse(scenes().ellipses[i]);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterRects(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().rects.size(); ++i) {
            canvas.fillRect(scenes().rects[i], colorAt(i));
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterText(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    for (auto _ : state) {
        for (const auto& [at, text] : scenes().labels) {
            canvas.textOut(at, text);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

// --- Qt's raster painter ---------------------------------------------------

void qtPolyline(benchmark::State& state) {
    QtSurface s;
    const QPolygon polygon = qtPolygon(scenes().polyline);
    for (auto _ : state) {
        s.get().drawPolyline(polygon);
        benchmark::DoNotOptimize(s.bits());
    }
}

void qtTimeSeries(benchmark::State& state) {
    QtSurface s;
    const QPolygon polygon = qtPolygon(timeSeries());
    for (auto _ : state) {
        s.get().drawPolyline(polygon);
        benchmark::DoNotOptimize(s.bits());
    }
}

void qtPolygons(benchmark::State& state) {
    QtSurface s;
    std::vector<QPolygon> polygons;
    for (const auto& p : scenes().polygons) {
        polygons.push_back(qtPolygon(p));
    }
    s.get().setPen(Qt::NoPen);
    for (auto _ : state) {
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            s.get().setBrush(qtColor(colorAt(i)));
            s.get().drawPolygon(polygons[i], Qt::OddEvenFill);
        }
        benchmark::DoNotOptimize(s.bits());
    }
}

void qtEllipses(benchmark::State& state) {
    QtSurface s;
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().ellipses.size(); ++i) {
            const gfx::Rect& b = scenes().ellipses[i];
            s.get().setBrush(qtColor(colorAt(i)));
            s.get().drawEllipse(QRect(b.left, b.top, b.width() - 1, b.height() - 1));
        }
        benchmark::DoNotOptimize(s.bits());
    }
}

void qtRects(benchmark::State& state) {
    QtSurface s;
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().rects.size(); ++i) {
            const gfx::Rect& r = scenes().rects[i];
            s.get().fillRect(QRect(r.left, r.top, r.width(), r.height()), qtColor(colorAt(i)));
        }
        benchmark::DoNotOptimize(s.bits());
    }
}

void qtText(benchmark::State& state) {
    QtSurface s;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(gfx::pixelsPerEm(8));
    font.setStyleStrategy(QFont::NoAntialias);
    s.get().setFont(font);
    const int ascent = s.get().fontMetrics().ascent();
    std::vector<QString> texts;
    for (const auto& label : scenes().labels) {
        texts.push_back(QString::fromStdString(label.second));
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto& at = scenes().labels[i].first;
            s.get().drawText(at.x, at.y + ascent, texts[i]);
        }
        benchmark::DoNotOptimize(s.bits());
    }
}

// --- Cairo, on the time series ---------------------------------------------

void cairoTimeSeries(benchmark::State& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    const auto& pts = timeSeries();
    for (auto _ : state) {
        cairo_move_to(cr, pts[0].x + 0.5, pts[0].y + 0.5);
        for (std::size_t i = 1; i < pts.size(); ++i) {
            cairo_line_to(cr, pts[i].x + 0.5, pts[i].y + 0.5);
        }
        cairo_stroke(cr);
        cairo_surface_flush(surface);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

// --- Hosting a Chart -------------------------------------------------------

constexpr int kChartWidth = 800;
constexpr int kChartHeight = 600;

// Eight plots of a thousand samples each, with grids: a busy repaint.
void feedChart(com::Control& chart) {
    bool ok = chart.put("PlotNum", std::int16_t{8}).ok();
    for (const char* grid : {"XGridMajor", "XGridMinor", "YGridMajor", "YGridMinor"}) {
        ok = ok && chart.put(grid, true).ok();
    }
    ok = ok && chart.call("InitControl").ok();
    std::vector<double> row(8);
    for (int n = 0; n < 1000 && ok; ++n) {
        for (int p = 0; p < 8; ++p) {
            row[static_cast<std::size_t>(p)] = 5.0 + 4.5 * std::sin(n * 0.05 * (p + 1) + p);
        }
        ok =
            chart
                .call("PlotCharts", {com::Variant(com::SafeArray::fromValues<double>(row).value())})
                .ok();
    }
    if (!ok) {
        std::fprintf(stderr, "qt_bench: the chart could not be fed\n");
        std::exit(1);
    }
}

void chartBare(benchmark::State& state) {
    auto chart = com::createControl<chart::CChartCtrl>();
    com::HeadlessSite site;
    site.attach(*chart);
    (void)chart->setExtent(com::pixelsToHiMetric({kChartWidth, kChartHeight}, 96));
    feedChart(*chart);
    gfx::RasterCanvas canvas({kChartWidth, kChartHeight});
    for (auto _ : state) {
        chart->draw(canvas, {0, 0, kChartWidth, kChartHeight});
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void chartHosted(benchmark::State& state) {
    qt::ControlWidget widget(QStringLiteral("TRENDWICK.ChartCtrl.1"));
    if (widget.control() == nullptr) {
        state.SkipWithError("no chart library beside the host");
        return;
    }
    widget.resize(kChartWidth, kChartHeight);
    widget.show();
    QCoreApplication::processEvents();
    feedChart(*widget.control());
    for (auto _ : state) {
        // The stock Refresh: the control paints through the site at once.
        widget.control()->refresh();
    }
    // Which way the frame reached Qt's image.
    state.SetLabel(widget.paintedInPlace() ? "painted in place" : "copied");
}

BENCHMARK(rasterPolyline)->Name("polyline/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtPolyline)->Name("polyline/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterTimeSeries)->Name("time_series/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtTimeSeries)->Name("time_series/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoTimeSeries)->Name("time_series/cairo")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterPolygons)->Name("polygons/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtPolygons)->Name("polygons/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterEllipses)->Name("ellipses/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtEllipses)->Name("ellipses/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterRects)->Name("rect_fills/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtRects)->Name("rect_fills/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterText)->Name("text_labels/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(qtText)->Name("text_labels/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(chartBare)->Name("chart_repaint/bare")->Unit(benchmark::kMillisecond);
BENCHMARK(chartHosted)->Name("chart_repaint/hosted")->Unit(benchmark::kMillisecond);

// The usual table, then the ratios, in CPU time (steadier than wall time on
// a shared machine); with repetitions, of the medians.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times_[run.run_name.str()] = run.GetAdjustedCPUTime();
                medians_.insert(run.run_name.str());
            } else if (run.run_type == Run::RT_Iteration &&
                       !medians_.contains(run.benchmark_name())) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        struct Row {
            const char* scene;
            const char* peer;
            double target;
        };
        const Row rows[] = {{"polyline", "qt", 2.0},       {"time_series", "qt", 2.0},
                            {"time_series", "cairo", 2.0}, {"polygons", "qt", 1.0},
                            {"ellipses", "qt", 1.0},       {"rect_fills", "qt", 1.0},
                            {"text_labels", "qt", 1.0}};
        std::printf("\n%-12s %-6s %12s %12s %8s %8s\n", "scene", "peer", "raster cpu", "peer cpu",
                    "ratio", "target");
        for (const auto& row : rows) {
            const auto ours = times_.find(std::string(row.scene) + "/raster");
            const auto theirs = times_.find(std::string(row.scene) + "/" + row.peer);
            if (ours == times_.end() || theirs == times_.end() || ours->second <= 0) {
                continue;
            }
            const double ratio = theirs->second / ours->second;
            std::printf("%-12s %-6s %12.3f %12.3f %7.2fx %7.1fx %s\n", row.scene, row.peer,
                        ours->second, theirs->second, ratio, row.target,
                        ratio >= row.target ? "met" : "MISSED");
        }
        const auto bare = times_.find("chart_repaint/bare");
        const auto hosted = times_.find("chart_repaint/hosted");
        if (bare != times_.end() && hosted != times_.end() && bare->second > 0) {
            const double overhead = hosted->second / bare->second;
            std::printf(
                "\nchart repaint hosted in the widget: %.3f ms, bare canvas %.3f ms: "
                "%.2fx (target at most 1.2x) %s\n",
                hosted->second, bare->second, overhead, overhead <= 1.2 ? "met" : "MISSED");
        }
    }

  private:
    std::map<std::string, double> times_;
    std::set<std::string> medians_;
};

}  // namespace
}  // namespace brennix::bench

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    brennix::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
