#include <gtest/gtest.h>

#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/equipment/symbol_calls.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kFlow = 0x3366CC;
constexpr gfx::ColorRef kHalfFlow = 0x193366;
constexpr gfx::ColorRef kBack = 0x10E0F0;
constexpr gfx::ColorRef kBlack = kBlackInk;

std::shared_ptr<CEquipmentCtrl> pipe(int style) {
    auto p = createStyled("Pipe", style);
    EXPECT_TRUE(p->put("PipeColor", com::Variant::fromColor(kFlow)).ok());
    EXPECT_TRUE(p->put("BackColor", com::Variant::fromColor(kBack)).ok());
    return p;
}

TEST(PipeDrawing, Elbow0IsABandFromTheBottomEdgeToTheRightEdgeBetweenTwoFlanges) {
    auto p = pipe(0);
    expectDrawn(
        recordSymbol(*p, {10, 20, 106, 116}),
        {
            polygon(
                {{26, 92}, {26, 68}, {58, 36}, {82, 36}, {82, 68}, {70, 68}, {58, 80}, {58, 92}},
                kFlow),
            rect(10, 92, 74, 116, kBack),
            line({10, 104}, {74, 104}, 1, kBlack),
            rect(82, 20, 106, 84, kBack),
            line({94, 20}, {94, 84}, 1, kBlack),
        });
}

// Pixel (x, y) of the picture turned over as the style asks.
gfx::Pixel mirrored(const gfx::Bitmap& b, int x, int y, bool flipX, bool flipY) {
    return b.pixel(flipX ? b.width() - 1 - x : x, flipY ? b.height() - 1 - y : y);
}

// Slanted edges step by the rasterizer's rule, which a mirror does not keep:
// there a pixel may sit one column or row over. Anything else must match.
TEST(PipeDrawing, Elbows1To3AreElbow0MirroredUpToTheStepsOfItsSlantedEdges) {
    for (int size : {38, 48, 97}) {
        auto first = pipe(0);
        proposePixels(*first, {size, size});
        const gfx::Bitmap elbow0 = renderWindow(*first);
        for (const auto& [style, flipX, flipY] :
             {std::tuple{1, true, false}, std::tuple{2, false, true}, std::tuple{3, true, true}}) {
            SCOPED_TRACE("size " + std::to_string(size) + " style " + std::to_string(style));
            auto p = pipe(style);
            proposePixels(*p, {size, size});
            const gfx::Bitmap turned = renderWindow(*p);
            ASSERT_EQ(turned.size(), elbow0.size());
            int stepped = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const gfx::Pixel got = turned.pixel(x, y);
                    const auto at = [&](int dx, int dy) {
                        return mirrored(elbow0, x + dx, y + dy, flipX, flipY) == got;
                    };
                    if (at(0, 0)) {
                        continue;
                    }
                    ++stepped;
                    EXPECT_TRUE(at(-1, 0) || at(1, 0) || at(0, -1) || at(0, 1))
                        << "(" << x << ", " << y << ")";
                }
            }
            EXPECT_LE(stepped, size / 4);
        }
    }
}

TEST(PipeDrawing, EachElbowsFlangesLieAlongTheEdgesItJoins) {
    struct Edges {
        bool left, top, right, bottom;
    };
    const std::vector<std::pair<int, Edges>> cases{{0, {false, false, true, true}},
                                                   {1, {true, false, false, true}},
                                                   {2, {false, true, true, false}},
                                                   {3, {true, true, false, false}}};
    const gfx::Rect bounds{10, 20, 106, 116};
    for (const auto& [style, edges] : cases) {
        SCOPED_TRACE("PipeStyle " + std::to_string(style));
        auto p = pipe(style);
        Edges found{};
        for (const auto& c : recordSymbol(*p, bounds)) {
            if (c.kind != gfx::CallKind::Rectangle) {
                continue;
            }
            EXPECT_EQ(c.brush.color, kBack);
            // A quarter of the side deep, lying on one edge.
            const bool wide = c.rect.width() > c.rect.height();
            EXPECT_EQ(wide ? c.rect.height() : c.rect.width(), 96 / 4);
            if (wide) {
                found.top |= c.rect.top == bounds.top;
                found.bottom |= c.rect.bottom == bounds.bottom;
            } else {
                found.left |= c.rect.left == bounds.left;
                found.right |= c.rect.right == bounds.right;
            }
        }
        EXPECT_EQ(found.left, edges.left);
        EXPECT_EQ(found.top, edges.top);
        EXPECT_EQ(found.right, edges.right);
        EXPECT_EQ(found.bottom, edges.bottom);
    }
}

TEST(PipeDrawing, StraightRunsAreTheWholeRectangleWithTwoLinesAlongThem) {
    auto horizontal = pipe(4);
    expectDrawn(recordSymbol(*horizontal, {10, 20, 110, 60}),
                {rect(10, 20, 110, 60, kFlow), line({10, 33}, {110, 33}, 1, kBlack),
                 line({10, 46}, {110, 46}, 1, kBlack)});
    auto vertical = pipe(5);
    expectDrawn(recordSymbol(*vertical, {10, 20, 50, 120}),
                {rect(10, 20, 50, 120, kFlow), line({23, 20}, {23, 120}, 1, kBlack),
                 line({36, 20}, {36, 120}, 1, kBlack)});
}

TEST(PipeDrawing, WithoutEdgeARunLosesItsOutlineButKeepsItsInnerLines) {
    auto horizontal = pipe(4);
    ASSERT_TRUE(horizontal->put("Edge", com::Variant(false)).ok());
    expectDrawn(recordSymbol(*horizontal, {10, 20, 110, 60}),
                {fill({10, 20, 110, 60}, kFlow), line({10, 33}, {110, 33}, 1, kBlack),
                 line({10, 46}, {110, 46}, 1, kBlack)});
    // Elbows have no outline to lose.
    auto elbow = pipe(0);
    ASSERT_TRUE(elbow->put("Edge", com::Variant(false)).ok());
    EXPECT_EQ(recordSymbol(*elbow, {0, 0, 96, 96}).front().pen.width, 1);
}

TEST(PipeDrawing, JointsAreOutlinedBackgroundWithALineAcrossAndNeverBlink) {
    auto vertical = pipe(6);
    auto horizontal = pipe(7);
    for (int paint = 0; paint < 2; ++paint) {
        expectDrawn(recordSymbol(*vertical, {10, 20, 50, 100}),
                    {rect(10, 20, 50, 100, kBack), line({30, 20}, {30, 100}, 1, kBlack)});
        expectDrawn(recordSymbol(*horizontal, {10, 20, 90, 60}),
                    {rect(10, 20, 90, 60, kBack), line({10, 40}, {90, 40}, 1, kBlack)});
    }
    // The phase a joint leaves alone is still full when it becomes a run.
    ASSERT_TRUE(vertical->put("PipeStyle", com::Variant(std::int16_t{4})).ok());
    EXPECT_EQ(recordSymbol(*vertical, {0, 0, 100, 40}).front().brush.color, kFlow);
}

TEST(PipeDrawing, TheHalfPhaseHalvesEveryByteOfTheColour) {
    auto p = pipe(4);
    EXPECT_EQ(recordSymbol(*p, {0, 0, 100, 40}).front().brush.color, kFlow);
    EXPECT_EQ(recordSymbol(*p, {0, 0, 100, 40}).front().brush.color, kHalfFlow);
}

}  // namespace
}  // namespace brennix::equipment::testing
