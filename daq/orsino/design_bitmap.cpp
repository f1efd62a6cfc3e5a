#include "daq/orsino/design_bitmap.h"

#include <array>
#include <string_view>

namespace brennix::daq::orsino {
namespace {

// A board edge with an input connector and a sampled wave on a screen.
constexpr std::array<std::string_view, 32> kRows{
    "................................", ".##############################.",
    ".#wwwwwwwwwwwwwwwwwwwwwwwwwwww#.", ".#wkkkkkkkkkkkkkkkkkkkkkkkkkkd#.",
    ".#wkkkkkkkkkkkkkkkkkkkkkkkkkkd#.", ".#wkkkkkkkkggkkkkkkkkkkkkkkkkd#.",
    ".#wkkkkkkkgkkgkkkkkkkkkkkkkkkd#.", ".#wkkkkkkgkkkkgkkkkkkkkkkkkkkd#.",
    ".#wkkkkkgkkkkkkgkkkkkkkkkkkkkd#.", ".#wkkkkgkkkkkkkkgkkkkkkkkkkkkd#.",
    ".#wgggggggggggggggggggggggggkd#.", ".#wkkkkkkkkkkkkkkkgkkkkkkkkgkd#.",
    ".#wkkkkkkkkkkkkkkkkgkkkkkkgkkd#.", ".#wkkkkkkkkkkkkkkkkkgkkkkgkkkd#.",
    ".#wkkkkkkkkkkkkkkkkkkgkkgkkkkd#.", ".#wkkkkkkkkkkkkkkkkkkkggkkkkkd#.",
    ".#wddddddddddddddddddddddddddd#.", ".##############################.",
    "................................", "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..",
    "..bwwwwwwwwwwwwwwwwwwwwwwwwwwb..", "..bw##w###w#ww#w#ww#w##ww##wwb..",
    "..bw#w#w#ww#w#ww#w##w#w#w#w#wb..", "..bw#w#w#ww#w#ww#w##w#w#w#w#wb..",
    "..bw#w#ww#w##ww#w#w##w#w#w#wwb..", "..bw#w#www#w#w#w#w#w##w#w#w#wb..",
    "..bww#ww##w#ww#w#w#w#w#ww##wwb..", "..bwwwwwwwwwwwwwwwwwwwwwwwwwwb..",
    "..bbbbbbbbbbbbbbbbbbbbbbbbbbbb..", "....y.y.y.y.y.y.y.y.y.y.y.y.....",
    "....y.y.y.y.y.y.y.y.y.y.y.y.....", "................................",
};

gfx::Pixel pixelOf(char c) {
    switch (c) {
        case '#':
            return gfx::toPixel(gfx::rgb(0, 0, 0));
        case 'w':
            return gfx::toPixel(gfx::rgb(255, 255, 255));
        case 'k':
            return gfx::toPixel(gfx::rgb(0, 64, 0));
        case 'g':
            return gfx::toPixel(gfx::rgb(0, 255, 0));
        case 'd':
            return gfx::toPixel(gfx::rgb(128, 128, 128));
        case 'b':
            return gfx::toPixel(gfx::rgb(0, 0, 128));
        case 'y':
            return gfx::toPixel(gfx::rgb(255, 200, 0));
        default:
            return gfx::toPixel(gfx::rgb(192, 192, 192));
    }
}

gfx::Bitmap makeBitmap() {
    gfx::Bitmap bitmap(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            bitmap.setPixel(x, y, pixelOf(kRows[y][x]));
        }
    }
    return bitmap;
}

}  // namespace

const gfx::Bitmap& designBitmap() {
    static const gfx::Bitmap bitmap = makeBitmap();
    return bitmap;
}

}  // namespace brennix::daq::orsino
