#include "platform/winreg/text_encoding.h"

#include <array>

namespace brennix::winreg {
namespace {

// Code points of 0x80-0x9F in Windows-1252; 0 where the page has none.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at `i`; returns false on a malformed sequence.
bool nextUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = byte(i);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::array<char32_t, 4> kMinimum = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[static_cast<std::size_t>(extra)] || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

bool decodeUtf16(std::string_view bytes, bool bigEndian, std::string& out, DecodeError& error) {
    int line = 1;
    if (bytes.size() % 2 != 0) {
        error = {0, "odd number of bytes in UTF-16 text"};
        return false;
    }
    auto unit = [&](std::size_t k) {
        auto b0 = static_cast<unsigned char>(bytes[k]);
        auto b1 = static_cast<unsigned char>(bytes[k + 1]);
        return static_cast<char32_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    };
    for (std::size_t k = 0; k < bytes.size(); k += 2) {
        char32_t cp = unit(k);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            char32_t low = k + 2 < bytes.size() ? unit(k + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF) {
                error = {line, "unpaired UTF-16 surrogate"};
                return false;
            }
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            k += 2;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            error = {line, "unpaired UTF-16 surrogate"};
            return false;
        }
        if (cp == U'\n') {
            ++line;
        }
        appendUtf8(out, cp);
    }
    return true;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < text.size()) {
        if (!nextUtf8(text, i, cp)) {
            return false;
        }
    }
    return true;
}

std::string singleByteToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0) {
            cp = kCp1252High[b - 0x80];
        }
        appendUtf8(out, cp);
    }
    return out;
}

bool decodeStoreBytes(std::string_view bytes, DecodedText& out, DecodeError& error) {
    out = {};
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        out.encoding = SourceEncoding::Utf16;
        return decodeUtf16(bytes.substr(2), false, out.text, error);
    }
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
        out.encoding = SourceEncoding::Utf16;
        return decodeUtf16(bytes.substr(2), true, out.text, error);
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
        if (!isValidUtf8(bytes)) {
            error = {0, "invalid UTF-8 after a UTF-8 byte-order mark"};
            return false;
        }
        out.text = std::string(bytes);
        return true;
    }
    if (isValidUtf8(bytes)) {
        out.text = std::string(bytes);
        return true;
    }
    out.encoding = SourceEncoding::SingleByte;
    out.text = singleByteToUtf8(bytes);
    return true;
}

bool utf16leToUtf8(const std::vector<std::uint8_t>& bytes, std::string& out) {
    DecodeError ignored;
    out.clear();
    std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return decodeUtf16(view, false, out, ignored);
}

std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text) {
    std::vector<std::uint8_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!nextUtf8(text, i, cp)) {
            cp = static_cast<unsigned char>(text[i]);  // keep stray bytes as Latin-1
            ++i;
        }
        auto put = [&](char32_t u) {
            out.push_back(static_cast<std::uint8_t>(u & 0xFF));
            out.push_back(static_cast<std::uint8_t>(u >> 8));
        };
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

}  // namespace brennix::winreg
