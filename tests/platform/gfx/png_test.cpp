// PNG files and the few golden images of whole scenes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::gfx {
namespace {

std::filesystem::path scratchDir() {
    const auto dir = std::filesystem::temp_directory_path() / "brennix-gfx-png";
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(PngFiles, ABitmapComesBackPixelForPixel) {
    Bitmap b(7, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            b.setPixel(x, y,
                       toPixel(rgb(static_cast<std::uint8_t>(x * 40),
                                   static_cast<std::uint8_t>(y * 60), 200)));
        }
    }
    const std::string path = (scratchDir() / "roundtrip.png").string();
    std::string error;
    ASSERT_TRUE(savePng(b, path, error)) << error;
    const auto loaded = loadPng(path, error);
    ASSERT_TRUE(loaded.has_value()) << error;
    EXPECT_EQ(*loaded, b);
}

TEST(PngFiles, UnreadableAndUnwritableFilesAreReportedWithTheirPath) {
    std::string error;
    EXPECT_FALSE(loadPng("/nonexistent/none.png", error).has_value());
    EXPECT_NE(error.find("/nonexistent/none.png"), std::string::npos);

    const auto junk = scratchDir() / "junk.png";
    std::ofstream(junk) << "this is not an image";
    error.clear();
    EXPECT_FALSE(loadPng(junk.string(), error).has_value());
    EXPECT_NE(error.find("junk.png"), std::string::npos);

    error.clear();
    EXPECT_FALSE(savePng(Bitmap(2, 2), "/nonexistent/dir/out.png", error));
    EXPECT_NE(error.find("/nonexistent/dir/out.png"), std::string::npos);
    EXPECT_FALSE(savePng(Bitmap(), (scratchDir() / "empty.png").string(), error));
}

// Golden images: set BRENNIX_UPDATE_GOLDEN=1 to rewrite them after a change
// that is meant to alter the pictures, then look at them before committing.
void expectMatchesGolden(const Bitmap& actual, const std::string& name) {
    const std::filesystem::path golden = std::filesystem::path(BRENNIX_GFX_GOLDEN_DIR) / name;
    std::string error;
    if (std::getenv("BRENNIX_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(savePng(actual, golden.string(), error)) << error;
    }
    const auto expected = loadPng(golden.string(), error);
    ASSERT_TRUE(expected.has_value()) << error;
    ASSERT_EQ(expected->size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            differing += actual.pixel(x, y) != expected->pixel(x, y) ? 1 : 0;
        }
    }
    if (differing != 0) {
        const auto out = scratchDir() / ("actual-" + name);
        savePng(actual, out.string(), error);
        ADD_FAILURE() << differing << " pixels differ from " << golden << "; got " << out;
    }
}

TEST(GoldenImages, InstrumentLikeFigures) {
    RasterCanvas c(Size{96, 64});
    c.fillRect({0, 0, 96, 64}, systemColorRef(SystemColor::ButtonFace));
    c.drawEdge({0, 0, 96, 64}, EdgeStyle::Bump);
    c.selectBrush({BrushStyle::Solid, rgb(0, 255, 255)});
    c.selectPen({PenStyle::Solid, 2, rgb(0, 0, 128)});
    c.ellipse({6, 6, 46, 46});
    c.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    c.selectBrush({BrushStyle::Solid, rgb(255, 0, 0)});
    c.pie({10, 10, 42, 42}, {42, 26}, {10, 10});
    c.selectPen({PenStyle::Dot, 1, rgb(0, 128, 0)});
    c.arc({4, 4, 48, 48}, {4, 48}, {48, 48});
    c.selectPen({PenStyle::Dash, 1, rgb(0, 0, 0)});
    c.selectBrush({BrushStyle::Solid, rgb(255, 255, 0)});
    c.rectangle({52, 6, 90, 30});
    c.selectPen({PenStyle::Solid, 3, rgb(128, 0, 128)});
    const Point zigzag[] = {{54, 56}, {62, 38}, {70, 56}, {78, 38}, {86, 56}};
    c.polyline(zigzag);
    c.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    c.selectBrush({BrushStyle::Solid, rgb(0, 160, 0)});
    const Point valve[] = {{54, 34}, {70, 44}, {54, 54}, {70, 34}, {86, 44}, {70, 54}};
    c.polygon(valve);
    c.drawEdge({60, 12, 82, 24}, EdgeStyle::Sunken);
    expectMatchesGolden(c.bitmap(), "figures.png");
}

TEST(GoldenImages, AlignedAndClippedLabels) {
    RasterCanvas c(Size{128, 56});
    c.fillRect({0, 0, 128, 56}, rgb(255, 255, 255));
    c.setBackgroundColor(rgb(255, 255, 192));
    c.textOut({2, 2}, "Left 0.5 V");
    c.setTextAlign(TextAlign::Right);
    c.textOut({126, 16}, "Right -12.75");
    c.setTextAlign(TextAlign::Center);
    Font bold;
    bold.bold = true;
    c.selectFont(bold);
    c.setTextColor(rgb(0, 0, 160));
    c.textOutClipped({64, 30}, {40, 32, 90, 40}, "Clipped caption");
    Font italic;
    italic.italic = true;
    italic.points = 10;
    c.selectFont(italic);
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.setTextColor(rgb(160, 0, 0));
    c.textOut({64, 40}, "Italic 10 pt");
    expectMatchesGolden(c.bitmap(), "labels.png");
}

}  // namespace
}  // namespace brennix::gfx
