#pragma once
// Reads back what a seven-segment paint lit, cell by cell, from the calls
// on a recording canvas: each lit polygon and ellipse is matched against the
// geometry of the cells the display is made of.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <span>
#include <vector>

#include "instruments/seven_segment/cell_geometry.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::instruments::testing {

struct DisplayShape {
    gfx::Rect bounds;
    int digits = 3;
    bool ifSigned = true;
    bool declined = false;
};

struct Reading {
    char sign = ' ';                 // '+', '-', or ' ' for no sign lit (or no sign cell)
    std::vector<SegmentCode> cells;  // left to right
    bool operator==(const Reading&) const = default;
};

inline void PrintTo(const Reading& r, std::ostream* os) {
    *os << "sign '" << r.sign << "' cells";
    for (SegmentCode c : r.cells) {
        *os << " 0x" << std::hex << int{c} << std::dec;
    }
}

inline bool samePolygon(const gfx::RecordedCall& call, std::span<const gfx::Point> shape) {
    return call.kind == gfx::CallKind::Polygon &&
           std::equal(call.points.begin(), call.points.end(), shape.begin(), shape.end());
}

inline Reading readDisplay(const std::vector<gfx::RecordedCall>& calls, const DisplayShape& d,
                           gfx::ColorRef lit) {
    const int width = d.bounds.right - d.bounds.left;
    const int c = width / (d.ifSigned ? d.digits + 1 : d.digits);
    std::vector<DigitCell> cells;
    for (int i = d.digits - 1; i >= 0; --i) {
        const int right = d.bounds.right - i * c;
        cells.push_back(digitCell({right - c, d.bounds.top, right, d.bounds.bottom}, d.declined));
    }
    const SignCell sign =
        signCell({d.bounds.left, d.bounds.top, d.bounds.left + c, d.bounds.bottom}, d.declined);
    Reading r;
    r.cells.assign(cells.size(), 0);
    bool bar = false;
    bool middle = false;
    for (const auto& call : calls) {
        if (call.pen.color != lit || call.brush.color != lit ||
            call.brush.style != gfx::BrushStyle::Solid) {
            continue;
        }
        bool matched = false;
        if (d.ifSigned && samePolygon(call, sign.bar)) {
            bar = matched = true;
        } else if (d.ifSigned && samePolygon(call, sign.middle)) {
            middle = matched = true;
        }
        for (std::size_t i = 0; i < cells.size() && !matched; ++i) {
            for (const Segment& s : cells[i].segments) {
                if (samePolygon(call, s.shape)) {
                    r.cells[i] |= s.bit;
                    matched = true;
                }
            }
            if (call.kind == gfx::CallKind::Ellipse && call.rect == cells[i].point) {
                r.cells[i] |= kPoint;
                matched = true;
            }
        }
        EXPECT_TRUE(matched || call.kind == gfx::CallKind::FillRect)
            << "a lit " << gfx::callKindName(call.kind) << " outside every segment";
    }
    r.sign = bar && middle ? '+' : middle ? '-' : ' ';
    if (bar && !middle) {
        ADD_FAILURE() << "a lit bar without the middle stroke";
    }
    return r;
}

}  // namespace brennix::instruments::testing
