#pragma once
// The per-user device store as the controls read it: the root key
// Software\Brennix Device, one subkey per device named NNN@<board name>, and
// the five 32-bit settings of a device.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/winreg/types.h"

namespace brennix::daq {

inline constexpr std::string_view kStoreRoot = "Software\\Brennix Device";

// A key handle that is closed when it goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    explicit RegistryKey(winreg::HKEY key) : key_(key) {}
    ~RegistryKey() { close(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    winreg::HKEY get() const { return key_; }
    winreg::PHKEY out() {
        close();
        return &key_;
    }
    explicit operator bool() const { return key_ != nullptr; }
    void close();

  private:
    winreg::HKEY key_ = nullptr;
};

enum class RootFailure { None, Open, Create };

struct RootKey {
    RegistryKey key;
    RootFailure failure = RootFailure::None;
};

// "Software" opened with the given access, then "Brennix Device" created or
// opened below it with full access; "Software" is closed again.
RootKey openStoreRoot(winreg::REGSAM softwareAccess);

// The subkey names in enumeration order, each read into a buffer of 100
// characters and trimmed of trailing blanks; empty names and names that do
// not fit are left out.
std::vector<std::string> deviceKeyNames(winreg::HKEY root);

// The device number at the start of a key name: its first three characters
// converted as atol converts, 0 when they hold no number.
std::int32_t deviceNumberOf(std::string_view keyName);

// The board name of a key name: everything after its first four characters.
std::string_view boardNameOf(std::string_view keyName);

// "002@Brax-VexaL" for device 2; empty when the number needs more than three
// characters.
std::optional<std::string> deviceKeyName(std::int32_t deviceNumber, std::string_view boardName);

}  // namespace brennix::daq
