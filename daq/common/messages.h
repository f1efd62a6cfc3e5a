#pragma once
// The device messages every hardware control shows with the same words.

#include <string_view>

namespace brennix::daq::text {

inline constexpr std::string_view kCantOpenKey = "Error: Can't open correlative hKEY!";
inline constexpr std::string_view kCantCreateKey = "Error: Can't create correlative hKEY!";
inline constexpr std::string_view kReadSettingsError =
    "Read device initialize parameters from Registry error";
inline constexpr std::string_view kCardNumberError = "Initial read CardNumber error";
inline constexpr std::string_view kInvalidBoardNumber = "Invalid board number";
inline constexpr std::string_view kBaseAddressConflict = "Base address conflict with others board";

}  // namespace brennix::daq::text
