#pragma once
// The scenes both renderers draw: fixed pseudo-random data on 1280 x 720.

#include <string>
#include <vector>

#include "platform/gfx/geometry.h"

namespace brennix::bench {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

struct Scenes {
    std::vector<gfx::Point> polyline;                        // 10,001 points
    std::vector<std::vector<gfx::Point>> polygons;           // 1,000
    std::vector<gfx::Rect> ellipses;                         // 1,000 boxes
    std::vector<gfx::Rect> rects;                            // 10,000
    std::vector<std::pair<gfx::Point, std::string>> labels;  // 1,000
    std::vector<unsigned> colors;                            // 0x00BBGGRR, one per shape
};

const Scenes& scenes();

}  // namespace brennix::bench
