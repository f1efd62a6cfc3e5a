// Crowded columns on a surface that cannot say what a line paints: drawn
// point by point, with the same pixels as where the surface tells.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "chart/render/chart_trace.h"
#include "chart/render/trace_painter.h"
#include "platform/gfx/raster_canvas.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

// Paints like the raster canvas and counts its lines; tells what a line
// paints only when asked to.
class UntoldCanvas final : public gfx::Canvas {
  public:
    explicit UntoldCanvas(gfx::Size size, bool tells = false) : inner_(size), tells_(tells) {}
    const gfx::Bitmap& bitmap() const { return inner_.bitmap(); }

    gfx::Size size() const override { return inner_.size(); }
    gfx::Pen selectPen(const gfx::Pen& pen) override { return inner_.selectPen(pen); }
    gfx::Brush selectBrush(const gfx::Brush& brush) override { return inner_.selectBrush(brush); }
    gfx::Font selectFont(const gfx::Font& font) override { return inner_.selectFont(font); }
    gfx::Pen pen() const override { return inner_.pen(); }
    gfx::Brush brush() const override { return inner_.brush(); }
    gfx::Font font() const override { return inner_.font(); }
    gfx::ColorRef setTextColor(gfx::ColorRef c) override { return inner_.setTextColor(c); }
    gfx::ColorRef setBackgroundColor(gfx::ColorRef c) override {
        return inner_.setBackgroundColor(c);
    }
    gfx::BackgroundMode setBackgroundMode(gfx::BackgroundMode m) override {
        return inner_.setBackgroundMode(m);
    }
    gfx::TextAlign setTextAlign(gfx::TextAlign a) override { return inner_.setTextAlign(a); }
    gfx::Point moveTo(gfx::Point p) override { return inner_.moveTo(p); }
    void lineTo(gfx::Point p) override {
        ++lines_;
        inner_.lineTo(p);
    }
    gfx::Point currentPosition() const override { return inner_.currentPosition(); }
    std::optional<gfx::Rect> lineArea(const gfx::Pen& pen, gfx::Point from,
                                      gfx::Point to) const override {
        return tells_ ? inner_.lineArea(pen, from, to) : std::nullopt;
    }
    void polyline(std::span<const gfx::Point> points) override { inner_.polyline(points); }
    void rectangle(const gfx::Rect& r) override { inner_.rectangle(r); }
    void ellipse(const gfx::Rect& box) override { inner_.ellipse(box); }
    void arc(const gfx::Rect& box, gfx::Point s, gfx::Point e) override { inner_.arc(box, s, e); }
    void pie(const gfx::Rect& box, gfx::Point s, gfx::Point e) override { inner_.pie(box, s, e); }
    void polygon(std::span<const gfx::Point> points) override { inner_.polygon(points); }
    void fillRect(const gfx::Rect& r, gfx::ColorRef c) override { inner_.fillRect(r, c); }
    void setPixel(gfx::Point p, gfx::ColorRef c) override { inner_.setPixel(p, c); }
    void drawEdge(const gfx::Rect& r, gfx::EdgeStyle e) override { inner_.drawEdge(r, e); }
    void textOut(gfx::Point p, std::string_view text) override { inner_.textOut(p, text); }
    void textOutClipped(gfx::Point p, const gfx::Rect& clip, std::string_view text) override {
        inner_.textOutClipped(p, clip, text);
    }
    gfx::TextMetrics textMetrics() const override { return inner_.textMetrics(); }
    gfx::Size textExtent(std::string_view text) const override { return inner_.textExtent(text); }
    std::unique_ptr<gfx::Canvas> createCompatible(gfx::Size size) const override {
        return std::make_unique<UntoldCanvas>(size);
    }
    void blockCopy(const gfx::Rect& dest, const gfx::Canvas& source, gfx::Point origin) override {
        inner_.blockCopy(dest, source, origin);
    }

    int lines() const { return lines_; }

  private:
    gfx::RasterCanvas inner_;
    bool tells_;
    int lines_ = 0;
};

ChartHistory swinging(std::int16_t mode, std::int32_t viewNum, int samples) {
    ChartHistory history = testing::initialised(8, mode, viewNum);  // rings of 128
    for (int i = 0; i < samples; ++i) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        row[0] = 5 + 6 * std::sin(i * 0.53);  // leaves the scale now and then
        (void)history.plotCharts(std::span<const double>(row));
    }
    return history;
}

TEST(UntoldSurface, CrowdedThinLinesPaintWhatTheRasterCanvasPaints) {
    const gfx::Rect band{3, 4, 43, 64};
    PlotStyle thin;
    thin.LineColor = gfx::rgb(10, 200, 30);
    for (const std::int16_t mode : {std::int16_t{UM_Sweep}, std::int16_t{UM_Strip}}) {
        const ChartHistory history = swinging(mode, 60000, 128 * 9 + 17);
        UntoldCanvas told({50, 70}, true);
        UntoldCanvas untold({50, 70});
        gfx::RasterCanvas everyPosition({50, 70});
        drawChartTrace(told, band, thin, history, 0, 10, 0);
        drawChartTrace(untold, band, thin, history, 0, 10, 0);
        drawChartTraceEveryPosition(everyPosition, band, thin, history, 0, 10, 0);
        EXPECT_EQ(untold.bitmap(), everyPosition.bitmap()) << "mode " << mode;
        EXPECT_EQ(told.bitmap(), everyPosition.bitmap()) << "mode " << mode;
        // Nothing summed up where the surface does not tell.
        EXPECT_GT(untold.lines(), 4 * told.lines()) << "mode " << mode;
    }
}

TEST(UntoldSurface, HeldColumnsAreDrawnLineByLine) {
    UntoldCanvas untold({40, 40});
    UntoldCanvas told({40, 40}, true);
    const gfx::Rect band{2, 2, 38, 38};
    for (gfx::Canvas* canvas : std::array<gfx::Canvas*, 2>{&untold, &told}) {
        TracePainter painter(*canvas, band, PlotStyle{}, YScale(10, 0, band.top, band.bottom));
        painter.batchColumns(true);
        EXPECT_EQ(painter.drawsOnlyThinLines(), canvas == &told);
        for (const double v : {1.0, 9.0, 3.0, 7.0, 2.0}) {
            painter.point(10, v);
        }
        painter.point(11, 5.0);
    }
    EXPECT_EQ(untold.bitmap(), told.bitmap());
    // The first point's line of no length, four in the column, one on.
    EXPECT_EQ(untold.lines(), 6);
    EXPECT_EQ(told.lines(), 2);
}

}  // namespace
}  // namespace brennix::chart
