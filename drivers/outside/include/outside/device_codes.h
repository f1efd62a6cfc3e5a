#pragma once
// The acquisition devices as the drivers reach them: their names and their
// device-control codes (device type 0x80FF, the function number in bits 2 to
// 13, buffered transfer, any access).

#include <cstdint>

namespace brennix::drivers {

constexpr std::uint32_t acquisitionControlCode(std::uint32_t function) {
    return (0x80FFU << 16) | (function << 2);
}

namespace braxvexa {
inline constexpr std::uint32_t kDmaStart = acquisitionControlCode(0x801);
inline constexpr std::uint32_t kDmaRelease = acquisitionControlCode(0x802);
inline constexpr std::uint32_t kDmaStatus = acquisitionControlCode(0x803);
inline constexpr std::uint32_t kInterruptStart = acquisitionControlCode(0x804);
inline constexpr std::uint32_t kInterruptStop = acquisitionControlCode(0x805);
inline constexpr std::uint32_t kInterruptStatus = acquisitionControlCode(0x806);
inline constexpr std::uint32_t kBufferHandOver = acquisitionControlCode(0x807);
inline constexpr std::uint32_t kSampleRead = acquisitionControlCode(0x808);
}  // namespace braxvexa

namespace braxon {
inline constexpr std::uint32_t kInterruptStart = acquisitionControlCode(0x803);
inline constexpr std::uint32_t kInterruptStop = acquisitionControlCode(0x804);
inline constexpr std::uint32_t kInterruptStatus = acquisitionControlCode(0x805);
// One code per operation slot, 0 to 5.
constexpr std::uint32_t slotBuffer(std::uint32_t slot) {
    return acquisitionControlCode(0x806 + slot);
}
}  // namespace braxon

inline constexpr const char* kPortAccessDeviceName = "\\\\.\\dio";
inline constexpr const char* kBraxVexaDeviceName = "\\\\.\\BraxVexa";
inline constexpr const char* kBraxonDeviceName = "\\\\.\\Braxon";

}  // namespace brennix::drivers
