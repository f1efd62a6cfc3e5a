#pragma once
// Device files opened by name ("\\.\dio", "\\.\BraxVexa", "\\.\Braxon") and
// device control with input and output buffers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace brennix::hw {

class Device {
  public:
    virtual ~Device() = default;

    // The counterpart of DeviceIoControl: false when the device refuses the
    // code or the buffers; bytesReturned is what the device wrote to out.
    virtual bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                         std::uint32_t outLength, std::uint32_t& bytesReturned) = 0;

    // Records carry 32-bit addresses of device memory (the DMA record's
    // sample area). On a 64-bit process a raw cast cannot work, so the
    // address a device hands out is a token of its own: the caller passes it
    // back here with the number of bytes it means to read, and gets a pointer
    // into the area, valid until the area is released (the DMA release call)
    // or the device is closed. nullptr when the device knows no area covering
    // [address, address + bytes), e.g. after the release.
    virtual const void* resolveAddress(std::uint32_t address, std::size_t bytes) const {
        (void)address;
        (void)bytes;
        return nullptr;
    }
};

// An open device; closing is releasing the handle.
class DeviceHandle {
  public:
    DeviceHandle() = default;
    explicit DeviceHandle(std::unique_ptr<Device> device) : device_(std::move(device)) {}

    bool isOpen() const { return device_ != nullptr; }
    explicit operator bool() const { return isOpen(); }
    void close() { device_.reset(); }

    // A closed handle fails every call, as an invalid handle does.
    bool control(std::uint32_t code, const void* in, std::uint32_t inLength, void* out,
                 std::uint32_t outLength, std::uint32_t& bytesReturned) {
        bytesReturned = 0;
        return device_ && device_->control(code, in, inLength, out, outLength, bytesReturned);
    }
    const void* resolveAddress(std::uint32_t address, std::size_t bytes) const {
        return device_ ? device_->resolveAddress(address, bytes) : nullptr;
    }

  private:
    std::unique_ptr<Device> device_;
};

// Opens an existing device for reading, without sharing; a closed handle when
// the device is missing or refuses.
DeviceHandle openDevice(std::string_view name);

}  // namespace brennix::hw
