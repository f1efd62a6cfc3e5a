#include <gtest/gtest.h>

#include <limits>

#include "platform/com/aspect_extent.h"
#include "platform/com/extent.h"

namespace brennix::com {
namespace {

constexpr int kPpi = 96;
constexpr int kMax = std::numeric_limits<int>::max();

// Twice as wide as high.
const AspectRule kWide{[](int w) { return ratioSide(w, 1, 2); },
                       [](int h) { return ratioSide(h, 2, 1); }};

gfx::Size applyPixels(AspectExtent& extent, gfx::Size pixels, const AspectRule& rule = kWide) {
    return hiMetricToPixels(extent.apply(pixelsToHiMetric(pixels, kPpi), kPpi, rule), kPpi);
}

TEST(AspectExtent, ANewWidthSetsTheHeightAndAnUnchangedWidthLetsTheHeightSetTheWidth) {
    AspectExtent extent;
    EXPECT_EQ(applyPixels(extent, {300, 40}), (gfx::Size{300, 150}));
    EXPECT_EQ(extent.lastApplied(), (gfx::Size{300, 150}));
    // The host dragged the bottom edge: same width, the width follows.
    EXPECT_EQ(applyPixels(extent, {300, 80}), (gfx::Size{160, 80}));
    // Now 160 is remembered, so proposing 160 again lets the height decide.
    EXPECT_EQ(applyPixels(extent, {160, 20}), (gfx::Size{40, 20}));
}

TEST(AspectExtent, ARuleWithoutBothSidesKeepsTheProposalButRemembersIt) {
    AspectExtent extent;
    EXPECT_EQ(applyPixels(extent, {123, 45}, AspectRule{}), (gfx::Size{123, 45}));
    EXPECT_EQ(extent.lastApplied(), (gfx::Size{123, 45}));
    EXPECT_EQ(applyPixels(extent, {123, 60}), (gfx::Size{120, 60}));
}

TEST(AspectExtent, NegativeAndHugeProposalsNeverComeBackNegative) {
    AspectExtent extent;
    EXPECT_EQ(extent.apply({-500, -500}, kPpi, kWide), (gfx::Size{0, 0}));
    const gfx::Size applied = extent.apply({kMax, kMax}, kPpi, kWide);
    EXPECT_GT(applied.cx, 0);
    EXPECT_GT(applied.cy, 0);
    // A height from a huge width saturates instead of wrapping.
    const AspectRule tall{[](int w) { return scaledSide(w, 40.0); },
                          [](int h) { return scaledSide(h, 0.025); }};
    const gfx::Size tallApplied = extent.apply({kMax / 2, 10}, kPpi, tall);
    EXPECT_EQ(tallApplied.cy, kMax);
}

TEST(AspectExtent, SidesAreTruncatedProductsThatSaturate) {
    EXPECT_EQ(scaledSide(290, 0.345), 100);
    EXPECT_EQ(scaledSide(76, 2.2), 167);
    EXPECT_EQ(scaledSide(kMax, 2.5), kMax);
    EXPECT_EQ(scaledSide(-kMax, 2.5), std::numeric_limits<int>::min());
    EXPECT_EQ(ratioSide(30, 5, 4), 37);
    EXPECT_EQ(ratioSide(kMax, 11, 10), kMax);
    EXPECT_EQ(ratioSide(10, 1, 0), 0);
}

TEST(AspectExtent, ConversionsOfHugeExtentsSaturate) {
    EXPECT_EQ(pixelsToHiMetric({kMax, 1}, 96).cx, kMax);
    EXPECT_EQ(pixelsToHiMetric({-kMax, 1}, 96).cx, std::numeric_limits<int>::min());
    EXPECT_EQ(hiMetricToPixels({kMax, 0}, 96).cx, 81164736);
}

}  // namespace
}  // namespace brennix::com
