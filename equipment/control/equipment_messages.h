#pragma once
// The fixed texts of the equipment controls. Every control with a style
// number out of range shows the pipe's text: hosts have always seen that one.

#include <string_view>

namespace brennix::equipment::text {

inline constexpr std::string_view kInvalidStyle = "Invalid pipe type.";

}  // namespace brennix::equipment::text
