#pragma once
// The brennix-render command line.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/geometry.h"

namespace brennix::render {

struct RenderOptions {
    std::string identifier;  // programmatic identifier or type-library alias
    std::vector<std::pair<std::string, std::string>> assignments;  // NAME=VALUE, in order
    std::vector<std::pair<std::string, std::string>> calls;        // METHOD and its ARGS text
    std::optional<gfx::Size> size;
    std::string propertiesFile;
    std::string output;
    bool design = false;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    std::optional<RenderOptions> options;
    std::string error;  // a wrong command line, when there are no options
};

extern const char* const kRenderUsage;

ParsedOptions parseRenderOptions(const std::vector<std::string>& args);

}  // namespace brennix::render
