#pragma once
// The analog-input control's texts for a failed programming step, shown by
// the boards' adapters in the order their drivers are programmed.

#include <string_view>

namespace brennix::daq::text {

inline constexpr std::string_view kSetGainError = "Set gain error";
inline constexpr std::string_view kSerGainError = "Ser gain error";
inline constexpr std::string_view kSetRangeError = "Set range error";
inline constexpr std::string_view kRangeSeeManual = "Set range error,see manual about this board";
inline constexpr std::string_view kSetInputModeError = "Set input mode error";
inline constexpr std::string_view kSetModeError = "Set mode error";
inline constexpr std::string_view kInvalidIrq = "Invalid IRQ number,see manual about this board";

}  // namespace brennix::daq::text
