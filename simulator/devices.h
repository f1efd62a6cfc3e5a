#pragma once
// The simulated device files.

#include <cstdint>
#include <memory>
#include <string>

#include "outside/device_codes.h"
#include "platform/hw/device.h"
#include "simulator/machine.h"

namespace brennix::sim {

// Control codes of "\\.\BraxVexa", as the drivers send them.
namespace vexa_device {
using namespace drivers::braxvexa;
inline constexpr std::uint32_t kInterruptRecordBytes = 32;
inline constexpr std::uint32_t kDmaRecordBytes = 36;
}  // namespace vexa_device

// Control codes of "\\.\Braxon".
namespace dorv_device {
using namespace drivers::braxon;
inline constexpr std::uint32_t kFirstSlotBuffer = slotBuffer(0);  // + 4 x slot, slots 0 to 5
inline constexpr std::uint32_t kRecordBytes = 64;
}  // namespace dorv_device

std::unique_ptr<hw::Device> makeAcquisitionDevice(std::shared_ptr<Machine> machine);
std::unique_ptr<hw::Device> makeDorvDevice(std::shared_ptr<Machine> machine);
std::unique_ptr<hw::Device> makePortAccessDevice();

// Journals every call of the device it wraps and answers refused codes with
// a failure.
std::unique_ptr<hw::Device> journaled(std::unique_ptr<hw::Device> device, std::string name,
                                      std::shared_ptr<Machine> machine);

}  // namespace brennix::sim
