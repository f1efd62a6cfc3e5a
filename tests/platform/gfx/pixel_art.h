#pragma once
// Small bitmaps as rows of characters, so that a failing pixel test shows
// the picture it got next to the one it wanted.

#include <map>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace brennix::gfx::testing {

// One string per row of r; pixels of colours not in the legend show as '?'.
inline std::vector<std::string> pixelArt(const Bitmap& b, const Rect& r,
                                         const std::map<ColorRef, char>& legend) {
    std::vector<std::string> rows;
    for (int y = r.top; y < r.bottom; ++y) {
        std::string row;
        for (int x = r.left; x < r.right; ++x) {
            const auto it = legend.find(b.colorAt(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> pixelArt(const Bitmap& b, const std::map<ColorRef, char>& legend) {
    return pixelArt(b, b.bounds(), legend);
}

constexpr ColorRef kWhite = rgb(255, 255, 255);
constexpr ColorRef kBlack = rgb(0, 0, 0);
constexpr ColorRef kRed = rgb(255, 0, 0);
constexpr ColorRef kBlue = rgb(0, 0, 255);

// '.' white, '#' black, 'r' red, 'b' blue.
inline const std::map<ColorRef, char>& basicLegend() {
    static const std::map<ColorRef, char> legend{
        {kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};
    return legend;
}

inline int countColor(const Bitmap& b, ColorRef c) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            n += b.colorAt(x, y) == c ? 1 : 0;
        }
    }
    return n;
}

}  // namespace brennix::gfx::testing
