// Text: the stock font's metrics, alignment, opaque backgrounds, clipping,
// styles and what happens without font files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gfx/raster_canvas.h"
#include "tests/platform/gfx/pixel_art.h"

namespace brennix::gfx {
namespace {

using testing::countColor;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;

// Bounding box of pixels of colour c.
Rect boxOf(const Bitmap& b, ColorRef c) {
    Rect box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.colorAt(x, y) == c) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return box;
}

class TextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas_.fillRect({0, 0, 120, 40}, kRed);
        canvas_.setBackgroundColor(kBlue);
        canvas_.setTextColor(kBlack);
    }
    RasterCanvas canvas_{Size{120, 40}};
};

TEST_F(TextTest, StockFontMeasuresLikeASmallDialogFont) {
    const TextMetrics m = canvas_.textMetrics();
    EXPECT_EQ(m.height, m.ascent + m.descent);
    EXPECT_GE(m.height, 12);
    EXPECT_LE(m.height, 14);
    EXPECT_GE(m.aveCharWidth, 5);
    EXPECT_LE(m.aveCharWidth, 7);
    EXPECT_EQ(m.aveCharWidth, canvas_.textExtent("x").cx);
    EXPECT_GE(m.maxCharWidth, canvas_.textExtent("W").cx);
    EXPECT_GE(m.maxCharWidth, canvas_.textExtent("M").cx);
}

TEST_F(TextTest, ExtentIsTheSumOfAdvancesAndOneLineHigh) {
    const Size ab = canvas_.textExtent("ab");
    EXPECT_EQ(ab.cx, canvas_.textExtent("a").cx + canvas_.textExtent("b").cx);
    EXPECT_EQ(ab.cy, canvas_.textMetrics().height);
    EXPECT_EQ(canvas_.textExtent("").cx, 0);
}

TEST_F(TextTest, OpaqueBackgroundBoxFollowsTheAlignment) {
    const int w = canvas_.textExtent("Volts").cx;
    const int h = canvas_.textMetrics().height;
    struct Case {
        TextAlign align;
        int left;
    };
    for (const Case c : {Case{TextAlign::Left, 60}, Case{TextAlign::Right, 60 - w},
                         Case{TextAlign::Center, 60 - w / 2}}) {
        SetUp();
        canvas_.setTextAlign(c.align);
        canvas_.textOut({60, 5}, "Volts");
        Rect painted = boxOf(canvas_.bitmap(), kBlue);
        const Rect ink = boxOf(canvas_.bitmap(), kBlack);
        painted = {std::min(painted.left, ink.left), std::min(painted.top, ink.top),
                   std::max(painted.right, ink.right), std::max(painted.bottom, ink.bottom)};
        EXPECT_EQ(painted, (Rect{c.left, 5, c.left + w, 5 + h}));
        EXPECT_GT(countColor(canvas_.bitmap(), kBlack), 20);
    }
}

TEST_F(TextTest, TopReferencePutsGlyphsBetweenTopAndBaseline) {
    const TextMetrics m = canvas_.textMetrics();
    canvas_.setBackgroundMode(BackgroundMode::Transparent);
    canvas_.textOut({10, 10}, "EH");
    const Rect ink = boxOf(canvas_.bitmap(), kBlack);
    EXPECT_EQ(ink.bottom, 10 + m.ascent);  // capitals sit on the baseline
    EXPECT_GT(ink.top, 10);
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlue), 0);
}

TEST_F(TextTest, ClippedOutputChangesNothingOutsideTheClipRectangle) {
    const Rect clip{14, 8, 30, 15};
    canvas_.textOutClipped({10, 5}, clip, "Clipped label");
    const Bitmap& b = canvas_.bitmap();
    int inside = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (clip.contains({x, y})) {
                inside += b.colorAt(x, y) == kBlack ? 1 : 0;
                EXPECT_NE(b.colorAt(x, y), kRed) << x << "," << y;  // background box covers it
            } else {
                EXPECT_EQ(b.colorAt(x, y), kRed) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 0);
}

TEST_F(TextTest, ClippingMatchesTheUnclippedTextInsideTheRectangle) {
    RasterCanvas whole(Size{120, 40});
    whole.fillRect({0, 0, 120, 40}, kRed);
    whole.setBackgroundColor(kBlue);
    whole.textOut({3, 2}, "0.25 mV");
    canvas_.textOutClipped({3, 2}, {5, 0, 25, 40}, "0.25 mV");
    for (int y = 0; y < 40; ++y) {
        for (int x = 5; x < 25; ++x) {
            ASSERT_EQ(canvas_.bitmap().pixel(x, y), whole.bitmap().pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(TextTest, BoldIsWiderItalicDiffersAndLargerSizesAreTaller) {
    const Size regular = canvas_.textExtent("Pressure");
    const int regularHeight = canvas_.textMetrics().height;
    Font bold;
    bold.bold = true;
    canvas_.selectFont(bold);
    EXPECT_GT(canvas_.textExtent("Pressure").cx, regular.cx);

    Font italic;
    italic.italic = true;
    RasterCanvas a(Size{80, 20});
    RasterCanvas b(Size{80, 20});
    a.textOut({0, 0}, "Pressure");
    b.selectFont(italic);
    b.textOut({0, 0}, "Pressure");
    EXPECT_NE(a.bitmap(), b.bitmap());

    Font large;
    large.points = 16;
    canvas_.selectFont(large);
    EXPECT_GT(canvas_.textMetrics().height, regularHeight * 3 / 2);
}

TEST_F(TextTest, MalformedUtf8DrawsReplacementsWithoutReadingPastTheEnd) {
    const std::string bad = "A\xC3";  // truncated two-byte sequence
    const std::string replacement = "A\xEF\xBF\xBD";
    EXPECT_EQ(canvas_.textExtent(bad).cx, canvas_.textExtent(replacement).cx);
    EXPECT_EQ(canvas_.textExtent("\xF0\x80\x80").cx, 3 * canvas_.textExtent("\xEF\xBF\xBD").cx);
    canvas_.textOut({0, 0}, "\xFF\xFE\xED\xA0\x80");
}

TEST(FontFiles, FaceNamesMapOntoTheDejaVuFiles) {
    Font f;
    EXPECT_EQ(fontFileName(f), "DejaVuSans.ttf");
    f.bold = f.italic = true;
    EXPECT_EQ(fontFileName(f), "DejaVuSans-BoldOblique.ttf");
    f.face = "DejaVu Serif";
    EXPECT_EQ(fontFileName(f), "DejaVuSerif-BoldItalic.ttf");
    f.face = "Sans Mono";
    f.bold = false;
    EXPECT_EQ(fontFileName(f), "DejaVuSansMono-Oblique.ttf");
    f.face = "Some Dialog Face";
    f.italic = false;
    EXPECT_EQ(fontFileName(f), "DejaVuSans.ttf");
    EXPECT_EQ(pixelsPerEm(8), 11);
    EXPECT_EQ(pixelsPerEm(-3), 1);
    EXPECT_EQ(pixelsPerEm(1e9), 512);
}

TEST(FontFiles, MissingFontFilesAreAClearErrorAndTextIsSkipped) {
    const auto empty = std::filesystem::temp_directory_path() / "brennix-gfx-no-fonts";
    std::filesystem::create_directories(empty);
    FontLibrary library({empty});
    EXPECT_EQ(library.face(Font{}), nullptr);
    EXPECT_NE(library.error().find("DejaVuSans.ttf"), std::string::npos);
    EXPECT_NE(library.error().find("fonts-dejavu-core"), std::string::npos);
    EXPECT_NE(library.error().find(empty.string()), std::string::npos);

    RasterCanvas canvas(Size{40, 20}, library);
    canvas.setBackgroundMode(BackgroundMode::Transparent);
    canvas.textOut({0, 0}, "text");
    EXPECT_EQ(countColor(canvas.bitmap(), testing::kWhite), 40 * 20);
    const TextMetrics m = canvas.textMetrics();
    EXPECT_GT(m.height, 0);
    EXPECT_GT(m.maxCharWidth, 0);
}

TEST(FontFiles, AMissingStyleFallsBackToTheRegularFace) {
    const auto dir = std::filesystem::temp_directory_path() / "brennix-gfx-regular-only";
    std::filesystem::create_directories(dir);
    const auto regular = findFontFile("DejaVuSans.ttf", defaultFontDirectories());
    ASSERT_TRUE(regular.has_value());
    std::filesystem::copy_file(*regular, dir / "DejaVuSans.ttf",
                               std::filesystem::copy_options::overwrite_existing);
    FontLibrary library({dir});
    Font bold;
    bold.bold = true;
    const auto face = library.face(bold);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->file().filename(), "DejaVuSans.ttf");
}

TEST(FontFiles, OnlyTheSixteenFacesUsedLastAreKeptAndAHeldFaceOutlivesItsPlace) {
    FontLibrary library(defaultFontDirectories());
    auto sized = [](double points) {
        Font font;
        font.points = points;
        return font;
    };
    const auto first = library.face(sized(8));
    ASSERT_NE(first, nullptr);
    const TextMetrics firstMetrics = first->metrics();
    for (int points = 9; points < 9 + 15; ++points) {
        ASSERT_NE(library.face(sized(points)), nullptr);
    }
    EXPECT_EQ(library.face(sized(8)), first) << "used again, so the newest";
    ASSERT_NE(library.face(sized(40)), nullptr);
    EXPECT_EQ(library.face(sized(8)), first);
    for (int points = 50; points < 90; ++points) {
        ASSERT_NE(library.face(sized(points)), nullptr);
    }
    EXPECT_EQ(library.cachedFaces(), FontLibrary::kMaxFaces);
    EXPECT_EQ(first->metrics(), firstMetrics);
    EXPECT_GT(first->advance(U'\u00e9'), 0) << "a glyph rendered after eviction";
    const auto again = library.face(sized(8));
    EXPECT_NE(again, first);
    EXPECT_EQ(again->metrics(), firstMetrics);
}

}  // namespace
}  // namespace brennix::gfx
