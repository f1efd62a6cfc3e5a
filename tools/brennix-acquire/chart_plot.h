#pragma once
// A run drawn by the Chart control, created by its programmatic identifier:
// one strip trace of every sample, with the axis titles the tool draws
// around it.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"
#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/message_relay.h"
#include "tools/brennix-acquire/plot_axes.h"

namespace brennix::acquire {

inline constexpr std::string_view kChartProgId = "TRENDWICK.ChartCtrl.1";
inline constexpr gfx::ColorRef kTraceColor = gfx::rgb(0, 70, 200);
// Up to this many samples each one is marked, so that a short run (even
// a single sample) shows its points and not only the lines between them.
inline constexpr std::size_t kMarkedSamples = 100;

struct ChartRequest {
    std::span<const double> volts;
    InputScale scale;
    std::string caption;
    std::string xTitle;  // under the X labels
    gfx::Size size{820, 450};
};

// Where the Chart sits in the picture; the rest holds the axis titles.
gfx::Rect chartArea(gfx::Size picture);

// The Chart with its X title on `canvas`; false with the reason when the
// Chart could not draw. Messages of the Chart go through `messages`.
bool drawChart(const ChartRequest& request, const MessageRelay& messages, gfx::Canvas& canvas,
               std::string& error);

// The whole picture, the Y title included, or nothing with the reason.
std::optional<gfx::Bitmap> plotChart(const ChartRequest& request, const MessageRelay& messages,
                                     std::string& error);

}  // namespace brennix::acquire
