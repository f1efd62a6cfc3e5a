#pragma once
// The 1-pixel outline of the ellipse inscribed in a pixel box, traced over one
// quadrant by choosing the neighbour nearest the curve and mirrored, and the pieces of
// it that arcs and pies use.

#include <cstddef>
#include <vector>

#include "platform/gfx/geometry.h"

namespace brennix::gfx {

// Per row the outline crosses: its pixels on the left run from outerLeft to
// innerLeft and on the right from innerRight to outerRight (inclusive).
struct EllipseRow {
    int y = 0;
    int outerLeft = 0;
    int innerLeft = 0;
    int innerRight = 0;
    int outerRight = 0;
};

struct EllipseOutline {
    // Outline pixels counter-clockwise on screen, starting at the right end
    // of the middle row; no two neighbours are the same pixel.
    std::vector<Point> chain;
    // Where the chain's second, third and fourth quadrants begin; a flat or
    // thin outline passes along an axis once in each quadrant beside it.
    std::size_t leftFrom = 0;
    std::size_t lowerFrom = 0;
    std::size_t rightFrom = 0;
    std::vector<EllipseRow> rows;  // top to bottom; tall thin boxes leave out their ends
};

// Boxes wider or higher than this are not traced (the arithmetic is exact
// only up to there).
constexpr int kMaxEllipseSide = 32768;

// box must be normalized and not empty. Returns false for boxes that are
// too large; out is then left empty.
bool traceEllipse(const Rect& box, EllipseOutline& out);

// A stretch of the chain: chain[(start + i) % size] for i in [0, count).
// count includes the end pixel; a full turn repeats the start at the end.
// count 0 draws nothing at all.
struct ChainRun {
    std::size_t start = 0;
    std::size_t count = 0;
    // An arc of one pixel that passes it twice (a thin box's outline folds
    // back on itself): a wide pen still shows its dot there.
    bool twice = false;
};

// The run counter-clockwise from where the ray from the box centre through
// radialStart meets the ellipse to where the one through radialEnd does.
// Pies and arcs pick their ends alike except on boxes two pixels thin.
enum class ArcKind { Arc, Pie };
ChainRun arcRun(const EllipseOutline& outline, const Rect& box, Point radialStart, Point radialEnd,
                ArcKind kind = ArcKind::Arc);

// The integer centre arcs and pies radiate from.
inline Point arcCentre(const Rect& box) {
    return {box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
}

}  // namespace brennix::gfx
