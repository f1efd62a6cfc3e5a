// chart_to_png OUT.png: a Chart with two traces, drawn without a window.
//
// The program links the chart library, so its classes are created by
// programmatic identifier after registering them in this process only;
// the class store is not touched.

#include <cmath>
#include <cstdio>
#include <string>

#include "chart/control/trendwick_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/com/safe_array.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"

namespace com = brennix::com;
namespace gfx = brennix::gfx;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_to_png OUT.png\n");
        return 2;
    }
    if (!brennix::chart::library().registerServer().ok()) {
        std::fprintf(stderr, "chart_to_png: the chart classes could not be registered\n");
        return 1;
    }
    auto created = com::ClassRegistry::process().create("TRENDWICK.ChartCtrl.1");
    if (!created.ok()) {
        std::fprintf(stderr, "chart_to_png: %s\n",
                     std::string(com::errorText(created.error())).c_str());
        return 1;
    }
    auto chart = *created;
    com::HeadlessSite site;
    site.attach(*chart);
    const gfx::Size size{480, 300};
    chart->setExtent(com::pixelsToHiMetric(size, 96));

    bool ok = chart->put("Caption", "Two traces").ok() &&
              chart->put("PlotNum", std::int16_t{2}).ok() &&
              chart->put("ScaleMinimum", -100.0).ok() && chart->put("ScaleMaximum", 100.0).ok() &&
              chart->put("LineColor2", com::Variant::fromColor(gfx::rgb(200, 30, 30))).ok() &&
              chart->call("InitControl").ok();
    // One sample of every plot per call, as a live source would deliver them.
    auto array = com::SafeArray::create(com::VarType::Double, 2);
    if (!array.ok()) {
        return 1;
    }
    com::Variant data(std::move(*array));
    for (int i = 0; ok && i < 200; ++i) {
        ok = data.array()->put(0, 80.0 * std::sin(i / 10.0)).ok() &&
             data.array()->put(1, 40.0 * std::cos(i / 25.0)).ok() &&
             chart->call("PlotCharts", {data}).ok();
    }
    if (!ok) {
        std::fprintf(stderr, "chart_to_png: the Chart refused a setting or a sample\n");
        return 1;
    }
    gfx::RasterCanvas canvas(size);
    chart->draw(canvas, {0, 0, size.cx, size.cy});
    (void)chart->call("ReleaseControl");
    chart->setSite(nullptr);

    std::string error;
    if (!gfx::savePng(canvas.bitmap(), argv[1], error)) {
        std::fprintf(stderr, "chart_to_png: %s\n", error.c_str());
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", argv[1], size.cx, size.cy);
    return 0;
}
