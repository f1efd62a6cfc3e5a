#pragma once
// A device store in a fresh temporary file, named by BRENNIX_REGISTRY while
// the object lives, with helpers that write device keys the way the
// configuration utility does.

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "platform/winreg/registry.h"

namespace brennix::daq::testing {

class TemporaryStore {
  public:
    TemporaryStore() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brennix-daq-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
        }
        path_ = folder_ / "registry.reg";
        ::setenv("BRENNIX_REGISTRY", path_.c_str(), 1);
    }
    ~TemporaryStore() {
        ::unsetenv("BRENNIX_REGISTRY");
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    TemporaryStore(const TemporaryStore&) = delete;
    TemporaryStore& operator=(const TemporaryStore&) = delete;

    using Values = std::initializer_list<std::pair<const char*, std::uint32_t>>;

    // Creates Software\Brennix Device\<keyName> with the given values.
    bool addDevice(const std::string& keyName, Values values = {}) const {
        using namespace winreg;
        std::string path = "Software\\Brennix Device\\" + keyName;
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS) {
            return false;
        }
        bool ok = true;
        for (const auto& [name, value] : values) {
            DWORD data = value;
            ok = ok && RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                      sizeof(data)) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
        return ok;
    }

    // The stored REG_DWORD, or empty when the value is absent or of another type.
    std::optional<std::uint32_t> value(const std::string& keyName, const char* name) const {
        using namespace winreg;
        std::string path = "Software\\Brennix Device\\" + keyName;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        DWORD data = 0;
        DWORD size = sizeof(data);
        DWORD type = REG_NONE;
        LONG rc =
            RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS || type != REG_DWORD) {
            return std::nullopt;
        }
        return data;
    }

    bool removeDevice(const std::string& keyName) const {
        std::string path = "Software\\Brennix Device\\" + keyName;
        return winreg::RegDeleteKeyA(winreg::HKEY_CURRENT_USER, path.c_str()) ==
               winreg::ERROR_SUCCESS;
    }

    void writeRaw(const std::string& bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out << bytes;
    }

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

}  // namespace brennix::daq::testing
