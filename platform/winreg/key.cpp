#include "platform/winreg/key.h"

#include <algorithm>

namespace brennix::winreg {

void Key::reset(HKEY handle) noexcept {
    if (handle_ != nullptr) {
        RegCloseKey(handle_);
    }
    handle_ = handle;
}

LONG Key::open(HKEY parent, const std::string& subKey, REGSAM access, Key& out) {
    HKEY handle = nullptr;
    LONG rc = RegOpenKeyExA(parent, subKey.c_str(), 0, access, &handle);
    out.reset(handle);
    return rc;
}

LONG Key::create(HKEY parent, const std::string& subKey, REGSAM access, Key& out, bool* created) {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    LONG rc = RegCreateKeyExA(parent, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                              nullptr, &handle, &disposition);
    out.reset(handle);
    if (created != nullptr) {
        *created = rc == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    }
    return rc;
}

LONG Key::subkeyNames(std::vector<std::string>& names) const {
    names.clear();
    DWORD count = 0;
    DWORD longest = 0;
    LONG rc = RegQueryInfoKeyA(handle_, nullptr, nullptr, nullptr, &count, &longest, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    std::string buffer;
    for (DWORD index = 0;; ++index) {
        buffer.assign(longest + 1, '\0');
        auto size = static_cast<DWORD>(buffer.size());
        rc =
            RegEnumKeyExA(handle_, index, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) {
            return ERROR_SUCCESS;
        }
        if (rc == ERROR_MORE_DATA) {
            // Another writer added a longer name meanwhile: start again.
            longest = longest * 2 + 256;
            names.clear();
            index = static_cast<DWORD>(-1);
            continue;
        }
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        names.emplace_back(buffer.data(), size);
    }
}

LONG Key::queryDword(const std::string& name, DWORD& value) const {
    DWORD type = 0;
    BYTE bytes[4] = {};
    DWORD size = sizeof bytes;
    LONG rc = RegQueryValueExA(handle_, name.c_str(), nullptr, &type, bytes, &size);
    if (rc == ERROR_MORE_DATA || (rc == ERROR_SUCCESS && (type != REG_DWORD || size != 4))) {
        return ERROR_UNSUPPORTED_TYPE;
    }
    if (rc == ERROR_SUCCESS) {
        value = static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 |
                static_cast<DWORD>(bytes[2]) << 16 | static_cast<DWORD>(bytes[3]) << 24;
    }
    return rc;
}

LONG Key::setDword(const std::string& name, DWORD value) const {
    const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                           static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    return RegSetValueExA(handle_, name.c_str(), 0, REG_DWORD, bytes, sizeof bytes);
}

LONG Key::queryString(const std::string& name, std::string& value) const {
    DWORD type = 0;
    DWORD size = 0;
    LONG rc = RegQueryValueExA(handle_, name.c_str(), nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return ERROR_UNSUPPORTED_TYPE;
    }
    std::vector<BYTE> bytes(size);
    rc = RegQueryValueExA(handle_, name.c_str(), nullptr, &type, bytes.data(), &size);
    if (rc != ERROR_SUCCESS) {
        return rc;  // another writer changed it between the two calls: ERROR_MORE_DATA
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return ERROR_UNSUPPORTED_TYPE;
    }
    bytes.resize(size);
    // Stored text ends at its first NUL; a value without one is taken whole.
    auto end = std::find(bytes.begin(), bytes.end(), BYTE{0});
    value.assign(bytes.begin(), end);
    return ERROR_SUCCESS;
}

LONG Key::setString(const std::string& name, const std::string& value) const {
    if (value.find('\0') != std::string::npos) {
        return ERROR_INVALID_PARAMETER;
    }
    return RegSetStringValueA(handle_, name.c_str(), value.c_str());
}

LONG Key::deleteValue(const std::string& name) const {
    return RegDeleteValueA(handle_, name.c_str());
}

LONG Key::deleteTree(const std::string& subKey) const {
    return RegDeleteTreeA(handle_, subKey.c_str());
}

}  // namespace brennix::winreg
