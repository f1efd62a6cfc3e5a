#pragma once
// The boards the tool measures with, and what their converter codes mean in
// volts for the range or gain in force.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brennix::acquire {

// Vexa boards select an input range; Olmi and Senu boards a gain.
enum class BoardFamily { Vexa, Olmi, Senu };

// The family of a board name as the device store holds it, exactly.
std::optional<BoardFamily> familyOfBoard(std::string_view boardName);
std::string_view boardNameOf(BoardFamily family);

// Highest input channel a board offers (Vexa differential inputs pair
// channel n with n + 8, so only 0 to 7 are theirs).
int highestChannel(BoardFamily family, bool differential);
bool hasDma(BoardFamily family);

// A converter span: code 0 reads `low`, code 4095 reads `high`.
struct InputScale {
    double low = -5.0;
    double high = 5.0;
    std::string label;  // "+/-5 V", "0 to 10 V"
};

inline constexpr int kVexaRangeCodes = 9;  // 0 to 8
inline constexpr int kGainCodes = 5;       // gains 1, 2, 4, 8 and 16

// Range codes of the Vexa board: 0 to 3 bipolar 5 V halving, 4 to 7
// unipolar 10 V halving, 8 bipolar 10 V.
std::optional<InputScale> vexaRange(int code);
// Gain codes 0 to 4 (gain 1 to 16) on the +/-5 V converter.
std::optional<InputScale> gainRange(int code);

// "--range": a code 0 to 8, or a name such as bip5, bip0.625, uni10, bip10.
std::optional<int> parseRangeCode(std::string_view text);
// "--gain": 1, 2, 4, 8 or 16, giving the code 0 to 4.
std::optional<int> parseGainCode(std::string_view text);
std::string_view rangeName(int code);

// The volts a sample stands for; only its low 12 bits are the conversion.
double voltsOf(std::int32_t raw, const InputScale& scale);

}  // namespace brennix::acquire
