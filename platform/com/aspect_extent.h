#pragma once
// The extent handler of a control whose drawing keeps one shape. A proposal
// is looked at in device pixels: when its width is the width applied last,
// the host has moved the height, so the width follows the height; otherwise
// the height follows the width. What is applied is remembered for the next
// proposal.

#include "platform/gfx/geometry.h"

namespace brennix::com {

// One side from the other, in device pixels. A rule without both functions
// keeps a proposal as it is.
struct AspectRule {
    int (*heightFromWidth)(int width) = nullptr;
    int (*widthFromHeight)(int height) = nullptr;

    bool keepsProposal() const { return heightFromWidth == nullptr || widthFromHeight == nullptr; }
};

class AspectExtent {
  public:
    // The extent to apply, in 0.01 mm, for a proposal in 0.01 mm. Negative
    // sides are taken as 0.
    gfx::Size apply(gfx::Size himetric, int pixelsPerInch, const AspectRule& rule);
    // In device pixels; 0 x 0 before the first proposal.
    gfx::Size lastApplied() const { return last_; }

  private:
    gfx::Size last_{};
};

// Truncating products for the rules; a result beyond int saturates.
int scaledSide(int side, double factor);
int ratioSide(int side, int numerator, int denominator);

}  // namespace brennix::com
