// "\\.\BraxVexa": collects paced conversions of a Vexa, Olmi or Senu board
// for interrupt runs (samples handed over on request) and DMA runs (samples
// in a sample area the caller reads through resolveAddress).

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "simulator/devices.h"
#include "simulator/simulator.h"

namespace brennix::sim {
namespace {

using namespace vexa_device;

class AcquisitionDevice final : public hw::Device {
  public:
    explicit AcquisitionDevice(std::shared_ptr<Machine> machine)
        : machine_(std::move(machine)), area_(std::make_unique<DmaArea>()) {}

    ~AcquisitionDevice() override {
        stopInterruptRun();
        releaseArea();
    }

    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) override {
        bytesReturned = 0;
        switch (code) {
            case kInterruptStart:
                return startInterruptRun(in, inLength);
            case kBufferHandOver:
                return in != nullptr || inLength == 0;
            case kInterruptStatus:
                return interruptStatus(in, inLength, out, outLength, bytesReturned);
            case kSampleRead:
                return readSamples(out, outLength, bytesReturned);
            case kInterruptStop:
                collectInterrupt();
                stopInterruptRun();
                return true;
            case kDmaStart:
                return startDma(in, inLength, out, outLength, bytesReturned);
            case kDmaStatus:
                return dmaStatus(in, inLength, out, outLength, bytesReturned);
            case kDmaRelease:
                if (fits(in, inLength, kDmaRecordBytes) && fits(out, outLength, kDmaRecordBytes)) {
                    std::memmove(out, in, kDmaRecordBytes);
                    bytesReturned = kDmaRecordBytes;
                }
                releaseArea();
                return true;
            default:
                return false;
        }
    }

    const void* resolveAddress(std::uint32_t address, std::size_t bytes) const override {
        DmaArea& area = *area_;
        if (!area.live || address < area.token) {
            return nullptr;
        }
        std::size_t offset = address - area.token;
        std::size_t size = area.words.size() * sizeof(std::uint16_t);
        if (offset > size || bytes > size - offset) {
            return nullptr;
        }
        collectDma();
        return reinterpret_cast<const std::uint8_t*>(area.words.data()) + offset;
    }

  private:
    struct InterruptRun {
        AnalogBoard* board = nullptr;
        std::uint32_t requested = 0;
        std::vector<std::uint16_t> samples;
    };
    struct DmaArea {
        bool live = false;
        std::uint32_t token = 0;
        std::vector<std::uint16_t> words;
        std::size_t filled = 0;
        std::vector<AnalogBoard*> boards;
    };

    static bool fits(const void* buffer, std::uint32_t length, std::uint32_t needed) {
        return buffer != nullptr && length >= needed;
    }

    bool startInterruptRun(const void* in, std::uint32_t inLength) {
        if (!fits(in, inLength, kInterruptRecordBytes)) {
            return false;
        }
        auto count = static_cast<std::int32_t>(recordField(in, 4));
        std::uint32_t base = recordField(in, 28);
        AnalogBoard* board =
            base <= 0xFFFF ? machine_->analogBoardAt(static_cast<hw::PortAddress>(base)) : nullptr;
        if (board == nullptr || count < 0 || static_cast<std::uint32_t>(count) > kMaxRunSamples) {
            return false;
        }
        stopInterruptRun();
        run_ = InterruptRun{board, static_cast<std::uint32_t>(count), {}};
        board->arm(AnalogBoard::Sink::Interrupt, run_.requested, Machine::now());
        return true;
    }

    void stopInterruptRun() {
        if (run_.board != nullptr) {
            run_.board->disarm(AnalogBoard::Sink::Interrupt);
            run_.board = nullptr;
        }
    }

    void collectInterrupt() {
        if (run_.board == nullptr) {
            return;
        }
        auto fresh = run_.board->take(AnalogBoard::Sink::Interrupt, Machine::now());
        std::size_t room = run_.requested - run_.samples.size();
        run_.samples.insert(
            run_.samples.end(), fresh.begin(),
            fresh.begin() + static_cast<std::ptrdiff_t>(std::min(room, fresh.size())));
    }

    bool interruptStatus(const void* in, std::uint32_t inLength, void* out, std::uint32_t outLength,
                         std::uint32_t& bytesReturned) {
        if (!fits(in, inLength, kInterruptRecordBytes) ||
            !fits(out, outLength, kInterruptRecordBytes)) {
            return false;
        }
        collectInterrupt();
        std::memmove(out, in, kInterruptRecordBytes);
        setRecordField(out, 0, static_cast<std::uint32_t>(run_.samples.size()));
        bytesReturned = kInterruptRecordBytes;
        return true;
    }

    bool readSamples(void* out, std::uint32_t outLength, std::uint32_t& bytesReturned) {
        if (out == nullptr && outLength > 0) {
            return false;
        }
        collectInterrupt();
        // Never more than the caller's buffer holds.
        std::size_t count =
            std::min<std::size_t>(outLength / sizeof(std::uint16_t), run_.samples.size());
        auto* bytes = static_cast<std::uint8_t*>(out);
        for (std::size_t i = 0; i < count; ++i) {
            bytes[2 * i] = static_cast<std::uint8_t>(run_.samples[i] & 0xFF);
            bytes[2 * i + 1] = static_cast<std::uint8_t>(run_.samples[i] >> 8);
        }
        bytesReturned = static_cast<std::uint32_t>(count * sizeof(std::uint16_t));
        return true;
    }

    bool startDma(const void* in, std::uint32_t inLength, void* out, std::uint32_t outLength,
                  std::uint32_t& bytesReturned) {
        if (!fits(in, inLength, kDmaRecordBytes) || !fits(out, outLength, kDmaRecordBytes)) {
            return false;
        }
        auto count = static_cast<std::int32_t>(recordField(in, 8));
        if (count < 0 || static_cast<std::uint32_t>(count) > kMaxRunSamples) {
            return false;
        }
        releaseArea();
        DmaArea& area = *area_;
        area.live = true;
        area.words.assign(static_cast<std::size_t>(count), 0);
        area.filled = 0;
        // Fresh tokens for every area, so a stale address stops resolving.
        std::uint32_t span = (static_cast<std::uint32_t>(count) * 2U + 0xFFFU) & ~0xFFFU;
        if (machine_->nextAreaToken > 0xF0000000U - span) {
            machine_->nextAreaToken = 0x00400000;
        }
        area.token = machine_->nextAreaToken;
        machine_->nextAreaToken += span + 0x1000;
        // The record names no board: every board that paces DMA feeds it.
        for (AnalogBoard* board : machine_->analogBoards()) {
            if (board->type() != BoardType::Senu) {
                board->arm(AnalogBoard::Sink::Dma, static_cast<std::uint32_t>(count),
                           Machine::now());
                area.boards.push_back(board);
            }
        }
        std::memmove(out, in, kDmaRecordBytes);
        setRecordField(out, 0, area.token);
        bytesReturned = kDmaRecordBytes;
        return true;
    }

    void collectDma() const {
        DmaArea& area = *area_;
        for (AnalogBoard* board : area.boards) {
            for (std::uint16_t word : board->take(AnalogBoard::Sink::Dma, Machine::now())) {
                if (area.filled < area.words.size()) {
                    area.words[area.filled++] = word;
                }
            }
        }
    }

    bool dmaStatus(const void* in, std::uint32_t inLength, void* out, std::uint32_t outLength,
                   std::uint32_t& bytesReturned) {
        if (!area_->live || !fits(in, inLength, kDmaRecordBytes) ||
            !fits(out, outLength, kDmaRecordBytes)) {
            return false;
        }
        collectDma();
        std::memmove(out, in, kDmaRecordBytes);
        setRecordField(out, 20, static_cast<std::uint32_t>(area_->filled) - 1U);
        setRecordField(out, 24, area_->filled < area_->words.size() ? 1U : 0U);
        bytesReturned = kDmaRecordBytes;
        return true;
    }

    void releaseArea() {
        for (AnalogBoard* board : area_->boards) {
            board->disarm(AnalogBoard::Sink::Dma);
        }
        *area_ = DmaArea{};
    }

    std::shared_ptr<Machine> machine_;
    InterruptRun run_;
    // Behind a pointer so that resolving an address, a const query, can
    // still bring the area up to date.
    std::unique_ptr<DmaArea> area_;
};

class PortAccessDevice final : public hw::Device {
  public:
    bool control(std::uint32_t, const void*, std::uint32_t, void*, std::uint32_t,
                 std::uint32_t& bytesReturned) override {
        bytesReturned = 0;
        return false;
    }
};

}  // namespace

std::unique_ptr<hw::Device> makeAcquisitionDevice(std::shared_ptr<Machine> machine) {
    return std::make_unique<AcquisitionDevice>(std::move(machine));
}

std::unique_ptr<hw::Device> makePortAccessDevice() {
    return std::make_unique<PortAccessDevice>();
}

}  // namespace brennix::sim
