// Dispatch on every control class: members by their ids, by random ids and
// by names in any case or made up, each invoked as a get, a put or a call
// with any number of arguments of any type, then a paint and a Refresh.

#include <fuzzer/FuzzedDataProvider.h>
#include <algorithm>
#include <cstdint>
#include <limits>
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

// A coordinate anywhere, often next to the ends of int.
int anyCoordinate(FuzzedDataProvider& in) {
    constexpr int kMost = std::numeric_limits<int>::max();
    constexpr int kLeast = std::numeric_limits<int>::min();
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return kLeast + in.ConsumeIntegralInRange(0, 4096);
        case 1:
            return kMost - in.ConsumeIntegralInRange(0, 4096);
        case 2:
            return in.ConsumeIntegralInRange(-1000, 1000);
        default:
            return in.ConsumeIntegral<int>();
    }
}

int saturated(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

gfx::Rect anyPaintRect(FuzzedDataProvider& in, gfx::Size canvas) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return {0, 0, canvas.cx, canvas.cy};
        case 1: {
            // Of an ordinary size (or reversed), anywhere.
            const int left = anyCoordinate(in);
            const int top = anyCoordinate(in);
            return {left, top, saturated(std::int64_t{left} + in.ConsumeIntegralInRange(-300, 300)),
                    saturated(std::int64_t{top} + in.ConsumeIntegralInRange(-300, 300))};
        }
        default:
            // Corners anywhere: reversed, or the widest an int holds.
            return {anyCoordinate(in), anyCoordinate(in), anyCoordinate(in), anyCoordinate(in)};
    }
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
    // Mostly a few dozen pixels (cheap to paint), sometimes room for every
    // label and tick.
    const bool large = in.ConsumeIntegralInRange(0, 7) == 0;
    const gfx::Size area{in.ConsumeIntegralInRange(1, large ? 160 : 48),
                         in.ConsumeIntegralInRange(1, large ? 120 : 36)};
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
