#pragma once
// UTF-8 decoding for text output: malformed bytes come out as U+FFFD, one
// per byte, so no input can stall or overrun the decoder.

#include <cstdint>
#include <string_view>

namespace brennix::gfx {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point at text[pos] and advances pos past it.
inline char32_t nextCodepoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
        least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
        least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
        least = 0x10000;
    } else {
        ++pos;
        return kReplacementChar;
    }
    if (text.size() - pos <= static_cast<std::size_t>(extra)) {
        ++pos;
        return kReplacementChar;
    }
    for (int i = 1; i <= extra; ++i) {
        const unsigned char b = byte(pos + static_cast<std::size_t>(i));
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacementChar;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacementChar;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

template <class F>
void forEachCodepoint(std::string_view text, F&& f) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        f(nextCodepoint(text, pos));
    }
}

}  // namespace brennix::gfx
