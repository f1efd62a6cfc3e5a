#pragma once
// What a style number of an equipment control stands for: its drawing, the
// extent a style change asks for and the aspect the extent handler keeps.
// Each control has one table of styles and one row for every number outside
// it.

#include <span>

#include "equipment/draw/symbol_frame.h"
#include "platform/com/aspect_extent.h"
#include "platform/gfx/canvas.h"

namespace brennix::equipment {

// The plain colours a drawing uses.
struct Palette {
    gfx::ColorRef symbol = 0;  // the style's fill (a pipe's flow colour)
    gfx::ColorRef back = 0;    // the control's background
    bool edge = true;          // outline around a pipe's straight body
};

using SymbolDrawing = void (*)(gfx::Canvas& canvas, const Frame& frame, const Palette& palette);

struct SymbolStyle {
    SymbolDrawing draw = nullptr;  // none: the style draws nothing
    gfx::Size defaultExtent{};     // 0.01 mm; 0 x 0 asks for none
    com::AspectRule aspect{};
    bool flows = false;  // drawn with the blinking flow colour
};

struct StyleTable {
    std::span<const SymbolStyle> styles;
    SymbolStyle outside{};
    // A number outside the table shows the invalid-style message.
    bool outsideIsInvalid = true;

    bool knows(int style) const {
        return style >= 0 && static_cast<std::size_t>(style) < styles.size();
    }
    const SymbolStyle& style(int style) const {
        return knows(style) ? styles[static_cast<std::size_t>(style)] : outside;
    }
};

// Aspect rules that recur.
inline constexpr com::AspectRule kSquare{[](int w) { return w; }, [](int h) { return h; }};

}  // namespace brennix::equipment
