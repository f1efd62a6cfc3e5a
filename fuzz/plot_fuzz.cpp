// Controls that plot arrays (PlotCharts, PlotGraphs): random properties,
// arrays of every element type, length and lower bound, a paint after each
// batch, and after the last a paint in every value of every enumerated
// *Mode property.

#include <fuzzer/FuzzedDataProvider.h>
#include <cstdint>
#include <optional>
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

void paint(com::Control& control, gfx::RasterCanvas& canvas, gfx::Size size) {
    control.draw(canvas, {0, 0, size.cx, size.cy});
}

// Each value of one enumerated *Mode property in turn, then the one it had.
void paintInModes(com::Control& control, const com::Member& mode, gfx::RasterCanvas& canvas,
                  gfx::Size size, std::optional<std::size_t> only = std::nullopt) {
    auto was = control.get(mode.id);
    const auto& values = mode.enumeration->values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!only || *only == i) {
            (void)control.put(mode.id, com::Variant(values[i].value));
            paint(control, canvas, size);
        }
    }
    if (was) {
        (void)control.put(mode.id, *was);
    }
}

// A canvas mostly a few dozen pixels wide (cheap to paint), sometimes one
// large enough for every label and tick.
gfx::Size anyCanvasSize(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        return {in.ConsumeIntegralInRange(1, 160), in.ConsumeIntegralInRange(1, 120)};
    }
    return {in.ConsumeIntegralInRange(1, 48), in.ConsumeIntegralInRange(1, 36)};
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
    const gfx::Size canvasSize = anyCanvasSize(in);
    gfx::RasterCanvas canvas(canvasSize);

    for (int i = in.ConsumeIntegralInRange(0, 6); i > 0 && !p.properties.empty(); --i) {
        const com::Member* m =
            p.properties[in.ConsumeIntegralInRange<std::size_t>(0, p.properties.size() - 1)];
        (void)control->put(m->id, fuzz::anyVariant(in));
    }
    if (control->idOfName("InitControl").ok() && in.ConsumeIntegralInRange(0, 15) != 0) {
        (void)control->call("InitControl");
    }
    // After each batch a paint, and one in a mode value the input picks (an
    // index past the last value picks none); after the last batch, one in
    // every value of every mode.
    for (int batch = 0; batch < 4 && in.remaining_bytes() > 0; ++batch) {
        for (int call = in.ConsumeIntegralInRange(1, 8); call > 0; --call) {
            const std::string& method =
                p.methods[in.ConsumeIntegralInRange<std::size_t>(0, p.methods.size() - 1)];
            std::vector<com::Variant> args;
            args.emplace_back(fuzz::anyArray(in, 2048));
            (void)control->call(method, args);
        }
        paint(*control, canvas, canvasSize);
        if (!p.modes.empty()) {
            const com::Member& mode =
                *p.modes[in.ConsumeIntegralInRange<std::size_t>(0, p.modes.size() - 1)];
            paintInModes(*control, mode, canvas, canvasSize,
                         in.ConsumeIntegralInRange<std::size_t>(0, 15));
        }
    }
    for (const com::Member* mode : p.modes) {
        paintInModes(*control, *mode, canvas, canvasSize);
    }
    return 0;
}
