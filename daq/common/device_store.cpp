#include "daq/common/device_store.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/winreg/registry.h"

namespace brennix::daq {

using namespace winreg;

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

void RegistryKey::close() {
    if (key_ != nullptr) {
        (void)RegCloseKey(key_);
        key_ = nullptr;
    }
}

RootKey openStoreRoot(REGSAM softwareAccess) {
    RootKey root;
    RegistryKey software;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, softwareAccess, software.out()) !=
        ERROR_SUCCESS) {
        root.failure = RootFailure::Open;
        return root;
    }
    DWORD disposition = 0;
    LONG rc = RegCreateKeyExA(software.get(), "Brennix Device", 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, root.key.out(), &disposition);
    software.close();
    if (rc != ERROR_SUCCESS) {
        root.key.close();
        root.failure = RootFailure::Create;
    }
    return root;
}

std::vector<std::string> deviceKeyNames(HKEY root) {
    std::vector<std::string> names;
    DWORD subKeys = 0;
    if (RegQueryInfoKeyA(root, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD index = 0; index < subKeys; ++index) {
        std::array<char, 100> buffer{};
        DWORD length = buffer.size();
        if (RegEnumKeyExA(root, index, buffer.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            continue;
        }
        std::string name(buffer.data(), std::min<std::size_t>(length, buffer.size()));
        while (!name.empty() && name.back() == ' ') {
            name.pop_back();
        }
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::int32_t deviceNumberOf(std::string_view keyName) {
    std::string_view head = keyName.substr(0, 3);
    std::size_t i = 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i])) != 0) {
        ++i;
    }
    bool negative = false;
    if (i < head.size() && (head[i] == '-' || head[i] == '+')) {
        negative = head[i] == '-';
        ++i;
    }
    std::int32_t value = 0;
    for (; i < head.size() && std::isdigit(static_cast<unsigned char>(head[i])) != 0; ++i) {
        value = value * 10 + (head[i] - '0');
    }
    return negative ? -value : value;
}

std::string_view boardNameOf(std::string_view keyName) {
    return keyName.size() > 4 ? keyName.substr(4) : std::string_view{};
}

std::optional<std::string> deviceKeyName(std::int32_t deviceNumber, std::string_view boardName) {
    std::string number = std::to_string(deviceNumber);
    if (number.size() > 3) {
        return std::nullopt;
    }
    number.insert(0, 3 - number.size(), '0');
    return number + "@" + std::string(boardName);
}

}  // namespace brennix::daq
