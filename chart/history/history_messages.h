#pragma once
// Texts the history hands back for the control to show in a modal message
// box, in the order they arose.

#include <string_view>
#include <vector>

namespace brennix::chart {

inline constexpr std::string_view kAlreadyAllocated =
    "Allocate memory error,but data memory already allocated";
inline constexpr std::string_view kAlreadyReleased =
    "Release memory error,data memory already deleted";
inline constexpr std::string_view kNotInitialized = "Controls not initialized,no memory allocated";

using HistoryMessages = std::vector<std::string_view>;

}  // namespace brennix::chart
