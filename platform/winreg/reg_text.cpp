#include "platform/winreg/reg_text.h"

#include <cstdio>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace brennix::winreg {
namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kEol = "\r\n";

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a quoted string at the start of `s` (which begins with '"').
// Returns the length consumed, or nothing when the quote is not closed.
std::optional<std::size_t> readQuoted(std::string_view s, std::string& out) {
    out.clear();
    for (std::size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            return i + 1;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

bool parseHexBytes(std::string_view list, std::vector<std::uint8_t>& out) {
    out.clear();
    list = trim(list);
    if (list.empty()) {
        return true;
    }
    while (true) {
        auto comma = list.find(',');
        std::string_view token = trim(list.substr(0, comma));
        if (token.empty() && comma == std::string_view::npos && !out.empty()) {
            return true;  // a trailing comma
        }
        if (token.empty() || token.size() > 2) {
            return false;
        }
        int value = 0;
        for (char c : token) {
            int d = hexDigit(c);
            if (d < 0) {
                return false;
            }
            value = value * 16 + d;
        }
        out.push_back(static_cast<std::uint8_t>(value));
        if (comma == std::string_view::npos) {
            return true;
        }
        list.remove_prefix(comma + 1);
    }
}

bool isTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The tree while it is read. Nodes stay put and are found by their
// upper-cased names, so a file of many keys or values in any order reads in
// n log n; the sorted document is made from it once at the end.
struct ParseNode {
    std::string name;  // first spelling
    std::vector<std::string> comments;
    std::vector<std::optional<Value>> values;  // file order; removed ones empty
    std::unordered_map<std::string, std::size_t> valueIndex;
    std::map<std::string, ParseNode> subkeys;

    ParseNode& subkey(std::string_view part) {
        auto [it, added] = subkeys.try_emplace(upperName(part));
        if (added) {
            it->second.name = std::string(part);
        }
        return it->second;
    }

    Value* findValue(const std::string& upper) {
        auto it = valueIndex.find(upper);
        return it == valueIndex.end() ? nullptr : &*values[it->second];
    }

    void setValue(Value value) {
        const std::string upper = upperName(value.name);
        if (Value* existing = findValue(upper)) {
            if (existing->name != value.name) {
                // The name keeps its first spelling; these lines spell it otherwise.
                value.name = existing->name;
                value.source.clear();
            }
            if (value.comments.empty()) {
                value.comments = std::move(existing->comments);
            }
            *existing = std::move(value);
            return;
        }
        valueIndex.emplace(upper, values.size());
        values.emplace_back(std::move(value));
    }

    void removeValue(const std::string& valueName) {
        auto it = valueIndex.find(upperName(valueName));
        if (it != valueIndex.end()) {
            values[it->second].reset();
            valueIndex.erase(it);
        }
    }

    // Moves everything into `out`; map order is the registry's name order.
    void moveInto(KeyNode& out) {
        out.name = std::move(name);
        out.comments = std::move(comments);
        for (auto& value : values) {
            if (value) {
                out.values.push_back(std::move(*value));
            }
        }
        out.subkeys.resize(subkeys.size());
        std::size_t i = 0;
        for (auto& entry : subkeys) {
            entry.second.moveInto(out.subkeys[i++]);
        }
        subkeys.clear();
    }
};

class Parser {
  public:
    Parser(Document& doc, ParseError& error) : doc_(doc), error_(error) {}

    bool run(const DecodedText& decoded) {
        singleByte_ = decoded.encoding == SourceEncoding::SingleByte;
        lines_ = splitLines(decoded.text);
        std::size_t i = 0;
        while (i < lines_.size() && trim(lines_[i]).empty()) {
            ++i;
        }
        if (i == lines_.size()) {
            return true;  // an empty file is an empty store
        }
        std::string_view header = trim(lines_[i]);
        if (header == kHeader4) {
            legacy_ = true;
        } else if (header != kHeader5) {
            return fail(i, "expected the header \"" + std::string(kHeader5) + "\" or \"" +
                               std::string(kHeader4) + "\"");
        }
        for (++i; i < lines_.size(); ++i) {
            std::string_view t = trimLeft(lines_[i]);
            if (t.empty()) {
                continue;
            }
            bool ok = true;
            if (t.front() == ';') {
                pending_.emplace_back(lines_[i]);
            } else if (t.front() == '[') {
                ok = keyLine(i, trimRight(t));
            } else if (t.front() == '"' || t.front() == '@') {
                ok = valueLine(i);
            } else {
                ok = fail(i, "expected a key in [brackets], a value, or a comment");
            }
            if (!ok) {
                return false;
            }
        }
        doc_.trailingComments = std::move(pending_);
        top_.moveInto(doc_.top);
        return true;
    }

  private:
    bool fail(std::size_t index, std::string message) {
        error_ = {static_cast<int>(index) + 1, std::move(message)};
        return false;
    }

    bool keyLine(std::size_t index, std::string_view t) {
        if (t.back() != ']') {
            return fail(index, "key line does not end with ']'");
        }
        std::string_view inner = t.substr(1, t.size() - 2);
        bool deletion = !inner.empty() && inner.front() == '-';
        if (deletion) {
            inner.remove_prefix(1);
        }
        KeyPath path;
        while (true) {
            auto slash = inner.find('\\');
            std::string_view part = inner.substr(0, slash);
            if (part.empty()) {
                if (slash == std::string_view::npos && !path.empty()) {
                    break;  // one trailing backslash
                }
                return fail(index, "empty key name in \"" + std::string(t) + "\"");
            }
            if (part.size() > kMaxKeyNameLength) {
                return fail(index, "key name longer than 255 characters");
            }
            if (path.empty()) {
                std::string root;
                if (!canonicalRootName(part, root)) {
                    return fail(index, "unknown root key \"" + std::string(part) + "\"");
                }
                path.push_back(root);
            } else {
                path.emplace_back(part);
            }
            if (path.size() > kMaxKeyDepth + 1) {
                return fail(index, "keys nested deeper than 512 levels");
            }
            if (slash == std::string_view::npos) {
                break;
            }
            inner.remove_prefix(slash + 1);
        }
        if (deletion) {
            ParseNode* parent = &top_;
            for (std::size_t p = 0; parent != nullptr && p + 1 < path.size(); ++p) {
                auto it = parent->subkeys.find(upperName(path[p]));
                parent = it == parent->subkeys.end() ? nullptr : &it->second;
            }
            if (parent != nullptr) {
                parent->subkeys.erase(upperName(path.back()));
            }
            current_ = nullptr;
            pending_.clear();
        } else {
            current_ = &top_;
            for (const auto& part : path) {
                current_ = &current_->subkey(part);
            }
            for (auto& c : pending_) {
                current_->comments.push_back(std::move(c));
            }
            pending_.clear();
        }
        deleted_ = deletion;
        return true;
    }

    bool valueLine(std::size_t& index) {
        const std::size_t first = index;
        if (current_ == nullptr) {
            return fail(first, deleted_ ? "value under a key that is being deleted"
                                        : "value before any key");
        }
        Value value;
        std::string logical;
        // Hex data goes on over lines that end in a backslash.
        while (true) {
            value.source.emplace_back(lines_[index]);
            std::string_view piece = trimRight(lines_[index]);
            if (index != first) {
                piece = trimLeft(piece);
            }
            bool more = !piece.empty() && piece.back() == '\\' && index + 1 < lines_.size();
            if (more) {
                piece.remove_suffix(1);
            }
            logical += piece;
            if (!more) {
                break;
            }
            ++index;
        }
        std::string_view rest = trimLeft(logical);
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else {
            auto used = readQuoted(rest, value.name);
            if (!used) {
                return fail(first, "value name has no closing quote");
            }
            rest.remove_prefix(*used);
        }
        rest = trimLeft(rest);
        if (rest.empty() || rest.front() != '=') {
            return fail(first, "expected '=' after the value name");
        }
        rest = trim(rest.substr(1));
        if (rest == "-") {
            current_->removeValue(value.name);
            pending_.clear();
            return true;
        }
        if (!valueData(first, rest, value)) {
            return false;
        }
        value.comments = std::move(pending_);
        pending_.clear();
        current_->setValue(std::move(value));
        return true;
    }

    bool valueData(std::size_t line, std::string_view data, Value& value) {
        if (!data.empty() && data.front() == '"') {
            std::string text;
            auto used = readQuoted(data, text);
            if (!used) {
                return fail(line, "string value has no closing quote");
            }
            if (!trim(data.substr(*used)).empty()) {
                return fail(line, "text after the closing quote of a string value");
            }
            value.type = REG_SZ;
            value.data.assign(text.begin(), text.end());
            value.data.push_back(0);
            return true;
        }
        constexpr std::string_view kDword = "dword:";
        if (sameName(data.substr(0, kDword.size()), kDword)) {
            std::string_view digits = data.substr(kDword.size());
            DWORD number = 0;
            if (digits.size() != 8) {
                return fail(line, "dword value needs exactly 8 hexadecimal digits");
            }
            for (char c : digits) {
                int d = hexDigit(c);
                if (d < 0) {
                    return fail(line, "dword value needs exactly 8 hexadecimal digits");
                }
                number = number * 16 + static_cast<DWORD>(d);
            }
            value.type = REG_DWORD;
            for (int b = 0; b < 4; ++b) {
                value.data.push_back(static_cast<std::uint8_t>(number >> (8 * b)));
            }
            return true;
        }
        constexpr std::string_view kHex = "hex";
        if (!sameName(data.substr(0, kHex.size()), kHex)) {
            return fail(line, "unrecognised value data \"" + std::string(data) + "\"");
        }
        data.remove_prefix(kHex.size());
        value.type = REG_BINARY;
        if (!data.empty() && data.front() == '(') {
            auto close = data.find(')');
            std::string_view digits =
                data.substr(1, close == std::string_view::npos ? 0 : close - 1);
            if (close == std::string_view::npos || digits.empty() || digits.size() > 8) {
                return fail(line, "hex(N) value needs a hexadecimal type number");
            }
            DWORD type = 0;
            for (char c : digits) {
                int d = hexDigit(c);
                if (d < 0) {
                    return fail(line, "hex(N) value needs a hexadecimal type number");
                }
                type = type * 16 + static_cast<DWORD>(d);
            }
            value.type = type;
            data.remove_prefix(close + 1);
        }
        if (data.empty() || data.front() != ':') {
            return fail(line, "expected ':' after hex");
        }
        if (!parseHexBytes(data.substr(1), value.data)) {
            return fail(line, "hex data must be two-digit bytes separated by commas");
        }
        if (isTextType(value.type)) {
            textData(value);
        }
        return true;
    }

    // Text types in hex: UTF-16 in a version 5 file, single-byte in an old one.
    void textData(Value& value) {
        if (legacy_) {
            std::string_view raw(reinterpret_cast<const char*>(value.data.data()),
                                 value.data.size());
            std::string text =
                isValidUtf8(raw) && !singleByte_ ? std::string(raw) : singleByteToUtf8(raw);
            value.data.assign(text.begin(), text.end());
            value.wideInFile = true;
            value.source.clear();  // rewritten as UTF-16 for the version 5 header
            return;
        }
        std::string text;
        if (utf16leToUtf8(value.data, text)) {
            value.data.assign(text.begin(), text.end());
            value.wideInFile = true;
        }
    }

    Document& doc_;
    ParseError& error_;
    std::vector<std::string_view> lines_;
    std::vector<std::string> pending_;
    ParseNode top_;
    ParseNode* current_ = nullptr;
    bool deleted_ = false;
    bool legacy_ = false;
    bool singleByte_ = false;
};

std::string quoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

void appendHexBytes(std::string& out, std::size_t column, const std::vector<std::uint8_t>& bytes,
                    bool wrap) {
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", bytes[i]);
        out += buf;
        column += 2;
        if (i + 1 < bytes.size()) {
            out += ',';
            ++column;
            if (wrap && column > 76) {
                out += "\\";
                out += kEol;
                out += "  ";
                column = 2;
            }
        }
    }
}

std::string hexPrefix(const Value& value) {
    if (value.type == REG_BINARY) {
        return "hex:";
    }
    char buf[24];
    std::snprintf(buf, sizeof buf, "hex(%x):", value.type);
    return buf;
}

std::vector<std::uint8_t> fileBytes(const Value& value) {
    if (!value.wideInFile) {
        return value.data;
    }
    std::string_view text(reinterpret_cast<const char*>(value.data.data()), value.data.size());
    return utf8ToUtf16le(text);
}

bool isHexForm(const Value& value) {
    return formatValueData(value).rfind("hex", 0) == 0;
}

void writeComments(std::string& out, const std::vector<std::string>& comments) {
    for (const auto& c : comments) {
        out += c;
        out += kEol;
    }
}

void writeValue(std::string& out, const Value& value) {
    writeComments(out, value.comments);
    if (!value.source.empty()) {
        for (const auto& line : value.source) {
            out += line;
            out += kEol;
        }
        return;
    }
    std::string head = value.name.empty() ? "@" : quoteName(value.name);
    head += '=';
    out += head;
    if (isHexForm(value)) {
        std::string prefix = hexPrefix(value);
        out += prefix;
        appendHexBytes(out, head.size() + prefix.size(), fileBytes(value), true);
    } else {
        out += formatValueData(value);
    }
    out += kEol;
}

void writeKey(std::string& out, const KeyNode& node, const std::string& path, bool isRoot) {
    // A root is implied by its subkeys; one with none must be written itself.
    if (!isRoot || !node.values.empty() || !node.comments.empty() || node.subkeys.empty()) {
        out += kEol;
        writeComments(out, node.comments);
        out += '[';
        out += path;
        out += ']';
        out += kEol;
        for (const auto& v : node.values) {
            writeValue(out, v);
        }
    }
    for (const auto& sub : node.subkeys) {
        writeKey(out, sub, path + "\\" + sub.name, false);
    }
}

}  // namespace

bool parseRegText(std::string_view bytes, Document& out, ParseError& error) {
    out = {};
    DecodedText decoded;
    DecodeError decodeError;
    if (!decodeStoreBytes(bytes, decoded, decodeError)) {
        error = {decodeError.line, decodeError.what};
        return false;
    }
    Parser parser(out, error);
    if (!parser.run(decoded)) {
        out = {};
        return false;
    }
    return true;
}

std::string formatValueData(const Value& value) {
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD n = 0;
        for (int b = 3; b >= 0; --b) {
            n = (n << 8) | value.data[static_cast<std::size_t>(b)];
        }
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", n);
        return buf;
    }
    if (value.type == REG_SZ && !value.data.empty() && value.data.back() == 0) {
        std::string text(value.data.begin(), value.data.end() - 1);
        // A quoted string ends at its line and is read as UTF-8; text that
        // a line cannot hold stays in hex, where every byte survives.
        if (text.find('\0') == std::string::npos && fitsOnALine(text)) {
            return quoteName(text);
        }
    }
    std::string out = hexPrefix(value);
    appendHexBytes(out, 0, fileBytes(value), false);
    return out;
}

std::string formatRegText(const Document& document) {
    std::string out(kHeader5);
    out += kEol;
    for (const auto& root : document.top.subkeys) {
        writeKey(out, root, root.name, true);
    }
    if (!document.trailingComments.empty()) {
        out += kEol;
        writeComments(out, document.trailingComments);
    }
    out += kEol;
    return out;
}

}  // namespace brennix::winreg
