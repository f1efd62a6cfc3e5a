#include "instruments/boolean/group_painter.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "instruments/boolean/button_rules.h"
#include "platform/gfx/font_library.h"

namespace brennix::instruments {
namespace {

void use(gfx::Canvas& canvas, gfx::ColorRef color) {
    canvas.selectPen({gfx::PenStyle::Solid, 1, color});
    canvas.selectBrush({gfx::BrushStyle::Solid, color});
}

// The bevel's width, from the cell's width alone.
int bevelWidth(const gfx::Rect& cell) {
    return (cell.right - cell.left) / 12;
}

// Where paintButton puts the tops of the state and index texts.
int stateTextY(const gfx::Rect& cell, int h) {
    return (cell.top + cell.bottom - h) / 2;
}
int indexTextY(const gfx::Rect& cell, int h) {
    return cell.bottom - h - bevelWidth(cell);
}

// Everything paintButton can touch: its polygons' corners (the bevel width
// comes from the width alone, so it can reach past the top and bottom) and
// the cell the texts are clipped to, with a pixel for the pen.
gfx::Rect buttonReach(const gfx::Rect& cell) {
    const int bw = bevelWidth(cell);
    const auto [x0, x1] = std::minmax({cell.left, cell.right, cell.left + bw, cell.right - bw});
    const auto [y0, y1] = std::minmax({cell.top, cell.bottom, cell.top + bw, cell.bottom - bw});
    return {x0 - 1, y0 - 1, x1 + 2, y1 + 2};
}

// The solid face of a button that hides the whole canvas, and with it all
// painted before.
bool faceCovers(const gfx::Rect& cell, const gfx::Rect& surface) {
    const int bw = bevelWidth(cell);
    const gfx::Rect face =
        gfx::Rect{cell.left + bw, cell.top + bw, cell.right - bw, cell.bottom - bw}.normalized();
    return face.left < surface.left && face.top < surface.top && face.right > surface.right &&
           face.bottom > surface.bottom;
}

// Whether a line of text at y can reach the canvas, with a line height of
// room either side for glyphs that overhang it.
bool lineReaches(std::int64_t y, int lineHeight, const gfx::Rect& surface) {
    return y - lineHeight < surface.bottom && y + 2 * std::int64_t{lineHeight} > surface.top;
}

// Whether a button's state or index text can put a pixel on the canvas; the
// texts sit where paintButton puts them, clipped to the cell.
bool textShows(const gfx::Rect& cell, const GroupLook& look, int h, const gfx::Rect& surface) {
    if (!look.stateText || cell.normalized().intersected(surface).isEmpty()) {
        return false;
    }
    return lineReaches(stateTextY(cell, h), h, surface) ||
           (look.indexText && lineReaches(indexTextY(cell, h), h, surface));
}

// One side pair of a cell as the canvas sees its shapes: sides and bevel
// edges all beyond the two edges of the canvas leave only the straight
// edges across it, whatever the sides are.
std::pair<int, int> seenSides(int a, int b, int bw, int size) {
    constexpr int kPen = 2;
    const auto before = [&](int v) { return v < -kPen; };
    const auto after = [&](int v) { return v > size + kPen; };
    if (before(a) && before(a + bw) && after(b - bw) && after(b)) {
        return {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    }
    if (after(a) && after(a + bw) && before(b - bw) && before(b)) {
        return {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    }
    return {a, b};
}

using ShapeKey = std::array<int, 5>;

// Cells with the same key draw the same shapes onto the canvas.
ShapeKey shapeKey(const gfx::Rect& cell, gfx::Size canvas) {
    const int bw = bevelWidth(cell);
    const auto [l, r] = seenSides(cell.left, cell.right, bw, canvas.cx);
    const auto [t, b] = seenSides(cell.top, cell.bottom, bw, canvas.cy);
    return {l, t, r, b, bw};
}

// A host may ask for thousands of buttons in a few pixels; most then fall
// outside the canvas, on one cell again and again, or over the whole
// canvas. A button is left out when it cannot reach the canvas, when a
// later button's face covers the canvas, or when a button of the same state
// after it paints the same pixels over all it shows: its shapes are the
// same on the canvas and its own texts show nothing there, or its cell is
// the same and its texts are too (no index text that shows).
std::vector<bool> visibleButtons(const std::vector<gfx::Rect>& cells, const GroupLook& look, int h,
                                 gfx::Size canvas) {
    const gfx::Rect surface{0, 0, canvas.cx, canvas.cy};
    std::vector<bool> shown(cells.size(), false);
    // Buttons of one shape, or one cell, follow each other: the run after
    // this button, and whether a button on, or off, is drawn in it.
    ShapeKey runShape{};
    gfx::Rect runCell;
    std::array<bool, 2> laterShape{};
    std::array<bool, 2> laterCell{};
    for (std::size_t i = cells.size(); i-- > 0;) {
        const gfx::Rect& c = cells[i];
        if (buttonReach(c).intersected(surface).isEmpty()) {
            continue;
        }
        const ShapeKey shape = shapeKey(c, canvas);
        if (shape != runShape) {
            runShape = shape;
            laterShape = {};
        }
        if (c != runCell) {
            runCell = c;
            laterCell = {};
        }
        const std::size_t on = buttonOn(look.value, static_cast<int>(i)) ? 1 : 0;
        const bool texts = textShows(c, look, h, surface);
        const bool indexShows =
            texts && look.indexText && lineReaches(indexTextY(c, h), h, surface);
        shown[i] = !((laterShape[on] && !texts) || (laterCell[on] && !indexShows));
        laterShape[on] = true;
        laterCell[on] = true;
    }
    for (std::size_t i = cells.size(); i-- > 0;) {
        if (faceCovers(cells[i], surface)) {
            std::fill(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(i), false);
            break;
        }
    }
    return shown;
}

}  // namespace

int lineHeight(const gfx::Font& font) {
    if (const auto face = gfx::FontLibrary::shared().face(font)) {
        return face->metrics().height;
    }
    return gfx::nominalMetrics(font.points).height;
}

void paintButton(gfx::Canvas& canvas, const gfx::Rect& cell, int index, bool on,
                 const GroupLook& look, int h) {
    const int L = cell.left;
    const int T = cell.top;
    const int R = cell.right;
    const int B = cell.bottom;
    const int bw = bevelWidth(cell);
    use(canvas, look.buttonColor);
    canvas.rectangle({L + bw, T + bw, R - bw, B - bw});

    const std::array<gfx::Point, 6> upperLeft{
        {{L, T}, {L, B}, {L + bw, B - bw}, {L + bw, T + bw}, {R - bw, T + bw}, {R, T}}};
    const std::array<gfx::Point, 6> lowerRight{
        {{L + bw, B - bw}, {L, B}, {R, B}, {R, T}, {R - bw, T + bw}, {R - bw, B - bw}}};
    const gfx::ColorRef dark = darkShade(look.buttonColor);
    const gfx::ColorRef light = lightShade(look.buttonColor);
    use(canvas, on ? dark : light);
    canvas.polygon(std::span<const gfx::Point>(upperLeft));
    use(canvas, on ? light : dark);
    canvas.polygon(std::span<const gfx::Point>(lowerRight));

    if (!look.stateText) {
        return;
    }
    canvas.setTextColor(look.foreColor);
    canvas.setBackgroundColor(look.buttonColor);
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setTextAlign(gfx::TextAlign::Center);
    const int middle = static_cast<int>((std::int64_t{L} + R) / 2);
    canvas.textOutClipped({middle, stateTextY(cell, h)}, cell, on ? "ON" : "OFF");
    if (look.indexText) {
        canvas.textOutClipped({middle, indexTextY(cell, h)}, cell, std::to_string(index));
    }
}

void paintGroup(gfx::Canvas& canvas, const gfx::Rect& bounds, GroupLayout layout,
                const GroupLook& look) {
    canvas.fillRect(bounds, look.backColor);
    canvas.selectBrush({gfx::BrushStyle::Solid, look.buttonColor});
    canvas.selectFont(look.font);
    const int h = canvas.textMetrics().height;
    layout.hasCaption = !look.caption.empty();
    layout.lineHeight = h;
    if (layout.hasCaption) {
        canvas.setTextColor(look.foreColor);
        canvas.setBackgroundColor(look.backColor);
        canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
        canvas.setTextAlign(gfx::TextAlign::Center);
        canvas.textOutClipped(
            {static_cast<int>((std::int64_t{bounds.left} + bounds.right) / 2), bounds.top}, bounds,
            look.caption);
    }
    if (look.style != 0) {
        return;
    }
    const std::vector<gfx::Rect> cells = buttonCells(bounds, layout);
    const std::vector<bool> shown = visibleButtons(cells, look, h, canvas.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (shown[i]) {
            const int index = static_cast<int>(i);
            paintButton(canvas, cells[i], index, buttonOn(look.value, index), look, h);
        }
    }
}

}  // namespace brennix::instruments
