#include "daq/common/board_device.h"

#include <array>
#include <utility>

#include "daq/common/device_store.h"
#include "daq/common/messages.h"
#include "platform/com/message_box.h"
#include "platform/winreg/registry.h"

namespace brennix::daq {

using namespace winreg;

namespace {

void applicationMessage(std::string_view text) {
    com::showMessage(text);
}

}  // namespace

DeviceAccess::DeviceAccess(const ControlProfile& profile, std::span<const BoardAdapter> adapters,
                           ControlMessage controlMessage)
    : profile_(&profile), adapters_(adapters), controlMessage_(std::move(controlMessage)) {}

void DeviceAccess::controlMessage(std::string_view text) const {
    if (controlMessage_) {
        controlMessage_(text);
    } else {
        com::showMessage(text, {}, com::MessageOwner::Control);
    }
}

const BoardAdapter* DeviceAccess::board() const {
    if (!serves(profile_->kind, device_.m_boardName)) {
        return nullptr;
    }
    return findAdapter(adapters_, device_.m_boardName);
}

void DeviceAccess::ResolveBoardName(std::int32_t deviceNumber) {
    RootKey root = openStoreRoot(profile_->softwareAccess);
    if (root.failure == RootFailure::Open) {
        controlMessage(text::kCantOpenKey);
    } else if (root.failure == RootFailure::Create) {
        controlMessage(text::kCantCreateKey);
    } else {
        for (const auto& name : deviceKeyNames(root.key.get())) {
            if (deviceNumberOf(name) == deviceNumber) {
                m_deviceKey = name;
                device_.m_boardName = std::string(boardNameOf(name));
                break;
            }
        }
    }
    device_.m_deviceNumber = deviceNumber;
}

bool DeviceAccess::ReadDeviceSettings(DeviceSettings& out) {
    auto keyName = deviceKeyName(device_.m_deviceNumber, device_.m_boardName);
    if (!keyName) {
        applicationMessage(profile_->deviceNumberTooLong);
        return false;
    }
    std::string path = std::string(kStoreRoot) + "\\" + *keyName;
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, key.out()) !=
        ERROR_SUCCESS) {
        applicationMessage(text::kCantOpenKey);
        return false;
    }
    DeviceSettings settings;
    const std::array<std::pair<const char*, std::int32_t*>, 5> values{{
        {"BaseAddress1", &settings.baseAddress1},
        {"BaseAddress2", &settings.baseAddress2},
        {"IRQ1", &settings.irq1},
        {"IRQ2", &settings.irq2},
        {"DMA", &settings.dma},
    }};
    for (const auto& [name, target] : values) {
        DWORD data = 0;
        DWORD size = sizeof(data);
        DWORD type = REG_NONE;
        LONG rc = RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                   &size);
        if (rc == ERROR_SUCCESS && size == sizeof(data)) {
            *target = static_cast<std::int32_t>(data);
            continue;
        }
        // *target holds the default.
        auto fallback = static_cast<DWORD>(*target);
        if (RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&fallback),
                           sizeof(fallback)) != ERROR_SUCCESS) {
            applicationMessage(profile_->valueCreationFailed);
        }
    }
    out = settings;
    return true;
}

int DeviceAccess::GetCardNumber() {
    RootKey root = openStoreRoot(profile_->softwareAccess);
    if (root.failure != RootFailure::None) {
        bool open = root.failure == RootFailure::Open || profile_->cardNumberRootFailureSaysOpen;
        applicationMessage(open ? text::kCantOpenKey : text::kCantCreateKey);
        return -1;
    }
    int counter = -1;
    for (const auto& name : deviceKeyNames(root.key.get())) {
        if (boardNameOf(name) == device_.m_boardName) {
            ++counter;
            if (deviceNumberOf(name) == device_.m_deviceNumber) {
                break;
            }
        }
    }
    return counter >= 0 && counter <= 7 ? counter : -1;
}

int DeviceAccess::InitialBoard(int card, int baseAddress, int irq) {
    const BoardAdapter* served = board();
    std::optional<std::int32_t> result;
    if (served != nullptr) {
        result = callInitial(*served, card, baseAddress, irq);
    }
    if (!result) {
        applicationMessage(profile_->boardNotServed);
        return -1;
    }
    return *result;
}

bool DeviceAccess::initialiseBoard(std::int32_t& errorCode) {
    DeviceSettings settings;
    if (!ReadDeviceSettings(settings)) {
        applicationMessage(text::kReadSettingsError);
        errorCode = -1;
        return false;
    }
    int card = GetCardNumber();
    if (card == -1) {
        applicationMessage(text::kCardNumberError);
        errorCode = -1;
        return false;
    }
    if (profile_->keepsIrq) {
        device_.m_irq = settings.irq1;
    }
    errorCode = InitialBoard(card, settings.baseAddress1, settings.irq1);
    if (errorCode == 0) {
        return true;
    }
    if (errorCode == 2) {
        applicationMessage(text::kInvalidBoardNumber);
    } else if (errorCode == 6) {
        applicationMessage(text::kBaseAddressConflict);
    } else {
        applicationMessage(profile_->initialFailed);
    }
    return false;
}

bool DeviceAccess::OpenDevice(std::int32_t deviceNumber, std::int32_t& errorCode) {
    ResolveBoardName(deviceNumber);
    if (!initialiseBoard(errorCode)) {
        return false;
    }
    m_opened = true;
    return true;
}

void DeviceAccess::markOpened() {
    m_opened = true;
}

}  // namespace brennix::daq
