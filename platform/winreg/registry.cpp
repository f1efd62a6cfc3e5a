#include "platform/winreg/registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

#include "platform/winreg/handle_table.h"
#include "platform/winreg/store_file.h"

namespace brennix::winreg {
namespace {

thread_local std::string tLastError;

// A broken store is said once on standard error, so a user who only sees a
// control's message still learns which file and line to fix.
void reportOnce(const std::string& message) {
    static std::mutex mutex;
    static std::set<std::string> said;
    std::lock_guard lock(mutex);
    if (said.insert(message).second) {
        std::fprintf(stderr, "brennix registry: %s\n", message.c_str());
    }
}

LONG storeFailure(LONG rc, const std::string& message) {
    tLastError = message;
    reportOnce(message);
    return rc;
}

// A user's hive always has Software, even before anything is stored.
const KeyPath kSoftware = {"HKEY_CURRENT_USER", "Software"};

LONG readStore(std::shared_ptr<const Document>& doc) {
    tLastError.clear();
    std::string message;
    LONG rc = StoreFile(storePath()).read(doc, message);
    if (rc != ERROR_SUCCESS) {
        return storeFailure(rc, message);
    }
    if (doc->find(kSoftware) == nullptr) {
        auto withSoftware = std::make_shared<Document>(*doc);
        withSoftware->create(kSoftware);
        doc = std::move(withSoftware);
    }
    return ERROR_SUCCESS;
}

LONG updateStore(const StoreFile::Change& change) {
    tLastError.clear();
    std::string message;
    LONG rc = StoreFile(storePath())
                  .update(
                      [&](Document& doc, bool& changed) {
                          doc.create(kSoftware);
                          return change(doc, changed);
                      },
                      message);
    if (rc != ERROR_SUCCESS && !message.empty()) {
        return storeFailure(rc, message);
    }
    return rc;
}

LONG splitSubKey(const char* subKey, KeyPath& out) {
    out.clear();
    if (subKey == nullptr) {
        return ERROR_SUCCESS;
    }
    std::string_view rest(subKey);
    while (!rest.empty()) {
        auto slash = rest.find('\\');
        std::string_view part = rest.substr(0, slash);
        if (part.empty()) {
            return ERROR_BAD_PATHNAME;
        }
        if (part.size() > kMaxKeyNameLength || !fitsOnALine(part)) {
            return ERROR_INVALID_PARAMETER;
        }
        out.emplace_back(part);
        if (slash == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(slash + 1);  // one trailing backslash is allowed
    }
    return ERROR_SUCCESS;
}

// A value name to be written: the unnamed value for none.
LONG valueName(const char* lpValueName, std::string& out) {
    out = lpValueName == nullptr ? "" : lpValueName;
    if (out.size() > kMaxValueNameLength || !fitsOnALine(out)) {
        return ERROR_INVALID_PARAMETER;
    }
    return ERROR_SUCCESS;
}

KeyPath join(KeyPath base, const KeyPath& relative) {
    base.insert(base.end(), relative.begin(), relative.end());
    return base;
}

REGSAM granted(REGSAM desired) {
    return (desired & MAXIMUM_ALLOWED) != 0 ? KEY_ALL_ACCESS : desired;
}

bool allows(const OpenKey& key, REGSAM needed) {
    return (key.access & needed) == needed;
}

// Resolves the handle and checks that it may do `needed`.
LONG resolve(HKEY hKey, REGSAM needed, OpenKey& out) {
    auto key = lookupHandle(hKey);
    if (!key) {
        return ERROR_INVALID_HANDLE;
    }
    if (!allows(*key, needed)) {
        return ERROR_ACCESS_DENIED;
    }
    out = std::move(*key);
    return ERROR_SUCCESS;
}

void clearClass(char* lpClass, DWORD* lpcchClass) {
    if (lpcchClass != nullptr) {
        if (lpClass != nullptr && *lpcchClass > 0) {
            lpClass[0] = '\0';
        }
        *lpcchClass = 0;
    }
}

}  // namespace

std::string lastStoreError() {
    return tLastError;
}

LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                   PHKEY phkResult) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    OpenKey base;
    KeyPath relative;
    std::shared_ptr<const Document> doc;
    LONG rc = resolve(hKey, 0, base);
    if (rc == ERROR_SUCCESS) {
        rc = splitSubKey(lpSubKey, relative);
    }
    if (rc == ERROR_SUCCESS) {
        rc = readStore(doc);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (doc->find(base.path) == nullptr) {
        return ERROR_KEY_DELETED;
    }
    KeyPath path = join(base.path, relative);
    if (doc->find(path) == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    *phkResult = openHandle({std::move(path), granted(samDesired)});
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD /*Reserved*/, char* /*lpClass*/,
                     DWORD /*dwOptions*/, REGSAM samDesired, const void* /*lpSecurityAttributes*/,
                     PHKEY phkResult, DWORD* lpdwDisposition) {
    if (phkResult == nullptr || lpSubKey == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    OpenKey base;
    KeyPath relative;
    std::shared_ptr<const Document> doc;
    LONG rc = resolve(hKey, 0, base);
    if (rc == ERROR_SUCCESS) {
        rc = splitSubKey(lpSubKey, relative);
    }
    if (rc == ERROR_SUCCESS) {
        rc = readStore(doc);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    KeyPath path = join(base.path, relative);
    if (path.size() > kMaxKeyDepth + 1) {
        return ERROR_INVALID_PARAMETER;
    }
    bool created = false;
    if (doc->find(path) == nullptr) {
        rc = updateStore([&](Document& current, bool& changed) {
            if (current.find(base.path) == nullptr) {
                return ERROR_KEY_DELETED;
            }
            current.create(path, &created);
            changed = created;
            return ERROR_SUCCESS;
        });
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
    } else if (doc->find(base.path) == nullptr) {
        return ERROR_KEY_DELETED;
    }
    if (lpdwDisposition != nullptr) {
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    *phkResult = openHandle({std::move(path), granted(samDesired)});
    return ERROR_SUCCESS;
}

LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass, DWORD* lpReserved,
                      DWORD* lpcSubKeys, DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen,
                      DWORD* lpcValues, DWORD* lpcbMaxValueNameLen, DWORD* lpcbMaxValueLen,
                      DWORD* lpcbSecurityDescriptor, FILETIME* lpftLastWriteTime) {
    if (lpReserved != nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    OpenKey key;
    std::shared_ptr<const Document> doc;
    LONG rc = resolve(hKey, KEY_QUERY_VALUE, key);
    if (rc == ERROR_SUCCESS) {
        rc = readStore(doc);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const KeyNode* node = doc->find(key.path);
    if (node == nullptr) {
        return ERROR_KEY_DELETED;
    }
    DWORD maxSubkey = 0;
    for (const auto& sub : node->subkeys) {
        maxSubkey = std::max(maxSubkey, static_cast<DWORD>(sub.name.size()));
    }
    DWORD maxName = 0;
    DWORD maxData = 0;
    for (const auto& value : node->values) {
        maxName = std::max(maxName, static_cast<DWORD>(value.name.size()));
        maxData = std::max(maxData, static_cast<DWORD>(value.data.size()));
    }
    clearClass(lpClass, lpcchClass);
    auto put = [](DWORD* out, DWORD value) {
        if (out != nullptr) {
            *out = value;
        }
    };
    put(lpcSubKeys, static_cast<DWORD>(node->subkeys.size()));
    put(lpcbMaxSubKeyLen, maxSubkey);
    put(lpcbMaxClassLen, 0);
    put(lpcValues, static_cast<DWORD>(node->values.size()));
    put(lpcbMaxValueNameLen, maxName);
    put(lpcbMaxValueLen, maxData);
    put(lpcbSecurityDescriptor, 0);
    if (lpftLastWriteTime != nullptr) {
        *lpftLastWriteTime = {};
    }
    return ERROR_SUCCESS;
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD* lpReserved,
                   char* lpClass, DWORD* lpcchClass, FILETIME* lpftLastWriteTime) {
    if (lpName == nullptr || lpcchName == nullptr || lpReserved != nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    OpenKey key;
    std::shared_ptr<const Document> doc;
    LONG rc = resolve(hKey, KEY_ENUMERATE_SUB_KEYS, key);
    if (rc == ERROR_SUCCESS) {
        rc = readStore(doc);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const KeyNode* node = doc->find(key.path);
    if (node == nullptr) {
        return ERROR_KEY_DELETED;
    }
    if (dwIndex >= node->subkeys.size()) {
        return ERROR_NO_MORE_ITEMS;
    }
    const std::string& name = node->subkeys[dwIndex].name;
    if (name.size() + 1 > *lpcchName) {
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpName, name.c_str(), name.size() + 1);
    *lpcchName = static_cast<DWORD>(name.size());
    clearClass(lpClass, lpcchClass);
    if (lpftLastWriteTime != nullptr) {
        *lpftLastWriteTime = {};
    }
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                      BYTE* lpData, DWORD* lpcbData) {
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    OpenKey key;
    std::shared_ptr<const Document> doc;
    LONG rc = resolve(hKey, KEY_QUERY_VALUE, key);
    if (rc == ERROR_SUCCESS) {
        rc = readStore(doc);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const KeyNode* node = doc->find(key.path);
    if (node == nullptr) {
        return ERROR_KEY_DELETED;
    }
    const Value* value = node->findValue(lpValueName == nullptr ? "" : lpValueName);
    if (value == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    const auto size = static_cast<DWORD>(value->data.size());
    if (lpType != nullptr) {
        *lpType = value->type;
    }
    if (lpData != nullptr) {
        if (*lpcbData < size) {
            *lpcbData = size;
            return ERROR_MORE_DATA;
        }
        if (size > 0) {
            std::memcpy(lpData, value->data.data(), size);
        }
    }
    if (lpcbData != nullptr) {
        *lpcbData = size;
    }
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD /*Reserved*/, DWORD dwType,
                    const BYTE* lpData, DWORD cbData) {
    OpenKey key;
    LONG rc = resolve(hKey, KEY_SET_VALUE, key);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (dwType != REG_DWORD || cbData != 4 || lpData == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    Value value;
    if (rc = valueName(lpValueName, value.name); rc != ERROR_SUCCESS) {
        return rc;
    }
    value.type = REG_DWORD;
    value.data.assign(lpData, lpData + 4);
    return updateStore([&](Document& doc, bool& changed) {
        KeyNode* node = doc.find(key.path);
        if (node == nullptr) {
            return ERROR_KEY_DELETED;
        }
        const Value* existing = node->findValue(value.name);
        changed =
            existing == nullptr || existing->type != REG_DWORD || existing->data != value.data;
        if (changed) {
            node->setValue(value);
        }
        return ERROR_SUCCESS;
    });
}

LONG RegSetStringValueA(HKEY hKey, const char* lpValueName, const char* lpText) {
    OpenKey key;
    LONG rc = resolve(hKey, KEY_SET_VALUE, key);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (lpText == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::string_view text(lpText);
    if (!fitsOnALine(text)) {
        return ERROR_INVALID_PARAMETER;
    }
    Value value;
    if (rc = valueName(lpValueName, value.name); rc != ERROR_SUCCESS) {
        return rc;
    }
    value.type = REG_SZ;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return updateStore([&](Document& doc, bool& changed) {
        KeyNode* node = doc.find(key.path);
        if (node == nullptr) {
            return ERROR_KEY_DELETED;
        }
        const Value* existing = node->findValue(value.name);
        changed = existing == nullptr || existing->type != REG_SZ || existing->data != value.data;
        if (changed) {
            node->setValue(value);
        }
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) {
    OpenKey key;
    LONG rc = resolve(hKey, KEY_SET_VALUE, key);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const std::string name = lpValueName == nullptr ? "" : lpValueName;
    return updateStore([&](Document& doc, bool& changed) {
        KeyNode* node = doc.find(key.path);
        if (node == nullptr) {
            return ERROR_KEY_DELETED;
        }
        changed = node->removeValue(name);
        return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
    if (lpSubKey == nullptr || *lpSubKey == '\0') {
        return ERROR_INVALID_PARAMETER;
    }
    OpenKey base;
    KeyPath relative;
    LONG rc = resolve(hKey, 0, base);
    if (rc == ERROR_SUCCESS) {
        rc = splitSubKey(lpSubKey, relative);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const KeyPath path = join(base.path, relative);
    return updateStore([&](Document& doc, bool& changed) {
        if (doc.find(base.path) == nullptr) {
            return ERROR_KEY_DELETED;
        }
        const KeyNode* target = doc.find(path);
        if (target == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (!target->subkeys.empty()) {
            return ERROR_ACCESS_DENIED;
        }
        changed = doc.remove(path);
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteTreeA(HKEY hKey, const char* lpSubKey) {
    OpenKey base;
    KeyPath relative;
    LONG rc = resolve(hKey, 0, base);
    if (rc == ERROR_SUCCESS) {
        rc = splitSubKey(lpSubKey, relative);
    }
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    const KeyPath path = join(base.path, relative);
    return updateStore([&](Document& doc, bool& changed) {
        if (doc.find(base.path) == nullptr) {
            return ERROR_KEY_DELETED;
        }
        KeyNode* target = doc.find(path);
        if (target == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (relative.empty()) {
            changed = !target->values.empty() || !target->subkeys.empty();
            target->values.clear();
            target->subkeys.clear();
        } else {
            changed = doc.remove(path);
        }
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY hKey) {
    return closeHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace brennix::winreg
