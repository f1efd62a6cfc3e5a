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
#include "platform/gfx/raster_canvas.h"

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
    // Shadowed: the shadow() columns right of x are painted by this ring
    // next, so the pixels they paint over may be left out.
    // A shadowed paint may be held back and made with the ones of the next
    // columns; flush() makes those held, and must come before anything else
    // is drawn on the canvas (destroying the column flushes too).
    void paint(gfx::Canvas& canvas, int x, std::int32_t firstCell,
               std::optional<std::int64_t> cursorBefore = std::nullopt, bool shadowed = false);
    void flush();

    // How many columns right of a column paint over what it leaves out: its
    // rows reach at most that far right of their leftmost pixels.
    int shadow() const { return shadow_; }
    // Whether every pixel a draw within area makes, just before a shadowed
    // paint at column x, is painted over by that paint and the ones after it.
    bool hides(int x, const gfx::Rect& area, bool withCursor);

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
    // Pixel id's covers are coverList_[coverStart_[id] .. coverStart_[id + 1]),
    // listed once the first paints needed them.
    std::vector<std::int32_t> coverStart_;
    std::vector<Cover> coverList_;
    std::vector<gfx::Pixel> cursorPixels_;
    std::vector<std::int32_t> reachPixels_[2];  // column * height + row
    void listCovers(int width);
    std::unique_ptr<Claims> claims_;

    // Where the next shadow() columns are painted by the ring too, a pixel
    // of this one shows only if no pixel of the ring lies left of it in its
    // row. Those pixels of the contested columns take their colour from a
    // table by first cell, built once.
    struct Front {
        bool listed = false;
        std::vector<Run> settled;
        std::vector<std::int32_t> pixels;  // column * height + row
        // Per row, the first scratch column from which every column is
        // painted over by this paint or the next ones.
        std::vector<int> coverStart;
        // By scratch column c, per row the first row from it on whose
        // coverStart lies right of c (the height where none does).
        std::vector<int> nextUncovered;
        // By scratch column c, per row the first row from it on where c lies
        // beyond what the next shadow() columns paint over.
        std::vector<int> nextBeyond;
        // Palette indices by first cell, each cell's pixels side by side, so
        // that a paint reads one short stretch.
        std::vector<std::uint8_t> table;
        std::int64_t tableCursor = -2;  // the cursor's cell the table is for
        // The draws covering the pixels, listed by the cell from which on
        // they are the latest (changes[changeStart[c] .. changeStart[c + 1])
        // for cell c); per pixel the ring's last draw and its colour.
        struct Change {
            std::int32_t pixel;
            std::uint8_t colour;
        };
        std::vector<std::int32_t> changeStart;
        std::vector<Change> changes;
        std::vector<std::int64_t> lastOrder;
        std::vector<std::uint8_t> lastColour;
        // The pixels' places in a target of rows `stride` apart, from the
        // first column they reach; the columns and rows they span.
        std::vector<std::ptrdiff_t> offsets;
        std::ptrdiff_t stride = -1;
        int firstColumn = 0;
        int lastColumn = -1;
        int lastRow = -1;
    };
    std::span<const Cover> coversOf(std::int32_t id) const {
        const auto i = static_cast<std::size_t>(id);
        return std::span(coverList_)
            .subspan(static_cast<std::size_t>(coverStart_[i]),
                     static_cast<std::size_t>(coverStart_[i + 1] - coverStart_[i]));
    }
    void mapReach();
    // The covers of pixels ids (ascending), by their index in ids.
    template <typename Visit>
    void eachCover(std::span<const std::int32_t> ids, Visit&& visit) const;
    void layCovers(std::span<const std::int32_t> ids, std::vector<std::int32_t>& start,
                   std::vector<Cover>& list) const;
    void buildCovers();
    int walks_ = 0;
    Front& front(int withCursor);
    bool frontTable(Front& front, int withCursor, std::int64_t cursorCell);
    int width_ = 1;
    int shadow_ = 0;
    std::vector<int> rowsLeft_;          // width_ where no draw reaches the row
    std::vector<std::uint8_t> reached_;  // per scratch pixel: 1 drawn, 2 the cursor only
    std::vector<gfx::Pixel> palette_;    // index 0: nothing
    Front fronts_[2];
    // Shadowed paints held back: columns heldX_ on, by first cell.
    gfx::RasterCanvas* heldOn_ = nullptr;
    int heldWith_ = 0;  // whether they have the cursor
    int heldX_ = 0;
    std::vector<std::int32_t> heldCells_;
};

}  // namespace brennix::chart
