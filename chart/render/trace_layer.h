#pragma once
// The draws of a trace composed on a raster surface: the pixels of drawing
// them one after another, for a fraction of the writes.
//
// A fill towards the base paints, in the rows from its nearer corner to the
// base, every column from its previous point's to its own: a rectangle. A
// trace's rectangles all reach the same base, so their union is a skyline,
// painted once row by row however many fills overlap in it. Everything else
// a point draws (its line, its marker, the parts of its fill beyond the
// rectangle) is drawn in order on a scratch surface; a rectangle wipes the
// scratch pixels it covers, as it would paint over them. Composing paints the
// skyline, then the scratch pixels over it.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/gfx/polygon_fill.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::chart {

class TraceLayer {
  public:
    // Nothing where target is not a raster surface.
    static std::unique_ptr<TraceLayer> make(gfx::Canvas& target);
    ~TraceLayer();
    TraceLayer(const TraceLayer&) = delete;
    TraceLayer& operator=(const TraceLayer&) = delete;

    // Where the next draw goes; afterwards report what it may have touched.
    gfx::Canvas& scratch();
    // The scratch pixels the last draw painted lie within area.
    void touched(const gfx::Rect& area);

    // Columns x + dx0 .. x + dx1 - 1 of row y + dy.
    struct Run {
        int dy;
        int dx0;
        int dx1;
    };
    // The runs around (x, y) drawn on the scratch in color.
    void stamp(std::span<const Run> runs, int x, int y, gfx::ColorRef color);
    // The runs a draw around (0, 0) paints, found by drawing it on a scratch
    // surface with room for reach pixels on every side.
    template <class Draw>
    static std::vector<Run> runsOf(int reach, Draw&& draw);

    // The polygon through corners (previous point, point, point at the base,
    // previous point at the base) with a 1-pixel pen and a brush of color.
    void fill(const std::array<gfx::Point, 4>& corners, gfx::ColorRef color);

    // Paints what was drawn since the last compose onto the target.
    void compose();

  private:
    explicit TraceLayer(gfx::RasterCanvas& target);
    static std::vector<Run> readRuns(const gfx::Bitmap& drawn, int reach);

    void begin();
    // Rows r0 .. r1 of column x, reaching the base at r1 when below the
    // points, else at r0.
    void column(int x, int r0, int r1, bool belowPoints);
    // The pixels of the polygon in rows first .. end-1 and columns left ..
    // right of the surface, where all of its pixels there lie. Where each column's pixels there are
    // one run joining the rows towards the base, they go to the skyline with the rest of the column
    // (down to the row `reach` at least) and true is returned; otherwise they are drawn on the
    // scratch.
    bool strip(std::span<const gfx::Point> corners, int left, int right, int first, int end,
               bool belowPoints, gfx::Pixel pixel);
    // Works the strip out into grid_ and reach_ without drawing it.
    bool stripOf(std::span<const gfx::Point> corners, int left, int right, int first, int end,
                 bool belowPoints);
    // Strips worked out before, by their step from one point to the next;
    // reach and pixels relative to the strip's first column and row.
    struct Shape {
        bool joined = false;
        std::vector<int> reach;
        std::vector<gfx::Point> pixels;
    };
    std::unordered_map<std::uint64_t, Shape> shapes_;

    gfx::RasterCanvas& target_;
    gfx::RasterCanvas scratch_;
    gfx::PolygonFiller filler_;
    bool active_ = false;
    // A strip's pixels, column by column.
    std::vector<std::uint8_t> grid_;
    std::vector<int> reach_;

    // Per column, the scratch rows drawn since the last compose.
    std::vector<int> drawnTop_;
    std::vector<int> drawnBottom_;
    int drawnLeft_ = 0;
    int drawnRight_ = -1;

    // Per column, the rectangles' reach from the base: up to top_ when they
    // lie above it, down to bottom_ when below.
    bool skyline_ = false;
    int base_ = 0;
    gfx::Pixel skyPixel_ = 0;
    std::vector<int> top_;
    std::vector<int> bottom_;
    int skyLeft_ = 0;
    int skyRight_ = -1;
};

template <class Draw>
std::vector<TraceLayer::Run> TraceLayer::runsOf(int reach, Draw&& draw) {
    gfx::RasterCanvas canvas({0, 0});
    canvas.bitmap() = gfx::Bitmap(2 * reach + 1, 2 * reach + 1, 0);
    draw(canvas, reach, reach);
    return readRuns(canvas.bitmap(), reach);
}

}  // namespace brennix::chart
