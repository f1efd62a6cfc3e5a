// Slides as a person sees them (see instrument_fixture.h for rewriting).

#include <gtest/gtest.h>

#include "tests/instruments/slide/slide_fixture.h"

namespace brennix::instruments::testing {
namespace {

TEST(SlideGolden, ASlideWithTicksOnBothSidesAndAFill) {
    const gfx::Size size{130, 320};
    auto slide = make<CSlideCtrl>(size);
    set(*slide, "Caption", com::Variant(std::string("Level")));
    set(*slide, "TickLeftAbove", true);
    set(*slide, "TickLabelLeftAbove", true);
    set(*slide, "ScaleMaximum", 100.0);
    set(*slide, "FillStyle", 2);
    set(*slide, "Pointer2Visible", true);
    setColor(*slide, "Pointer2Color", 0x0000FF);
    set(*slide, "Pointer2Value", 85.0);
    set(*slide, "Pointer1Value", 62.0);
    expectMatchesGolden(renderWindow(*slide, size), "slide-both-sides-fill.png");
}

TEST(SlideGolden, ADefaultSlide) {
    const gfx::Size size{60, 300};
    auto slide = make<CSlideCtrl>(size);
    expectMatchesGolden(renderWindow(*slide, size), "slide-default.png");
}

}  // namespace
}  // namespace brennix::instruments::testing
