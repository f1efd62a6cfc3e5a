#pragma once
// The configured devices under Software\Brennix Device, read and changed the
// way the hardware controls will find them. Each change is one locked,
// atomic rewrite of the store, so a control never sees half a device.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/winreg/document.h"
#include "platform/winreg/store_file.h"

namespace brennix::config {

using winreg::DWORD;
using winreg::LONG;

inline constexpr std::array<std::string_view, 5> kSettingNames = {"BaseAddress1", "BaseAddress2",
                                                                  "IRQ1", "IRQ2", "DMA"};
// What the controls store when a value is missing.
inline constexpr std::array<DWORD, 5> kSettingDefaults = {0, 0, 0, 1, 0};

// The canonical spelling of a setting name given in any case.
std::optional<std::string_view> settingName(std::string_view name);

// NNN@<board name>, the number zero-padded to three digits.
std::string deviceKeyName(int number, std::string_view board);

// The number the controls read from a key name: the leading digits of its
// first three characters. Nothing when there are none.
std::optional<long> controlNumberOf(std::string_view keyName);

struct Device {
    std::string key;    // the subkey name
    std::string board;  // the name after its fourth character
    std::optional<long> number;
    bool wellFormed = false;  // three digits, '@', a board name
    std::vector<winreg::Value> values;
    int card = -1;  // position among devices of its board, as the controls count
};

struct StoreResult {
    LONG code = winreg::ERROR_SUCCESS;
    std::string message;  // why, when code is not success
    // The devices around a change, as read and written under the lock.
    std::vector<Device> before;
    std::vector<Device> after;
    bool ok() const { return code == winreg::ERROR_SUCCESS; }
};

// Why a value cannot be given to that device; empty when it can.
using SettingCheck = std::function<std::string(const Device& device)>;

class DeviceStore {
  public:
    explicit DeviceStore(std::filesystem::path path) : file_(std::move(path)) {}

    const std::filesystem::path& path() const { return file_.path(); }

    // In the registry's enumeration order.
    StoreResult list(std::vector<Device>& out) const;

    // The device the controls find for `number`: the first key in order
    // whose number matches. ERROR_FILE_NOT_FOUND when there is none.
    StoreResult find(int number, Device& out) const;

    // Refuses a number that is already configured; writes all five values.
    StoreResult add(int number, std::string_view board, const std::array<DWORD, 5>& settings);

    // Removes every key the controls would read as `number`.
    StoreResult remove(int number, std::vector<std::string>& removedKeys);

    // `check` sees the device under the lock; a refusal changes nothing.
    StoreResult set(int number, std::string_view setting, DWORD value, std::string& key,
                    const SettingCheck& check = {});

    // Runs when a change has to wait for another writer.
    void onLockWait(std::function<void(const std::filesystem::path& lockFile)> notice) {
        file_.onLockWait(std::move(notice));
    }

  private:
    winreg::StoreFile file_;
};

std::optional<DWORD> dwordOf(const winreg::Value& value);

}  // namespace brennix::config
