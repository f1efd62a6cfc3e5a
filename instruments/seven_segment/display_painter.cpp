#include "instruments/seven_segment/display_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "instruments/seven_segment/cell_geometry.h"
#include "instruments/seven_segment/value_text.h"

namespace brennix::instruments {
namespace {

enum class Sign { Plus, Minus, None };

struct Inks {
    gfx::ColorRef lit = 0;
    gfx::ColorRef dim = 0;
    bool showUnused = true;
};

void use(gfx::Canvas& canvas, gfx::ColorRef color) {
    canvas.selectPen({gfx::PenStyle::Solid, 1, color});
    canvas.selectBrush({gfx::BrushStyle::Solid, color});
}

// Dim first when unused segments show, then lit when on.
template <class DrawFn>
void element(gfx::Canvas& canvas, const Inks& inks, bool on, DrawFn draw) {
    if (inks.showUnused) {
        use(canvas, inks.dim);
        draw();
    }
    if (on) {
        use(canvas, inks.lit);
        draw();
    }
}

// Whether any segment or the point of a cell can touch the canvas: every
// vertex, with a pixel of pen around it, in 64-bit as vertices may sit at
// the ends of int.
bool reaches(const DigitCell& d, gfx::Size canvas) {
    std::int64_t x0 = std::int64_t{d.point.left};
    std::int64_t x1 = x0;
    std::int64_t y0 = std::int64_t{d.point.top};
    std::int64_t y1 = y0;
    const auto take = [&](std::int64_t x, std::int64_t y) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    };
    take(d.point.right, d.point.bottom);
    for (const Segment& s : d.segments) {
        for (const gfx::Point& v : s.shape) {
            take(v.x, v.y);
        }
    }
    return x1 + 1 >= 0 && x0 - 1 < canvas.cx && y1 + 1 >= 0 && y0 - 1 < canvas.cy;
}

void drawDigit(gfx::Canvas& canvas, const gfx::Rect& cell, SegmentCode code, bool declined,
               const Inks& inks) {
    const DigitCell d = digitCell(cell, declined);
    // Thousands of digits on a wide rectangle leave all but a few off the
    // canvas.
    if (!reaches(d, canvas.size())) {
        return;
    }
    for (const Segment& s : d.segments) {
        element(canvas, inks, (code & s.bit) != 0,
                [&] { canvas.polygon(std::span<const gfx::Point>(s.shape)); });
    }
    element(canvas, inks, (code & kPoint) != 0, [&] { canvas.ellipse(d.point); });
}

void drawSign(gfx::Canvas& canvas, const gfx::Rect& cell, Sign sign, bool declined,
              const Inks& inks) {
    const SignCell s = signCell(cell, declined);
    // The bar first, so that a dim bar never cuts through a lit minus.
    element(canvas, inks, sign == Sign::Plus,
            [&] { canvas.polygon(std::span<const gfx::Point>(s.bar)); });
    if (sign == Sign::None) {
        element(canvas, inks, false,
                [&] { canvas.polygon(std::span<const gfx::Point>(s.middle)); });
        return;
    }
    use(canvas, inks.lit);
    canvas.polygon(std::span<const gfx::Point>(s.middle));
}

std::uint8_t toward(std::uint8_t back, std::uint8_t byte) {
    return static_cast<std::uint8_t>((back + byte) / 2);
}

}  // namespace

gfx::ColorRef dimColor(gfx::ColorRef fore, gfx::ColorRef back) {
    std::uint8_t r = gfx::redOf(fore);
    std::uint8_t g = gfx::greenOf(fore);
    std::uint8_t b = gfx::blueOf(fore);
    for (int i = 0; i < 4; ++i) {
        r = toward(gfx::redOf(back), r);
        g = toward(gfx::greenOf(back), g);
        b = toward(gfx::blueOf(back), b);
    }
    return gfx::rgb(r, g, b);
}

PaintOutcome paintDisplay(gfx::Canvas& canvas, const gfx::Rect& bounds, DisplaySettings s) {
    PaintOutcome out;
    canvas.fillRect(bounds, s.backColor);
    use(canvas, s.foreColor);
    if (s.digits < s.afterPoint) {
        out.messages.emplace_back(kPointAfterDigitsMessage);
        out.digits = s.digits;
        out.afterPoint = s.afterPoint;
        return out;
    }
    if (s.digits < 0) {
        out.messages.emplace_back(kDigitNumberSetMessage);
        s.digits = 3;
    }
    if (s.afterPoint < 0) {
        out.messages.emplace_back(kDigitAfterPointSetMessage);
        s.afterPoint = 2;
    }
    out.digits = s.digits;
    out.afterPoint = s.afterPoint;

    const std::optional<std::string> text = valueText(s.value, s.digits, s.afterPoint);
    if (!text) {
        out.messages.emplace_back(kDigitSettingsMessage);
    }
    const std::int64_t width = static_cast<std::int64_t>(bounds.right) - bounds.left;
    const std::int64_t cells = s.ifSigned ? s.digits + std::int64_t{1} : s.digits;
    // Cells narrower than a pixel show nothing; with thousands of them the
    // paint would only spin.
    const std::int64_t c = cells > 0 ? width / cells : 0;
    if (c <= 0) {
        return out;
    }
    const Inks inks{s.foreColor, dimColor(s.foreColor, s.backColor), s.showUnusedSegment};
    const bool finite = std::isfinite(s.value);
    if (s.ifSigned) {
        // A value that is not a number has no sign to show.
        const Sign sign = std::isnan(s.value) ? Sign::None
                          : s.value >= 0      ? Sign::Plus
                                              : Sign::Minus;
        drawSign(canvas,
                 {bounds.left, bounds.top, static_cast<int>(bounds.left + c), bounds.bottom}, sign,
                 s.declined, inks);
    }
    // A value without digits to show lights no digit cell.
    std::vector<SegmentCode> codes(static_cast<std::size_t>(s.digits), SegmentCode{0});
    if (finite && text) {
        codes = cellCodes({*text, s.digits, s.value < 0, s.prefixedWithZero});
    }
    std::int64_t right = bounds.right;
    for (SegmentCode code : codes) {
        drawDigit(canvas,
                  {static_cast<int>(right - c), bounds.top, static_cast<int>(right), bounds.bottom},
                  code, s.declined, inks);
        right -= c;
    }
    return out;
}

}  // namespace brennix::instruments
