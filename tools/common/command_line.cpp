#include "tools/common/command_line.h"

#include <algorithm>

namespace brennix::tools {
namespace {

bool isOrdinary(std::string_view arg) {
    return arg.size() < 2 || arg.front() != '-' || (arg[1] >= '0' && arg[1] <= '9') ||
           (arg[1] == '.' && arg.size() > 2);
}

class Parser {
  public:
    Parser(const std::vector<std::string>& args, std::span<const OptionRule> rules)
        : args_(args), rules_(rules) {}

    ParsedArguments run() {
        bool optionsDone = false;
        for (i_ = 0; i_ < args_.size() && result_.ok(); ++i_) {
            const std::string& arg = args_[i_];
            if (optionsDone || isOrdinary(arg)) {
                result_.positional.push_back(arg);
            } else if (arg == "--") {
                optionsDone = true;
            } else if (arg.rfind("--", 0) == 0) {
                longOption(arg);
            } else {
                shortOptions(arg);
            }
        }
        return std::move(result_);
    }

  private:
    const OptionRule* byLong(std::string_view name) const {
        auto it = std::find_if(rules_.begin(), rules_.end(),
                               [&](const OptionRule& s) { return s.longName == name; });
        return it == rules_.end() ? nullptr : &*it;
    }

    const OptionRule* byShort(char name) const {
        auto it = std::find_if(rules_.begin(), rules_.end(),
                               [&](const OptionRule& s) { return s.shortName == name; });
        return it == rules_.end() ? nullptr : &*it;
    }

    void longOption(const std::string& arg) {
        std::string_view body = std::string_view(arg).substr(2);
        std::optional<std::string> inlineValue;
        if (auto eq = body.find('='); eq != std::string_view::npos) {
            inlineValue = std::string(body.substr(eq + 1));
            body = body.substr(0, eq);
        }
        const std::string spelling = "--" + std::string(body);
        const OptionRule* rule = byLong(body);
        if (rule == nullptr) {
            fail(ArgumentProblem::UnknownOption, inlineValue ? spelling : arg);
            return;
        }
        if (!rule->takesValue) {
            if (inlineValue) {
                fail(ArgumentProblem::UnwantedValue, spelling);
                return;
            }
            result_.options.push_back({rule->longName, spelling, std::nullopt});
            return;
        }
        if (!inlineValue && !nextValue(inlineValue)) {
            fail(ArgumentProblem::MissingValue, spelling, rule->valueNoun);
            return;
        }
        result_.options.push_back({rule->longName, spelling, inlineValue});
    }

    void shortOptions(const std::string& arg) {
        for (std::size_t k = 1; k < arg.size(); ++k) {
            const std::string spelling = std::string("-") + arg[k];
            const OptionRule* rule = byShort(arg[k]);
            if (rule == nullptr) {
                fail(ArgumentProblem::UnknownOption, k == 1 ? arg : spelling);
                return;
            }
            if (!rule->takesValue) {
                result_.options.push_back({rule->longName, spelling, std::nullopt});
                continue;
            }
            // The rest of the word is the value, as in -d1.
            std::optional<std::string> value;
            if (k + 1 < arg.size()) {
                value = arg.substr(k + 1);
            } else if (!nextValue(value)) {
                fail(ArgumentProblem::MissingValue, spelling, rule->valueNoun);
                return;
            }
            result_.options.push_back({rule->longName, spelling, value});
            return;
        }
    }

    bool nextValue(std::optional<std::string>& value) {
        if (i_ + 1 >= args_.size()) {
            return false;
        }
        value = args_[++i_];
        return true;
    }

    void fail(ArgumentProblem problem, const std::string& offending,
              std::string_view valueNoun = {}) {
        result_.problem = problem;
        result_.offending = offending;
        switch (problem) {
            case ArgumentProblem::UnknownOption:
                result_.error = "unknown option \"" + offending + "\"";
                break;
            case ArgumentProblem::MissingValue:
                result_.error = offending + " needs " + std::string(valueNoun);
                break;
            case ArgumentProblem::UnwantedValue:
                result_.error = offending + " takes no value";
                break;
            case ArgumentProblem::None:
                break;
        }
    }

    const std::vector<std::string>& args_;
    std::span<const OptionRule> rules_;
    std::size_t i_ = 0;
    ParsedArguments result_;
};

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args,
                               std::span<const OptionRule> rules) {
    return Parser(args, rules).run();
}

}  // namespace brennix::tools
