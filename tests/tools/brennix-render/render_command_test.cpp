#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/com/class_registry.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/png_io.h"
#include "tools/brennix-render/render_command.h"
#include "tools/common/control_libraries.h"

namespace brennix::render {
namespace {

using ::testing::HasSubstr;

class RenderTool : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("BRENNIX_CONTROL_PATH", BRENNIX_CONTROL_LIBRARY_DIR, 1);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brennix-render-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    int run(std::vector<std::string> args) {
        out_.str({});
        err_.str({});
        return runRender(args, out_, err_);
    }

    gfx::Bitmap picture(const std::string& name) {
        std::string error;
        auto bitmap = gfx::loadPng((folder_ / name).string(), error);
        EXPECT_TRUE(bitmap.has_value()) << error;
        return bitmap.value_or(gfx::Bitmap());
    }

    static int count(const gfx::Bitmap& b, gfx::ColorRef color) {
        int n = 0;
        for (int y = 0; y < b.height(); ++y) {
            for (int x = 0; x < b.width(); ++x) {
                n += b.colorAt(x, y) == color ? 1 : 0;
            }
        }
        return n;
    }

    std::string file(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(RenderTool, AControlIsPaintedAtTheAskedSizeWithItsAssignments) {
    ASSERT_EQ(run({"-s", "160x120", "-o", file("chart.png"), "TRENDWICKLib.Chart",
                   "PlotAreaColor=#000040", "LineColor1=#00FF00", "--call", "InitControl", "--call",
                   "PlotCharts=2", "--call", "PlotCharts=8", "--call", "PlotCharts=5"}),
              kExitRendered)
        << err_.str();
    const gfx::Bitmap chart = picture("chart.png");
    EXPECT_EQ(chart.size(), (gfx::Size{160, 120}));
    EXPECT_GT(count(chart, gfx::rgb(0, 0, 0x40)), 2000);
    EXPECT_GT(count(chart, gfx::rgb(0, 255, 0)), 10);

    // Without data the plot area shows no trace.
    ASSERT_EQ(run({"-s", "160x120", "-o", file("empty.png"), "TRENDWICK.ChartCtrl.1",
                   "PlotAreaColor=#000040", "LineColor1=#00FF00"}),
              kExitRendered);
    EXPECT_EQ(count(picture("empty.png"), gfx::rgb(0, 255, 0)), 0);
}

TEST_F(RenderTool, ASavedPropertyDocumentGivesTheSamePictureAsItsAssignments) {
    tools::loadSuiteLibraries();
    auto knob = com::ClassRegistry::process().create("PANELMOOR.KnobCtrl.1");
    ASSERT_TRUE(knob.ok());
    ASSERT_TRUE((*knob)->put("ScaleMaximum", com::Variant(50.0)).ok());
    ASSERT_TRUE((*knob)->put("BackColor", com::Variant::fromColor(gfx::rgb(200, 220, 255))).ok());
    std::ofstream(file("knob.json")) << com::PropertyExchange::save(**knob);

    ASSERT_EQ(run({"-p", file("knob.json"), "-s", "150x150", "-o", file("saved.png"),
                   "PANELMOORLib.Knob"}),
              kExitRendered)
        << err_.str();
    ASSERT_EQ(run({"-s", "150x150", "-o", file("assigned.png"), "PANELMOORLib.Knob",
                   "ScaleMaximum=50", "BackColor=#C8DCFF"}),
              kExitRendered)
        << err_.str();
    const gfx::Bitmap saved = picture("saved.png");
    EXPECT_EQ(saved.size(), (gfx::Size{150, 150}));
    EXPECT_TRUE(saved == picture("assigned.png"));
    EXPECT_GT(count(saved, gfx::rgb(200, 220, 255)), 1000);
}

TEST_F(RenderTool, WithoutASizeAControlTakesItsOwnExtentForTheStyleSet) {
    ASSERT_EQ(run({"-o", file("pump.png"), "PLANTWERK.PumpCtrl.1", "PumpStyle=3"}), kExitRendered)
        << err_.str();
    tools::loadSuiteLibraries();
    auto pump = com::ClassRegistry::process().create("PLANTWERK.PumpCtrl.1");
    ASSERT_TRUE(pump.ok());
    ASSERT_TRUE((*pump)->put("PumpStyle", com::Variant(std::int16_t{3})).ok());
    EXPECT_EQ(picture("pump.png").size(), (*pump)->extentPixels());
}

TEST_F(RenderTool, WhatCannotBeRenderedAsAskedWritesNothingAndSaysWhy) {
    struct Case {
        std::vector<std::string> args;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{"NOSUCH.ThingCtrl.1"}, "cannot create \"NOSUCH.ThingCtrl.1\""},
        {{"PANELMOORLib.Knob", "Colour=#FFFFFF"}, "the control has no property Colour"},
        {{"PANELMOORLib.Knob", "ScaleMaximum=lots"}, "ScaleMaximum takes a number"},
        {{"TRENDWICKLib.Chart", "PlotNum=9"},
         "brennix-render: message: PlotNum must between 1 to 8"},
        {{"TRENDWICKLib.Chart", "--call", "Explode"}, "the control has no method Explode"},
        {{"-p", "/nonexistent/doc.json", "TRENDWICKLib.Chart"},
         "cannot read /nonexistent/doc.json"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"-o", file("out.png")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(run(args), kExitFailed) << c.said;
        EXPECT_THAT(err_.str(), HasSubstr(c.said));
        EXPECT_FALSE(std::filesystem::exists(file("out.png"))) << c.said;
    }
    std::ofstream(file("bad.json")) << "{ not json";
    EXPECT_EQ(run({"-o", file("out.png"), "-p", file("bad.json"), "PANELMOORLib.Knob"}),
              kExitFailed);
    EXPECT_THAT(err_.str(), HasSubstr("not a property document of this control"));
}

TEST_F(RenderTool, AWrongCommandLineExitsTwo) {
    EXPECT_EQ(run({"PANELMOORLib.Knob"}), kExitUsage);
    EXPECT_THAT(err_.str(), HasSubstr("no output file given (-o FILE)"));
    EXPECT_EQ(run({"-o", file("x.png")}), kExitUsage);
    EXPECT_EQ(run({"-o", file("x.png"), "-s", "0x10", "PANELMOORLib.Knob"}), kExitUsage);
    EXPECT_THAT(err_.str(), HasSubstr("-s takes WIDTHxHEIGHT in pixels"));
    EXPECT_EQ(run({"-o", file("x.png"), "PANELMOORLib.Knob", "Value"}), kExitUsage);
    EXPECT_EQ(run({"-o", file("x.png"), "--colour", "PANELMOORLib.Knob"}), kExitUsage);
    EXPECT_EQ(run({"--help"}), kExitRendered);
    EXPECT_THAT(out_.str(), HasSubstr("Usage: brennix-render"));
}

}  // namespace
}  // namespace brennix::render
