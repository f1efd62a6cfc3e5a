#pragma once
// Expected drawing calls of a symbol, compared with what a recording canvas
// kept: the figure, its geometry, the brush of closed figures and the pen of
// every figure and line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/recording_canvas.h"

namespace brennix::equipment::testing {

inline constexpr gfx::ColorRef kBlackInk = gfx::rgb(0, 0, 0);

struct Drawn {
    gfx::CallKind kind;
    gfx::Rect rect{};
    std::vector<gfx::Point> points{};
    gfx::ColorRef brush = 0;  // closed figures only
    int penWidth = 1;
    gfx::ColorRef penColor = kBlackInk;
};

inline Drawn rect(int l, int t, int r, int b, gfx::ColorRef brush) {
    return {gfx::CallKind::Rectangle, {l, t, r, b}, {}, brush};
}
inline Drawn ellipse(int l, int t, int r, int b, gfx::ColorRef brush) {
    return {gfx::CallKind::Ellipse, {l, t, r, b}, {}, brush};
}
inline Drawn pie(gfx::Rect box, gfx::Point from, gfx::Point to, gfx::ColorRef brush) {
    return {gfx::CallKind::Pie, box, {from, to}, brush};
}
inline Drawn arc(gfx::Rect box, gfx::Point from, gfx::Point to) {
    return {gfx::CallKind::Arc, box, {from, to}};
}
inline Drawn polygon(std::vector<gfx::Point> points, gfx::ColorRef brush) {
    return {gfx::CallKind::Polygon, {}, std::move(points), brush};
}
inline Drawn line(gfx::Point from, gfx::Point to, int width, gfx::ColorRef color) {
    return {gfx::CallKind::LineTo, {}, {from, to}, 0, width, color};
}
inline Drawn fill(gfx::Rect r, gfx::ColorRef color) {
    return {gfx::CallKind::FillRect, r, {}, color};
}

inline std::string describe(const gfx::RecordedCall& c) {
    std::string s = gfx::callKindName(c.kind);
    s += " rect(" + std::to_string(c.rect.left) + "," + std::to_string(c.rect.top) + "," +
         std::to_string(c.rect.right) + "," + std::to_string(c.rect.bottom) + ") points";
    for (const auto& p : c.points) {
        s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    }
    return s;
}

// Move-tos only place the next line; they are left out.
inline void expectDrawn(const std::vector<gfx::RecordedCall>& recorded,
                        const std::vector<Drawn>& expected) {
    std::vector<gfx::RecordedCall> calls;
    for (const auto& c : recorded) {
        if (c.kind != gfx::CallKind::MoveTo) {
            calls.push_back(c);
        }
    }
    ASSERT_EQ(calls.size(), expected.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + ": " + describe(calls[i]));
        const gfx::RecordedCall& c = calls[i];
        const Drawn& e = expected[i];
        EXPECT_EQ(c.kind, e.kind);
        switch (e.kind) {
            case gfx::CallKind::FillRect:
                EXPECT_EQ(c.rect, e.rect);
                EXPECT_EQ(c.color, e.brush);
                continue;
            case gfx::CallKind::Polygon:
            case gfx::CallKind::LineTo:
                EXPECT_EQ(c.points, e.points);
                break;
            case gfx::CallKind::Pie:
            case gfx::CallKind::Arc:
                EXPECT_EQ(c.rect, e.rect);
                EXPECT_EQ(c.points, e.points);
                break;
            default:
                EXPECT_EQ(c.rect, e.rect);
                break;
        }
        if (e.kind != gfx::CallKind::Arc && e.kind != gfx::CallKind::LineTo) {
            EXPECT_EQ(c.brush.style, gfx::BrushStyle::Solid);
            EXPECT_EQ(c.brush.color, e.brush);
        }
        EXPECT_EQ(c.pen.style, gfx::PenStyle::Solid);
        EXPECT_EQ(c.pen.width, e.penWidth);
        EXPECT_EQ(c.pen.color, e.penColor);
    }
}

// Every figure's geometry lies inside bounds (right and bottom included:
// they are exclusive edges). Radial points only give directions and are
// not looked at.
inline void expectInside(const std::vector<gfx::RecordedCall>& calls, const gfx::Rect& bounds) {
    auto inside = [&](gfx::Point p) {
        return p.x >= bounds.left && p.x <= bounds.right && p.y >= bounds.top &&
               p.y <= bounds.bottom;
    };
    for (const auto& c : calls) {
        SCOPED_TRACE(describe(c));
        if (c.kind == gfx::CallKind::Polygon || c.kind == gfx::CallKind::LineTo) {
            for (const auto& p : c.points) {
                EXPECT_TRUE(inside(p));
            }
        } else if (c.kind != gfx::CallKind::MoveTo) {
            EXPECT_TRUE(inside({c.rect.left, c.rect.top}));
            EXPECT_TRUE(inside({c.rect.right, c.rect.bottom}));
        }
    }
}

}  // namespace brennix::equipment::testing
