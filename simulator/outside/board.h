#pragma once
// One simulated card of an outside board: digital ports, D/A outputs, an A/D
// converter fed by a simple signal per channel, counters that count down in
// platform time, and a block run for the Ubrix status and stop functions.
//
// The driver side returns 0 or a failure code and changes nothing on failure;
// the test side returns false for a setting the board cannot hold.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "simulator/outside/profile.h"

namespace brennix::outside {

// Codes start, start + step, start + 2 * step, ... wrapped into the
// converter's code range; step 0 gives a constant.
struct Signal {
    std::int32_t start = 0;
    std::int32_t step = 0;
};

enum class RunKind { Interrupt, Dma };

// A counter loaded with n counts down one step per tick of its input clock:
// modes 2 and 3 reload at the end of each period, the others wrap through
// 0xFFFF as the counter chip does. A load of 0 means 65536.
inline constexpr std::uint32_t kDefaultCounterClockHz = 1000;

class Board {
  public:
    explicit Board(const Profile& profile);

    // Test side.
    bool setInput(std::int32_t port, std::int32_t value);
    void wireOutputsToInputs(bool wired) { wired_ = wired; }
    std::optional<std::int32_t> output(std::int32_t port) const;
    std::optional<std::int32_t> analogOutput(std::int32_t channel) const;
    bool setSignal(std::int32_t channel, Signal signal);
    bool queueCodes(std::int32_t channel, const std::vector<std::int32_t>& codes);
    // Counters started from now on count at this rate.
    bool setCounterClock(std::uint32_t hz);
    // A block of count samples collected at the given rate from now on.
    bool armRun(RunKind kind, std::int32_t count, std::uint32_t samplesPerSecond);

    // Driver side.
    std::int32_t readInput(std::int32_t port, std::int32_t& value) const;
    std::int32_t readBack(std::int32_t port, std::int32_t& value) const;
    std::int32_t writeOutput(std::int32_t port, std::int32_t value);
    std::int32_t writeDa(std::int32_t channel, std::int32_t value);

    std::int32_t selectChannel(std::int32_t channel);
    std::int32_t selectScan(std::int32_t first, std::int32_t last);
    std::int32_t setMode(std::int32_t mode);
    std::int32_t setRange(std::int32_t range);
    std::int32_t trigger();
    // The triggered conversion of the selected (or next scanned) channel.
    std::int32_t acquire(std::int32_t& sample);
    // One untriggered conversion of the given channel.
    std::int32_t convert(std::int32_t channel, std::int32_t& sample);

    std::int32_t startCounter(std::int32_t counter, std::int32_t mode, std::int32_t value);
    std::int32_t readCounter(std::int32_t counter, std::int32_t& count) const;
    std::int32_t stopCounter(std::int32_t counter, std::int32_t& count);

    std::int32_t runStatus(RunKind kind, std::int32_t& running, std::int32_t& count) const;
    std::int32_t stopRun(RunKind kind, std::int32_t& count);

    std::int32_t mode() const { return mode_; }
    std::int32_t range() const { return range_; }
    std::int32_t channel() const { return channel_; }

  private:
    struct Channel {
        Signal signal;
        std::int64_t conversions = 0;
        std::deque<std::int32_t> queued;
    };
    struct Counter {
        bool running = false;
        std::int32_t mode = 0;
        std::int64_t load = 65536;
        std::uint64_t startMicroseconds = 0;
        std::uint32_t clockHz = kDefaultCounterClockHz;
        std::int32_t held = 0;
    };
    struct Run {
        RunKind kind;
        std::int32_t count;
        std::uint32_t samplesPerSecond;
        std::uint64_t startMicroseconds;
    };

    bool validAdChannel(std::int32_t channel) const;
    bool validCode(std::int32_t code) const;
    std::int32_t nextCode(std::int32_t channel);
    std::int32_t counterValue(const Counter& counter) const;
    std::int32_t collected(const Run& run) const;
    std::int32_t readStore(const std::map<std::int32_t, std::uint32_t>& store, std::int32_t port,
                           std::int32_t& value) const;

    const Profile* profile_;
    bool wired_ = false;
    std::map<std::int32_t, std::uint32_t> inputs_;
    std::map<std::int32_t, std::uint32_t> outputs_;
    std::map<std::int32_t, std::int32_t> da_;
    std::map<std::int32_t, Channel> channels_;
    std::int32_t channel_ = 0;
    std::int32_t scanFirst_ = 0;
    std::int32_t scanLast_ = 0;
    std::int32_t scanNext_ = 0;
    std::int32_t mode_ = 0;
    std::int32_t range_ = 0;
    bool triggered_ = false;
    std::vector<Counter> counters_;
    std::uint32_t counterClockHz_ = kDefaultCounterClockHz;
    std::optional<Run> run_;
};

}  // namespace brennix::outside
