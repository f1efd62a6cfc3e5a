#pragma once
// The "\\.\Braxon" acquisition device's record: one per library, 64 bytes.

#include <cstddef>
#include <cstdint>

#include "drivers/common/acquisition_device.h"
#include "drivers/common/device_record.h"

namespace brennix::drivers::dorv {

namespace brec {
inline constexpr std::size_t kDeviceCount = 0;
inline constexpr std::size_t kCount = 4;
// Per operation slot k: the D/A port at 8 + 4k, an enable flag at 32 + 4k.
inline constexpr std::size_t kSlotPort = 8;
inline constexpr std::size_t kSlotEnable = 32;
inline constexpr std::size_t kBase = 60;
}  // namespace brec

inline constexpr std::int32_t kOperationSlots = 6;

class BraxonDevice : public DeviceCalls {
  public:
    DeviceRecord<64>& record() { return record_; }
    void reset() {
        record_.clear();
        lastBytes_ = 0;
    }

  private:
    DeviceRecord<64> record_;
};

}  // namespace brennix::drivers::dorv
