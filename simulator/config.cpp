#include "simulator/config.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

namespace brennix::sim {
namespace {

struct NamedType {
    std::string_view name;
    BoardType type;
};
constexpr NamedType kBoardTypes[] = {{"vexa", BoardType::Vexa},
                                     {"olmi", BoardType::Olmi},
                                     {"senu", BoardType::Senu},
                                     {"dorv", BoardType::Dorv}};

struct NamedWave {
    std::string_view name;
    Waveform waveform;
};
constexpr NamedWave kWaveforms[] = {
    {"constant", Waveform::Constant}, {"sine", Waveform::Sine}, {"square", Waveform::Square},
    {"triangle", Waveform::Triangle}, {"ramp", Waveform::Ramp}, {"noise", Waveform::Noise}};

std::string_view trim(std::string_view text) {
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        auto start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        auto end = text.find_first_of(" \t", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        out.push_back(text.substr(start, end - start));
        at = end;
    }
    return out;
}

bool parseUnsigned(std::string_view text, std::uint64_t limit, std::uint64_t& value) {
    std::string copy(text);
    if (copy.empty() || copy[0] == '-' || copy[0] == '+') {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    unsigned long long parsed = std::strtoull(copy.c_str(), &end, 0);
    if (errno != 0 || end == copy.c_str() || *end != '\0' || parsed > limit) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseNumber(std::string_view text, double& value) {
    std::string copy(text);
    if (copy.empty()) {
        return false;
    }
    char* end = nullptr;
    double parsed = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || *end != '\0' || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

class Parser {
  public:
    ConfigResult run(std::string_view text) {
        std::size_t at = 0;
        while (at <= text.size() && error_.empty()) {
            auto end = text.find('\n', at);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            ++line_;
            handle(text.substr(at, end - at));
            at = end + 1;
        }
        if (error_.empty()) {
            finishBoard();
        }
        if (error_.empty()) {
            checkLayout();
        }
        if (!error_.empty()) {
            return {std::nullopt, error_};
        }
        return {std::move(config_), {}};
    }

  private:
    void fail(std::string message, int line = 0) {
        if (error_.empty()) {
            error_ = "line " + std::to_string(line ? line : line_) + ": " + message;
        }
    }

    void handle(std::string_view raw) {
        auto hash = raw.find('#');
        std::string_view text = trim(hash == std::string_view::npos ? raw : raw.substr(0, hash));
        if (text.empty()) {
            return;
        }
        if (text == "[board]") {
            finishBoard();
            board_ = BoardConfig{};
            boardLine_ = line_;
            hasType_ = hasBase_ = false;
            inBoard_ = true;
            return;
        }
        if (text.front() == '[') {
            fail("unknown section " + std::string(text) + " (only [board] exists)");
            return;
        }
        auto equals = text.find('=');
        if (equals == std::string_view::npos) {
            fail("expected 'key = value', got '" + std::string(text) + "'");
            return;
        }
        std::string_view key = trim(text.substr(0, equals));
        std::string_view value = trim(text.substr(equals + 1));
        if (inBoard_) {
            boardSetting(key, value);
        } else {
            globalSetting(key, value);
        }
    }

    void globalSetting(std::string_view key, std::string_view value) {
        std::uint64_t number = 0;
        if (key == "pic-master-mask" || key == "pic-slave-mask") {
            if (!parseUnsigned(value, 0xFF, number)) {
                fail(std::string(key) + " must be a byte (0 to 0xFF), got '" + std::string(value) +
                     "'");
                return;
            }
            (key == "pic-master-mask" ? config_.masterMask : config_.slaveMask) =
                static_cast<std::uint8_t>(number);
        } else if (key == "journal") {
            if (!parseUnsigned(value, 1ULL << 32, number)) {
                fail("journal must be an entry count, got '" + std::string(value) + "'");
                return;
            }
            config_.journalCapacity = static_cast<std::size_t>(number);
        } else {
            fail("unknown setting '" + std::string(key) + "' outside a [board] section");
        }
    }

    bool unsignedSetting(std::string_view key, std::string_view value, std::uint64_t low,
                         std::uint64_t high, std::uint32_t& target) {
        std::uint64_t number = 0;
        if (!parseUnsigned(value, high, number) || number < low) {
            fail(std::string(key) + " must be a whole number from " + std::to_string(low) + " to " +
                 std::to_string(high) + ", got '" + std::string(value) + "'");
            return false;
        }
        target = static_cast<std::uint32_t>(number);
        return true;
    }

    void boardSetting(std::string_view key, std::string_view value) {
        std::uint64_t number = 0;
        if (key == "type") {
            for (const auto& entry : kBoardTypes) {
                if (entry.name == value) {
                    board_.type = entry.type;
                    hasType_ = true;
                    return;
                }
            }
            fail("unknown board type '" + std::string(value) + "' (vexa, olmi, senu or dorv)");
        } else if (key == "base") {
            if (!parseUnsigned(value, 0xFFFF - 15, number)) {
                fail("base must be a port address up to 0xFFF0, got '" + std::string(value) + "'");
                return;
            }
            board_.base = static_cast<hw::PortAddress>(number);
            hasBase_ = true;
        } else if (key == "counter-clock") {
            unsignedSetting(key, value, 1, 100'000'000, board_.counterClockHz);
        } else if (key == "counter0-clock") {
            unsignedSetting(key, value, 1, 100'000'000, board_.counter0ClockHz);
        } else if (key == "conversion-reads") {
            unsignedSetting(key, value, 0, 1'000'000, board_.conversionReads);
        } else if (key == "conversion-time") {
            unsignedSetting(key, value, 0, 1'000'000, board_.conversionMicroseconds);
        } else if (key == "interrupt-rate") {
            unsignedSetting(key, value, 1, 1'000'000, board_.interruptRateHz);
        } else if (key == "digital-loopback") {
            if (value == "yes" || value == "on" || value == "true") {
                board_.digitalLoopback = true;
            } else if (value == "no" || value == "off" || value == "false") {
                board_.digitalLoopback = false;
            } else {
                fail("digital-loopback must be yes or no, got '" + std::string(value) + "'");
            }
        } else if (key == "digital-input") {
            auto parts = words(value);
            std::uint64_t low = 0;
            std::uint64_t high = 0;
            if (parts.size() != 2 || !parseUnsigned(parts[0], 0xFF, low) ||
                !parseUnsigned(parts[1], 0xFF, high)) {
                fail("digital-input must be two bytes (port 0, port 1), got '" +
                     std::string(value) + "'");
                return;
            }
            board_.digitalInput = {static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
        } else if (key.substr(0, 7) == "channel") {
            channelSetting(trim(key.substr(7)), value);
        } else {
            fail("unknown board setting '" + std::string(key) + "'");
        }
    }

    void channelSetting(std::string_view which, std::string_view value) {
        if (!which.empty() && which.front() == 's') {
            which = trim(which.substr(1));  // "channels 0-7"
        }
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        auto dash = which.find('-');
        bool ok = dash == std::string_view::npos
                      ? parseUnsigned(which, 15, first)
                      : parseUnsigned(which.substr(0, dash), 15, first) &&
                            parseUnsigned(which.substr(dash + 1), 15, last);
        if (dash == std::string_view::npos) {
            last = first;
        }
        if (!ok || last < first) {
            fail("channel must be 0 to 15 or a range like 2-7, got '" + std::string(which) + "'");
            return;
        }
        SignalConfig signal;
        if (!parseSignal(value, signal)) {
            return;
        }
        for (auto channel = first; channel <= last; ++channel) {
            board_.channels[channel] = signal;
        }
    }

    bool parseSignal(std::string_view value, SignalConfig& signal) {
        auto parts = words(value);
        if (parts.empty()) {
            fail("a channel needs a waveform (constant, sine, square, triangle, ramp, noise)");
            return false;
        }
        bool known = false;
        for (const auto& entry : kWaveforms) {
            if (entry.name == parts[0]) {
                signal.waveform = entry.waveform;
                known = true;
            }
        }
        if (!known) {
            fail("unknown waveform '" + std::string(parts[0]) +
                 "' (constant, sine, square, triangle, ramp, noise)");
            return false;
        }
        for (std::size_t i = 1; i < parts.size(); ++i) {
            auto equals = parts[i].find('=');
            double number = 0.0;
            if (equals == std::string_view::npos) {
                // "constant 2.5" names the level directly.
                if (signal.waveform == Waveform::Constant && i == 1 &&
                    parseNumber(parts[i], number)) {
                    signal.offset = number;
                    continue;
                }
                fail("expected name=value in the signal, got '" + std::string(parts[i]) + "'");
                return false;
            }
            std::string_view name = parts[i].substr(0, equals);
            std::string_view text = parts[i].substr(equals + 1);
            if (!parseNumber(text, number)) {
                fail("signal " + std::string(name) + " must be a number, got '" +
                     std::string(text) + "'");
                return false;
            }
            if (name == "amplitude") {
                signal.amplitude = number;
            } else if (name == "offset" || name == "level") {
                signal.offset = number;
            } else if (name == "frequency") {
                if (number < 0) {
                    fail("signal frequency must not be negative");
                    return false;
                }
                signal.frequencyHz = number;
            } else if (name == "phase") {
                signal.phaseDegrees = number;
            } else if (name == "seed") {
                // Converting a number no 32 bits hold would be undefined.
                const double magnitude = std::fabs(number);
                if (magnitude > 4294967295.0) {
                    fail("signal seed must be at most 4294967295");
                    return false;
                }
                signal.seed = static_cast<std::uint32_t>(magnitude);
            } else {
                fail("unknown signal setting '" + std::string(name) +
                     "' (amplitude, offset, level, frequency, phase, seed)");
                return false;
            }
        }
        return true;
    }

    void finishBoard() {
        if (!inBoard_) {
            return;
        }
        inBoard_ = false;
        if (!hasType_ || !hasBase_) {
            fail(std::string("the board has no ") + (hasType_ ? "base" : "type"), boardLine_);
            return;
        }
        config_.boards.push_back(board_);
        boardLines_.push_back(boardLine_);
    }

    void checkLayout() {
        const auto& boards = config_.boards;
        for (std::size_t i = 0; i < boards.size(); ++i) {
            unsigned start = boards[i].base;
            unsigned end = start + boardSpan(boards[i].type);
            for (unsigned pic : {0x20U, 0x21U, 0xA0U, 0xA1U}) {
                if (pic >= start && pic < end) {
                    fail("the board overlaps the interrupt controller ports", boardLines_[i]);
                    return;
                }
            }
            for (std::size_t j = 0; j < i; ++j) {
                unsigned otherStart = boards[j].base;
                unsigned otherEnd = otherStart + boardSpan(boards[j].type);
                if (start < otherEnd && otherStart < end) {
                    fail("the board's ports overlap those of the board on line " +
                             std::to_string(boardLines_[j]),
                         boardLines_[i]);
                    return;
                }
            }
        }
    }

    SimulatorConfig config_{};
    BoardConfig board_{};
    bool inBoard_ = false;
    bool hasType_ = false;
    bool hasBase_ = false;
    int line_ = 0;
    int boardLine_ = 0;
    std::vector<int> boardLines_;
    std::string error_;
};

SignalConfig wave(Waveform waveform, double amplitude, double frequency, double offset = 0.0) {
    SignalConfig signal;
    signal.waveform = waveform;
    signal.amplitude = amplitude;
    signal.frequencyHz = frequency;
    signal.offset = offset;
    return signal;
}

}  // namespace

std::string_view boardTypeName(BoardType type) {
    for (const auto& entry : kBoardTypes) {
        if (entry.type == type) {
            return entry.name;
        }
    }
    return "unknown";
}

std::optional<BoardType> boardTypeFromName(std::string_view name) {
    for (const auto& entry : kBoardTypes) {
        if (entry.name == name) {
            return entry.type;
        }
    }
    return std::nullopt;
}

BoardConfig makeBoard(BoardType type, hw::PortAddress base) {
    BoardConfig board;
    board.type = type;
    board.base = base;
    return board;
}

SimulatorConfig defaultConfig() {
    SimulatorConfig config;
    // Slow signals on the demonstration board, so a person sees them move.
    BoardConfig olmi = makeBoard(BoardType::Olmi, 0x220);
    olmi.channels[0] = wave(Waveform::Sine, 4.0, 0.2);
    olmi.channels[1] = wave(Waveform::Triangle, 3.0, 0.1);
    olmi.channels[2] = wave(Waveform::Square, 2.5, 1.0);
    olmi.channels[3] = wave(Waveform::Ramp, 4.0, 0.5);
    olmi.channels[4] = wave(Waveform::Noise, 0.5, 1.0);
    olmi.channels[5] = wave(Waveform::Constant, 0.0, 0.0, 1.5);
    olmi.digitalLoopback = true;
    config.boards.push_back(olmi);

    // Faster ones where blocks are acquired at kilosamples per second.
    BoardConfig vexa = makeBoard(BoardType::Vexa, 0x300);
    vexa.channels[0] = wave(Waveform::Sine, 4.0, 10.0);
    vexa.channels[1] = wave(Waveform::Square, 2.0, 5.0);
    vexa.channels[2] = wave(Waveform::Triangle, 4.5, 2.0);
    vexa.channels[3] = wave(Waveform::Ramp, 4.0, 1.0);
    vexa.channels[4] = wave(Waveform::Noise, 1.0, 1.0);
    vexa.channels[5] = wave(Waveform::Constant, 0.0, 0.0, 2.5);
    vexa.digitalLoopback = true;
    config.boards.push_back(vexa);

    BoardConfig senu = makeBoard(BoardType::Senu, 0x280);
    senu.channels[0] = wave(Waveform::Sine, 2.0, 1.0);
    senu.channels[1] = wave(Waveform::Triangle, 3.0, 0.5);
    senu.channels[2] = wave(Waveform::Constant, 0.0, 0.0, -1.0);
    senu.digitalLoopback = true;
    config.boards.push_back(senu);

    BoardConfig dorv = makeBoard(BoardType::Dorv, 0x2C0);
    dorv.digitalLoopback = true;
    config.boards.push_back(dorv);
    return config;
}

ConfigResult parseConfig(std::string_view text) {
    return Parser{}.run(text);
}

ConfigResult loadConfigFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {std::nullopt, "cannot read " + path};
    }
    std::ostringstream text;
    text << file.rdbuf();
    ConfigResult result = parseConfig(text.str());
    if (!result.config) {
        result.error = path + ": " + result.error;
    }
    return result;
}

SimulatorConfig configFromEnvironment() {
    const char* path = std::getenv("BRENNIX_SIM_CONFIG");
    if (path == nullptr || *path == '\0') {
        return defaultConfig();
    }
    ConfigResult result = loadConfigFile(path);
    if (!result.config) {
        std::fprintf(stderr, "brennix simulator: %s; using the built-in boards\n",
                     result.error.c_str());
        return defaultConfig();
    }
    return *result.config;
}

}  // namespace brennix::sim
