#pragma once
// The board names the hardware controls know, exactly as they compare them:
// the controls' own catalogue, with what each board can be configured with.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "daq/common/board_catalogue.h"

namespace brennix::config {

std::span<const daq::BoardEntry> boardCatalogue();
const daq::BoardEntry* findBoard(std::string_view name);
// A catalogue name that differs only in case, for a hint.
std::optional<std::string> boardWithOtherCase(std::string_view name);

}  // namespace brennix::config
