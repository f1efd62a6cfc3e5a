#pragma once
// The class and format names that the Y-format and X-format pages list;
// a format's position in its list is the value stored in Format or XAxisFormat.

#include <span>
#include <string_view>

namespace brennix::chart {

// Two lists read differently when the page opens from after the user has
// switched the class; the stored values mean the same either way.
enum class ListMoment { PageOpened, ClassChanged };

std::span<const std::string_view> yFormatClassNames();
std::span<const std::string_view> yFormatNames(short formatClass, ListMoment moment);

std::span<const std::string_view> xFormatClassNames();
std::span<const std::string_view> xFormatNames(short formatClass, ListMoment moment);

}  // namespace brennix::chart
