#include "bench/bench_scenes.h"

#include <cstdio>
#include <random>

namespace brennix::bench {

const Scenes& scenes() {
    static const Scenes s = [] {
        Scenes out;
        std::mt19937 rng(20240611);
        auto uniform = [&](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(rng);
        };
        for (int i = 0; i <= 10000; ++i) {
            out.polyline.push_back({uniform(0, kWidth - 1), uniform(0, kHeight - 1)});
        }
        for (int i = 0; i < 1000; ++i) {
            const int cx = uniform(40, kWidth - 40);
            const int cy = uniform(40, kHeight - 40);
            std::vector<gfx::Point> poly;
            const int n = uniform(3, 8);
            for (int k = 0; k < n; ++k) {
                poly.push_back({cx + uniform(-40, 40), cy + uniform(-40, 40)});
            }
            out.polygons.push_back(std::move(poly));
        }
        for (int i = 0; i < 1000; ++i) {
            const int l = uniform(0, kWidth - 100);
            const int t = uniform(0, kHeight - 100);
            out.ellipses.push_back({l, t, l + uniform(8, 100), t + uniform(8, 100)});
        }
        for (int i = 0; i < 10000; ++i) {
            const int l = uniform(0, kWidth - 64);
            const int t = uniform(0, kHeight - 64);
            out.rects.push_back({l, t, l + uniform(1, 64), t + uniform(1, 64)});
        }
        for (int i = 0; i < 1000; ++i) {
            char text[32];
            std::snprintf(text, sizeof text, "%d.%02d V", uniform(-99, 999), uniform(0, 99));
            out.labels.push_back({{uniform(0, kWidth - 80), uniform(0, kHeight - 16)}, text});
        }
        for (int i = 0; i < 10000; ++i) {
            out.colors.push_back(static_cast<unsigned>(uniform(0, 0xFFFFFF)));
        }
        return out;
    }();
    return s;
}

}  // namespace brennix::bench
