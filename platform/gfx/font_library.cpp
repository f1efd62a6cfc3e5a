#include "platform/gfx/font_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brennix::gfx {

struct FontLibrary::FreeTypeHandle {
    FT_Library library = nullptr;
    ~FreeTypeHandle() {
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

struct FaceInstance::FaceHandle {
    FT_Face face = nullptr;
    ~FaceHandle() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
    }
};

int pixelsPerEm(double points) {
    if (!(points > 0)) {
        return 1;
    }
    const double px = std::round(points * 96.0 / 72.0);
    return static_cast<int>(std::clamp(px, 1.0, 512.0));
}

namespace {

bool containsWord(const std::string& s, const char* word) {
    return s.find(word) != std::string::npos;
}

}  // namespace

std::string fontFileName(const Font& font) {
    const bool mono = containsWord(font.face, "Mono");
    const bool serif =
        !mono && containsWord(font.face, "Serif") && !containsWord(font.face, "Sans");
    std::string name = mono ? "DejaVuSansMono" : serif ? "DejaVuSerif" : "DejaVuSans";
    const char* slant = serif ? "Italic" : "Oblique";
    if (font.bold && font.italic) {
        name += std::string("-Bold") + slant;
    } else if (font.bold) {
        name += "-Bold";
    } else if (font.italic) {
        name += std::string("-") + slant;
    }
    return name + ".ttf";
}

std::vector<std::filesystem::path> defaultFontDirectories() {
    std::vector<std::filesystem::path> dirs;
    if (const char* env = std::getenv("BRENNIX_FONT_DIR"); env != nullptr && *env != '\0') {
        dirs.emplace_back(env);
    }
    for (const char* d :
         {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu", "/usr/share/fonts/TTF",
          "/usr/local/share/fonts/dejavu", "/usr/local/share/fonts"}) {
        dirs.emplace_back(d);
    }
    return dirs;
}

std::optional<std::filesystem::path> findFontFile(const std::string& fileName,
                                                  const std::vector<std::filesystem::path>& dirs) {
    for (const auto& dir : dirs) {
        std::error_code ec;
        const auto candidate = dir / fileName;
        if (std::filesystem::is_regular_file(candidate, ec)) {
            return candidate;
        }
    }
    return std::nullopt;
}

TextMetrics nominalMetrics(double points) {
    const int ppem = pixelsPerEm(points);
    TextMetrics m;
    m.ascent = (ppem * 93 + 99) / 100;
    m.descent = (ppem * 24 + 99) / 100;
    m.height = m.ascent + m.descent;
    m.aveCharWidth = std::max(1, (ppem * 59 + 50) / 100);
    m.maxCharWidth = std::max(1, ppem);
    return m;
}

FontLibrary::FontLibrary(std::vector<std::filesystem::path> directories)
    : ft_(std::make_unique<FreeTypeHandle>()), directories_(std::move(directories)) {
    if (FT_Init_FreeType(&ft_->library) != 0) {
        ft_->library = nullptr;
        error_ = "the FreeType library could not be initialised";
    }
}

FontLibrary::~FontLibrary() {
    // Faces go before the library that made them.
    faces_.clear();
}

FontLibrary& FontLibrary::shared() {
    static FontLibrary library(defaultFontDirectories());
    return library;
}

std::size_t FontLibrary::cachedFaces() const {
    std::lock_guard lock(mutex_);
    return faces_.size();
}

std::string FontLibrary::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

std::shared_ptr<const FaceInstance> FontLibrary::face(const Font& font) {
    const int ppem = pixelsPerEm(font.points);
    const std::string wanted = fontFileName(font);
    const std::string key = wanted + "@" + std::to_string(ppem);
    std::shared_ptr<const FaceInstance> evicted;  // let go after the lock
    std::lock_guard lock(mutex_);
    for (auto it = faces_.begin(); it != faces_.end(); ++it) {
        if (it->first == key) {
            faces_.splice(faces_.begin(), faces_, it);
            return it->second;
        }
    }
    if (ft_->library == nullptr) {
        return nullptr;
    }
    // A missing style falls back to the family's regular face, then to the
    // sans face; only when none is there is it an error.
    std::vector<std::string> names{wanted};
    Font plain = font;
    plain.bold = plain.italic = false;
    names.push_back(fontFileName(plain));
    names.emplace_back("DejaVuSans.ttf");
    std::optional<std::filesystem::path> file;
    for (const auto& name : names) {
        file = findFontFile(name, directories_);
        if (file) {
            break;
        }
    }
    if (!file) {
        std::string where;
        for (const auto& d : directories_) {
            where += (where.empty() ? "" : ", ") + d.string();
        }
        error_ = "font file " + wanted + " not found in " + where +
                 " (install fonts-dejavu-core or set BRENNIX_FONT_DIR)";
    } else {
        auto handle = std::make_unique<FaceInstance::FaceHandle>();
        if (FT_New_Face(ft_->library, file->c_str(), 0, &handle->face) != 0) {
            handle->face = nullptr;
            error_ = "font file " + file->string() + " could not be read";
        } else if (FT_Set_Pixel_Sizes(handle->face, 0, static_cast<FT_UInt>(ppem)) != 0) {
            error_ = "font file " + file->string() + " has no size " + std::to_string(ppem);
        } else {
            std::shared_ptr<const FaceInstance> instance(
                new FaceInstance(*this, std::move(handle), *file, ppem));
            faces_.emplace_front(key, instance);
            if (faces_.size() > kMaxFaces) {
                evicted = std::move(faces_.back().second);
                faces_.pop_back();
            }
            return instance;
        }
    }
    if (!reported_) {
        reported_ = true;
        std::fprintf(stderr, "brennix gfx: %s; text is not drawn\n", error_.c_str());
    }
    return nullptr;
}

FaceInstance::FaceInstance(FontLibrary& library, std::unique_ptr<FaceHandle> face,
                           std::filesystem::path file, int ppem)
    : library_(library), face_(std::move(face)), file_(std::move(file)), ppem_(ppem) {
    ascii_.reserve(0x7F - 0x20);
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        ascii_.push_back(render(c));
    }
    const FT_Face f = face_->face;
    const double units = f->units_per_EM > 0 ? f->units_per_EM : 2048;
    double ascender = f->ascender;
    double descender = -f->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
        os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        ascender = os2->usWinAscent;
        descender = os2->usWinDescent;
    }
    metrics_.ascent = static_cast<int>(std::lround(ascender * ppem / units));
    metrics_.descent = static_cast<int>(std::lround(descender * ppem / units));
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.aveCharWidth = glyph(U'x').advance;
    int widest = 0;
    for (const Glyph& g : ascii_) {
        widest = std::max(widest, g.advance);
    }
    for (char32_t c = 0xA0; c <= 0xFF; ++c) {
        widest = std::max(widest, render(c).advance);
    }
    metrics_.maxCharWidth = widest;
}

FaceInstance::~FaceInstance() {
    // A face may outlive the library's list; FreeType calls on one library
    // still take turns.
    std::lock_guard lock(library_.mutex_);
    face_.reset();
}

Glyph FaceInstance::render(char32_t c) const {
    Glyph g;
    const FT_Face f = face_->face;
    const FT_UInt index = FT_Get_Char_Index(f, static_cast<FT_ULong>(c));
    if (FT_Load_Glyph(f, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
        return g;
    }
    const FT_GlyphSlot slot = f->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_MONO) {
        return g;
    }
    for (unsigned row = 0; row < bm.rows; ++row) {
        const unsigned char* bits = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
        const auto dy = static_cast<std::int16_t>(static_cast<int>(row) - slot->bitmap_top);
        int runStart = -1;
        for (unsigned col = 0; col <= bm.width; ++col) {
            const bool on = col < bm.width && (bits[col >> 3] & (0x80 >> (col & 7))) != 0;
            if (on && runStart < 0) {
                runStart = static_cast<int>(col);
            } else if (!on && runStart >= 0) {
                g.spans.push_back(
                    {dy, static_cast<std::int16_t>(slot->bitmap_left + runStart),
                     static_cast<std::int16_t>(slot->bitmap_left + static_cast<int>(col))});
                runStart = -1;
            }
        }
    }
    return g;
}

const Glyph& FaceInstance::otherGlyph(char32_t c) const {
    std::lock_guard lock(library_.mutex_);
    auto it = others_.find(c);
    if (it == others_.end()) {
        it = others_.emplace(c, render(c)).first;
    }
    return it->second;
}

}  // namespace brennix::gfx
