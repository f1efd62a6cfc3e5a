#pragma once
// The device store a fresh machine gets: one device per board the
// simulator provides by default, at the same base addresses.

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/winreg/types.h"

namespace brennix::acquire {

struct DefaultDevice {
    int number;
    std::string_view board;
    // BaseAddress1, BaseAddress2, IRQ1, IRQ2, DMA.
    std::array<winreg::DWORD, 5> settings;
};

std::span<const DefaultDevice> defaultDevices();

// One line per device, for the offer and the report.
std::string describeDefaultDevices();

// Adds the default devices to the store at `path`, creating its folder.
// False with the reason when any of them could not be written.
bool createDefaultStore(const std::filesystem::path& path, std::string& error);

}  // namespace brennix::acquire
