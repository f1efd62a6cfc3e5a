#pragma once
// What the simulated machine holds: boards at their base addresses, the signal
// on every analog input, and the interrupt controller masks at power-up.
// The text format read by parseConfig is described in simulator.conf.example.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hw/ports.h"

namespace brennix::sim {

enum class BoardType { Vexa, Olmi, Senu, Dorv };

enum class Waveform { Constant, Sine, Square, Triangle, Ramp, Noise };

// A source in volts: offset + amplitude x shape(frequency x t + phase).
// A constant is its offset alone.
struct SignalConfig {
    Waveform waveform = Waveform::Constant;
    double amplitude = 0.0;
    double offset = 0.0;
    double frequencyHz = 1.0;
    double phaseDegrees = 0.0;
    std::uint32_t seed = 1;  // noise only: equal seeds give equal noise
};

struct BoardConfig {
    BoardType type = BoardType::Vexa;
    hw::PortAddress base = 0x300;
    std::array<SignalConfig, 16> channels{};
    // Counters 1 and 2 (the pacer) and counter 0 have separate clock inputs.
    std::uint32_t counterClockHz = 2'000'000;
    std::uint32_t counter0ClockHz = 2'000'000;
    // Status reads after a software trigger that still show the conversion in
    // progress. Polled code reads the status without letting time pass, so a
    // conversion completes by being watched; it also completes once
    // conversionMicroseconds have passed.
    std::uint32_t conversionReads = 1;
    std::uint32_t conversionMicroseconds = 10;
    // Digital output port n read back on digital input port n.
    bool digitalLoopback = false;
    std::array<std::uint8_t, 2> digitalInput{};
    // Dorv: interrupts per second that its acquisition device serves.
    std::uint32_t interruptRateHz = 1000;
};

struct SimulatorConfig {
    std::vector<BoardConfig> boards;
    std::uint8_t masterMask = 0xB8;  // port 0x21
    std::uint8_t slaveMask = 0x8E;   // port 0xA1
    // Entries kept in the journal (oldest dropped first); 0 keeps none.
    std::size_t journalCapacity = 0;
};

// Ports a board of the type decodes from its base address.
constexpr std::uint16_t boardSpan(BoardType) {
    return 16;
}
std::string_view boardTypeName(BoardType type);
std::optional<BoardType> boardTypeFromName(std::string_view name);

// An Olmi board at 0x220 (card 0 of the demonstration programs), a Vexa at
// 0x300, a Senu at 0x280 and a Dorv at 0x2C0, all with live signals.
SimulatorConfig defaultConfig();

// A board of the type at base with every input at 0 V.
BoardConfig makeBoard(BoardType type, hw::PortAddress base);

struct ConfigResult {
    std::optional<SimulatorConfig> config;
    std::string error;  // "line N: ..." when config is empty
};

// Checks everything, including boards that overlap each other or the
// interrupt controllers; nothing is half-applied.
ConfigResult parseConfig(std::string_view text);
ConfigResult loadConfigFile(const std::string& path);

// The configuration the default backend starts with: the file named by
// BRENNIX_SIM_CONFIG when set, else defaultConfig(). A file that cannot be
// read or parsed is reported on stderr and the default is used.
SimulatorConfig configFromEnvironment();

}  // namespace brennix::sim
