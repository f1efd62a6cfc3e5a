#include "platform/gfx/ellipse_path.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace brennix::gfx {
namespace {

// Coordinates relative to the ellipse centre, doubled so that boxes of even
// size (centre between pixels) stay integral; Y grows upward.
struct Doubled {
    std::int64_t x;
    std::int64_t y;
};

// One quadrant from the top (x smallest) to the right end (y smallest).
// The walk starts at the right end and moves up, up-left or left to the
// neighbour nearest the curve (the smaller |f|), deciding by the sign of f at
// the diagonal neighbour first. It ends where it would cross the vertical
// axis, which on tall thin boxes is below the top row.
void traceQuadrant(std::int64_t a, std::int64_t b, std::vector<Doubled>& q) {
    const std::int64_t a2 = a * a;
    const std::int64_t b2 = b * b;
    auto f = [&](std::int64_t x, std::int64_t y) { return b2 * x * x + a2 * y * y - a2 * b2; };
    const std::int64_t x0 = a & 1;
    std::int64_t x = a;
    std::int64_t y = b & 1;
    q.clear();
    q.push_back({x, y});
    while (true) {
        const std::int64_t diagonal = f(x - 2, y + 2);
        std::int64_t nx = x - 2;
        std::int64_t ny = y + 2;
        if (diagonal < 0) {
            // On the middle column of an even box up and up-left are one pixel.
            if (x - 2 < x0 || std::abs(f(x, y + 2)) < -diagonal) {
                nx = x;
            }
        } else if (diagonal > 0 && std::abs(f(x - 2, y)) < diagonal) {
            ny = y;
        }
        if (nx < x0 || ny > b) {
            break;
        }
        x = nx;
        y = ny;
        q.push_back({x, y});
    }
    std::reverse(q.begin(), q.end());
}

}  // namespace

bool traceEllipse(const Rect& box, EllipseOutline& out) {
    out.chain.clear();
    out.rows.clear();
    if (box.isEmpty() || std::int64_t{box.right} - box.left > kMaxEllipseSide ||
        std::int64_t{box.bottom} - box.top > kMaxEllipseSide) {
        return false;
    }
    const std::int64_t a = box.width() - 1;
    const std::int64_t b = box.height() - 1;
    std::vector<Doubled> q;
    traceQuadrant(a, b, q);

    const std::int64_t cx2 = std::int64_t{box.left} + box.right - 1;
    const std::int64_t cy2 = std::int64_t{box.top} + box.bottom - 1;
    auto toPoint = [&](std::int64_t x, std::int64_t y) {
        return Point{static_cast<int>((cx2 + x) / 2), static_cast<int>((cy2 - y) / 2)};
    };
    auto append = [&](Point p) {
        if (out.chain.empty() || !(out.chain.back() == p)) {
            out.chain.push_back(p);
        }
    };
    for (auto it = q.rbegin(); it != q.rend(); ++it) {
        append(toPoint(it->x, it->y));
    }
    for (const auto& d : q) {
        append(toPoint(-d.x, d.y));
    }
    for (auto it = q.rbegin(); it != q.rend(); ++it) {
        append(toPoint(-it->x, -it->y));
    }
    for (const auto& d : q) {
        append(toPoint(d.x, -d.y));
    }
    while (out.chain.size() > 1 && out.chain.back() == out.chain.front()) {
        out.chain.pop_back();
    }

    // Right-half extents per row, mirrored for the left half.
    const int h = box.height();
    std::vector<std::int64_t> inner(static_cast<std::size_t>(h),
                                    std::numeric_limits<std::int64_t>::max());
    std::vector<std::int64_t> outer(static_cast<std::size_t>(h),
                                    std::numeric_limits<std::int64_t>::min());
    auto note = [&](std::int64_t x, std::int64_t y) {
        const auto row = static_cast<std::size_t>((cy2 - y) / 2 - box.top);
        inner[row] = std::min(inner[row], x);
        outer[row] = std::max(outer[row], x);
    };
    for (const auto& d : q) {
        note(d.x, d.y);
        note(d.x, -d.y);
    }
    out.rows.reserve(static_cast<std::size_t>(h));
    for (int i = 0; i < h; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (outer[row] < 0) {
            continue;  // above or below a tall thin outline
        }
        out.rows.push_back({box.top + i, static_cast<int>((cx2 - outer[row]) / 2),
                            static_cast<int>((cx2 - inner[row]) / 2),
                            static_cast<int>((cx2 + inner[row]) / 2),
                            static_cast<int>((cx2 + outer[row]) / 2)});
    }
    return true;
}

namespace {

// Index of the chain pixel where the ray from the centre in direction (dx, dy)
// meets the ellipse.
std::size_t meetingIndex(const std::vector<Point>& chain, const Rect& box, double dx, double dy) {
    const double a = box.width() - 1;
    const double b = box.height() - 1;
    const Point c = arcCentre(box);
    const double cx2 = double(box.left) + box.right - 1;
    const double cy2 = double(box.top) + box.bottom - 1;
    std::size_t best = 0;
    double bestScore = std::numeric_limits<double>::infinity();
    if (a > 0 && b > 0) {
        // Doubled coordinates around the true centre; the ray starts at the
        // integer centre, up to half a pixel off it.
        const double ox = 2.0 * c.x - cx2;
        const double oy = 2.0 * c.y - cy2;
        const double qa = dx * dx / (a * a) + dy * dy / (b * b);
        const double qb = 2 * (ox * dx / (a * a) + oy * dy / (b * b));
        const double qc = ox * ox / (a * a) + oy * oy / (b * b) - 1;
        const double s = (-qb + std::sqrt(std::max(0.0, qb * qb - 4 * qa * qc))) / (2 * qa);
        const double px = cx2 + ox + s * dx;
        const double py = cy2 + oy + s * dy;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const double ex = 2.0 * chain[i].x - px;
            const double ey = 2.0 * chain[i].y - py;
            const double d = ex * ex + ey * ey;
            if (d < bestScore) {
                bestScore = d;
                best = i;
            }
        }
        return best;
    }
    // A box one pixel thin: the pixel whose direction is closest to the ray.
    const double len = std::hypot(dx, dy);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const double vx = chain[i].x - c.x;
        const double vy = chain[i].y - c.y;
        const double vl = std::hypot(vx, vy);
        if (vl == 0) {
            continue;
        }
        const double score = -(vx * dx + vy * dy) / (vl * len);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

}  // namespace

ChainRun arcRun(const std::vector<Point>& chain, const Rect& box, Point radialStart,
                Point radialEnd) {
    if (chain.empty()) {
        return {};
    }
    const Point c = arcCentre(box);
    std::int64_t sx = std::int64_t{radialStart.x} - c.x;
    std::int64_t sy = std::int64_t{radialStart.y} - c.y;
    std::int64_t ex = std::int64_t{radialEnd.x} - c.x;
    std::int64_t ey = std::int64_t{radialEnd.y} - c.y;
    // A radial on the centre gives no direction: take 3 o'clock.
    if (sx == 0 && sy == 0) {
        sx = 1;
    }
    if (ex == 0 && ey == 0) {
        ex = 1;
    }
    const std::size_t n = chain.size();
    const std::size_t s = meetingIndex(chain, box, double(sx), double(sy));
    const double cross = double(sx) * double(ey) - double(sy) * double(ex);
    const double dot = double(sx) * double(ex) + double(sy) * double(ey);
    if (cross == 0 && dot > 0) {
        return {s, n + 1};
    }
    const std::size_t e = meetingIndex(chain, box, double(ex), double(ey));
    if (e == s) {
        // Counter-clockwise on screen is clockwise in y-down coordinates.
        double sweep = std::atan2(-cross, dot);
        if (sweep < 0) {
            sweep += 2 * std::numbers::pi;
        }
        return {s, sweep > std::numbers::pi ? n + 1 : 1};
    }
    return {s, (e + n - s) % n + 1};
}

}  // namespace brennix::gfx
