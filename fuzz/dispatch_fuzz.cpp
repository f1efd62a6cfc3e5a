// Dispatch on every control class: members by their ids, by random ids and
// by names in any case or made up, each invoked as a get, a put or a call
// with any number of arguments of any type, then a paint and a Refresh.

#include <fuzzer/FuzzedDataProvider.h>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/control_classes.h"
#include "fuzz/variant_source.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/gfx/raster_canvas.h"

namespace {

using namespace brennix;

std::string anyCase(FuzzedDataProvider& in, std::string name) {
    for (char& c : name) {
        if (in.ConsumeBool() && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return name;
}

com::DispId chooseId(FuzzedDataProvider& in, com::Control& control) {
    const auto members = control.members().members();
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return in.ConsumeIntegral<com::DispId>();
        case 1: {
            auto id = control.idOfName(in.ConsumeRandomLengthString(24));
            return id ? *id : -1;
        }
        case 2: {
            const auto& m = members[in.ConsumeIntegralInRange<std::size_t>(0, members.size() - 1)];
            auto id = control.idOfName(anyCase(in, m.name));
            return id ? *id : m.id;
        }
        default:
            return members[in.ConsumeIntegralInRange<std::size_t>(0, members.size() - 1)].id;
    }
}

gfx::Rect anyPaintRect(FuzzedDataProvider& in, gfx::Size canvas) {
    if (in.ConsumeBool()) {
        return {0, 0, canvas.cx, canvas.cy};
    }
    // Anywhere, including off the canvas, reversed and the widest an int holds.
    return {in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
            in.ConsumeIntegral<int>()};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::quietMessages();
    (void)fuzz::controlClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto& classes = fuzz::controlClasses();
    const auto& cls = classes[in.ConsumeIntegralInRange<std::size_t>(0, classes.size() - 1)];
    auto control = fuzz::createControl(cls);
    com::HeadlessSite site;
    site.attach(*control);
    const gfx::Size area{in.ConsumeIntegralInRange(1, 160), in.ConsumeIntegralInRange(1, 120)};
    control->setExtent(com::pixelsToHiMetric(area, 96));
    gfx::RasterCanvas canvas(area);
    site.setCanvas(&canvas);

    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        const com::DispId id = chooseId(in, *control);
        const auto kind = static_cast<com::InvokeKind>(in.ConsumeIntegralInRange(0, 2));
        std::vector<com::Variant> args(in.ConsumeIntegralInRange<std::size_t>(0, 5));
        for (auto& arg : args) {
            arg = fuzz::anyVariant(in);
        }
        (void)control->invoke(id, kind, args);
        if (in.ConsumeIntegralInRange(0, 7) == 0) {
            control->draw(canvas, anyPaintRect(in, area));
        }
    }
    control->draw(canvas, {0, 0, area.cx, area.cy});
    (void)control->call("Refresh");
    return 0;
}
