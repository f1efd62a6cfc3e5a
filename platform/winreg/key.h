#pragma once
// An owned registry key handle for C++ callers: closed when it goes.

#include <string>
#include <vector>

#include "platform/winreg/registry.h"

namespace brennix::winreg {

class Key {
  public:
    Key() = default;
    explicit Key(HKEY handle) noexcept : handle_(handle) {}
    ~Key() { reset(); }
    Key(Key&& other) noexcept : handle_(other.release()) {}
    Key& operator=(Key&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    HKEY release() noexcept {
        HKEY h = handle_;
        handle_ = nullptr;
        return h;
    }
    void reset(HKEY handle = nullptr) noexcept;

    static LONG open(HKEY parent, const std::string& subKey, REGSAM access, Key& out);
    // `created` tells whether the key is new.
    static LONG create(HKEY parent, const std::string& subKey, REGSAM access, Key& out,
                       bool* created = nullptr);

    LONG subkeyNames(std::vector<std::string>& names) const;
    // ERROR_UNSUPPORTED_TYPE when the value is there but is not a 4-byte DWORD.
    LONG queryDword(const std::string& name, DWORD& value) const;
    LONG setDword(const std::string& name, DWORD value) const;
    // ERROR_UNSUPPORTED_TYPE when the value is there but holds no text.
    LONG queryString(const std::string& name, std::string& value) const;
    LONG setString(const std::string& name, const std::string& value) const;
    LONG deleteValue(const std::string& name) const;
    LONG deleteTree(const std::string& subKey) const;

  private:
    HKEY handle_ = nullptr;
};

}  // namespace brennix::winreg
