#pragma once
// A whole Boolean group painted in its bounds: background, caption and the
// bevelled buttons, pressed where their bit is on.

#include <cstdint>
#include <string>

#include "instruments/boolean/button_layout.h"
#include "platform/gfx/canvas.h"

namespace brennix::instruments {

struct GroupLook {
    std::int16_t style = 0;  // 0 draws the buttons, anything else only the caption
    std::int32_t value = 0;
    bool stateText = true;
    bool indexText = true;
    gfx::ColorRef buttonColor = 0;  // translated colours
    gfx::ColorRef foreColor = 0;
    gfx::ColorRef backColor = 0;
    gfx::Font font;
    std::string caption;
};

// The font's line height as every canvas measures it, for clicks outside a
// paint.
int lineHeight(const gfx::Font& font);

void paintButton(gfx::Canvas& canvas, const gfx::Rect& cell, int index, bool on,
                 const GroupLook& look, int lineHeight);

void paintGroup(gfx::Canvas& canvas, const gfx::Rect& bounds, GroupLayout layout,
                const GroupLook& look);

}  // namespace brennix::instruments
