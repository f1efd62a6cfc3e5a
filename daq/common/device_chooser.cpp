#include "daq/common/device_chooser.h"

#include <array>
#include <cctype>

#include "daq/common/device_store.h"
#include "daq/common/messages.h"
#include "platform/com/message_box.h"
#include "platform/winreg/registry.h"

namespace brennix::daq {
namespace {

using namespace winreg;

// "DeviceNumber" and two characters meaning "error", as UTF-8.
constexpr std::string_view kOrsinoBadNumber = "DeviceNumber\xE9\x94\x99\xE8\xAF\xAF";
constexpr std::string_view kThisControls = "This controls not support this board";
constexpr std::string_view kTheControls = "The controls not support this board";
constexpr std::string_view kNumberError = "DeviceNumber error";

constexpr std::array<PageTexts, kControlKindCount> kTexts{{
    {kThisControls, kOrsinoBadNumber, "error: Can't open correlative hKEY!"},
    {kThisControls, kNumberError, text::kCantOpenKey},
    {kTheControls, kNumberError, text::kCantOpenKey},
    {kTheControls, kNumberError, text::kCantOpenKey},
    {kTheControls, kNumberError, text::kCantOpenKey},
    {"This contols not support this board", "Invalid DeviceNumber", text::kCantOpenKey},
}};

}  // namespace

const PageTexts& pageTextsOf(ControlKind kind) {
    return kTexts[static_cast<std::size_t>(kind)];
}

std::vector<std::string> readDeviceNames(std::string_view openFailure) {
    RegistryKey software;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, software.out()) !=
        ERROR_SUCCESS) {
        com::showMessage(openFailure);
        return {};
    }
    // The controls create the root on first use; a page opens it only, and
    // a root that is not there yet holds no device.
    RegistryKey root;
    const LONG rc = RegOpenKeyExA(software.get(), "Brennix Device", 0, KEY_READ, root.out());
    if (rc == ERROR_FILE_NOT_FOUND) {
        return {};
    }
    if (rc != ERROR_SUCCESS) {
        com::showMessage(text::kCantCreateKey);
        return {};
    }
    return deviceKeyNames(root.get());
}

std::optional<std::string> boardOfDevice(ControlKind kind, std::int32_t deviceNumber) {
    for (const std::string& name : readDeviceNames(pageTextsOf(kind).startOpenFailure)) {
        if (deviceNumberOf(name) == deviceNumber) {
            return std::string(boardNameOf(name));
        }
    }
    return std::nullopt;
}

std::int32_t takeDevice(ControlKind kind, std::string_view keyName) {
    if (keyName.empty()) {
        return -1;
    }
    std::int32_t number = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i >= keyName.size() || std::isdigit(static_cast<unsigned char>(keyName[i])) == 0) {
            com::showMessage(pageTextsOf(kind).badNumber);
            return -1;
        }
        number = number * 10 + (keyName[i] - '0');
    }
    return number;
}

DeviceChooser::DeviceChooser(ControlKind kind)
    : kind_(kind), names_(readDeviceNames(text::kCantOpenKey)) {}

bool DeviceChooser::accept(std::optional<std::size_t> child) {
    if (!child || *child >= names_.size()) {
        return true;
    }
    const std::string& name = names_[*child];
    if (!serves(kind_, boardNameOf(name))) {
        com::showMessage(pageTextsOf(kind_).boardRefused);
        return false;
    }
    taken_ = name;
    return true;
}

}  // namespace brennix::daq
