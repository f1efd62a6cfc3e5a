// "\\.\Braxon": on each interrupt of a Dorv run it writes the next value of
// every registered slot buffer to that slot's D/A channel.

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "simulator/devices.h"
#include "simulator/simulator.h"

namespace brennix::sim {
namespace {

using namespace dorv_device;

class DorvDevice final : public hw::Device {
  public:
    explicit DorvDevice(std::shared_ptr<Machine> machine) : machine_(std::move(machine)) {}

    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) override {
        bytesReturned = 0;
        if (code >= kFirstSlotBuffer && code <= kFirstSlotBuffer + 4 * 5 &&
            (code - kFirstSlotBuffer) % 4 == 0) {
            return takeBuffer((code - kFirstSlotBuffer) / 4, in, inLength);
        }
        switch (code) {
            case kInterruptStart:
                return start(in, inLength);
            case kInterruptStop:
                collect();
                board_ = nullptr;
                return true;
            case kInterruptStatus:
                if (in == nullptr || inLength < kRecordBytes || out == nullptr ||
                    outLength < kRecordBytes) {
                    return false;
                }
                collect();
                std::memmove(out, in, kRecordBytes);
                setRecordField(out, 0, served_);
                bytesReturned = kRecordBytes;
                return true;
            default:
                return false;
        }
    }

  private:
    bool takeBuffer(unsigned slot, const void* in, std::uint32_t inLength) {
        if (in == nullptr && inLength > 0) {
            return false;
        }
        auto& buffer = buffers_[slot];
        buffer.resize(inLength / 4);
        for (std::size_t i = 0; i < buffer.size(); ++i) {
            buffer[i] = recordField(in, 4 * i);
        }
        return true;
    }

    bool start(const void* in, std::uint32_t inLength) {
        if (in == nullptr || inLength < kRecordBytes) {
            return false;
        }
        auto count = static_cast<std::int32_t>(recordField(in, 4));
        std::uint32_t base = recordField(in, 60);
        DorvBoard* board =
            base <= 0xFFFF ? machine_->dorvBoardAt(static_cast<hw::PortAddress>(base)) : nullptr;
        if (board == nullptr || count < 0 || static_cast<std::uint32_t>(count) > kMaxRunSamples) {
            return false;
        }
        board_ = board;
        count_ = static_cast<std::uint32_t>(count);
        for (unsigned k = 0; k < 6; ++k) {
            ports_[k] = recordField(in, 8 + 4 * k);
            enabled_[k] = recordField(in, 32 + 4 * k) != 0;
        }
        startedAt_ = Machine::now();
        served_ = 0;
        return true;
    }

    void collect() {
        if (board_ == nullptr) {
            return;
        }
        std::uint64_t elapsed = Machine::now() - startedAt_;
        std::uint64_t rate = board_->config().interruptRateHz;
        std::uint64_t due = (elapsed / 1'000'000) * rate + (elapsed % 1'000'000) * rate / 1'000'000;
        auto target = static_cast<std::uint32_t>(std::min<std::uint64_t>(due, count_));
        if (target <= served_) {
            return;
        }
        std::uint32_t last = target - 1;
        for (unsigned k = 0; k < 6; ++k) {
            std::uint32_t port = ports_[k];
            std::uint32_t base = board_->base();
            if (!enabled_[k] || port < base || port >= base + 12 || (port - base) % 2 != 0 ||
                buffers_[k].size() <= last) {
                continue;
            }
            board_->setAnalogOutput((port - base) / 2,
                                    static_cast<std::uint16_t>(buffers_[k][last]));
        }
        served_ = target;
    }

    std::shared_ptr<Machine> machine_;
    std::array<std::vector<std::uint32_t>, 6> buffers_{};
    DorvBoard* board_ = nullptr;
    std::uint32_t count_ = 0;
    std::array<std::uint32_t, 6> ports_{};
    std::array<bool, 6> enabled_{};
    std::uint64_t startedAt_ = 0;
    std::uint32_t served_ = 0;
};

// Journals every call and answers refused codes with a failure.
class JournaledDevice final : public hw::Device {
  public:
    JournaledDevice(std::unique_ptr<hw::Device> inner, std::string name,
                    std::shared_ptr<Machine> machine)
        : inner_(std::move(inner)), name_(std::move(name)), machine_(std::move(machine)) {}

    ~JournaledDevice() override {
        inner_.reset();
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::Close;
        entry.device = name_;
        entry.microseconds = Machine::now();
        machine_->journal.add(std::move(entry));
    }

    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) override {
        JournalEntry entry;
        entry.kind = JournalEntry::Kind::Control;
        entry.device = name_;
        entry.code = code;
        entry.microseconds = Machine::now();
        if (in != nullptr) {
            // Large sample buffers are journaled by their head only.
            const auto* bytes = static_cast<const std::uint8_t*>(in);
            entry.input.assign(bytes, bytes + std::min<std::uint32_t>(inLength, kJournaledBytes));
        }
        bytesReturned = 0;
        bool ok = false;
        if (machine_->refusedCodes.count(code) == 0) {
            ok = inner_->control(code, in, inLength, out, outLength, bytesReturned);
        }
        if (ok && out != nullptr) {
            const auto* bytes = static_cast<const std::uint8_t*>(out);
            entry.output.assign(bytes,
                                bytes + std::min<std::uint32_t>(bytesReturned, kJournaledBytes));
        }
        entry.ok = ok;
        machine_->journal.add(std::move(entry));
        return ok;
    }

    const void* resolveAddress(std::uint32_t address, std::size_t bytes) const override {
        return inner_->resolveAddress(address, bytes);
    }

  private:
    static constexpr std::uint32_t kJournaledBytes = 4096;
    std::unique_ptr<hw::Device> inner_;
    std::string name_;
    std::shared_ptr<Machine> machine_;
};

}  // namespace

std::unique_ptr<hw::Device> makeDorvDevice(std::shared_ptr<Machine> machine) {
    return std::make_unique<DorvDevice>(std::move(machine));
}

std::unique_ptr<hw::Device> journaled(std::unique_ptr<hw::Device> device, std::string name,
                                      std::shared_ptr<Machine> machine) {
    return std::make_unique<JournaledDevice>(std::move(device), std::move(name),
                                             std::move(machine));
}

}  // namespace brennix::sim
