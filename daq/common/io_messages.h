#pragma once
// Texts shown with the same words by more than one of the output, digital,
// pulse and counter controls.

#include <string_view>

namespace brennix::daq::text {

inline constexpr std::string_view kInvalidBoardType = "Invalid board type";

// Digital input and output.
inline constexpr std::string_view kPortRange = "Port must between 0 to 17";
inline constexpr std::string_view kBitRange = "Bit must between 0 to 7";
inline constexpr std::string_view kPortNumberError = "Port number error";

// Pulse output and counter.
inline constexpr std::string_view kInvalidChannel = "Invalid Channel";

}  // namespace brennix::daq::text
