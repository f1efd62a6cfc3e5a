#include "qt/canvas_image.h"

#include <cstdint>
#include <type_traits>

namespace brennix::qt {

static_assert(std::is_same_v<gfx::Pixel, std::uint32_t> && sizeof(QRgb) == sizeof(gfx::Pixel),
              "a canvas pixel is one RGB32 word");

QImage imageOverBitmap(gfx::Bitmap& bitmap, qreal devicePixelRatio) {
    if (bitmap.isEmpty()) {
        return {};
    }
    QImage image(reinterpret_cast<uchar*>(bitmap.data()), bitmap.width(), bitmap.height(),
                 static_cast<qsizetype>(bitmap.stride()) * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

}  // namespace brennix::qt
