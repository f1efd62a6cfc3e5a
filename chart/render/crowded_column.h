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
    // cell before it paints, each point joined to the one before, with the
    // sweep cursor drawn before the point cursorBefore cells on, if any.
    void paint(gfx::Canvas& canvas, int x, std::int32_t firstCell,
               std::optional<std::int64_t> cursorBefore = std::nullopt);

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

    // Takes the stamp's pixels in contested scratch columns that nobody
    // took yet, painting them at column x when there is a canvas; returns
    // how many.
    std::int64_t claim(std::int32_t stamp, int x, gfx::Canvas* canvas, int withCursor);
    // Finds the scratch columns every draw paints in one colour and their
    // final runs, with and without the cursor.
    void settle(int width);

    int origin_ = 0;  // the scratch column the draws are made at
    std::vector<std::vector<Run>> stamps_;
    std::vector<CellStamps> cells_;
    std::int32_t cursor_ = -1;  // the sweep cursor's stamp
    // Indexed by whether the cursor is drawn: per scratch column whether its
    // draws differ in colour, the final runs of the others, and the pixels
    // the whole ring paints in the contested ones.
    std::vector<std::uint8_t> contested_[2];
    std::vector<Run> settled_[2];
    std::int64_t reach_[2] = {0, 0};
    // Per scratch pixel of a contested column, the draws that cover it by
    // ordinal 3 x cell + part, and the cursor's pixel there (0: none): for
    // the few pixels that only an early draw of a column reaches.
    struct Cover {
        std::int32_t ordinal;
        gfx::Pixel pixel;
    };
    int height_ = 0;
    std::vector<std::vector<Cover>> covers_;
    std::vector<gfx::Pixel> cursorPixels_;
    std::vector<std::int32_t> reachPixels_[2];  // column * height + row
    void listCovers(int width);
    std::unique_ptr<Claims> claims_;
};

}  // namespace brennix::chart
