// The raster canvas against Cairo's image surface (antialiasing off) on the
// same scenes; after the runs a table gives Cairo's time over ours per scene.

#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "bench/bench_scenes.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::bench {
namespace {

using gfx::rgb;

gfx::ColorRef colorAt(std::size_t i) {
    return scenes().colors[i % scenes().colors.size()];
}

void cairoColor(cairo_t* cr, gfx::ColorRef c) {
    cairo_set_source_rgb(cr, gfx::redOf(c) / 255.0, gfx::greenOf(c) / 255.0,
                         gfx::blueOf(c) / 255.0);
}

// One Cairo image surface with antialiasing off, 1-pixel lines.
class CairoSurface {
  public:
    CairoSurface()
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight)),
          cr_(cairo_create(surface_)) {
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr_, 1.0);
        cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_paint(cr_);
    }
    ~CairoSurface() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;
    cairo_t* get() { return cr_; }
    void flush() { cairo_surface_flush(surface_); }

  private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// --- Raster canvas -------------------------------------------------------

void rasterPolyline(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        canvas.polyline(scenes().polyline);
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterPolygons(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    canvas.selectPen({gfx::PenStyle::Null, 1, 0});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().polygons.size(); ++i) {
            canvas.selectBrush({gfx::BrushStyle::Solid, colorAt(i)});
            canvas.polygon(scenes().polygons[i]);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterEllipses(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().ellipses.size(); ++i) {
            canvas.selectBrush({gfx::BrushStyle::Solid, colorAt(i)});
            canvas.ellipse(scenes().ellipses[i]);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterRects(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().rects.size(); ++i) {
            canvas.fillRect(scenes().rects[i], colorAt(i));
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterText(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    for (auto _ : state) {
        for (const auto& [at, text] : scenes().labels) {
            canvas.textOut(at, text);
        }
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

// Reference points for fills: a 256 x 256 fill moves 256 KiB, an 8 x 8 one
// is all call overhead.
void rasterFill256(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        canvas.fillRect({100, 100, 356, 356}, rgb(10, 20, 30));
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

void rasterFill8(benchmark::State& state) {
    gfx::RasterCanvas canvas({kWidth, kHeight});
    for (auto _ : state) {
        canvas.fillRect({100, 100, 108, 108}, rgb(10, 20, 30));
        benchmark::DoNotOptimize(canvas.bitmap().data());
    }
}

// --- Cairo ---------------------------------------------------------------

void cairoPolyline(benchmark::State& state) {
    CairoSurface s;
    cairo_t* cr = s.get();
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (auto _ : state) {
        const auto& pts = scenes().polyline;
        cairo_move_to(cr, pts[0].x + 0.5, pts[0].y + 0.5);
        for (std::size_t i = 1; i < pts.size(); ++i) {
            cairo_line_to(cr, pts[i].x + 0.5, pts[i].y + 0.5);
        }
        cairo_stroke(cr);
        s.flush();
    }
}

void cairoPolygons(benchmark::State& state) {
    CairoSurface s;
    cairo_t* cr = s.get();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().polygons.size(); ++i) {
            const auto& poly = scenes().polygons[i];
            cairo_move_to(cr, poly[0].x, poly[0].y);
            for (std::size_t k = 1; k < poly.size(); ++k) {
                cairo_line_to(cr, poly[k].x, poly[k].y);
            }
            cairo_close_path(cr);
            cairoColor(cr, colorAt(i));
            cairo_fill(cr);
        }
        s.flush();
    }
}

void cairoEllipses(benchmark::State& state) {
    CairoSurface s;
    cairo_t* cr = s.get();
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().ellipses.size(); ++i) {
            const gfx::Rect& b = scenes().ellipses[i];
            cairo_save(cr);
            cairo_translate(cr, (b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0);
            cairo_scale(cr, (b.width() - 1) / 2.0, (b.height() - 1) / 2.0);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairoColor(cr, colorAt(i));
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_stroke(cr);
        }
        s.flush();
    }
}

void cairoRects(benchmark::State& state) {
    CairoSurface s;
    cairo_t* cr = s.get();
    for (auto _ : state) {
        for (std::size_t i = 0; i < scenes().rects.size(); ++i) {
            const gfx::Rect& r = scenes().rects[i];
            cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
            cairoColor(cr, colorAt(i));
            cairo_fill(cr);
        }
        s.flush();
    }
}

// Cairo draws with the same font file and pixel size, through its FreeType
// backend, unhinted outlines rendered without antialiasing.
class CairoFont {
  public:
    CairoFont() {
        const auto file = gfx::findFontFile("DejaVuSans.ttf", gfx::defaultFontDirectories());
        if (!file || FT_Init_FreeType(&library_) != 0 ||
            FT_New_Face(library_, file->c_str(), 0, &face_) != 0) {
            std::fprintf(stderr, "canvas_bench: DejaVuSans.ttf not usable\n");
            return;
        }
        fontFace_ = cairo_ft_font_face_create_for_ft_face(face_, 0);
    }
    ~CairoFont() {
        if (fontFace_ != nullptr) {
            cairo_font_face_destroy(fontFace_);
        }
        if (face_ != nullptr) {
            FT_Done_Face(face_);
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
    }
    CairoFont(const CairoFont&) = delete;
    CairoFont& operator=(const CairoFont&) = delete;
    cairo_font_face_t* get() const { return fontFace_; }

  private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    cairo_font_face_t* fontFace_ = nullptr;
};

void cairoText(benchmark::State& state) {
    static CairoFont font;
    if (font.get() == nullptr) {
        state.SkipWithError("no font");
        return;
    }
    CairoSurface s;
    cairo_t* cr = s.get();
    cairo_set_font_face(cr, font.get());
    cairo_set_font_size(cr, gfx::pixelsPerEm(8));
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_font_extents_t extents;
    cairo_font_extents(cr, &extents);
    for (auto _ : state) {
        for (const auto& [at, text] : scenes().labels) {
            cairo_move_to(cr, at.x, at.y + std::round(extents.ascent));
            cairo_show_text(cr, text.c_str());
        }
        s.flush();
    }
}

BENCHMARK(rasterFill256)->Name("fill_256x256/raster")->Unit(benchmark::kMicrosecond);
BENCHMARK(rasterFill8)->Name("fill_8x8/raster")->Unit(benchmark::kMicrosecond);
BENCHMARK(rasterPolyline)->Name("polyline/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoPolyline)->Name("polyline/cairo")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterPolygons)->Name("polygons/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoPolygons)->Name("polygons/cairo")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterEllipses)->Name("ellipses/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoEllipses)->Name("ellipses/cairo")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterRects)->Name("rect_fills/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoRects)->Name("rect_fills/cairo")->Unit(benchmark::kMillisecond);
BENCHMARK(rasterText)->Name("text_labels/raster")->Unit(benchmark::kMillisecond);
BENCHMARK(cairoText)->Name("text_labels/cairo")->Unit(benchmark::kMillisecond);

// Prints the usual table, then Cairo's time over the raster canvas's, in CPU
// time (steadier than wall time on a shared machine).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::pair<const char*, double> scenes[] = {{"polyline", 2.0},
                                                         {"polygons", 1.0},
                                                         {"ellipses", 1.0},
                                                         {"rect_fills", 1.0},
                                                         {"text_labels", 1.0}};
        std::printf("\n%-12s %12s %12s %8s %8s\n", "scene", "raster cpu", "cairo cpu", "ratio",
                    "target");
        for (const auto& [name, target] : scenes) {
            const auto ours = times_.find(std::string(name) + "/raster");
            const auto theirs = times_.find(std::string(name) + "/cairo");
            if (ours == times_.end() || theirs == times_.end() || ours->second <= 0) {
                continue;
            }
            const double ratio = theirs->second / ours->second;
            std::printf("%-12s %12.3f %12.3f %7.2fx %7.1fx %s\n", name, ours->second,
                        theirs->second, ratio, target, ratio >= target ? "met" : "MISSED");
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace brennix::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    brennix::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
