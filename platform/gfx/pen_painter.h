#pragma once
// Draws 1-pixel outline paths with the selected pen: solid, patterned
// (dash or dot, gaps in the background colour when opaque) or wide (a disc of
// the pen's width stamped on every path pixel, which gives round caps and
// joins; a sloped segment fills a band between them). The pattern restarts
// with beginFigure().

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/line_stepper.h"
#include "platform/gfx/polygon_fill.h"
#include "platform/gfx/raster_target.h"

namespace brennix::gfx {

// Wider pens draw at this width; beyond it a stroke would cost seconds.
constexpr int kMaxPenWidth = 256;

struct PenSetup {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Pixel color = 0xFF000000U;
    Pixel gapColor = 0xFFFFFFFFU;
    bool paintGaps = true;
    bool operator==(const PenSetup&) const = default;
};

class PenPainter {
  public:
    void configure(const PenSetup& setup);

    bool isNull() const { return mode_ == Mode::Null; }
    bool isWide() const { return mode_ == Mode::Wide; }
    // Whether every pixel of a path gets the pen's or the gap colour.
    bool coversPath() const { return mode_ == Mode::Solid || mode_ == Mode::Wide || paintGaps_; }
    int width() const { return width_; }

    void beginFigure() { phase_ = 0; }
    // From a towards b, b excluded (a wide pen stamps up to b-1 as well;
    // callers that end an open path there call point(b)).
    void segment(RasterTarget& t, Point a, Point b);
    // The pixels a line from a to b paints (b too for a wide pen, as a line
    // to it stamps its end), where they are one solid rectangle: a straight
    // thin solid line, or a straight wide one whose disc is a square. Empty
    // where nothing is painted (the null pen, a thin line of no length).
    std::optional<Rect> lineArea(Point a, Point b) const;
    // One path pixel.
    void point(RasterTarget& t, Point p);
    // Consecutive path pixels.
    void points(RasterTarget& t, std::span<const Point> path);

  private:
    enum class Mode : std::uint8_t { Null, Solid, Pattern, Wide };
    struct DiscRow {
        int dy, x0, x1;  // columns x0 .. x1-1 relative to the centre pixel
    };

    void stamp(RasterTarget& t, int x, int y) {
        for (const DiscRow& r : disc_) {
            t.span(y + r.dy, x + r.x0, x + r.x1, color_);
        }
    }
    // A wide horizontal or vertical segment as spans: the same pixels as a
    // stamp per path pixel, for a fraction of the writes.
    void wideStraight(RasterTarget& t, Point a, Point b, const Rect& reach);
    // A wide sloped segment: the dot at a and the band to b, a four-sided
    // polygon whose corners lie off both ends by whole-pixel offsets.
    void wideSloped(RasterTarget& t, Point a, Point b);
    // The band's corners for a sloped segment.
    void bandCorners(Point a, Point b, Point (&corners)[4]) const;
    void prepareDiagonal(int k);

    void patterned(RasterTarget& t, int x, int y) {
        if (phase_ < on_) {
            t.put(x, y, color_);
        } else if (paintGaps_) {
            t.put(x, y, gap_);
        }
        if (++phase_ == period_) {
            phase_ = 0;
        }
    }

    Mode mode_ = Mode::Solid;
    int width_ = 1;
    Pixel color_ = 0xFF000000U;
    Pixel gap_ = 0xFFFFFFFFU;
    bool paintGaps_ = true;
    int on_ = 0;
    int period_ = 1;
    int phase_ = 0;
    std::vector<DiscRow> disc_;
    PolygonFiller band_;
    int discX0_ = 0;  // the widest row of the disc
    int discX1_ = 0;
    bool discSquare_ = false;  // every row of the disc spans discX0_ .. discX1_
    // A segment one diagonal step long (most of a wide curve's), its dot and
    // band as spans from its first pixel; by (dx > 0) + 2 (dy > 0), worked
    // out on first use.
    std::array<std::vector<DiscRow>, 4> diagonal_;
    unsigned diagonalReady_ = 0;
};

}  // namespace brennix::gfx
