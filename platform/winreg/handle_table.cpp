#include "platform/winreg/handle_table.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "platform/winreg/registry.h"

namespace brennix::winreg {
namespace {

struct Table {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, OpenKey> keys;
    std::uintptr_t next = 0x1000;
};

Table& table() {
    static Table t;
    return t;
}

std::uintptr_t idOf(HKEY handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

HKEY openHandle(OpenKey key) {
    Table& t = table();
    std::lock_guard lock(t.mutex);
    std::uintptr_t id = t.next;
    t.next += 4;
    t.keys.emplace(id, std::move(key));
    return reinterpret_cast<HKEY>(id);
}

std::optional<OpenKey> lookupHandle(HKEY handle) {
    if (handle == HKEY_CURRENT_USER) {
        return OpenKey{{"HKEY_CURRENT_USER"}, KEY_ALL_ACCESS};
    }
    Table& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.keys.find(idOf(handle));
    if (it == t.keys.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool closeHandle(HKEY handle) {
    if (handle == HKEY_CURRENT_USER) {
        return true;
    }
    Table& t = table();
    std::lock_guard lock(t.mutex);
    return t.keys.erase(idOf(handle)) == 1;
}

}  // namespace brennix::winreg
