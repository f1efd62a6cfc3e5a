#pragma once
// A run drawn by the Chart control, created by its programmatic identifier:
// one strip trace of every sample in volts, saved as PNG.

#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"
#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/message_relay.h"

namespace brennix::acquire {

inline constexpr std::string_view kChartProgId = "TRENDWICK.ChartCtrl.1";
// What the Chart's history holds at most, less the two cells the strip
// window needs beyond its samples.
inline constexpr std::size_t kMaxPlottedSamples = 1048575 - 2;
inline constexpr gfx::ColorRef kTraceColor = gfx::rgb(0, 70, 200);

struct ChartRequest {
    std::span<const double> volts;
    InputScale scale;
    std::string caption;
    std::string path;
    gfx::Size size{800, 420};
};

// The Y label format (FormatClass 0) whose texts show the major tick
// values of the scale exactly: whole volts, millivolts, or six decimals.
std::int16_t yLabelFormat(const InputScale& scale, int majorDivisions);

// False with the reason when the Chart could not draw or the file not be
// written; messages of the Chart go through `messages`.
bool plotChart(const ChartRequest& request, const MessageRelay& messages, std::string& error);

}  // namespace brennix::acquire
