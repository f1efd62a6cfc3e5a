#pragma once
// The simulated device files.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/hw/device.h"
#include "simulator/machine.h"

namespace brennix::sim {

// Control codes of "\\.\BraxVexa".
namespace vexa_device {
inline constexpr std::uint32_t kDmaStart = 0x80FF2004;
inline constexpr std::uint32_t kDmaRelease = 0x80FF2008;
inline constexpr std::uint32_t kDmaStatus = 0x80FF200C;
inline constexpr std::uint32_t kInterruptStart = 0x80FF2010;
inline constexpr std::uint32_t kInterruptStop = 0x80FF2014;
inline constexpr std::uint32_t kInterruptStatus = 0x80FF2018;
inline constexpr std::uint32_t kBufferHandOver = 0x80FF201C;
inline constexpr std::uint32_t kSampleRead = 0x80FF2020;
inline constexpr std::uint32_t kInterruptRecordBytes = 32;
inline constexpr std::uint32_t kDmaRecordBytes = 36;
}  // namespace vexa_device

// Control codes of "\\.\Braxon".
namespace dorv_device {
inline constexpr std::uint32_t kInterruptStart = 0x80FF200C;
inline constexpr std::uint32_t kInterruptStop = 0x80FF2010;
inline constexpr std::uint32_t kInterruptStatus = 0x80FF2014;
inline constexpr std::uint32_t kFirstSlotBuffer = 0x80FF2018;  // + 4 x slot, slots 0 to 5
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
