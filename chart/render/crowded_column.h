#pragma once
// What a crowded column of a Chart trace paints, without drawing its points.
//
// Where a column holds a whole ring's worth of positions, it draws every
// cell of the ring once, each joined to the cell before, starting from some
// cell; only that start differs from column to column. Every draw (a fill,
// a line, a marker) writes fixed pixels in fixed colours, so a pixel ends in
// the colour of the last draw that covers it. Each distinct draw is made
// once on a scratch surface of the target's kind and read back as its pixel
// stamp; a column is then composed from the stamps, latest first, each pixel
// taken by the first stamp that reaches it, and painted as runs of pixels:
// the pixels of drawing every point, for work that stops once every pixel
// the ring can paint is taken.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "chart/render/plot_style.h"
#include "chart/render/y_scale.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

class CrowdedColumn {
  public:
    // values[c] is ring cell c. Nothing where the target's pixels cannot be
    // reproduced on a scratch surface (it is not a raster surface).
    static std::unique_ptr<CrowdedColumn> make(gfx::Canvas& target, const gfx::Rect& band,
                                               const PlotStyle& style, const YScale& scale,
                                               std::span<const double> values);
    ~CrowdedColumn();
    CrowdedColumn(const CrowdedColumn&) = delete;
    CrowdedColumn& operator=(const CrowdedColumn&) = delete;

    // Paints what drawing the ring at column x from firstCell round to the
    // cell before it paints, each point joined to the one before.
    void paint(gfx::Canvas& canvas, int x, std::int32_t firstCell);

    struct Run {
        int column;  // scratch column
        int first;
        int last;
        gfx::Pixel pixel;
    };

  private:
    CrowdedColumn() = default;
    class Claims;

    // The stamps a cell draws, in drawing order; -1 for a part it skips.
    struct CellStamps {
        std::int32_t fill = -1;
        std::int32_t line = -1;
        std::int32_t marker = -1;
    };

    // Takes the stamp's pixels nobody took yet; returns how many.
    std::int64_t claim(std::int32_t stamp, int x, gfx::Canvas* canvas);

    int origin_ = 0;  // the scratch column the draws are made at
    std::vector<std::vector<Run>> stamps_;
    std::vector<CellStamps> cells_;
    std::int64_t reach_ = 0;  // pixels the whole ring paints
    std::unique_ptr<Claims> claims_;
};

}  // namespace brennix::chart
