#include "simulator/journal.h"

#include <algorithm>
#include <utility>

namespace brennix::sim {

void Journal::setCapacity(std::size_t capacity) {
    capacity_ = capacity;
    while (entries_.size() > capacity_) {
        entries_.pop_front();
        ++dropped_;
    }
}

void Journal::add(JournalEntry entry) {
    if (capacity_ == 0) {
        ++dropped_;
        return;
    }
    if (entries_.size() == capacity_) {
        entries_.pop_front();
        ++dropped_;
    }
    entries_.push_back(std::move(entry));
}

void Journal::clear() {
    entries_.clear();
    dropped_ = 0;
}

std::vector<std::uint8_t> Journal::writesTo(hw::PortAddress port) const {
    std::vector<std::uint8_t> values;
    for (const auto& entry : entries_) {
        if (entry.kind == JournalEntry::Kind::Write && entry.port == port) {
            values.push_back(entry.value);
        }
    }
    return values;
}

std::size_t Journal::readsOf(hw::PortAddress port) const {
    return static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(),
        [&](const auto& e) { return e.kind == JournalEntry::Kind::Read && e.port == port; }));
}

std::vector<std::pair<hw::PortAddress, std::uint8_t>> Journal::writes() const {
    std::vector<std::pair<hw::PortAddress, std::uint8_t>> all;
    for (const auto& entry : entries_) {
        if (entry.kind == JournalEntry::Kind::Write) {
            all.emplace_back(entry.port, entry.value);
        }
    }
    return all;
}

std::vector<JournalEntry> Journal::controls(std::uint32_t code) const {
    std::vector<JournalEntry> calls;
    for (const auto& entry : entries_) {
        if (entry.kind == JournalEntry::Kind::Control && (code == 0 || entry.code == code)) {
            calls.push_back(entry);
        }
    }
    return calls;
}

ReadScript::Script& ReadScript::scriptFor(hw::PortAddress port) {
    for (auto& [scriptPort, script] : scripts_) {
        if (scriptPort == port) {
            return script;
        }
    }
    return scripts_.emplace_back(port, Script{}).second;
}

void ReadScript::queue(hw::PortAddress port, std::vector<std::uint8_t> values) {
    auto& script = scriptFor(port);
    script.queued.insert(script.queued.end(), values.begin(), values.end());
}

void ReadScript::hold(hw::PortAddress port, std::uint8_t value) {
    auto& script = scriptFor(port);
    script.held = true;
    script.heldValue = value;
}

void ReadScript::release(hw::PortAddress port) {
    std::erase_if(scripts_, [&](const auto& entry) { return entry.first == port; });
}

void ReadScript::clear() {
    scripts_.clear();
}

bool ReadScript::next(hw::PortAddress port, std::uint8_t& value) {
    for (auto& [scriptPort, script] : scripts_) {
        if (scriptPort != port) {
            continue;
        }
        if (!script.queued.empty()) {
            value = script.queued.front();
            script.queued.pop_front();
            return true;
        }
        if (script.held) {
            value = script.heldValue;
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace brennix::sim
