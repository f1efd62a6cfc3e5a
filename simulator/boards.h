#pragma once
// Register-level models of the boards. A board decodes boardSpan() ports from
// its base; the bus hands it offsets.

#include <array>
#include <cstdint>
#include <vector>

#include "simulator/config.h"
#include "simulator/counter_chip.h"

namespace brennix::sim {

class Board {
  public:
    explicit Board(const BoardConfig& config) : config_(config) {}
    virtual ~Board() = default;
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    BoardType type() const { return config_.type; }
    hw::PortAddress base() const { return config_.base; }
    const BoardConfig& config() const { return config_; }

    virtual std::uint8_t read(unsigned offset, std::uint64_t now) = 0;
    virtual void write(unsigned offset, std::uint8_t value, std::uint64_t now) = 0;

    // What the board drives on its outputs and sees on its inputs.
    std::uint8_t digitalOutput(unsigned port) const { return digitalOut_.at(port); }
    void setDigitalInput(unsigned port, std::uint8_t value) {
        config_.digitalInput.at(port) = value;
    }
    void setDigitalLoopback(bool on) { config_.digitalLoopback = on; }
    std::uint8_t digitalInput(unsigned port) const;

  protected:
    BoardConfig config_;
    std::array<std::uint8_t, 2> digitalOut_{};
};

// Vexa, Olmi and Senu: A/D with multiplexer, range or gain, status bit and
// pacer, D/A outputs, digital ports and the counter chip.
//
// The pacer converts on every rising edge of counter 2 while the mode
// register asks for it: Vexa and Olmi modes 2 (DMA), 6 (interrupt) and 7
// (timer, polled); Senu modes 4 and 6 in the low nibble. Conversion k of a
// run happens k pacer periods after the later of entering the mode and
// loading the pacer. A software trigger converts in any mode. Interrupt
// deliveries are not gated by the interrupt controller masks: the device
// connects its line itself. Vexa range codes 8 to 15 read as +-10 V; Olmi and
// Senu gain codes above 4 as gain 1.
class AnalogBoard final : public Board {
  public:
    explicit AnalogBoard(const BoardConfig& config);

    std::uint8_t read(unsigned offset, std::uint64_t now) override;
    void write(unsigned offset, std::uint8_t value, std::uint64_t now) override;

    void setSignal(unsigned channel, const SignalConfig& signal);
    void setConversionReads(std::uint32_t reads) { config_.conversionReads = reads; }

    // The 16-bit value last latched into D/A channel n (0 or 1; Senu 0).
    std::uint16_t analogOutput(unsigned channel) const { return analogOut_.at(channel); }
    std::uint8_t modeRegister() const { return mode_; }
    std::uint8_t rangeCode() const { return range_; }
    std::uint8_t multiplexer() const { return mux_; }
    unsigned interruptClears() const { return interruptClears_; }
    const CounterChip& counters() const { return counters_; }

    // The input the multiplexer selects (Vexa differential pairs report the
    // low channel) and its code at a moment, with the range in force.
    unsigned selectedChannel() const;
    std::uint16_t codeAt(std::uint64_t microseconds) const;
    // Input range in volts for the range or gain code in force.
    std::pair<double, double> inputRange() const;
    // Samples per second the pacer is programmed to; 0 when idle.
    double pacerRate() const;

    // Paced conversions delivered to an acquisition device. An interrupt sink
    // takes conversions while the board is in its pacer interrupt mode, a
    // DMA sink in its pacer DMA mode; each stops after count samples.
    enum class Sink { Interrupt, Dma };
    void arm(Sink sink, std::uint32_t count, std::uint64_t now);
    void disarm(Sink sink);
    // Brings conversions up to now and hands over what was collected since
    // the last call.
    std::vector<std::uint16_t> take(Sink sink, std::uint64_t now);

  private:
    struct Armed {
        bool armed = false;
        std::uint32_t remaining = 0;
        std::vector<std::uint16_t> samples;
    };
    bool pacedMode() const;
    Armed* sinkForMode();
    void settle(std::uint64_t now);
    void restartPacing(std::uint64_t now);
    double volts(unsigned channel, double seconds) const;
    std::uint16_t codeAtSeconds(double seconds) const;
    std::uint8_t status(std::uint64_t now);
    void finishConversion(std::uint64_t now);

    CounterChip counters_;
    std::uint8_t range_ = 0;
    std::uint8_t mux_ = 0;
    std::uint8_t mode_ = 0;
    std::uint16_t data_ = 0;
    bool converting_ = false;
    std::uint16_t pendingCode_ = 0;
    std::uint32_t busyReadsLeft_ = 0;
    std::uint64_t triggeredAt_ = 0;
    std::array<std::uint16_t, 2> analogOut_{};
    std::array<std::uint8_t, 2> analogLow_{};
    unsigned interruptClears_ = 0;
    // Pacing: conversions happen on pacer edges counted from segmentStart_.
    bool pacing_ = false;
    std::uint64_t segmentStart_ = 0;
    std::uint64_t segmentPeriod_ = 0;  // counter clock pulses per conversion
    std::uint64_t edgesDone_ = 0;
    std::uint64_t epochSeen_ = 0;
    Armed interruptSink_;
    Armed dmaSink_;
};

// Dorv: six D/A channels written high byte first, two digital ports each way.
class DorvBoard final : public Board {
  public:
    explicit DorvBoard(const BoardConfig& config) : Board(config) {}

    std::uint8_t read(unsigned offset, std::uint64_t now) override;
    void write(unsigned offset, std::uint8_t value, std::uint64_t now) override;

    std::uint16_t analogOutput(unsigned channel) const { return analogOut_.at(channel); }
    // Its acquisition device writes D/A channels directly, as the card does.
    void setAnalogOutput(unsigned channel, std::uint16_t value) { analogOut_.at(channel) = value; }

  private:
    std::array<std::uint16_t, 6> analogOut_{};
    std::array<std::uint8_t, 6> analogHigh_{};
};

}  // namespace brennix::sim
