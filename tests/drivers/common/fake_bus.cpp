#include "tests/drivers/common/fake_bus.h"

#include <cstdio>
#include <cstring>

namespace brennix::drivers::testing {

class FakeDevice final : public hw::Device {
  public:
    FakeDevice(std::string name, std::shared_ptr<FakeBus::State> state)
        : name_(std::move(name)), state_(std::move(state)), openCount_(state_->openCount) {
        ++*openCount_;
    }
    ~FakeDevice() override { --*openCount_; }
    FakeDevice(const FakeDevice&) = delete;
    FakeDevice& operator=(const FakeDevice&) = delete;

    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) override {
        BusEvent call;
        call.kind = BusEvent::Kind::Control;
        call.device = name_;
        call.code = code;
        if (in != nullptr) {
            const auto* bytes = static_cast<const std::uint8_t*>(in);
            call.input.assign(bytes, bytes + inLength);
        }
        call.inPointer = in;
        call.outPointer = out;
        call.outLength = outLength;
        state_->events.push_back(call);
        bytesReturned = 0;
        if (state_->refused.count(code) != 0) {
            return false;
        }
        auto handler = state_->handlers.find(code);
        if (handler == state_->handlers.end()) {
            return true;
        }
        std::span<std::uint8_t> output;
        if (out != nullptr) {
            output = {static_cast<std::uint8_t*>(out), outLength};
        }
        bool ok = handler->second(call, output);
        bytesReturned = static_cast<std::uint32_t>(output.size());
        return ok;
    }

    const void* resolveAddress(std::uint32_t address, std::size_t bytes) const override {
        if (address != state_->areaAddress || bytes > state_->area.size() * 2) {
            return nullptr;
        }
        return state_->area.data();
    }

  private:
    std::string name_;
    std::shared_ptr<FakeBus::State> state_;
    std::shared_ptr<std::size_t> openCount_;
};

FakeBus::FakeBus() : state_(std::make_shared<State>()) {
    state_->available = {"\\\\.\\dio", "\\\\.\\BraxVexa", "\\\\.\\Braxon"};
}

std::uint8_t FakeBus::readByte(hw::PortAddress port) {
    std::uint8_t value = 0;
    auto& queue = state_->queued[port];
    if (!queue.empty()) {
        value = queue.front();
        queue.erase(queue.begin());
    } else if (auto held = state_->held.find(port); held != state_->held.end()) {
        value = held->second;
    }
    BusEvent event;
    event.kind = BusEvent::Kind::Read;
    event.port = port;
    event.value = value;
    state_->events.push_back(event);
    return value;
}

void FakeBus::writeByte(hw::PortAddress port, std::uint8_t value) {
    BusEvent event;
    event.kind = BusEvent::Kind::Write;
    event.port = port;
    event.value = value;
    state_->events.push_back(event);
}

std::unique_ptr<hw::Device> FakeBus::openDevice(std::string_view name) {
    if (state_->available.find(name) == state_->available.end()) {
        return nullptr;
    }
    return std::make_unique<FakeDevice>(std::string(name), state_);
}

void FakeBus::queueReads(std::uint16_t port, std::vector<std::uint8_t> values) {
    auto& queue = state_->queued[port];
    queue.insert(queue.end(), values.begin(), values.end());
}

void FakeBus::holdRead(std::uint16_t port, std::uint8_t value) {
    state_->held[port] = value;
}

void FakeBus::setAvailable(std::string_view device, bool available) {
    if (available) {
        state_->available.emplace(device);
    } else if (auto found = state_->available.find(device); found != state_->available.end()) {
        state_->available.erase(found);
    }
}

void FakeBus::onControl(std::uint32_t code, ControlHandler handler) {
    state_->handlers[code] = std::move(handler);
}

void FakeBus::refuse(std::uint32_t code) {
    state_->refused.insert(code);
}

void FakeBus::setSampleArea(std::uint32_t address, std::vector<std::uint16_t> words) {
    state_->areaAddress = address;
    state_->area = std::move(words);
}

std::vector<std::pair<std::uint16_t, std::uint8_t>> FakeBus::writes() const {
    std::vector<std::pair<std::uint16_t, std::uint8_t>> result;
    for (const auto& event : state_->events) {
        if (event.kind == BusEvent::Kind::Write) {
            result.emplace_back(event.port, event.value);
        }
    }
    return result;
}

std::vector<std::uint8_t> FakeBus::writesTo(std::uint16_t port) const {
    std::vector<std::uint8_t> result;
    for (const auto& event : state_->events) {
        if (event.kind == BusEvent::Kind::Write && event.port == port) {
            result.push_back(event.value);
        }
    }
    return result;
}

std::size_t FakeBus::readsOf(std::uint16_t port) const {
    std::size_t reads = 0;
    for (const auto& event : state_->events) {
        reads += event.kind == BusEvent::Kind::Read && event.port == port ? 1 : 0;
    }
    return reads;
}

std::vector<BusEvent> FakeBus::controls(std::uint32_t code) const {
    std::vector<BusEvent> result;
    for (const auto& event : state_->events) {
        if (event.kind == BusEvent::Kind::Control && (code == 0 || event.code == code)) {
            result.push_back(event);
        }
    }
    return result;
}

std::uint32_t fieldAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

void setFieldAt(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace brennix::drivers::testing

namespace brennix::drivers::testing {

std::vector<std::string> trace(const FakeBus& bus, std::uint16_t base) {
    std::vector<std::string> lines;
    char line[32];
    for (const auto& event : bus.events()) {
        bool onBoard = event.port >= base && event.port < base + 16;
        int offset = event.port - base;
        switch (event.kind) {
            case BusEvent::Kind::Read:
                if (onBoard) {
                    std::snprintf(line, sizeof line, "R+%d", offset);
                } else {
                    std::snprintf(line, sizeof line, "R %03X", event.port);
                }
                break;
            case BusEvent::Kind::Write:
                if (onBoard) {
                    std::snprintf(line, sizeof line, "W+%d=%02X", offset, event.value);
                } else {
                    std::snprintf(line, sizeof line, "W %03X=%02X", event.port, event.value);
                }
                break;
            case BusEvent::Kind::Control:
                std::snprintf(line, sizeof line, "C %08X", event.code);
                break;
        }
        lines.emplace_back(line);
    }
    return lines;
}

}  // namespace brennix::drivers::testing
