#include "instruments/boolean/group_painter.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "instruments/boolean/button_rules.h"
#include "platform/gfx/font_library.h"

namespace brennix::instruments {
namespace {

void use(gfx::Canvas& canvas, gfx::ColorRef color) {
    canvas.selectPen({gfx::PenStyle::Solid, 1, color});
    canvas.selectBrush({gfx::BrushStyle::Solid, color});
}

// Everything paintButton can touch: its polygons' corners (the bevel width
// comes from the width alone, so it can reach past the top and bottom) and
// the cell the texts are clipped to, with a pixel for the pen.
gfx::Rect buttonReach(const gfx::Rect& cell) {
    const int bw = (cell.right - cell.left) / 12;
    const auto [x0, x1] = std::minmax({cell.left, cell.right, cell.left + bw, cell.right - bw});
    const auto [y0, y1] = std::minmax({cell.top, cell.bottom, cell.top + bw, cell.bottom - bw});
    return {x0 - 1, y0 - 1, x1 + 2, y1 + 2};
}

// A host may ask for thousands of buttons in a few pixels; most then fall
// outside the canvas or on one cell again and again. A button is left out
// when it cannot reach the canvas, or when a later button in the same cell
// and the same state paints the very same pixels over it: same shapes and
// colours, the same state text, and either no index text or a cell too
// thin for any text.
std::vector<bool> visibleButtons(const std::vector<gfx::Rect>& cells, const GroupLook& look,
                                 gfx::Size canvas) {
    const gfx::Rect surface{0, 0, canvas.cx, canvas.cy};
    std::vector<bool> shown(cells.size(), false);
    bool laterOn = false;
    bool laterOff = false;
    for (std::size_t i = cells.size(); i-- > 0;) {
        if (i + 1 == cells.size() || cells[i] != cells[i + 1]) {
            laterOn = false;
            laterOff = false;
        }
        const bool on = buttonOn(look.value, static_cast<int>(i));
        const bool textDiffers =
            look.stateText && look.indexText && !cells[i].normalized().isEmpty();
        const bool repainted = !textDiffers && (on ? laterOn : laterOff);
        shown[i] = !repainted && !buttonReach(cells[i]).intersected(surface).isEmpty();
        (on ? laterOn : laterOff) = true;
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
    const int bw = (R - L) / 12;
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
    canvas.textOutClipped({middle, (T + B - h) / 2}, cell, on ? "ON" : "OFF");
    if (look.indexText) {
        canvas.textOutClipped({middle, B - h - bw}, cell, std::to_string(index));
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
    const std::vector<bool> shown = visibleButtons(cells, look, canvas.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (shown[i]) {
            const int index = static_cast<int>(i);
            paintButton(canvas, cells[i], index, buttonOn(look.value, index), look, h);
        }
    }
}

}  // namespace brennix::instruments
