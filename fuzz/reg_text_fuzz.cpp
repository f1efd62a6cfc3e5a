// The registry-export reader and writer: whatever reads, written and read
// again, holds the same keys and values, and writing it again changes nothing.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/winreg/reg_text.h"

namespace {

using namespace brennix::winreg;

bool sameContent(const KeyNode& a, const KeyNode& b) {
    if (a.name != b.name || a.values.size() != b.values.size() ||
        a.subkeys.size() != b.subkeys.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const Value& x = a.values[i];
        const Value& y = b.values[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.subkeys.size(); ++i) {
        if (!sameContent(a.subkeys[i], b.subkeys[i])) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void fault(const char* what, const std::string& text) {
    std::fprintf(stderr, "reg_text_fuzz: %s\n--- written ---\n%s\n", what, text.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Document document;
    ParseError error;
    if (!parseRegText(bytes, document, error)) {
        if (error.message.empty()) {
            fault("a refusal without a reason", std::string(bytes));
        }
        return 0;
    }
    const std::string written = formatRegText(document);
    Document again;
    if (!parseRegText(written, again, error)) {
        fault(("the writer's text does not read: line " + std::to_string(error.line) + ": " +
               error.message)
                  .c_str(),
              written);
    }
    if (!sameContent(document.top, again.top)) {
        fault("read again, the content differs", written);
    }
    if (formatRegText(again) != written) {
        fault("written twice, the text differs", written);
    }
    return 0;
}
