#include "simulator/journal_backend.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "platform/hw/clock.h"

namespace brennix::sim {
namespace {

std::string lowerCase(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

}  // namespace

class JournalBackend::FakeDevice final : public hw::Device {
  public:
    FakeDevice(std::shared_ptr<State> state, std::string name)
        : state_(std::move(state)), name_(std::move(name)) {}

    ~FakeDevice() override {
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::Close;
        entry.device = name_;
        entry.microseconds = hw::nowMicroseconds();
        state_->journal.add(std::move(entry));
    }

    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) override {
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::Control;
        entry.device = name_;
        entry.code = code;
        entry.microseconds = hw::nowMicroseconds();
        if (in != nullptr) {
            const auto* bytes = static_cast<const std::uint8_t*>(in);
            entry.input.assign(bytes, bytes + inLength);
        }
        bytesReturned = 0;
        bool ok = true;
        auto found = state_->replies.find(code);
        if (found != state_->replies.end() && !found->second.empty()) {
            Reply reply = std::move(found->second.front());
            found->second.pop_front();
            ok = reply.ok;
            if (ok && out != nullptr) {
                bytesReturned = static_cast<std::uint32_t>(
                    std::min<std::size_t>(reply.output.size(), outLength));
                std::memcpy(out, reply.output.data(), bytesReturned);
                entry.output.assign(reply.output.begin(), reply.output.begin() + bytesReturned);
            }
        }
        entry.ok = ok;
        state_->journal.add(std::move(entry));
        return ok;
    }

  private:
    std::shared_ptr<State> state_;
    std::string name_;
};

JournalBackend::JournalBackend() : state_(std::make_shared<State>()) {
    state_->available = {"\\\\.\\dio", "\\\\.\\braxvexa", "\\\\.\\braxon"};
}

std::uint8_t JournalBackend::readByte(hw::PortAddress port) {
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Read;
    entry.port = port;
    entry.microseconds = hw::nowMicroseconds();
    std::uint8_t value = 0xFF;
    entry.scripted = state_->script.next(port, value);
    entry.value = value;
    state_->journal.add(std::move(entry));
    return value;
}

void JournalBackend::writeByte(hw::PortAddress port, std::uint8_t value) {
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Write;
    entry.port = port;
    entry.value = value;
    entry.microseconds = hw::nowMicroseconds();
    state_->journal.add(std::move(entry));
}

std::unique_ptr<hw::Device> JournalBackend::openDevice(std::string_view name) {
    bool ok = state_->available.count(lowerCase(name)) != 0;
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Open;
    entry.device = std::string(name);
    entry.ok = ok;
    entry.microseconds = hw::nowMicroseconds();
    state_->journal.add(std::move(entry));
    if (!ok) {
        return nullptr;
    }
    return std::make_unique<FakeDevice>(state_, std::string(name));
}

void JournalBackend::setDeviceAvailable(std::string_view name, bool available) {
    if (available) {
        state_->available.insert(lowerCase(name));
    } else {
        state_->available.erase(lowerCase(name));
    }
}

void JournalBackend::queueReply(std::uint32_t code, std::vector<std::uint8_t> output, bool ok) {
    state_->replies[code].push_back(Reply{std::move(output), ok});
}

}  // namespace brennix::sim
