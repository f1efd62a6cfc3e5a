#pragma once
// What brennix-config checks around a change: values a board cannot have
// (refused) and changes the user may not expect (warned about).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "daq/common/board_resources.h"
#include "tools/brennix-config/device_store.h"

namespace brennix::config {

// What a board of that name can be configured with; a name outside the
// catalogue is any ISA board.
const daq::BoardResources& resourcesOf(std::string_view board);

// "2-7, 9-12, 14, 15" (a range spans three or more); "none" for an empty mask.
std::string describeLines(std::uint16_t mask);

// Why `value` cannot be the setting of a device on `board`, or empty. IRQ1
// and DMA are checked against the board, IRQ2 against the ISA bus; 0, what
// the controls write when nothing is set, always passes.
std::string settingRefusal(std::string_view setting, DWORD value, std::string_view board);

// One line per existing device whose card number the change moved.
std::vector<std::string> renumberedCards(const std::vector<Device>& before,
                                         const std::vector<Device>& after);

// The other devices whose BaseAddress1 equals that of the device with
// key `key` (none when it is 0, not set).
std::vector<std::string> devicesAtSameBase(const std::vector<Device>& devices,
                                           std::string_view key);

}  // namespace brennix::config
