#include "tools/brennix-acquire/chart_plot.h"

#include <memory>
#include <vector>

#include "chart/control/trendwick_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/gfx/raster_canvas.h"
#include "tools/brennix-acquire/axis_titles.h"

namespace brennix::acquire {
namespace {

constexpr int kYTitleWidth = 26;
constexpr int kXTitleHeight = 26;

class ChartSession {
  public:
    ChartSession(const ChartRequest& request, const MessageRelay& messages)
        : request_(request),
          messages_(messages),
          xAxis_(xAxisFor(request.volts.size())),
          yAxis_(yAxisFor(request.scale)) {}

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

    bool run(gfx::Canvas& canvas, std::string& error) {
        if (request_.volts.empty()) {
            error = "there are no samples to plot";
            return false;
        }
        if (request_.volts.size() > kMaxPlottedSamples) {
            error = "the chart holds at most " + std::to_string(kMaxPlottedSamples) +
                    " samples; no chart was drawn";
            return false;
        }
        if (!create(error) || !configure(error) || !feed(error)) {
            return false;
        }
        const gfx::Rect area = chartArea(request_.size);
        chart_->draw(canvas, area);
        drawTitleAcross(canvas, request_.xTitle, (area.left + area.right) / 2, area.bottom + 4);
        return true;
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
        gfx::Rect area = chartArea(request_.size);
        chart_->setExtent(com::pixelsToHiMetric({area.width(), area.height()}, 96));
        return true;
    }

    bool configure(std::string& error) {
        const auto white = com::Variant::fromColor(gfx::rgb(255, 255, 255));
        const auto grid = com::Variant::fromColor(gfx::rgb(200, 200, 200));
        const auto faint = com::Variant::fromColor(gfx::rgb(230, 230, 230));
        const auto trace = com::Variant::fromColor(kTraceColor);
        const bool marked = request_.volts.size() <= kMarkedSamples;
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
            {"HistoryLength", xAxis_.historyLength},
            {"ViewNum", xAxis_.viewNum},
            {"ScaleMinimum", yAxis_.low},
            {"ScaleMaximum", yAxis_.high},
            {"YSpacingMajor", yAxis_.majorDivisions},
            {"YSpacingMinor", std::int16_t{2}},
            {"FormatClass", std::int16_t{0}},
            {"Format", std::int16_t{0}},  // "%d": the axis holds whole labels only
            {"XAxisFormatClass", std::int16_t{0}},
            {"XAxisFormat", std::int16_t{0}},
            {"XSpacingMajor", xAxis_.majorDivisions},
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
            {"PointStyle1", static_cast<std::int16_t>(marked ? 6 : 0)},  // solid circles
            {"PointColor1", trace},
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
            if (!data.array()->put(0, volts * yAxis_.perVolt).ok() ||
                !chart_->call("PlotCharts", {data}).ok()) {
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

    const ChartRequest& request_;
    const MessageRelay& messages_;
    const XAxis xAxis_;
    const YAxis yAxis_;
    com::HeadlessSite site_;
    std::shared_ptr<com::Control> chart_;
    bool initialised_ = false;
};

}  // namespace

gfx::Rect chartArea(gfx::Size picture) {
    return {kYTitleWidth, 0, picture.cx, picture.cy - kXTitleHeight};
}

bool drawChart(const ChartRequest& request, const MessageRelay& messages, gfx::Canvas& canvas,
               std::string& error) {
    ChartSession session(request, messages);
    return session.run(canvas, error);
}

std::optional<gfx::Bitmap> plotChart(const ChartRequest& request, const MessageRelay& messages,
                                     std::string& error) {
    gfx::RasterCanvas canvas(request.size);
    if (!drawChart(request, messages, canvas, error)) {
        return std::nullopt;
    }
    const YAxis axis = yAxisFor(request.scale);
    const gfx::Rect area = chartArea(request.size);
    const std::string title =
        std::string(axis.perVolt == 1.0 ? "volts" : "millivolts") + " (" + axis.unit + ")";
    drawTitleUpwards(canvas.bitmap(), title, 6, (area.top + area.bottom) / 2);
    return std::move(canvas.bitmap());
}

}  // namespace brennix::acquire
