#include "tools/brennix-acquire/axis_titles.h"

#include "platform/gfx/raster_canvas.h"

namespace brennix::acquire {

void drawTitleAcross(gfx::Canvas& canvas, std::string_view text, int centreX, int top) {
    gfx::Font before = canvas.selectFont(kTitleFont);
    gfx::TextAlign align = canvas.setTextAlign(gfx::TextAlign::Center);
    gfx::BackgroundMode mode = canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.textOut({centreX, top}, text);
    canvas.setBackgroundMode(mode);
    canvas.setTextAlign(align);
    canvas.selectFont(before);
}

void drawTitleUpwards(gfx::Bitmap& picture, std::string_view text, int left, int centreY) {
    gfx::RasterCanvas upright(gfx::Size{1, 1});
    upright.selectFont(kTitleFont);
    const gfx::Size extent = upright.textExtent(text);
    if (extent.cx <= 0 || extent.cy <= 0) {
        return;
    }
    gfx::RasterCanvas surface(extent);
    surface.selectFont(kTitleFont);
    surface.textOut({0, 0}, text);
    const gfx::Bitmap& glyphs = surface.bitmap();
    const gfx::Pixel blank = gfx::toPixel(gfx::rgb(255, 255, 255));
    const int top = centreY - extent.cx / 2;
    // Turned anticlockwise: the text's left end goes to the bottom.
    for (int y = 0; y < extent.cy; ++y) {
        for (int x = 0; x < extent.cx; ++x) {
            gfx::Pixel p = glyphs.pixel(x, y);
            if (p != blank) {
                picture.setPixel(left + y, top + extent.cx - 1 - x, p);
            }
        }
    }
}

}  // namespace brennix::acquire
