#pragma once
// The "\\.\BraxVexa" acquisition device's protocol and the library-wide
// records exchanged with it (one of each per library, shared by its cards).

#include <cstdint>

#include "drivers/common/device_record.h"
#include "platform/hw/device.h"

namespace brennix::drivers {

// Interrupt record field offsets.
namespace irec {
inline constexpr std::size_t kCollected = 0;
inline constexpr std::size_t kRequested = 4;
inline constexpr std::size_t kIrq = 8;
inline constexpr std::size_t kReserved = 12;
inline constexpr std::size_t kCard = 24;
inline constexpr std::size_t kBase = 28;
}  // namespace irec

// DMA record field offsets.
namespace drec {
inline constexpr std::size_t kSampleArea = 0;
inline constexpr std::size_t kEnable = 4;
inline constexpr std::size_t kCount = 8;
inline constexpr std::size_t kLastIndex = 20;
inline constexpr std::size_t kRunning = 24;
}  // namespace drec

using InterruptRecord = DeviceRecord<32>;
using DmaRecord = DeviceRecord<36>;

// Device-control calls with records; keeps the byte count of the last call.
class DeviceCalls {
  public:
    // A buffered call: the record goes in and the device's answer replaces it.
    template <std::size_t Bytes>
    bool exchange(hw::DeviceHandle& device, std::uint32_t code, DeviceRecord<Bytes>& record) {
        DeviceRecord<Bytes> in = record;
        return call(device, code, in.data(), DeviceRecord<Bytes>::kSize, record.data(),
                    DeviceRecord<Bytes>::kSize);
    }
    template <std::size_t Bytes>
    bool send(hw::DeviceHandle& device, std::uint32_t code, const DeviceRecord<Bytes>& record) {
        return call(device, code, record.data(), DeviceRecord<Bytes>::kSize, nullptr, 0);
    }
    bool call(hw::DeviceHandle& device, std::uint32_t code, const void* in, std::uint32_t inLength,
              void* out, std::uint32_t outLength);

    std::uint32_t lastByteCount() const { return lastBytes_; }

  protected:
    std::uint32_t lastBytes_ = 0;
};

class AcquisitionDevice : public DeviceCalls {
  public:
    InterruptRecord& interruptRecord() { return interrupt_; }
    DmaRecord& dmaRecord() { return dma_; }

    void reset() {
        interrupt_.clear();
        dma_.clear();
        lastBytes_ = 0;
    }

  private:
    InterruptRecord interrupt_;
    DmaRecord dma_;
};

}  // namespace brennix::drivers
