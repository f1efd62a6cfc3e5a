#pragma once
// Bitmaps to and from PNG files (8-bit RGB), for golden images and tools.

#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"

namespace brennix::gfx {

// On failure returns false and says why in error; the file may be missing
// or partly written but nothing else is touched.
bool savePng(const Bitmap& bitmap, const std::string& path, std::string& error);

// Any PNG libpng reads, flattened to opaque pixels on white. Images larger
// than Bitmap::kMaxSide are refused.
std::optional<Bitmap> loadPng(const std::string& path, std::string& error);

}  // namespace brennix::gfx
