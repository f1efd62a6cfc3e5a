#include "tools/brennix-config/device_checks.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "platform/winreg/document.h"
#include "tools/brennix-config/board_catalogue.h"

namespace brennix::config {
namespace {

std::optional<DWORD> valueOf(const Device& device, std::string_view name) {
    auto it = std::find_if(device.values.begin(), device.values.end(),
                           [&](const auto& v) { return winreg::sameName(v.name, name); });
    return it == device.values.end() ? std::nullopt : dwordOf(*it);
}

std::string hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace

const daq::BoardResources& resourcesOf(std::string_view board) {
    const daq::BoardEntry* entry = findBoard(board);
    return entry != nullptr ? entry->resources : daq::kIsaBoard;
}

std::string describeLines(std::uint16_t mask) {
    std::string text;
    for (int first = 0; first < 16; ++first) {
        if (((mask >> first) & 1U) == 0) {
            continue;
        }
        int last = first;
        while (last + 1 < 16 && ((mask >> (last + 1)) & 1U) != 0) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(first);
        // Two neighbours read better as a list than as a range.
        if (last == first + 1) {
            text += ", " + std::to_string(last);
        } else if (last > first) {
            text += "-" + std::to_string(last);
        }
        first = last;
    }
    return text.empty() ? "none" : text;
}

std::string settingRefusal(std::string_view setting, DWORD value, std::string_view board) {
    if (value == 0) {
        return {};
    }
    // Stored as a signed number: 0xFFFFFFFF is -1 to the controls.
    const auto number = static_cast<std::int32_t>(value);
    const daq::BoardResources& can = resourcesOf(board);
    const std::string shown = std::string(setting) + " " + std::to_string(number);
    if (setting == "IRQ1" && !can.irqAllowed(number)) {
        return shown + " is not an interrupt line a " + std::string(board) +
               " card can use (it can use " + describeLines(can.irqLines) + "; 0 for none)";
    }
    if (setting == "IRQ2" && !daq::kIsaBoard.irqAllowed(number)) {
        return shown + " is not an interrupt line of the ISA bus (0 to 15)";
    }
    if (setting == "DMA" && !can.dmaAllowed(number)) {
        return shown + " is not a DMA channel a " + std::string(board) + " card can use (" +
               (can.dmaChannels == 0 ? std::string("it has none")
                                     : "it can use " + describeLines(can.dmaChannels)) +
               "; 0 for none)";
    }
    return {};
}

std::vector<std::string> renumberedCards(const std::vector<Device>& before,
                                         const std::vector<Device>& after) {
    std::vector<std::string> lines;
    for (const Device& old : before) {
        auto now = std::find_if(after.begin(), after.end(),
                                [&](const Device& d) { return d.key == old.key; });
        if (now != after.end() && now->card != old.card) {
            lines.push_back(old.key + " is now card " + std::to_string(now->card) + " (was card " +
                            std::to_string(old.card) + ")");
        }
    }
    return lines;
}

std::vector<std::string> devicesAtSameBase(const std::vector<Device>& devices,
                                           std::string_view key) {
    auto self =
        std::find_if(devices.begin(), devices.end(), [&](const Device& d) { return d.key == key; });
    if (self == devices.end()) {
        return {};
    }
    const auto base = valueOf(*self, "BaseAddress1");
    if (!base || *base == 0) {
        return {};
    }
    std::vector<std::string> others;
    for (const Device& d : devices) {
        if (d.key != key && valueOf(d, "BaseAddress1") == base) {
            others.push_back(d.key + " is also at base address " + hex(*base));
        }
    }
    return others;
}

}  // namespace brennix::config
