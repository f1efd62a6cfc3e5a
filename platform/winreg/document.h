#pragma once
// The store as a tree of keys and values, the way the export text holds it.
// Values the store does not interpret keep the lines they were read from, so
// a rewrite gives them back unchanged.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/winreg/types.h"

namespace brennix::winreg {

struct Value {
    std::string name;  // empty: the unnamed value
    DWORD type = REG_NONE;
    // What a query returns: strings narrow (UTF-8) and NUL-terminated.
    std::vector<std::uint8_t> data;
    // Text types held as UTF-16 in the file, so written back as UTF-16.
    bool wideInFile = false;
    // The physical lines it came from; empty once it is changed here.
    std::vector<std::string> source;
    std::vector<std::string> comments;  // comment lines just before it
};

struct KeyNode {
    std::string name;
    std::vector<std::string> comments;
    std::vector<Value> values;     // in file order
    std::vector<KeyNode> subkeys;  // in enumeration order

    KeyNode* findSubkey(std::string_view subkey);
    const KeyNode* findSubkey(std::string_view subkey) const;
    KeyNode& addSubkey(std::string_view subkey, bool* created = nullptr);
    bool removeSubkey(std::string_view subkey);

    Value* findValue(std::string_view value);
    const Value* findValue(std::string_view value) const;
    void setValue(Value value);
    bool removeValue(std::string_view value);
};

using KeyPath = std::vector<std::string>;

struct Document {
    KeyNode top;  // its subkeys are the roots: HKEY_CURRENT_USER, ...
    std::vector<std::string> trailingComments;

    KeyNode* find(const KeyPath& path);
    const KeyNode* find(const KeyPath& path) const;
    KeyNode& create(const KeyPath& path, bool* created = nullptr);
    bool remove(const KeyPath& path);
};

// Names compare as the registry sorts them: upper-cased, byte by byte.
std::string upperName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);
bool nameBefore(std::string_view a, std::string_view b);

// Accepts a root's full name in any case and returns its canonical spelling.
bool canonicalRootName(std::string_view name, std::string& canonical);

// A name or text the store's lines can hold as given: no line break, and
// UTF-8 like the rest of the file. Anything else would split a line or make
// the whole file read as another encoding.
bool fitsOnALine(std::string_view text);

inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;
// Levels below a root, as the registry allows; also keeps recursion bounded.
inline constexpr std::size_t kMaxKeyDepth = 512;

}  // namespace brennix::winreg
