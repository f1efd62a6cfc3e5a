#pragma once
// The raster canvas's pixels as a QImage over the same memory. A pixel is a
// 0xFFRRGGBB word, which is Qt's RGB32, so Qt draws the image as it is:
// nothing is converted or copied first. The memory is wrapped writable: Qt
// takes a deep copy of read-only image data on any non-const access.

#include <QImage>

#include "platform/gfx/bitmap.h"

namespace brennix::qt {

// The bitmap must outlive the image and keep its size while it is drawn.
QImage imageOverBitmap(gfx::Bitmap& bitmap, qreal devicePixelRatio = 1);

}  // namespace brennix::qt
