#pragma once
// Store files come as UTF-16LE with a byte-order mark (the desktop editor),
// UTF-8, or single-byte text; everything inside the store is UTF-8.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::winreg {

enum class SourceEncoding { Utf8, Utf16, SingleByte };

struct DecodedText {
    std::string text;  // UTF-8, byte-order mark removed
    SourceEncoding encoding = SourceEncoding::Utf8;
};

struct DecodeError {
    int line = 0;
    std::string what;
};

// Returns false and fills `error` when the bytes are not text.
bool decodeStoreBytes(std::string_view bytes, DecodedText& out, DecodeError& error);

bool isValidUtf8(std::string_view text);
// Windows-1252, the single-byte code page of old exports.
std::string singleByteToUtf8(std::string_view text);
// Returns false on an odd byte count or a lone surrogate.
bool utf16leToUtf8(const std::vector<std::uint8_t>& bytes, std::string& out);
std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text);

}  // namespace brennix::winreg
