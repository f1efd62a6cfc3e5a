#pragma once
// Polled register operations whose only per-board difference is where the
// registers sit: digital ports, D/A channels and the polled A/D conversion.

#include <cstdint>

#include "drivers/common/board_ports.h"

namespace brennix::drivers {

struct DigitalLayout {
    std::int32_t input0;
    std::int32_t input1;
    std::int32_t output0;
    std::int32_t output1;
};

enum class ByteOrder { LowFirst, HighFirst };

// Channel n occupies offsets first + 2n and first + 2n + 1, the first of the
// two taking the byte that is written first.
struct AnalogOutLayout {
    std::int32_t channels;
    std::int32_t first;
    ByteOrder order;
};

// Where the Vexa, Olmi and Senu boards have their digital ports and D/A
// channels (Senu uses channel 0 only).
inline constexpr DigitalLayout kVexaFamilyDigital{6, 7, 13, 14};
inline constexpr AnalogOutLayout kVexaFamilyAnalogOut{2, 4, ByteOrder::LowFirst};

// Outputs are written only on success, and never through a null pointer.
std::int32_t readDigitalPort(const BoardPorts& ports, const DigitalLayout& layout,
                             std::int32_t port, std::uint8_t* value);
std::int32_t readDigitalBit(const BoardPorts& ports, const DigitalLayout& layout,
                            std::int32_t channel, std::int32_t* value);
std::int32_t writeDigitalPort(const BoardPorts& ports, const DigitalLayout& layout,
                              std::int32_t port, std::int32_t value);
std::int32_t writeAnalog(const BoardPorts& ports, const AnalogOutLayout& layout,
                         std::int32_t channel, std::int32_t value);

inline constexpr std::int32_t kModeRegister = 11;
inline constexpr std::int32_t kRangeRegister = 9;
inline constexpr std::int32_t kMultiplexer = 10;
inline constexpr std::int32_t kInterruptClear = 8;
inline constexpr std::int32_t kSoftwareTrigger = 12;
inline constexpr std::int32_t kAdLow = 4;
inline constexpr std::int32_t kAdStatus = 5;

inline constexpr std::int32_t kChannelSettling = 1000;
inline constexpr std::int32_t kRunChannelSettling = 700;
inline constexpr std::int32_t kConversionDelay = 500;
inline constexpr std::int32_t kStatusPolls = 101;

// A register the board takes as written (range, trigger, interrupt clear).
std::int32_t writeRegister(const BoardPorts& ports, std::int32_t offset, std::int32_t value);
// The mode register, 0 to lastMode (23 otherwise).
std::int32_t setMode(const BoardPorts& ports, std::int32_t mode, std::int32_t lastMode);
// Gain codes 0 to 4 (29 otherwise) on boards with a programmable amplifier.
std::int32_t setGain(const BoardPorts& ports, std::int32_t gain);
// Boards whose multiplexer takes the channel number as is: 0 to lastChannel
// (10 otherwise), then the settling delay.
std::int32_t selectChannelNumber(const BoardPorts& ports, std::int32_t channel,
                                 std::int32_t lastChannel);
// How their acquisition starts set the channel: shorter settling.
void selectRunChannelNumber(const BoardPorts& ports, std::int32_t channel);

// One software-triggered conversion with the mode register first set to
// pollMode; 28 when the busy bit is still set after the last status read.
std::int32_t convertOnce(const BoardPorts& ports, std::uint8_t pollMode, std::int32_t* sample);

}  // namespace brennix::drivers
