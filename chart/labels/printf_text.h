#pragma once
// printf-style conversion into a string of whatever length it needs.

#include <string>

namespace brennix::chart::detail {

[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...);

}  // namespace brennix::chart::detail
