#pragma once
// A fixed-size record exchanged with an acquisition device: little-endian
// 32-bit fields at byte offsets, whatever the host's byte order.

#include <array>
#include <cstddef>
#include <cstdint>

namespace brennix::drivers {

template <std::size_t Bytes>
class DeviceRecord {
    static_assert(Bytes % 4 == 0);

  public:
    static constexpr std::uint32_t kSize = static_cast<std::uint32_t>(Bytes);

    std::uint32_t field(std::size_t offset) const {
        return static_cast<std::uint32_t>(bytes_.at(offset)) |
               static_cast<std::uint32_t>(bytes_.at(offset + 1)) << 8 |
               static_cast<std::uint32_t>(bytes_.at(offset + 2)) << 16 |
               static_cast<std::uint32_t>(bytes_.at(offset + 3)) << 24;
    }
    std::int32_t signedField(std::size_t offset) const {
        return static_cast<std::int32_t>(field(offset));
    }
    void set(std::size_t offset, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    void set(std::size_t offset, std::int32_t value) {
        set(offset, static_cast<std::uint32_t>(value));
    }
    void clear() { bytes_ = {}; }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }

  private:
    std::array<std::uint8_t, Bytes> bytes_{};
};

}  // namespace brennix::drivers
