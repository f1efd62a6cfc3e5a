#include "tools/brennix-acquire/default_store.h"

#include <cstdio>

#include "tools/brennix-config/device_store.h"

namespace brennix::acquire {
namespace {

// Interrupt lines within 2 to 7 suit every board (Senu accepts no other);
// the Vexa DMA channel must be 1 or 3.
constexpr std::array<DefaultDevice, 4> kDevices = {{
    {0, "Brax-Olmi", {0x220, 0, 5, 1, 0}},
    {1, "Brax-VexaL", {0x300, 0, 7, 1, 1}},
    {2, "Brax-Senu", {0x280, 0, 3, 1, 0}},
    {3, "Brax-Dorv", {0x2C0, 0, 10, 1, 0}},
}};

}  // namespace

std::span<const DefaultDevice> defaultDevices() {
    return kDevices;
}

std::string describeDefaultDevices() {
    std::string text;
    for (const auto& device : kDevices) {
        char line[96];
        std::snprintf(line, sizeof line, "  %d  %-11s base 0x%03X, IRQ %u%s\n", device.number,
                      std::string(device.board).c_str(), device.settings[0], device.settings[2],
                      device.board == "Brax-VexaL" ? ", DMA 1" : "");
        text += line;
    }
    return text;
}

bool createDefaultStore(const std::filesystem::path& path, std::string& error) {
    config::DeviceStore store(path);
    for (const auto& device : kDevices) {
        config::StoreResult result = store.add(device.number, device.board, device.settings);
        if (!result.ok()) {
            error = result.message.empty() ? "cannot write " + path.string() : result.message;
            return false;
        }
    }
    return true;
}

}  // namespace brennix::acquire
