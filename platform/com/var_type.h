#pragma once

#include <cstdint>
#include <string_view>

namespace brennix::com {

// What a Variant holds, and what a SafeArray's elements are.
enum class VarType : std::uint8_t { Empty, Int16, Int32, Double, Bool, String, Dispatch, Array };

std::string_view varTypeName(VarType type);

}  // namespace brennix::com
