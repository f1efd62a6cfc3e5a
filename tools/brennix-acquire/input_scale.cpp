#include "tools/brennix-acquire/input_scale.h"

#include <array>
#include <charconv>

namespace brennix::acquire {
namespace {

constexpr std::array<std::string_view, kVexaRangeCodes> kRangeNames = {
    "bip5", "bip2.5", "bip1.25", "bip0.625", "uni10", "uni5", "uni2.5", "uni1.25", "bip10"};
constexpr std::array<std::string_view, kVexaRangeCodes> kRangeLabels = {
    "+/-5 V",   "+/-2.5 V",   "+/-1.25 V",   "+/-0.625 V", "0 to 10 V",
    "0 to 5 V", "0 to 2.5 V", "0 to 1.25 V", "+/-10 V"};
constexpr std::array<std::string_view, kGainCodes> kGainLabels = {
    "+/-5 V (gain 1)", "+/-2.5 V (gain 2)", "+/-1.25 V (gain 4)", "+/-0.625 V (gain 8)",
    "+/-0.3125 V (gain 16)"};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<BoardFamily> familyOfBoard(std::string_view boardName) {
    if (boardName == "Brax-VexaL") {
        return BoardFamily::Vexa;
    }
    if (boardName == "Brax-Olmi") {
        return BoardFamily::Olmi;
    }
    if (boardName == "Brax-Senu") {
        return BoardFamily::Senu;
    }
    return std::nullopt;
}

std::string_view boardNameOf(BoardFamily family) {
    switch (family) {
        case BoardFamily::Vexa:
            return "Brax-VexaL";
        case BoardFamily::Olmi:
            return "Brax-Olmi";
        case BoardFamily::Senu:
            break;
    }
    return "Brax-Senu";
}

int highestChannel(BoardFamily family, bool differential) {
    switch (family) {
        case BoardFamily::Vexa:
            return differential ? 7 : 15;
        case BoardFamily::Olmi:
            return 15;
        case BoardFamily::Senu:
            break;
    }
    return 7;
}

bool hasDma(BoardFamily family) {
    return family == BoardFamily::Vexa;
}

std::optional<InputScale> vexaRange(int code) {
    if (code < 0 || code >= kVexaRangeCodes) {
        return std::nullopt;
    }
    std::string label(kRangeLabels[static_cast<std::size_t>(code)]);
    if (code <= 3) {
        double span = 5.0 / static_cast<double>(1 << code);
        return InputScale{-span, span, label};
    }
    if (code <= 7) {
        return InputScale{0.0, 10.0 / static_cast<double>(1 << (code - 4)), label};
    }
    return InputScale{-10.0, 10.0, label};
}

std::optional<InputScale> gainRange(int code) {
    if (code < 0 || code >= kGainCodes) {
        return std::nullopt;
    }
    double span = 5.0 / static_cast<double>(1 << code);
    return InputScale{-span, span, std::string(kGainLabels[static_cast<std::size_t>(code)])};
}

std::optional<int> parseRangeCode(std::string_view text) {
    for (std::size_t i = 0; i < kRangeNames.size(); ++i) {
        if (text == kRangeNames[i]) {
            return static_cast<int>(i);
        }
    }
    auto code = wholeNumber(text);
    if (code && *code >= 0 && *code < kVexaRangeCodes) {
        return code;
    }
    return std::nullopt;
}

std::optional<int> parseGainCode(std::string_view text) {
    auto gain = wholeNumber(text);
    if (!gain) {
        return std::nullopt;
    }
    for (int code = 0; code < kGainCodes; ++code) {
        if (*gain == 1 << code) {
            return code;
        }
    }
    return std::nullopt;
}

std::string_view rangeName(int code) {
    if (code < 0 || code >= kVexaRangeCodes) {
        return {};
    }
    return kRangeNames[static_cast<std::size_t>(code)];
}

double voltsOf(std::int32_t raw, const InputScale& scale) {
    auto code = static_cast<double>(raw & 0x0FFF);
    return scale.low + code * (scale.high - scale.low) / 4095.0;
}

}  // namespace brennix::acquire
