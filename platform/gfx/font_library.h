#pragma once
// Text faces through FreeType from the DejaVu font files: glyphs rendered
// one bit per pixel with hinting (crisp like a small dialog font), kept as
// row spans, and metrics taken from the face.

#include <cstdint>
#include <filesystem>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/canvas.h"

namespace brennix::gfx {

// Columns x0 .. x1-1 of row dy, relative to the pen position on the baseline.
struct GlyphSpan {
    std::int16_t dy;
    std::int16_t x0;
    std::int16_t x1;
};

struct Glyph {
    int advance = 0;
    std::vector<GlyphSpan> spans;
};

// Pixels per em for a size in points at 96 dots per inch, kept in 1 .. 512.
int pixelsPerEm(double points);

// The DejaVu file for a face name and style, e.g. "DejaVuSans-Bold.ttf".
std::string fontFileName(const Font& font);

// Directories searched for font files: $BRENNIX_FONT_DIR first, then the
// usual system places.
std::vector<std::filesystem::path> defaultFontDirectories();

std::optional<std::filesystem::path> findFontFile(const std::string& fileName,
                                                  const std::vector<std::filesystem::path>& dirs);

// Metrics of a size when no face can be loaded, so that layouts stay sane.
TextMetrics nominalMetrics(double points);

class FaceInstance;

class FontLibrary {
  public:
    explicit FontLibrary(std::vector<std::filesystem::path> directories);
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // The library every canvas uses, searching defaultFontDirectories().
    static FontLibrary& shared();

    // nullptr when no font file can be found or loaded; error() says why.
    // The last kMaxFaces sizes and styles used are kept; a face handed out
    // lives on with its holder after it is let go here.
    std::shared_ptr<const FaceInstance> face(const Font& font);
    static constexpr std::size_t kMaxFaces = 16;
    std::size_t cachedFaces() const;
    std::string error() const;

  private:
    friend class FaceInstance;
    struct FreeTypeHandle;

    std::unique_ptr<FreeTypeHandle> ft_;
    std::vector<std::filesystem::path> directories_;
    mutable std::mutex mutex_;
    std::list<std::pair<std::string, std::shared_ptr<const FaceInstance>>> faces_;  // newest first
    std::string error_;
    bool reported_ = false;
};

class FaceInstance {
  public:
    ~FaceInstance();
    FaceInstance(const FaceInstance&) = delete;
    FaceInstance& operator=(const FaceInstance&) = delete;

    const TextMetrics& metrics() const { return metrics_; }
    const std::filesystem::path& file() const { return file_; }
    int pixelsPerEm() const { return ppem_; }

    const Glyph& glyph(char32_t c) const {
        if (c >= 0x20 && c < 0x7F) {
            return ascii_[c - 0x20];
        }
        return otherGlyph(c);
    }
    int advance(char32_t c) const { return glyph(c).advance; }

  private:
    friend class FontLibrary;
    struct FaceHandle;

    FaceInstance(FontLibrary& library, std::unique_ptr<FaceHandle> face, std::filesystem::path file,
                 int ppem);
    Glyph render(char32_t c) const;
    const Glyph& otherGlyph(char32_t c) const;

    FontLibrary& library_;
    std::unique_ptr<FaceHandle> face_;
    std::filesystem::path file_;
    int ppem_;
    TextMetrics metrics_;
    std::vector<Glyph> ascii_;
    mutable std::unordered_map<char32_t, Glyph> others_;
};

}  // namespace brennix::gfx
