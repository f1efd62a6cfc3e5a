#pragma once
// A Chart hosted in a headless site, with its messages recorded.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "chart/control/chart_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::chart::testing {

inline com::Variant doubles(std::vector<double> values) {
    return com::Variant(com::SafeArray::fromValues<double>(values).value());
}

inline com::Variant color(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return com::Variant::fromColor(gfx::rgb(r, g, b));
}

inline const gfx::FixedTextMeasure kMeasure{{10, 8, 2, 10, 6}, 6};

class ChartTest : public ::testing::Test {
  protected:
    ChartTest() {
        site.attach(*chart);
        chart->setExtent(com::pixelsToHiMetric({400, 300}, 96));
    }

    void put(const char* name, com::Variant value) { ASSERT_TRUE(chart->put(name, value).ok()); }
    std::int32_t getInt(const char* name) { return chart->get(name)->toInt32().valueOr(-999); }

    void plot(std::vector<double> values) {
        ASSERT_TRUE(chart->call("PlotCharts", {doubles(std::move(values))}).ok());
    }
    void plotRamp(int samples) {
        for (int i = 0; i < samples; ++i) {
            plot({static_cast<double>(i % 10)});
        }
    }

    // A Refresh through the site: the whole frame must arrive in one block.
    std::vector<gfx::RecordedCall> paint() {
        gfx::RecordingCanvas canvas({400, 300}, kMeasure);
        site.setCanvas(&canvas);
        EXPECT_TRUE(chart->call("Refresh").ok());
        site.setCanvas(nullptr);
        const auto& calls = canvas.calls();
        EXPECT_EQ(calls.size(), 1U);
        if (calls.size() != 1 || calls[0].kind != gfx::CallKind::BlockCopy) {
            return {};
        }
        EXPECT_EQ(calls[0].rect, (gfx::Rect{0, 0, 400, 300}));
        return calls[0].source;
    }

    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CChartCtrl> chart = com::createControl<CChartCtrl>();
};

}  // namespace brennix::chart::testing
