#include "tools/brennix-config/device_store.h"

#include <cctype>
#include <cstdio>

namespace brennix::config {
namespace {

using winreg::Document;
using winreg::KeyNode;

const winreg::KeyPath kDeviceRoot = {"HKEY_CURRENT_USER", "Software", "Brennix Device"};

winreg::Value dwordValue(std::string_view name, DWORD number) {
    winreg::Value v;
    v.name = std::string(name);
    v.type = winreg::REG_DWORD;
    for (int b = 0; b < 4; ++b) {
        v.data.push_back(static_cast<std::uint8_t>(number >> (8 * b)));
    }
    return v;
}

std::vector<Device> devicesOf(const Document& doc) {
    std::vector<Device> devices;
    const KeyNode* root = doc.find(kDeviceRoot);
    if (root == nullptr) {
        return devices;
    }
    for (const auto& sub : root->subkeys) {
        Device d;
        d.key = sub.name;
        d.board = sub.name.size() > 4 ? sub.name.substr(4) : std::string();
        d.number = controlNumberOf(sub.name);
        d.wellFormed = sub.name.size() > 4 &&
                       std::isdigit(static_cast<unsigned char>(sub.name[0])) &&
                       std::isdigit(static_cast<unsigned char>(sub.name[1])) &&
                       std::isdigit(static_cast<unsigned char>(sub.name[2])) && sub.name[3] == '@';
        d.values = sub.values;
        devices.push_back(std::move(d));
    }
    // The controls count a card among the keys of the same board, in order.
    for (std::size_t i = 0; i < devices.size(); ++i) {
        int card = -1;
        for (std::size_t j = 0; j <= i; ++j) {
            if (devices[j].board == devices[i].board) {
                ++card;
            }
        }
        devices[i].card = card;
    }
    return devices;
}

const Device* firstWithNumber(const std::vector<Device>& devices, int number) {
    for (const auto& d : devices) {
        if (d.number && *d.number == number) {
            return &d;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<std::string_view> settingName(std::string_view name) {
    for (auto known : kSettingNames) {
        if (winreg::sameName(known, name)) {
            return known;
        }
    }
    return std::nullopt;
}

std::string deviceKeyName(int number, std::string_view board) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return std::string(digits) + "@" + std::string(board);
}

std::optional<long> controlNumberOf(std::string_view keyName) {
    std::string_view head = keyName.substr(0, 3);
    std::size_t i = 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < head.size() && (head[i] == '+' || head[i] == '-')) {
        negative = head[i] == '-';
        ++i;
    }
    long number = 0;
    bool any = false;
    for (; i < head.size() && std::isdigit(static_cast<unsigned char>(head[i])); ++i) {
        number = number * 10 + (head[i] - '0');
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return negative ? -number : number;
}

std::optional<DWORD> dwordOf(const winreg::Value& value) {
    if (value.type != winreg::REG_DWORD || value.data.size() != 4) {
        return std::nullopt;
    }
    return static_cast<DWORD>(value.data[0]) | static_cast<DWORD>(value.data[1]) << 8 |
           static_cast<DWORD>(value.data[2]) << 16 | static_cast<DWORD>(value.data[3]) << 24;
}

StoreResult DeviceStore::list(std::vector<Device>& out) const {
    Document doc;
    StoreResult result;
    result.code = file_.read(doc, result.message);
    if (result.ok()) {
        out = devicesOf(doc);
    }
    return result;
}

StoreResult DeviceStore::find(int number, Device& out) const {
    std::vector<Device> devices;
    StoreResult result = list(devices);
    if (!result.ok()) {
        return result;
    }
    const Device* found = firstWithNumber(devices, number);
    if (found == nullptr) {
        return {winreg::ERROR_FILE_NOT_FOUND,
                "no device " + std::to_string(number) + " is configured",
                {},
                {}};
    }
    out = *found;
    return result;
}

StoreResult DeviceStore::add(int number, std::string_view board,
                             const std::array<DWORD, 5>& settings) {
    StoreResult result;
    result.code = file_.update(
        [&](Document& doc, bool& changed) {
            result.before = devicesOf(doc);
            if (const Device* existing = firstWithNumber(result.before, number)) {
                result.message = "device " + std::to_string(number) + " already exists as " +
                                 existing->key + "; remove it first, or change it with set";
                return winreg::ERROR_ALREADY_EXISTS;
            }
            KeyNode& key = doc.create(kDeviceRoot).addSubkey(deviceKeyName(number, board));
            for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
                key.setValue(dwordValue(kSettingNames[i], settings[i]));
            }
            result.after = devicesOf(doc);
            changed = true;
            return winreg::ERROR_SUCCESS;
        },
        result.message);
    return result;
}

StoreResult DeviceStore::remove(int number, std::vector<std::string>& removedKeys) {
    removedKeys.clear();
    StoreResult result;
    result.code = file_.update(
        [&](Document& doc, bool& changed) {
            KeyNode* root = doc.find(kDeviceRoot);
            result.before = devicesOf(doc);
            for (const auto& d : result.before) {
                if (d.number && *d.number == number) {
                    root->removeSubkey(d.key);
                    removedKeys.push_back(d.key);
                }
            }
            if (removedKeys.empty()) {
                result.message = "no device " + std::to_string(number) + " is configured";
                return winreg::ERROR_FILE_NOT_FOUND;
            }
            result.after = devicesOf(doc);
            changed = true;
            return winreg::ERROR_SUCCESS;
        },
        result.message);
    return result;
}

StoreResult DeviceStore::set(int number, std::string_view setting, DWORD value, std::string& key,
                             const SettingCheck& check) {
    StoreResult result;
    result.code = file_.update(
        [&](Document& doc, bool& changed) {
            result.before = devicesOf(doc);
            const Device* device = firstWithNumber(result.before, number);
            if (device == nullptr) {
                result.message = "no device " + std::to_string(number) + " is configured";
                return winreg::ERROR_FILE_NOT_FOUND;
            }
            if (check) {
                if (std::string refusal = check(*device); !refusal.empty()) {
                    result.message = std::move(refusal);
                    return winreg::ERROR_INVALID_PARAMETER;
                }
            }
            key = device->key;
            KeyNode* node = doc.find(kDeviceRoot)->findSubkey(key);
            const winreg::Value* existing = node->findValue(setting);
            changed = existing == nullptr || dwordOf(*existing) != value;
            if (changed) {
                node->setValue(dwordValue(setting, value));
            }
            result.after = devicesOf(doc);
            return winreg::ERROR_SUCCESS;
        },
        result.message);
    return result;
}

}  // namespace brennix::config
