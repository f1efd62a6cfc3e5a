// The tools' command-line reader: arguments split at NUL bytes, read against
// the kinds of option the tools declare. Every outcome is either a clean
// parse or a named problem with the option at fault.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/common/command_line.h"

namespace {

using brennix::tools::OptionRule;

constexpr OptionRule kRules[] = {
    {"device", 'd', true, "a device number"},
    {"channel", 'c', true},
    {"csv", 0, true, "a file name"},
    {"create-store", 0, false},
    {"verbose", 'v', false},
    {"unregister", 'u', false},
    {"s", 's', false},
    {"help", 'h', false},
    {"size", 0, true, "WxH"},
};

[[noreturn]] void fault(const char* what) {
    std::fprintf(stderr, "command_line_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);
    const auto parsed = brennix::tools::parseArguments(args, kRules);
    if (parsed.ok() != parsed.error.empty()) {
        fault("the outcome and its message disagree");
    }
    if (!parsed.ok() && parsed.offending.empty()) {
        fault("a problem without the option at fault");
    }
    // Bundled flags give one option a letter; nothing gives more.
    if (parsed.options.size() + parsed.positional.size() > size + 1) {
        fault("more results than the arguments have letters");
    }
    for (const auto& option : parsed.options) {
        bool known = false;
        for (const auto& rule : kRules) {
            if (rule.longName == option.name) {
                known = true;
                if (rule.takesValue != option.value.has_value()) {
                    fault("a value given to an option that takes none, or none to one that does");
                }
            }
        }
        if (!known) {
            fault("an option no rule names");
        }
    }
    return 0;
}
