#pragma once
// Command-line options as the tools take them: --name, --name=value and
// --name value; -x, -xVALUE and -x VALUE; flags bundled as -us; "--" ends
// the options. A lone "-" (standard input or output) and a dash before a
// digit (a negative number) are ordinary arguments.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::tools {

struct OptionRule {
    std::string_view longName;  // without the dashes: "device"
    char shortName = 0;         // 'd', or 0 for none
    bool takesValue = false;
    // How a missing value is named in the error: "a file name".
    std::string_view valueNoun = "a value";
};

struct GivenOption {
    std::string_view name;  // the long name of its rule
    std::string spelling;   // as written, for messages: "-d", "--device"
    std::optional<std::string> value;
};

enum class ArgumentProblem { None, UnknownOption, MissingValue, UnwantedValue };

struct ParsedArguments {
    std::vector<GivenOption> options;  // in the order given
    std::vector<std::string> positional;
    ArgumentProblem problem = ArgumentProblem::None;
    std::string offending;  // the option as written, when there is a problem
    std::string error;      // the problem in words; empty when the line parsed
    bool ok() const { return problem == ArgumentProblem::None; }
};

ParsedArguments parseArguments(const std::vector<std::string>& args,
                               std::span<const OptionRule> rules);

}  // namespace brennix::tools
