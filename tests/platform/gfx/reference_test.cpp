// The canvas against the reference GDI's recorded pixels (scripts/oracle_record.py): each case
// is drawn on a fresh surface and the hash of its pixels compared with the recorded one.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gfx/raster_canvas.h"

namespace brennix::gfx {
namespace {

struct ReferenceCase {
    std::string id;
    std::string cls;
    int width = 0;
    int height = 0;
    std::uint64_t hash = 0;
    std::string ops;
};

std::vector<ReferenceCase> loadCases() {
    std::vector<ReferenceCase> cases;
    std::ifstream in(BRENNIX_GFX_REFERENCE_CASES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto colon = line.find(" : ");
        std::istringstream head(line.substr(0, colon));
        ReferenceCase c;
        std::string hash;
        head >> c.id >> c.cls >> c.width >> c.height >> hash;
        c.hash = std::stoull(hash, nullptr, 16);
        c.ops = line.substr(colon + 3);
        cases.push_back(c);
    }
    return cases;
}

ColorRef colourOf(const std::string& hex) {
    const auto v = std::stoul(hex, nullptr, 16);
    return rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

PenStyle penStyleOf(const std::string& s) {
    if (s == "dash") {
        return PenStyle::Dash;
    }
    if (s == "dot") {
        return PenStyle::Dot;
    }
    return s == "null" ? PenStyle::Null : PenStyle::Solid;
}

// One op of the case format: a name and its words.
void applyOp(RasterCanvas& c, const std::vector<std::string>& w) {
    auto n = [&](std::size_t i) { return std::stoi(w.at(i)); };
    auto points = [&] {
        std::vector<Point> p;
        for (int i = 0; i < n(1); ++i) {
            p.push_back({n(2 + 2 * i), n(3 + 2 * i)});
        }
        return p;
    };
    const std::string& op = w.at(0);
    if (op == "pen") {
        c.selectPen({penStyleOf(w.at(1)), n(2), colourOf(w.at(3))});
    } else if (op == "brush") {
        c.selectBrush(w.at(1) == "null" ? Brush{BrushStyle::Null, rgb(255, 255, 255)}
                                        : Brush{BrushStyle::Solid, colourOf(w.at(2))});
    } else if (op == "bkcolor") {
        c.setBackgroundColor(colourOf(w.at(1)));
    } else if (op == "bkmode") {
        c.setBackgroundMode(w.at(1) == "transparent" ? BackgroundMode::Transparent
                                                     : BackgroundMode::Opaque);
    } else if (op == "move") {
        c.moveTo({n(1), n(2)});
    } else if (op == "line") {
        c.lineTo({n(1), n(2)});
    } else if (op == "polyline") {
        c.polyline(points());
    } else if (op == "polygon") {
        c.polygon(points());
    } else if (op == "rect") {
        c.rectangle({n(1), n(2), n(3), n(4)});
    } else if (op == "fill") {
        c.fillRect({n(1), n(2), n(3), n(4)}, colourOf(w.at(5)));
    } else if (op == "ellipse") {
        c.ellipse({n(1), n(2), n(3), n(4)});
    } else if (op == "arc") {
        c.arc({n(1), n(2), n(3), n(4)}, {n(5), n(6)}, {n(7), n(8)});
    } else if (op == "pie") {
        c.pie({n(1), n(2), n(3), n(4)}, {n(5), n(6)}, {n(7), n(8)});
    } else if (op == "pixel") {
        c.setPixel({n(1), n(2)}, colourOf(w.at(3)));
    } else {
        ADD_FAILURE() << "unknown op " << op;
    }
}

std::uint64_t drawnHash(const ReferenceCase& rc) {
    RasterCanvas c({rc.width, rc.height});
    std::istringstream ops(rc.ops);
    std::string one;
    while (std::getline(ops, one, ';')) {
        std::istringstream words(one);
        std::vector<std::string> w;
        for (std::string s; words >> s;) {
            w.push_back(s);
        }
        if (!w.empty()) {
            applyOp(c, w);
        }
    }
    std::uint64_t h = 0xCBF29CE484222325ULL;
    const Bitmap& b = c.bitmap();
    for (int i = 0; i < rc.width * rc.height; ++i) {
        const std::uint32_t v = b.data()[i] & 0x00FFFFFFU;
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 0x100000001B3ULL;
        }
    }
    return h;
}

TEST(ReferencePixels, EveryRecordedCaseLooksAsTheReferenceDrewIt) {
    const std::vector<ReferenceCase> cases = loadCases();
    ASSERT_GT(cases.size(), 6000U) << "reference data missing: " << BRENNIX_GFX_REFERENCE_CASES;
    int differing = 0;
    for (const ReferenceCase& rc : cases) {
        if (drawnHash(rc) != rc.hash) {
            ++differing;
            ADD_FAILURE() << rc.id << " " << rc.cls << " " << rc.width << "x" << rc.height
                          << " differs from the reference: " << rc.ops;
        }
    }
    EXPECT_EQ(differing, 0) << "of " << cases.size() << " recorded cases";
}

}  // namespace
}  // namespace brennix::gfx
