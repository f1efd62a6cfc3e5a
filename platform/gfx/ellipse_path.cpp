#include "platform/gfx/ellipse_path.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

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
    out.leftFrom = out.chain.size();
    for (const auto& d : q) {
        append(toPoint(-d.x, d.y));
    }
    out.lowerFrom = out.chain.size();
    for (auto it = q.rbegin(); it != q.rend(); ++it) {
        append(toPoint(-it->x, -it->y));
    }
    out.rightFrom = out.chain.size();
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

// A chain pixel seen from the centre the way arcs measure it: each quadrant
// of the outline is one traced quadrant mirrored, so on a box of even size a
// pixel left of (or above) the centre is one unit nearer to it than its
// position says. The two pixels that thereby share an axis direction keep
// the chain's order by lying an infinitesimal step past it: leftward
// (`leftOfAxis`) or downward (`belowAxis`).
struct ArcPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;  // upward
    int half = 0;        // +1 upper half, -1 lower, 0 the middle row of an odd box
    bool leftOfAxis = false;
    bool belowAxis = false;
};

ArcPoint arcPoint(const EllipseOutline& o, const Rect& box, Point c, std::size_t i) {
    const Point p = o.chain[i];
    ArcPoint a;
    const bool evenWidth = (std::int64_t{box.right} - box.left) % 2 == 0;
    const bool evenHeight = (std::int64_t{box.bottom} - box.top) % 2 == 0;
    a.x = std::int64_t{p.x} - c.x;
    if (evenWidth && p.x < c.x) {
        a.x += 1;
    }
    // On an odd box the bottom pixel ends the third quadrant but is shared
    // with the fourth, so it lies on the axis itself.
    const bool sharedBottom = !evenWidth && i + 1 == o.rightFrom;
    a.leftOfAxis = a.x == 0 && i >= o.leftFrom && i < o.rightFrom && !sharedBottom;
    a.y = std::int64_t{c.y} - p.y;
    if (evenHeight) {
        if (p.y < c.y) {
            a.y -= 1;
            a.half = 1;
        } else {
            a.half = -1;
        }
    } else {
        a.half = (a.y > 0) - (a.y < 0);
    }
    a.belowAxis = a.y == 0 && i >= o.lowerFrom;
    return a;
}

// 0 for directions in [0, pi) counter-clockwise from 3 o'clock, 1 for [pi, 2 pi).
int halfTurn(std::int64_t x, std::int64_t y) {
    return (y > 0 || (y == 0 && x > 0)) ? 0 : 1;
}

// Where a pixel lies against a ray, both measured from 3 o'clock
// counter-clockwise: -1 before it, 0 on it, +1 after it.
int side(const ArcPoint& p, std::int64_t dx, std::int64_t dy) {
    // The infinitesimal step that orders pixels sharing a direction. A
    // pixel on the centre itself (boxes two pixels thin) counts as straight
    // up in the upper half and as just past 9 o'clock or just short of
    // 6 o'clock in the lower half.
    std::int64_t nx = p.leftOfAxis ? -1 : 0;
    std::int64_t ny = p.belowAxis ? -1 : 0;
    if (p.x == 0 && p.y == 0) {
        constexpr std::int64_t kNudge = 1024;
        if (!p.belowAxis) {
            ny = p.leftOfAxis ? 0 : 1;
        } else if (p.leftOfAxis) {
            nx = -kNudge;
        } else {
            nx = -1;
            ny = -kNudge;
        }
    }
    int ph = halfTurn(p.x, p.y);
    if (p.y == 0) {
        ph = p.x == 0 ? halfTurn(nx, ny) : (ny < 0 ? 1 : ph);
    }
    const int rh = halfTurn(dx, dy);
    if (ph != rh) {
        return ph < rh ? -1 : 1;
    }
    std::int64_t cross = dx * p.y - dy * p.x;
    if (cross == 0) {
        cross = dx * ny - dy * nx;
    }
    return (cross > 0) - (cross < 0);
}

// Quadrants of the rays as given: [0, 90], (90, 180], (180, 270), [270, 360).
int quadrant(std::int64_t x, std::int64_t y) {
    if (x < 0) {
        return y >= 0 ? 1 : 2;
    }
    return y < 0 ? 3 : 0;
}

// A radial as a direction from the centre, y upward; one on the centre
// itself gives none and counts as 3 o'clock.
void direction(Point c, Point radial, std::int64_t& x, std::int64_t& y) {
    x = std::int64_t{radial.x} - c.x;
    y = std::int64_t{c.y} - radial.y;
    if (x == 0 && y == 0) {
        x = 1;
    }
}

// Where the start and end radials point from the centre of the box.
struct Rays {
    std::int64_t sx = 0;
    std::int64_t sy = 0;
    std::int64_t ex = 0;
    std::int64_t ey = 0;
};

Rays rays(const Rect& box, Point radialStart, Point radialEnd) {
    const Point c = arcCentre(box);
    Rays r;
    direction(c, radialStart, r.sx, r.sy);
    direction(c, radialEnd, r.ex, r.ey);
    return r;
}

// Radials further out than this keep their direction halved, so that the
// cross products stay in range.
void reduce(std::int64_t& x, std::int64_t& y) {
    constexpr std::int64_t kFar = std::int64_t{1} << 30;
    while (x > kFar || x < -kFar || y > kFar || y < -kFar) {
        x /= 2;
        y /= 2;
    }
}

ChainRun pickRun(const EllipseOutline& outline, const Rect& box, Point radialStart, Point radialEnd,
                 ArcKind kind) {
    const std::vector<Point>& chain = outline.chain;
    if (chain.empty()) {
        return {};
    }
    const Point c = arcCentre(box);
    auto [sx, sy, ex, ey] = rays(box, radialStart, radialEnd);
    reduce(sx, sy);
    reduce(ex, ey);
    const bool sameDirection = sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0;
    const std::int64_t w = std::int64_t{box.right} - box.left;
    const std::int64_t h = std::int64_t{box.bottom} - box.top;
    const bool arc = kind == ArcKind::Arc;
    const bool thin = w <= 2 || h <= 2;
    const int qs = quadrant(sx, sy);
    const int qe = quadrant(ex, ey);
    if (thin) {
        // A pie on a column one or two pixels wide and of odd height from
        // the last quadrant into the first: nothing, not even its dot.
        if (!arc && w <= 2 && h % 2 == 1 && qs == 3 && qe == 0) {
            return {0, 0};
        }
        if (arc && w == 1 && h % 2 == 1) {
            return {0, 1};  // a single pixel on the centre: no arc at all
        }
        // On thin boxes whole quadrants collapse onto one pick; a pie on
        // a box of odd height keeps its own end pick.
        if (w % 2 == 1) {
            if (sx < 0 && sy >= 0) {
                sx = 0;  // (90, 180] starts as 12 o'clock does
                sy = 1;
            }
            if (ex < 0 && ey < 0 && (arc || h % 2 == 0)) {
                ex = 0;  // (180, 270) ends as 6 o'clock does
                ey = -1;
            }
        } else if (w == 2 && h % 2 == 1 && (ex > 0 || (ex == 0 && ey < 0))) {
            ex = 0;  // [270, 90) ends as 12 o'clock does
            ey = 1;
        }
    }
    // The chain runs counter-clockwise from 3 o'clock. The arc starts on the
    // first pixel not before the start ray and stops on the last one not
    // after the end ray, a pixel exactly on a ray counting as after it in the
    // upper half and before it in the lower; on the ray to 3 o'clock the
    // middle pixel of an odd box is both.
    const std::size_t n = chain.size();
    std::size_t s = 0;
    bool sFound = false;
    std::size_t e = n - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const ArcPoint p = arcPoint(outline, box, c, i);
        const int atStart = side(p, sx, sy);
        if (!sFound && (atStart > 0 || (atStart == 0 && p.half >= 0))) {
            s = i;
            sFound = true;
        }
        const int atEnd = side(p, ex, ey);
        if (atEnd < 0 || (atEnd == 0 && (p.half < 0 || (p.half == 0 && i == 0)))) {
            e = i;
        }
    }
    const std::size_t count = (e + n - s) % n;
    const bool oddPieOfOneRow = thin && !arc && w % 2 == 1 && h % 2 == 1;
    if (thin && (w <= 2 || w % 2 == 1) && !oddPieOfOneRow) {
        // Picks that cross over each other from the last quadrant into the
        // first draw nothing; both in one quadrant and equal, the whole turn.
        // Wider than two pixels, an end exactly at 3 o'clock does not cross,
        // and a start exactly there meets equal picks as one pixel.
        const bool endAtThree = ey == 0 && ex > 0;
        const bool startAtThree = sy == 0 && sx > 0;
        if (qs == 3 && qe == 0 && e > s && !(endAtThree && w > 2)) {
            return {s, 0};
        }
        if (count == 0 && qs == qe && startAtThree && !sameDirection && w > 2) {
            return {s, 1};
        }
        // Ends in the last quadrant pick as 12 o'clock on a box two pixels
        // wide and of odd height, so they also join a start in the first.
        const bool endsJoin = w == 2 && h % 2 == 1 && qs == 0 && qe == 3;
        if (count == 0 && (qs == qe || endsJoin)) {
            return {s, n + 1};
        }
    }
    // A pie on one row of odd width: equal picks in one quadrant are the
    // whole turn too, but from a start exactly at 3 o'clock one pixel.
    const bool rowTurn = oddPieOfOneRow && qs == qe && !(sy == 0 && sx > 0);
    if (count == 0 && (sameDirection || rowTurn)) {
        return {s, n + 1};
    }
    return {s, count + 1};
}

}  // namespace

ChainRun arcRun(const EllipseOutline& outline, const Rect& box, Point radialStart, Point radialEnd,
                ArcKind kind) {
    ChainRun run = pickRun(outline, box, radialStart, radialEnd, kind);
    // Only thin boxes fold their outline back onto single pixels: columns one
    // or two wide of odd height, and single rows.
    const std::int64_t w = std::int64_t{box.right} - box.left;
    const std::int64_t h = std::int64_t{box.bottom} - box.top;
    if (kind != ArcKind::Arc || run.count != 1 || (h != 1 && (w > 2 || h % 2 == 0))) {
        return run;
    }
    const auto [sx, sy, ex, ey] = rays(box, radialStart, radialEnd);
    const int qs = quadrant(sx, sy);
    const int qe = quadrant(ex, ey);
    if (w <= 2) {
        // By quadrant of the start, a bit per quadrant of the end (measured).
        constexpr unsigned kTwice[4] = {0b1101, 0b1111, 0b0110, 0b1100};
        run.twice = ((kTwice[qs] >> qe) & 1U) != 0;
    } else {
        // One row: the right end closes the last quadrant and opens the first.
        run.twice = qs == 3 && qe == 0 && !(ey == 0 && ex > 0);
    }
    return run;
}

}  // namespace brennix::gfx
