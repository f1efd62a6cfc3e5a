#pragma once
// A Graph hosted in a headless site, with its messages recorded.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chart/control/graph_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/safe_array.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::chart::testing {

inline com::Variant graphData(const std::vector<double>& values) {
    return com::Variant(com::SafeArray::fromValues<double>(values).value());
}

class GraphTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    GraphTest() {
        site.attach(*graph);
        graph->setExtent(com::pixelsToHiMetric({kWidth, kHeight}, 96));
    }

    void put(const char* name, com::Variant value) { ASSERT_TRUE(graph->put(name, value).ok()); }
    std::int32_t getInt(const char* name) { return graph->get(name)->toInt32().valueOr(-999); }
    void plot(const std::vector<double>& values) {
        ASSERT_TRUE(graph->call("PlotGraphs", {graphData(values)}).ok());
    }

    // What a paint draws on the off-screen surface, before its block copy.
    std::vector<gfx::RecordedCall> paint() {
        gfx::RecordingCanvas canvas({kWidth, kHeight}, gfx::FixedTextMeasure{{10, 8, 2, 10, 6}, 6});
        site.setCanvas(&canvas);
        EXPECT_TRUE(graph->call("Refresh").ok());
        site.setCanvas(nullptr);
        const auto& calls = canvas.calls();
        if (calls.size() != 1 || calls[0].kind != gfx::CallKind::BlockCopy) {
            ADD_FAILURE() << "a paint is one block copy";
            return {};
        }
        return calls[0].source;
    }

    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CGraphCtrl> graph = com::createControl<CGraphCtrl>();
};

}  // namespace brennix::chart::testing
