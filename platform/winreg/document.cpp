#include "platform/winreg/document.h"

#include <algorithm>
#include <array>

#include "platform/winreg/text_encoding.h"

namespace brennix::winreg {
namespace {

char upperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

template <typename Node>
auto lowerBound(std::vector<Node>& nodes, std::string_view name) {
    return std::lower_bound(
        nodes.begin(), nodes.end(), name,
        [](const Node& n, std::string_view k) { return nameBefore(n.name, k); });
}

}  // namespace

std::string upperName(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(), upperChar);
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upperChar(x) == upperChar(y);
           });
}

bool nameBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(upperChar(x)) < static_cast<unsigned char>(upperChar(y));
    });
}

bool canonicalRootName(std::string_view name, std::string& canonical) {
    static constexpr std::array<std::string_view, 5> kRoots = {
        "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
        "HKEY_CURRENT_CONFIG"};
    for (auto root : kRoots) {
        if (sameName(root, name)) {
            canonical = std::string(root);
            return true;
        }
    }
    return false;
}

bool fitsOnALine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos && isValidUtf8(text);
}

KeyNode* KeyNode::findSubkey(std::string_view subkey) {
    auto it = lowerBound(subkeys, subkey);
    return (it != subkeys.end() && sameName(it->name, subkey)) ? &*it : nullptr;
}

const KeyNode* KeyNode::findSubkey(std::string_view subkey) const {
    return const_cast<KeyNode*>(this)->findSubkey(subkey);
}

KeyNode& KeyNode::addSubkey(std::string_view subkey, bool* created) {
    auto it = lowerBound(subkeys, subkey);
    bool isNew = it == subkeys.end() || !sameName(it->name, subkey);
    if (isNew) {
        KeyNode node;
        node.name = std::string(subkey);
        it = subkeys.insert(it, std::move(node));
    }
    if (created != nullptr) {
        *created = isNew;
    }
    return *it;
}

bool KeyNode::removeSubkey(std::string_view subkey) {
    auto it = lowerBound(subkeys, subkey);
    if (it == subkeys.end() || !sameName(it->name, subkey)) {
        return false;
    }
    subkeys.erase(it);
    return true;
}

Value* KeyNode::findValue(std::string_view value) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Value& v) { return sameName(v.name, value); });
    return it == values.end() ? nullptr : &*it;
}

const Value* KeyNode::findValue(std::string_view value) const {
    return const_cast<KeyNode*>(this)->findValue(value);
}

void KeyNode::setValue(Value value) {
    if (Value* existing = findValue(value.name)) {
        // The name keeps its first spelling, as the registry does.
        value.name = existing->name;
        if (value.comments.empty()) {
            value.comments = std::move(existing->comments);
        }
        *existing = std::move(value);
    } else {
        values.push_back(std::move(value));
    }
}

bool KeyNode::removeValue(std::string_view value) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Value& v) { return sameName(v.name, value); });
    if (it == values.end()) {
        return false;
    }
    values.erase(it);
    return true;
}

KeyNode* Document::find(const KeyPath& path) {
    KeyNode* node = &top;
    for (const auto& part : path) {
        node = node->findSubkey(part);
        if (node == nullptr) {
            return nullptr;
        }
    }
    return node;
}

const KeyNode* Document::find(const KeyPath& path) const {
    return const_cast<Document*>(this)->find(path);
}

KeyNode& Document::create(const KeyPath& path, bool* created) {
    KeyNode* node = &top;
    bool last = false;
    for (const auto& part : path) {
        node = &node->addSubkey(part, &last);
    }
    if (created != nullptr) {
        *created = last;
    }
    return *node;
}

bool Document::remove(const KeyPath& path) {
    if (path.empty()) {
        return false;
    }
    KeyPath parentPath(path.begin(), path.end() - 1);
    KeyNode* parent = find(parentPath);
    return parent != nullptr && parent->removeSubkey(path.back());
}

}  // namespace brennix::winreg
