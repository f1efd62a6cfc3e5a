#include "tools/brennix-acquire/chart_plot.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "chart/control/trendwick_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/gfx/color.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::acquire {
namespace {

constexpr int kYDivisions = 10;
constexpr int kXDivisions = 10;

bool whole(double value) {
    return std::fabs(value - std::round(value)) < 1e-9;
}

class ChartSession {
  public:
    ChartSession(const ChartRequest& request, const MessageRelay& messages)
        : request_(request), messages_(messages) {}

    ~ChartSession() {
        if (chart_) {
            if (initialised_) {
                (void)chart_->call("ReleaseControl");
            }
            chart_->setSite(nullptr);
        }
    }
    ChartSession(const ChartSession&) = delete;
    ChartSession& operator=(const ChartSession&) = delete;

    bool run(std::string& error) {
        if (request_.volts.empty()) {
            error = "there are no samples to plot";
            return false;
        }
        if (request_.volts.size() > kMaxPlottedSamples) {
            error = "the chart holds at most " + std::to_string(kMaxPlottedSamples) +
                    " samples; no chart was drawn";
            return false;
        }
        return create(error) && configure(error) && feed(error) && save(error);
    }

  private:
    bool create(std::string& error) {
        if (com::Status registered = chart::library().registerServer(); !registered.ok()) {
            error = "the Chart control could not be registered: " +
                    std::string(com::errorText(registered.error()));
            return false;
        }
        auto created = com::ClassRegistry::process().create(kChartProgId);
        if (!created.ok()) {
            error = "the Chart control " + std::string(kChartProgId) +
                    " could not be created: " + std::string(com::errorText(created.error()));
            return false;
        }
        chart_ = *created;
        site_.attach(*chart_);
        chart_->setExtent(com::pixelsToHiMetric(request_.size, 96));
        return true;
    }

    bool configure(std::string& error) {
        const auto count = static_cast<std::int32_t>(request_.volts.size());
        const std::int32_t history = std::max<std::int32_t>(1024, count + 2);
        const auto white = com::Variant::fromColor(gfx::rgb(255, 255, 255));
        const auto grid = com::Variant::fromColor(gfx::rgb(200, 200, 200));
        const auto faint = com::Variant::fromColor(gfx::rgb(230, 230, 230));
        const auto trace = com::Variant::fromColor(kTraceColor);
        struct Setting {
            const char* name;
            com::Variant value;
        };
        const Setting settings[] = {
            {"Caption", request_.caption},
            {"BkColor", white},
            {"PlotAreaColor", white},
            {"UpdateMode", std::int16_t{0}},  // strip
            {"PlotNum", std::int16_t{1}},
            {"HistoryLength", history},
            {"ViewNum", count},
            {"ScaleMinimum", request_.scale.low},
            {"ScaleMaximum", request_.scale.high},
            {"YSpacingMajor", std::int16_t{kYDivisions}},
            {"YSpacingMinor", std::int16_t{2}},
            {"FormatClass", std::int16_t{0}},
            {"Format", yLabelFormat(request_.scale, kYDivisions)},
            {"XAxisFormatClass", std::int16_t{0}},
            {"XSpacingMajor", std::int16_t{kXDivisions}},
            {"XSpacingMinor", std::int16_t{2}},
            // Ticks on the right leave room for the last X label.
            {"YTickRight", true},
            {"YGridMajor", true},
            {"YGridMinor", true},
            {"XGridMajor", true},
            {"XGridMinor", true},
            {"YGridMajorColor", grid},
            {"XGridMajorColor", grid},
            {"YGridMinorColor", faint},
            {"XGridMinorColor", faint},
            {"LineColor1", trace},
            {"LineWidth1", std::int16_t{1}},
        };
        for (const Setting& setting : settings) {
            std::size_t before = messages_.shown();
            com::Status status = chart_->put(setting.name, setting.value);
            if (!status.ok() || messages_.shown() != before) {
                error = std::string("the Chart refused ") + setting.name;
                return false;
            }
        }
        std::size_t before = messages_.shown();
        initialised_ = chart_->call("InitControl").ok();
        if (!initialised_ || messages_.shown() != before) {
            error = "the Chart could not allocate its history";
            return false;
        }
        return true;
    }

    bool feed(std::string& error) {
        auto array = com::SafeArray::create(com::VarType::Double, 1);
        if (!array.ok()) {
            error = "out of memory";
            return false;
        }
        com::Variant data(std::move(*array));
        std::size_t before = messages_.shown();
        for (double volts : request_.volts) {
            if (!data.array()->put(0, volts).ok() || !chart_->call("PlotCharts", {data}).ok()) {
                error = "the Chart did not take a sample";
                return false;
            }
        }
        if (messages_.shown() != before) {
            error = "the Chart reported a problem while plotting";
            return false;
        }
        return true;
    }

    bool save(std::string& error) {
        gfx::RasterCanvas canvas(request_.size);
        chart_->draw(canvas, {0, 0, request_.size.cx, request_.size.cy});
        return gfx::savePng(canvas.bitmap(), request_.path, error);
    }

    const ChartRequest& request_;
    const MessageRelay& messages_;
    com::HeadlessSite site_;
    std::shared_ptr<com::Control> chart_;
    bool initialised_ = false;
};

}  // namespace

std::int16_t yLabelFormat(const InputScale& scale, int majorDivisions) {
    double step = (scale.high - scale.low) / majorDivisions;
    bool wholeVolts = whole(scale.low) && whole(step);
    if (wholeVolts) {
        return 0;  // "%d"
    }
    bool millivolts = whole(scale.low * 1000.0) && whole(step * 1000.0);
    return millivolts ? 1 : 3;  // "%.3f", else "%.6f"
}

bool plotChart(const ChartRequest& request, const MessageRelay& messages, std::string& error) {
    ChartSession session(request, messages);
    return session.run(error);
}

}  // namespace brennix::acquire
