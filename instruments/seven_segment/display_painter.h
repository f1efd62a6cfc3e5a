#pragma once
// A whole seven-segment display painted in its bounds: the background, the
// sign cell and the digit cells laid from the right.

#include <string>
#include <vector>

#include "platform/gfx/canvas.h"

namespace brennix::instruments {

inline constexpr const char* kPointAfterDigitsMessage =
    "DigitAfterPoint must less than or equal to DigitNumber.";
inline constexpr const char* kDigitNumberSetMessage = "DigitNumber are not correctly set.";
inline constexpr const char* kDigitAfterPointSetMessage = "DigitAfterPoint are not correctly set.";

struct DisplaySettings {
    int digits = 3;
    int afterPoint = 2;
    bool prefixedWithZero = true;
    bool showUnusedSegment = true;
    bool ifSigned = true;
    bool declined = false;
    double value = 3.67;
    gfx::ColorRef foreColor = 0;  // translated colours
    gfx::ColorRef backColor = 0;
};

// What a paint found wrong: the messages to show, in order, and the digit
// settings it replaced.
struct PaintOutcome {
    std::vector<std::string> messages;
    int digits = 0;
    int afterPoint = 0;
};

// 1/16 of the way from back toward fore: four halvings toward back.
gfx::ColorRef dimColor(gfx::ColorRef fore, gfx::ColorRef back);

PaintOutcome paintDisplay(gfx::Canvas& canvas, const gfx::Rect& bounds, DisplaySettings s);

}  // namespace brennix::instruments
