#pragma once
// Reading and writing the registry export text.

#include <string>
#include <string_view>

#include "platform/winreg/document.h"
#include "platform/winreg/text_encoding.h"

namespace brennix::winreg {

struct ParseError {
    int line = 0;  // 1-based; 0 when no line is to blame
    std::string message;
};

// `bytes` is the file as stored; returns false with the first fault found.
bool parseRegText(std::string_view bytes, Document& out, ParseError& error);

// UTF-8, version 5 header, CRLF line ends.
std::string formatRegText(const Document& document);

// The data part of a value line as the writer produces it, e.g.
// dword:0000012c, "text", hex(2):41,00,00,00.
std::string formatValueData(const Value& value);

}  // namespace brennix::winreg
