// Controls that plot arrays (PlotCharts, PlotGraphs): random properties,
// arrays of every element type, length and lower bound, and after each
// batch a paint in every value of every enumerated *Mode property.

#include <fuzzer/FuzzedDataProvider.h>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/control_classes.h"
#include "fuzz/variant_source.h"
#include "platform/com/headless_site.h"
#include "platform/com/member_table.h"
#include "platform/gfx/raster_canvas.h"

namespace {

using namespace brennix;

struct Plotter {
    com::ClassRegistry::Registration cls;
    std::vector<std::string> methods;  // PlotCharts, PlotGraphs, ...
    std::vector<const com::Member*> properties;
    std::vector<const com::Member*> modes;
};

bool endsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<Plotter> findPlotters() {
    std::vector<Plotter> found;
    for (const auto& cls : fuzz::controlClasses()) {
        auto control = fuzz::createControl(cls);
        Plotter p{cls, {}, {}, {}};
        for (const auto& m : control->members().members()) {
            if (m.kind == com::MemberKind::Method &&
                (m.name == "PlotCharts" || m.name == "PlotGraphs")) {
                p.methods.push_back(m.name);
            } else if (m.kind == com::MemberKind::Property && !m.readOnly) {
                p.properties.push_back(&m);
                if (endsWith(m.name, "Mode") && m.enumeration != nullptr) {
                    p.modes.push_back(&m);
                }
            }
        }
        if (!p.methods.empty()) {
            found.push_back(std::move(p));
        }
    }
    return found;
}

const std::vector<Plotter>& plotters() {
    static const auto all = findPlotters();
    return all;
}

void paintEveryMode(com::Control& control, const Plotter& p, gfx::RasterCanvas& canvas,
                    gfx::Size size) {
    control.draw(canvas, {0, 0, size.cx, size.cy});
    for (const com::Member* mode : p.modes) {
        auto was = control.get(mode->id);
        for (const auto& value : mode->enumeration->values) {
            (void)control.put(mode->id, com::Variant(value.value));
            control.draw(canvas, {0, 0, size.cx, size.cy});
        }
        if (was) {
            (void)control.put(mode->id, *was);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::quietMessages();
    if (plotters().empty()) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Plotter& p = plotters()[in.ConsumeIntegralInRange<std::size_t>(0, plotters().size() - 1)];
    auto control = fuzz::createControl(p.cls);
    com::HeadlessSite site;
    site.attach(*control);
    const gfx::Size canvasSize{in.ConsumeIntegralInRange(1, 120), in.ConsumeIntegralInRange(1, 90)};
    gfx::RasterCanvas canvas(canvasSize);

    for (int i = in.ConsumeIntegralInRange(0, 6); i > 0 && !p.properties.empty(); --i) {
        const com::Member* m =
            p.properties[in.ConsumeIntegralInRange<std::size_t>(0, p.properties.size() - 1)];
        (void)control->put(m->id, fuzz::anyVariant(in));
    }
    if (control->idOfName("InitControl").ok() && in.ConsumeIntegralInRange(0, 15) != 0) {
        (void)control->call("InitControl");
    }
    for (int batch = 0; batch < 4 && in.remaining_bytes() > 0; ++batch) {
        for (int call = in.ConsumeIntegralInRange(1, 8); call > 0; --call) {
            const std::string& method =
                p.methods[in.ConsumeIntegralInRange<std::size_t>(0, p.methods.size() - 1)];
            std::vector<com::Variant> args;
            args.emplace_back(fuzz::anyArray(in, 2048));
            (void)control->call(method, args);
        }
        paintEveryMode(*control, p, canvas, canvasSize);
    }
    return 0;
}
