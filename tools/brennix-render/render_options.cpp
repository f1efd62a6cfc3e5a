#include "tools/brennix-render/render_options.h"

#include <charconv>

#include "tools/common/command_line.h"

namespace brennix::render {
namespace {

using tools::OptionRule;

constexpr OptionRule kRules[] = {
    {"output", 'o', true, "a file name"},
    {"size", 's', true, "a size such as 320x200"},
    {"properties", 'p', true, "a file name"},
    {"call", 'c', true, "a method name"},
    {"design", 0},
    {"help", 'h'},
    {"version"},
};

// The largest picture: plenty for a control, and no runaway allocation.
constexpr int kMaxSide = 8192;

std::optional<gfx::Size> sizeFrom(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) {
        return std::nullopt;
    }
    gfx::Size size;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    auto [w, ew] = std::from_chars(begin, begin + x, size.cx);
    auto [h, eh] = std::from_chars(begin + x + 1, end, size.cy);
    if (ew != std::errc() || eh != std::errc() || w != begin + x || h != end || x == 0 ||
        size.cx < 1 || size.cy < 1 || size.cx > kMaxSide || size.cy > kMaxSide) {
        return std::nullopt;
    }
    return size;
}

}  // namespace

const char* const kRenderUsage =
    "Usage: brennix-render [OPTIONS] -o FILE IDENTIFIER [NAME=VALUE]...\n"
    "Renders one control, created by its programmatic identifier (TRENDWICK.ChartCtrl.1)\n"
    "or type-library alias (PANELMOORLib.Knob), into a PNG file, without a display.\n"
    "\n"
    "  -o, --output FILE        the PNG to write\n"
    "  -s, --size WxH           the control's size in pixels [its default extent]; a\n"
    "                           control that keeps its shape adjusts it\n"
    "  -p, --properties FILE    load a saved property document first\n"
    "  -c, --call METHOD[=ARGS] call a method after the assignments, in order; arguments\n"
    "                           are separated by ';', an array is numbers separated by\n"
    "                           commas (--call InitControl --call PlotCharts=1.5,2.5)\n"
    "      --design             render as a form being designed (hardware controls\n"
    "                           show their picture)\n"
    "  -h, --help               show this text\n"
    "      --version            show the version\n"
    "\n"
    "NAME=VALUE sets a property after the document: numbers, true or false, colours as\n"
    "#rrggbb, coded values by number or value name (UpdateMode=UM_Scope). The control\n"
    "libraries are found in $BRENNIX_CONTROL_PATH (folders separated by ':') and in the\n"
    "lib folder beside the program's folder. The control's messages go to standard\n"
    "error.\n"
    "\n"
    "Exit status: 0 written, 1 the control, a value, a call or the file failed, 2 a\n"
    "wrong command line.\n";

ParsedOptions parseRenderOptions(const std::vector<std::string>& args) {
    tools::ParsedArguments parsed = tools::parseArguments(args, kRules);
    RenderOptions options;
    for (const auto& option : parsed.options) {
        options.help = options.help || option.name == "help";
        options.version = options.version || option.name == "version";
    }
    if (options.help || options.version) {
        return {options, {}};
    }
    if (!parsed.ok()) {
        return {std::nullopt, parsed.error};
    }
    for (const auto& option : parsed.options) {
        const std::string& value = option.value.value_or("");
        if (option.name == "output") {
            options.output = value;
        } else if (option.name == "properties") {
            options.propertiesFile = value;
        } else if (option.name == "design") {
            options.design = true;
        } else if (option.name == "size") {
            options.size = sizeFrom(value);
            if (!options.size) {
                return {std::nullopt, option.spelling + " takes WIDTHxHEIGHT in pixels, 1 to " +
                                          std::to_string(kMaxSide) + ", not \"" + value + "\""};
            }
        } else if (option.name == "call") {
            const auto equals = value.find('=');
            const std::string method = value.substr(0, equals);
            if (method.empty()) {
                return {std::nullopt, option.spelling + " needs a method name"};
            }
            options.calls.emplace_back(
                method, equals == std::string::npos ? std::string() : value.substr(equals + 1));
        }
    }
    if (parsed.positional.empty()) {
        return {std::nullopt, "no control identifier given"};
    }
    options.identifier = parsed.positional.front();
    for (std::size_t i = 1; i < parsed.positional.size(); ++i) {
        const std::string& word = parsed.positional[i];
        const auto equals = word.find('=');
        if (equals == std::string::npos || equals == 0) {
            return {std::nullopt, "\"" + word + "\" is not a NAME=VALUE assignment"};
        }
        options.assignments.emplace_back(word.substr(0, equals), word.substr(equals + 1));
    }
    if (options.output.empty()) {
        return {std::nullopt, "no output file given (-o FILE)"};
    }
    return {options, {}};
}

}  // namespace brennix::render
