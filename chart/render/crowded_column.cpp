#include "chart/render/crowded_column.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "chart/render/chart_trace.h"
#include "chart/render/trace_painter.h"
#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/raster_target.h"

namespace brennix::chart {

// Which rows of each contested scratch column a composition has taken: a
// union-find of "next row not taken", reset in constant time by an epoch.
class CrowdedColumn::Claims {
  public:
    Claims(int columns, int rows)
        : rows_(rows),
          next_(static_cast<std::size_t>(columns) * (rows + 1)),
          epoch_(next_.size(), 0) {}

    void reset() { ++current_; }
    bool taken(int column, int row) const {
        return parent(static_cast<std::size_t>(column) * (rows_ + 1), row) != row;
    }

    // Takes rows first .. last of column, calling take(a, b) for each run of
    // rows nobody took before.
    template <typename Take>
    void claim(int column, int first, int last, Take&& take) {
        first = std::max(first, 0);
        last = std::min(last, rows_ - 1);
        const std::size_t base = static_cast<std::size_t>(column) * (rows_ + 1);
        int row = find(base, first);
        while (row <= last) {
            const int start = row;
            do {
                set(base, row, row + 1);
                ++row;
            } while (row <= last && find(base, row) == row);
            take(start, row - 1);
            row = find(base, row);
        }
    }

  private:
    int parent(std::size_t base, int row) const {
        const std::size_t i = base + static_cast<std::size_t>(row);
        return epoch_[i] == current_ ? next_[i] : row;
    }
    void set(std::size_t base, int row, int to) {
        const std::size_t i = base + static_cast<std::size_t>(row);
        next_[i] = to;
        epoch_[i] = current_;
    }
    int find(std::size_t base, int row) {
        int root = row;
        while (root < rows_ && parent(base, root) != root) {
            root = parent(base, root);
        }
        while (row != root) {
            const int up = parent(base, row);
            set(base, row, root);
            row = up;
        }
        return root;
    }

    int rows_;
    std::vector<int> next_;
    std::vector<std::uint32_t> epoch_;
    std::uint32_t current_ = 1;
};

namespace {

using Run = CrowdedColumn::Run;

// Draws each distinct part once on the scratch surface and reads it back.
class StampMaker {
  public:
    StampMaker(gfx::Canvas& target, const PlotStyle& style, const YScale& scale, int margin)
        : margin_(margin),
          scratch_({2 * margin + 1, target.size().cy}),
          painter_(scratch_, {margin, scale.top(), margin + 1, scale.bottom()}, style, scale),
          scale_(scale),
          direct_(style.Interp == IP_Direct),
          linePixel_(gfx::pixelOf(linePen(style).color)),
          fillPen_{gfx::PenStyle::Solid, 1, style.FillColor},
          fillBase_(scale.fillBase(style.FillBase)) {
        scratch_.bitmap() = gfx::Bitmap(2 * margin + 1, target.size().cy, kUntouched);
        // Dashes paint their gaps in the background, so it must be the target's.
        const gfx::ColorRef background = target.setBackgroundColor(0);
        target.setBackgroundColor(background);
        scratch_.setBackgroundColor(background);
        const gfx::BackgroundMode mode = target.setBackgroundMode(gfx::BackgroundMode::Opaque);
        target.setBackgroundMode(mode);
        scratch_.setBackgroundMode(mode);
    }

    // The pixels of one part, found within reach of rows lo .. hi and of
    // the column it is drawn at.
    std::vector<Run> stamp(TracePainter::Part part, std::int64_t fromRow, int y, int lo, int hi,
                           int reach) {
        if (part == TracePainter::Part::Line && direct_) {
            // A line the surface says paints rows of its own column is those
            // rows in the pen's colour.
            if (const std::optional<RowRun> rows =
                    painter_.rowsOfLine(static_cast<int>(fromRow), y)) {
                const int first = std::max({rows->first, lo - reach, 0});
                const int last = std::min({rows->last, hi + reach, height() - 1});
                if (first > last) {
                    return {};
                }
                return {{margin_, first, last, linePixel_}};
            }
        }
        if (part == TracePainter::Part::Fill) {
            if (std::optional<std::vector<Run>> runs = columnFill(fromRow, y, lo, hi)) {
                return *std::move(runs);
            }
        }
        painter_.drawPart(part, margin_, fromRow, margin_, y);
        painter_.flush();
        return capture(lo, hi, reach);
    }

    // A fill towards a point in its own column has no inside: its pixels
    // are its sides', each the rows the surface says a line along it paints.
    // Nothing where the surface cannot tell.
    std::optional<std::vector<Run>> columnFill(std::int64_t fromRow, int y, int lo, int hi) {
        const std::array<gfx::Point, 4> corners{{{margin_, scale_.clampRow(fromRow)},
                                                 {margin_, y},
                                                 {margin_, fillBase_},
                                                 {margin_, fillBase_}}};
        std::array<RowRun, 4> sides{};
        std::size_t count = 0;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const std::optional<gfx::Rect> area =
                scratch_.lineArea(fillPen_, corners[i], corners[(i + 1) % corners.size()]);
            if (!area) {
                return std::nullopt;
            }
            if (area->isEmpty()) {
                continue;
            }
            if (area->left != margin_ || area->right != margin_ + 1) {
                return std::nullopt;
            }
            sides[count++] = {area->top, area->bottom - 1};
        }
        for (std::size_t i = 1; i < count; ++i) {
            for (std::size_t j = i; j > 0 && sides[j - 1].first > sides[j].first; --j) {
                std::swap(sides[j - 1], sides[j]);
            }
        }
        const gfx::Pixel pixel = gfx::pixelOf(fillPen_.color);
        const int top = std::max(lo, 0);
        const int bottom = std::min(hi, height() - 1);
        std::vector<Run> runs;
        for (std::size_t i = 0; i < count; ++i) {
            const int first = std::max(sides[i].first, top);
            const int last = std::min(sides[i].last, bottom);
            if (first > last) {
                continue;
            }
            if (!runs.empty() && runs.back().last + 1 >= first) {
                runs.back().last = std::max(runs.back().last, last);
            } else {
                runs.push_back({margin_, first, last, pixel});
            }
        }
        return runs;
    }

    // The sweep cursor through the band.
    std::vector<Run> cursor(const YScale& scale) {
        drawSweepCursor(scratch_, {margin_, scale.top(), margin_ + 1, scale.bottom()}, margin_);
        return capture(scale.top(), scale.bottom(), 3);
    }

    // What the last draw painted, read back and wiped off the scratch.
    std::vector<Run> capture(int lo, int hi, int reach) {
        std::vector<Run> runs;
        gfx::Bitmap& bitmap = scratch_.bitmap();
        lo = std::max(lo - reach, 0);
        hi = std::min(hi + reach, bitmap.height() - 1);
        const int left = std::max(margin_ - reach, 0);
        const int right = std::min(margin_ + reach, bitmap.width() - 1);
        const auto stride = static_cast<std::ptrdiff_t>(bitmap.width());
        for (int column = left; column <= right && lo <= hi; ++column) {
            gfx::Pixel* p = bitmap.row(lo) + column;
            for (int row = lo; row <= hi; ++row, p += stride) {
                const gfx::Pixel pixel = *p;
                if (pixel == kUntouched) {
                    continue;
                }
                *p = kUntouched;
                if (!runs.empty() && runs.back().column == column && runs.back().last + 1 == row &&
                    runs.back().pixel == pixel) {
                    runs.back().last = row;
                } else {
                    runs.push_back({column, row, row, pixel});
                }
            }
        }
        return runs;
    }

    int origin() const { return margin_; }
    int width() const { return 2 * margin_ + 1; }
    int height() const { return scratch_.bitmap().height(); }

  private:
    // Drawing writes opaque pixels only, so this is never a drawn one.
    static constexpr gfx::Pixel kUntouched = 0;

    int margin_;
    gfx::RasterCanvas scratch_;
    TracePainter painter_;
    YScale scale_;
    bool direct_;
    gfx::Pixel linePixel_;
    gfx::Pen fillPen_;
    int fillBase_;
};

std::int64_t key(std::int64_t a, std::int64_t b) {
    return (a << 32) ^ (b & 0xFFFFFFFF);
}

}  // namespace

CrowdedColumn::~CrowdedColumn() {
    flush();
}

std::unique_ptr<CrowdedColumn> CrowdedColumn::make(gfx::Canvas& target, const gfx::Rect& band,
                                                   const PlotStyle& style, const YScale& scale,
                                                   std::span<const double> values) {
    if (dynamic_cast<gfx::RasterCanvas*>(&target) == nullptr || values.empty() ||
        target.size().cy < 1) {
        return nullptr;
    }
    std::unique_ptr<CrowdedColumn> column(new CrowdedColumn());
    // How far from its points a part can paint: the marker's 5 x 5 box, the
    // line pen's half width, each with a pixel to spare.
    const int lineReach = std::max<int>(style.LineWidth, 1) / 2 + 2;
    const int margin = std::max(lineReach, 4);
    // Pens of one pixel, the fill's among them, keep within their ends' box.
    const int thinReach = style.LineWidth <= 1 ? 0 : lineReach;
    StampMaker maker(target, style, scale, margin);
    column->origin_ = maker.origin();

    std::vector<std::int64_t> rows(values.size());
    std::transform(values.begin(), values.end(), rows.begin(),
                   [&](double v) { return scale.row(v); });
    // A probe painter decides the parts exactly as the trace's own does.
    const TracePainter parts(target, band, style, scale);
    const int base = scale.fillBase(style.FillBase);
    std::unordered_map<std::int64_t, std::int32_t> fills;
    std::unordered_map<std::int64_t, std::int32_t> lines;
    std::unordered_map<std::int64_t, std::int32_t> markers;
    const auto stampOf = [&](std::unordered_map<std::int64_t, std::int32_t>& known, std::int64_t k,
                             TracePainter::Part part, std::int64_t from, int y, int lo, int hi,
                             int reach) {
        auto [it, fresh] = known.try_emplace(k, static_cast<std::int32_t>(column->stamps_.size()));
        if (fresh) {
            column->stamps_.push_back(maker.stamp(part, from, y, lo, hi, reach));
        }
        return it->second;
    };
    column->cells_.resize(rows.size());
    for (std::size_t c = 0; c < rows.size(); ++c) {
        const std::int64_t from = rows[c == 0 ? rows.size() - 1 : c - 1];
        const std::int64_t to = rows[c];
        const TracePainter::Parts drawn = parts.partsOf(from, to);
        const int y = static_cast<int>(std::clamp<std::int64_t>(to, scale.top(), scale.bottom()));
        CellStamps& cell = column->cells_[c];
        if (drawn.fill) {
            const int cp = scale.clampRow(from);
            cell.fill = stampOf(fills, key(cp, y), TracePainter::Part::Fill, cp, y,
                                std::min({cp, y, base}), std::max({cp, y, base}), 0);
        }
        if (drawn.line) {
            const int fp = static_cast<int>(from);
            cell.line = stampOf(lines, key(fp, y), TracePainter::Part::Line, fp, y, std::min(fp, y),
                                std::max(fp, y), thinReach);
        }
        if (drawn.marker) {
            cell.marker = stampOf(markers, y, TracePainter::Part::Marker, y, y, y, y, 3);
        }
    }
    column->cursor_ = static_cast<std::int32_t>(column->stamps_.size());
    column->stamps_.push_back(maker.cursor(scale));
    column->claims_ = std::make_unique<Claims>(maker.width(), maker.height());
    column->settle(maker.width());
    column->height_ = maker.height();
    column->width_ = maker.width();
    column->mapReach();
    column->listCovers(maker.width());
    // The pixels of contested columns that the ring (and the cursor) reach.
    for (int withCursor = 0; withCursor < 2; ++withCursor) {
        column->reach_[withCursor] =
            static_cast<std::int64_t>(column->reachPixels_[withCursor].size());
    }
    return column;
}

void CrowdedColumn::mapReach() {
    const auto pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    palette_.assign(1, 0);
    // Runs counted in and out per pixel, then summed down each column.
    std::vector<std::int32_t> drawn(pixels + 1, 0);
    std::vector<std::int32_t> cursor(pixels + 1, 0);
    for (std::size_t st = 0; st < stamps_.size(); ++st) {
        std::vector<std::int32_t>& counts =
            static_cast<std::int32_t>(st) == cursor_ ? cursor : drawn;
        for (const Run& run : stamps_[st]) {
            if (std::find(palette_.begin(), palette_.end(), run.pixel) == palette_.end()) {
                palette_.push_back(run.pixel);
            }
            const int first = std::max(run.first, 0);
            const int last = std::min(run.last, height_ - 1);
            if (first <= last) {
                const std::size_t base = static_cast<std::size_t>(run.column) * height_;
                ++counts[base + first];
                --counts[base + last + 1];
            }
        }
    }
    reached_.assign(pixels, 0);
    rowsLeft_.assign(static_cast<std::size_t>(height_), width_);
    for (int column = 0; column < width_; ++column) {
        std::int32_t inDrawn = 0;
        std::int32_t inCursor = 0;
        for (int row = 0; row < height_; ++row) {
            const std::size_t id = static_cast<std::size_t>(column) * height_ + row;
            inDrawn += drawn[id];
            inCursor += cursor[id];
            if (inDrawn > 0) {
                reached_[id] = 1;
                int& left = rowsLeft_[static_cast<std::size_t>(row)];
                left = std::min(left, column);
            } else if (inCursor > 0) {
                reached_[id] = 2;
            }
        }
    }
    // A pixel right of its row's leftmost is painted over by the column as
    // many columns on: the widest such step is how far the shadow reaches.
    shadow_ = 0;
    for (int row = 0; row < height_; ++row) {
        const int left = rowsLeft_[static_cast<std::size_t>(row)];
        for (int column = width_ - 1; column > left; --column) {
            if (reached_[static_cast<std::size_t>(column) * height_ + row] != 0) {
                shadow_ = std::max(shadow_, column - left);
                break;
            }
        }
    }
}

CrowdedColumn::Front& CrowdedColumn::front(int withCursor) {
    Front& f = fronts_[withCursor];
    if (f.listed) {
        return f;
    }
    f.listed = true;
    // A pixel right of the leftmost one the ring reaches in its row is
    // painted over by the column that lands that leftmost pixel on it.
    const auto shows = [&](int column, int row) {
        return row >= 0 && row < height_ && column <= rowsLeft_[static_cast<std::size_t>(row)];
    };
    for (const Run& run : settled_[withCursor]) {
        for (int row = run.first; row <= run.last; ++row) {
            if (!shows(run.column, row)) {
                continue;
            }
            if (!f.settled.empty() && f.settled.back().column == run.column &&
                f.settled.back().last + 1 == row) {
                f.settled.back().last = row;
            } else {
                f.settled.push_back({run.column, row, row, run.pixel});
            }
        }
    }
    f.firstColumn = width_;
    for (const std::int32_t id : reachPixels_[withCursor]) {
        if (shows(id / height_, id % height_)) {
            f.pixels.push_back(id);
            f.firstColumn = std::min(f.firstColumn, id / height_);
            f.lastColumn = std::max(f.lastColumn, id / height_);
            f.lastRow = std::max(f.lastRow, id % height_);
        }
    }
    f.coverStart.resize(static_cast<std::size_t>(height_));
    for (int row = 0; row < height_; ++row) {
        int start = rowsLeft_[static_cast<std::size_t>(row)];
        while (start > 0) {
            const std::uint8_t r = reached_[static_cast<std::size_t>(start - 1) * height_ + row];
            if (r == 0 || (r == 2 && withCursor == 0)) {
                break;
            }
            --start;
        }
        f.coverStart[static_cast<std::size_t>(row)] = start;
    }
    const auto rows = static_cast<std::size_t>(height_) + 1;
    f.nextUncovered.resize(static_cast<std::size_t>(width_) * rows);
    f.nextBeyond.resize(static_cast<std::size_t>(width_) * rows);
    for (int column = 0; column < width_; ++column) {
        int* next = f.nextUncovered.data() + static_cast<std::size_t>(column) * rows;
        int* beyond = f.nextBeyond.data() + static_cast<std::size_t>(column) * rows;
        next[height_] = height_;
        beyond[height_] = height_;
        for (int row = height_ - 1; row >= 0; --row) {
            const auto r = static_cast<std::size_t>(row);
            next[row] = f.coverStart[r] > column ? row : next[row + 1];
            beyond[row] = rowsLeft_[r] + shadow_ < column ? row : beyond[row + 1];
        }
    }
    return f;
}

bool CrowdedColumn::frontTable(Front& f, int withCursor, std::int64_t cursorCell) {
    const auto length = static_cast<std::int64_t>(cells_.size());
    // A table of every cell for each pixel: only while it stays small.
    constexpr std::int64_t kLargestTable = std::int64_t{1} << 22;
    if (palette_.size() > 255 ||
        static_cast<std::int64_t>(f.pixels.size()) * length > kLargestTable) {
        return false;
    }
    if (f.tableCursor == cursorCell) {
        return true;
    }
    f.tableCursor = cursorCell;
    const std::size_t count = f.pixels.size();
    const auto index = [&](gfx::Pixel p) {
        return static_cast<std::uint8_t>(std::find(palette_.begin(), palette_.end(), p) -
                                         palette_.begin());
    };
    // Draws in ring order, 4 x cell + 1 + part, the cursor at 4 x its cell:
    // a column from cell s ends in the last draw before 4 x s, round the ring.
    // A draw in cell c is the latest for the columns from cell c + 1 on, so
    // the draws are listed by the cell after theirs, in ring order.
    if (f.changeStart.empty()) {
        std::vector<std::int32_t> start;
        std::vector<Cover> list;
        layCovers(f.pixels, start, list);
        f.lastOrder.assign(count, -1);
        f.lastColour.assign(count, 0);
        f.changeStart.assign(static_cast<std::size_t>(length) + 2, 0);
        for (std::size_t j = 0; j < count; ++j) {
            for (std::int32_t k = start[j]; k < start[j + 1]; ++k) {
                const Cover& cover = list[static_cast<std::size_t>(k)];
                ++f.changeStart[static_cast<std::size_t>(cover.ordinal / 3 + 2)];
            }
        }
        for (std::size_t c = 1; c < f.changeStart.size(); ++c) {
            f.changeStart[c] += f.changeStart[c - 1];
        }
        f.changes.resize(static_cast<std::size_t>(f.changeStart.back()));
        std::vector<std::int32_t> next(f.changeStart.begin(), f.changeStart.end());
        // Pixels in turn, each one's covers in ring order: within a cell's
        // list every pixel's draws keep their order.
        for (std::size_t j = 0; j < count; ++j) {
            for (std::int32_t k = start[j]; k < start[j + 1]; ++k) {
                const Cover& cover = list[static_cast<std::size_t>(k)];
                const std::uint8_t colour = index(cover.pixel);
                const auto after = static_cast<std::size_t>(cover.ordinal / 3 + 1);
                f.changes[static_cast<std::size_t>(next[after]++)] = {static_cast<std::int32_t>(j),
                                                                      colour};
                const std::int64_t order = 4 * (cover.ordinal / 3) + 1 + cover.ordinal % 3;
                if (order > f.lastOrder[j]) {
                    f.lastOrder[j] = order;
                    f.lastColour[j] = colour;
                }
            }
        }
    }
    f.table.resize(count * static_cast<std::size_t>(length));
    const bool cursor = withCursor == 1 && cursorCell >= 0;
    const auto cursorAt = [&](std::size_t j) -> std::uint8_t {
        const gfx::Pixel p = cursorPixels_[static_cast<std::size_t>(f.pixels[j])];
        return cursor && p != 0 ? index(p) : 0;
    };
    // The first cell's column ends in the ring's last draw.
    std::uint8_t* row = f.table.data();
    for (std::size_t j = 0; j < count; ++j) {
        const std::uint8_t c = cursorAt(j);
        row[j] = c != 0 && 4 * cursorCell > f.lastOrder[j] ? c : f.lastColour[j];
    }
    for (std::int64_t cell = 1; cell < length; ++cell) {
        std::uint8_t* const previous = row;
        row += count;
        std::copy(previous, previous + count, row);
        if (cursor && cell == cursorCell + 1) {
            for (std::size_t j = 0; j < count; ++j) {
                if (const std::uint8_t c = cursorAt(j); c != 0) {
                    row[j] = c;
                }
            }
        }
        const auto from = static_cast<std::size_t>(f.changeStart[static_cast<std::size_t>(cell)]);
        const auto to = static_cast<std::size_t>(f.changeStart[static_cast<std::size_t>(cell) + 1]);
        for (std::size_t k = from; k < to; ++k) {
            row[static_cast<std::size_t>(f.changes[k].pixel)] = f.changes[k].colour;
        }
    }
    return true;
}

bool CrowdedColumn::hides(int x, const gfx::Rect& area, bool withCursor) {
    const Front& f = front(withCursor ? 1 : 0);
    const int left = area.left - x + origin_;
    if (area.isEmpty()) {
        return true;
    }
    if (left < 0 || area.right - x + origin_ > width_) {
        return false;
    }
    const int first = std::max(area.top, 0);
    const int end = std::min(area.bottom, height_);
    if (first >= end) {
        return true;
    }
    // Every row's columns of the area lie from its coverStart to as far as
    // the next shadow() columns reach.
    const auto rows = static_cast<std::size_t>(height_) + 1;
    const auto from = static_cast<std::size_t>(first);
    const auto right = static_cast<std::size_t>(area.right - 1 - x + origin_);
    return f.nextUncovered[static_cast<std::size_t>(left) * rows + from] >= end &&
           f.nextBeyond[right * rows + from] >= end;
}

void CrowdedColumn::settle(int width) {
    // A scratch column that every draw paints in one colour ends in the
    // union of the draws whatever their order.
    std::vector<std::optional<gfx::Pixel>> only(static_cast<std::size_t>(width));
    std::vector<bool> mixed(static_cast<std::size_t>(width), false);
    std::vector<bool> underCursor(static_cast<std::size_t>(width), false);
    for (std::size_t st = 0; st < stamps_.size(); ++st) {
        for (const Run& run : stamps_[st]) {
            const auto c = static_cast<std::size_t>(run.column);
            if (static_cast<std::int32_t>(st) == cursor_) {
                underCursor[c] = true;
            } else if (!only[c]) {
                only[c] = run.pixel;
            } else if (*only[c] != run.pixel) {
                mixed[c] = true;
            }
        }
    }
    for (int withCursor = 0; withCursor < 2; ++withCursor) {
        std::vector<std::uint8_t>& contested = contested_[withCursor];
        contested.resize(static_cast<std::size_t>(width));
        for (std::size_t c = 0; c < contested.size(); ++c) {
            contested[c] = mixed[c] || (withCursor == 1 && underCursor[c]) ? 1 : 0;
        }
        std::vector<Run>& settled = settled_[withCursor];
        claims_->reset();
        for (std::size_t st = 0; st < stamps_.size(); ++st) {
            if (static_cast<std::int32_t>(st) == cursor_) {
                continue;
            }
            for (const Run& run : stamps_[st]) {
                if (contested[static_cast<std::size_t>(run.column)] == 0) {
                    claims_->claim(run.column, run.first, run.last, [&](int a, int b) {
                        settled.push_back({run.column, a, b, run.pixel});
                    });
                }
            }
        }
        std::sort(settled.begin(), settled.end(), [](const Run& a, const Run& b) {
            return a.column != b.column ? a.column < b.column : a.first < b.first;
        });
        std::vector<Run> merged;
        for (const Run& run : settled) {
            if (!merged.empty() && merged.back().column == run.column &&
                merged.back().last + 1 == run.first) {
                merged.back().last = run.last;
            } else {
                merged.push_back(run);
            }
        }
        settled = std::move(merged);
    }
}

void CrowdedColumn::listCovers(int width) {
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height_);
    cursorPixels_.assign(pixels, 0);
    for (const Run& run : stamps_[static_cast<std::size_t>(cursor_)]) {
        if (contested_[1][static_cast<std::size_t>(run.column)] != 0) {
            for (int row = std::max(run.first, 0); row <= std::min(run.last, height_ - 1); ++row) {
                cursorPixels_[static_cast<std::size_t>(run.column) * height_ + row] = run.pixel;
            }
        }
    }
    for (int withCursor = 0; withCursor < 2; ++withCursor) {
        for (std::size_t id = 0; id < pixels; ++id) {
            const std::size_t column = id / static_cast<std::size_t>(height_);
            const bool covered = reached_[id] == 1 || (withCursor == 1 && cursorPixels_[id] != 0);
            if (covered && contested_[withCursor][column] != 0) {
                reachPixels_[withCursor].push_back(static_cast<std::int32_t>(id));
            }
        }
    }
}

template <typename Visit>
void CrowdedColumn::eachCover(std::span<const std::int32_t> ids, Visit&& visit) const {
    // ids ascending; each stamp's runs visit the ones they cover, in drawing order.
    for (std::size_t c = 0; c < cells_.size(); ++c) {
        const std::int32_t parts[] = {cells_[c].fill, cells_[c].line, cells_[c].marker};
        for (std::int32_t part = 0; part < 3; ++part) {
            if (parts[part] < 0) {
                continue;
            }
            for (const Run& run : stamps_[static_cast<std::size_t>(parts[part])]) {
                if (contested_[1][static_cast<std::size_t>(run.column)] == 0) {
                    continue;
                }
                const std::int32_t from = run.column * height_ + std::max(run.first, 0);
                const std::int32_t to = run.column * height_ + std::min(run.last, height_ - 1);
                auto it = std::lower_bound(ids.begin(), ids.end(), from);
                for (; it != ids.end() && *it <= to; ++it) {
                    visit(static_cast<std::size_t>(it - ids.begin()),
                          Cover{static_cast<std::int32_t>(3 * c) + part, run.pixel});
                }
            }
        }
    }
}

void CrowdedColumn::buildCovers() {
    // Every pixel of the contested columns, so a cover list is found by id.
    const auto pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    std::vector<std::int32_t> ids(pixels);
    for (std::size_t id = 0; id < pixels; ++id) {
        ids[id] = static_cast<std::int32_t>(id);
    }
    layCovers(ids, coverStart_, coverList_);
}

void CrowdedColumn::layCovers(std::span<const std::int32_t> ids, std::vector<std::int32_t>& start,
                              std::vector<Cover>& list) const {
    // Counted first, then laid out pixel by pixel in drawing order.
    start.assign(ids.size() + 1, 0);
    eachCover(ids, [&](std::size_t i, const Cover&) { ++start[i + 1]; });
    for (std::size_t i = 0; i < ids.size(); ++i) {
        start[i + 1] += start[i];
    }
    list.resize(static_cast<std::size_t>(start[ids.size()]));
    std::vector<std::int32_t> next(start.begin(), start.end() - 1);
    eachCover(ids, [&](std::size_t i, const Cover& cover) {
        list[static_cast<std::size_t>(next[i]++)] = cover;
    });
}

std::int64_t CrowdedColumn::claim(std::int32_t stamp, int x, gfx::Canvas* canvas, int withCursor) {
    if (stamp < 0) {
        return 0;
    }
    const std::vector<std::uint8_t>& contested = contested_[withCursor];
    std::int64_t taken = 0;
    for (const Run& run : stamps_[static_cast<std::size_t>(stamp)]) {
        if (contested[static_cast<std::size_t>(run.column)] == 0) {
            continue;
        }
        claims_->claim(run.column, run.first, run.last, [&](int a, int b) {
            taken += b - a + 1;
            if (canvas != nullptr) {
                const int cx = x + run.column - origin_;
                canvas->fillRect({cx, a, cx + 1, b + 1}, gfx::toColorRef(run.pixel));
            }
        });
    }
    return taken;
}

void CrowdedColumn::paint(gfx::Canvas& canvas, int x, std::int32_t firstCell,
                          std::optional<std::int64_t> cursorBefore, bool shadowed) {
    const auto length = static_cast<std::int64_t>(cells_.size());
    const int withCursor = cursorBefore ? 1 : 0;
    auto* raster = dynamic_cast<gfx::RasterCanvas*>(&canvas);
    if (shadowed && raster != nullptr) {
        Front& f = front(withCursor);
        const std::int64_t cursorCell = cursorBefore ? (firstCell + *cursorBefore) % length : -1;
        // Held paints read the table, so it must not change under them.
        if (!heldCells_.empty() &&
            (heldOn_ != raster || heldWith_ != withCursor || f.tableCursor != cursorCell ||
             x != heldX_ + static_cast<int>(heldCells_.size()))) {
            flush();
        }
        if (frontTable(f, withCursor, cursorCell)) {
            if (heldCells_.empty()) {
                heldOn_ = raster;
                heldWith_ = withCursor;
                heldX_ = x;
            }
            heldCells_.push_back(firstCell);
            return;
        }
    }
    flush();
    for (const Run& run : settled_[withCursor]) {
        const int cx = x + run.column - origin_;
        canvas.fillRect({cx, run.first, cx + 1, run.last + 1}, gfx::toColorRef(run.pixel));
    }
    const std::int64_t reach = reach_[withCursor];
    claims_->reset();
    std::int64_t taken = 0;
    // Latest draw first: the cell before firstCell, its marker, line, fill;
    // most pixels are taken within the first few cells.
    constexpr std::int64_t kLatestCells = 32;
    // Until the covers are listed the first few paints walk the whole ring;
    // listing them costs a few walks.
    const bool walkAll = coverStart_.empty() && walks_ < 2 * width_;
    walks_ += walkAll ? 1 : 0;
    const std::int64_t stop = walkAll ? 0 : std::max<std::int64_t>(length - kLatestCells, 0);
    for (std::int64_t i = length - 1; i >= stop && taken < reach; --i) {
        const CellStamps& cell = cells_[static_cast<std::size_t>((firstCell + i) % length)];
        taken += claim(cell.marker, x, &canvas, withCursor);
        taken += claim(cell.line, x, &canvas, withCursor);
        taken += claim(cell.fill, x, &canvas, withCursor);
        if (cursorBefore && i == *cursorBefore) {
            taken += claim(cursor_, x, &canvas, withCursor);
        }
    }
    if (taken == reach) {
        return;
    }
    if (coverStart_.empty()) {
        buildCovers();
    }
    // The rest are pixels only earlier draws reach: each takes the colour of
    // its latest cover in this column's order.
    const std::int64_t start = 3 * std::int64_t{firstCell};
    // Pixels come column by column, rows ascending: neighbours of one colour
    // go out as one run.
    std::optional<Run> pending;
    const auto flush = [&] {
        if (pending) {
            const int cx = x + pending->column - origin_;
            canvas.fillRect({cx, pending->first, cx + 1, pending->last + 1},
                            gfx::toColorRef(pending->pixel));
            pending.reset();
        }
    };
    for (const std::int32_t id : reachPixels_[withCursor]) {
        const int column = id / height_;
        const int row = id % height_;
        if (claims_->taken(column, row)) {
            continue;
        }
        const std::span<const Cover> covers = coversOf(id);
        std::optional<gfx::Pixel> pixel;
        std::int64_t latest = -1;  // its place in this column's order
        if (!covers.empty()) {
            auto it = std::lower_bound(
                covers.begin(), covers.end(), start,
                [](const Cover& c, std::int64_t ordinal) { return c.ordinal < ordinal; });
            const Cover& cover = it == covers.begin() ? covers.back() : *std::prev(it);
            latest = (cover.ordinal - start + 3 * length) % (3 * length);
            pixel = cover.pixel;
        }
        const gfx::Pixel cursor = cursorPixels_[static_cast<std::size_t>(id)];
        if (cursorBefore && cursor != 0 && latest < 3 * *cursorBefore) {
            pixel = cursor;
        }
        if (!pixel) {
            continue;
        }
        if (pending && pending->column == column && pending->last + 1 == row &&
            pending->pixel == *pixel) {
            pending->last = row;
        } else {
            flush();
            pending = Run{column, row, row, *pixel};
        }
    }
    flush();
}

}  // namespace brennix::chart

namespace brennix::chart {

void CrowdedColumn::flush() {
    if (heldCells_.empty()) {
        return;
    }
    Front& f = fronts_[heldWith_];
    gfx::Bitmap& bitmap = heldOn_->bitmap();
    gfx::RasterTarget t(bitmap);
    const int columns = static_cast<int>(heldCells_.size());
    const std::size_t count = f.pixels.size();
    const bool inside = heldX_ - origin_ + f.firstColumn >= 0 &&
                        heldX_ + columns - 1 - origin_ + f.lastColumn < bitmap.width() &&
                        f.lastRow < bitmap.height();
    if (inside && f.stride != bitmap.stride()) {
        f.stride = bitmap.stride();
        f.offsets.resize(count);
        for (std::size_t j = 0; j < count; ++j) {
            const std::int32_t id = f.pixels[j];
            f.offsets[j] = (id % height_) * f.stride + id / height_ - f.firstColumn;
        }
    }
    // Made one after another, a column's paint covers the ones before it:
    // where two reach one pixel, the later one does so from a scratch
    // column further left. So the scratch columns go from right to left,
    // each painted for every column held; pixels are ordered by column.
    std::size_t end = count;
    for (int column = width_ - 1; column >= 0; --column) {
        for (const Run& run : f.settled) {
            if (run.column != column) {
                continue;
            }
            const int left = heldX_ + column - origin_;
            for (int row = run.first; row <= run.last; ++row) {
                t.span(row, left, left + columns, run.pixel);
            }
        }
        std::size_t begin = end;
        while (begin > 0 && f.pixels[begin - 1] / height_ >= column) {
            --begin;
        }
        for (int i = 0; i < columns && begin < end; ++i) {
            const int dx = heldX_ + i - origin_;
            const std::uint8_t* colours =
                f.table.data() +
                static_cast<std::size_t>(heldCells_[static_cast<std::size_t>(i)]) * count;
            if (inside) {
                gfx::Pixel* origin = bitmap.data() + dx + f.firstColumn;
                for (std::size_t j = begin; j < end; ++j) {
                    if (colours[j] != 0) {
                        origin[f.offsets[j]] = palette_[colours[j]];
                    }
                }
            } else {
                for (std::size_t j = begin; j < end; ++j) {
                    if (colours[j] != 0) {
                        const std::int32_t id = f.pixels[j];
                        t.put(dx + id / height_, id % height_, palette_[colours[j]]);
                    }
                }
            }
        }
        end = begin;
    }
    heldCells_.clear();
    heldOn_ = nullptr;
}

}  // namespace brennix::chart
