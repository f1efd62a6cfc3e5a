#include "instruments/boolean/group_painter.h"

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
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int index = static_cast<int>(i);
        paintButton(canvas, cells[i], index, buttonOn(look.value, index), look, h);
    }
}

}  // namespace brennix::instruments
