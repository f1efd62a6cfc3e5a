#pragma once
// A record of every port access and device call the process made, for tests
// that pin exact write sequences.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/hw/ports.h"

namespace brennix::sim {

struct JournalEntry {
    enum class Kind { Read, Write, Open, Close, Control };
    Kind kind = Kind::Read;
    hw::PortAddress port = 0;  // Read, Write
    std::uint8_t value = 0;    // Read (what was returned), Write
    bool scripted = false;     // Read answered by a scripted value
    std::string device;        // Open, Close, Control
    std::uint32_t code = 0;    // Control
    // The simulator keeps the first 4096 bytes of large sample buffers.
    std::vector<std::uint8_t> input;
    std::vector<std::uint8_t> output;  // the bytes the device returned
    bool ok = true;                    // Open, Control
    std::uint64_t microseconds = 0;    // clock when it happened
};

class Journal {
  public:
    explicit Journal(std::size_t capacity = 1 << 20) : capacity_(capacity) {}

    void setCapacity(std::size_t capacity);
    std::size_t capacity() const { return capacity_; }
    void add(JournalEntry entry);
    void clear();

    const std::deque<JournalEntry>& entries() const { return entries_; }
    std::size_t dropped() const { return dropped_; }

    // Values written to one port, in order.
    std::vector<std::uint8_t> writesTo(hw::PortAddress port) const;
    // Number of reads of one port.
    std::size_t readsOf(hw::PortAddress port) const;
    // Every port access in order as (port, value), writes only.
    std::vector<std::pair<hw::PortAddress, std::uint8_t>> writes() const;
    // Control calls, optionally of one code only (0 = all).
    std::vector<JournalEntry> controls(std::uint32_t code = 0) const;

  private:
    std::size_t capacity_;
    std::size_t dropped_ = 0;
    std::deque<JournalEntry> entries_;
};

// Values a port answers before the model is asked: queued ones first, then
// a held value until it is released.
class ReadScript {
  public:
    void queue(hw::PortAddress port, std::vector<std::uint8_t> values);
    void hold(hw::PortAddress port, std::uint8_t value);
    void release(hw::PortAddress port);
    void clear();
    // True and the value when a script answers this read.
    bool next(hw::PortAddress port, std::uint8_t& value);

  private:
    struct Script {
        std::deque<std::uint8_t> queued;
        bool held = false;
        std::uint8_t heldValue = 0;
    };
    std::vector<std::pair<hw::PortAddress, Script>> scripts_;
    Script& scriptFor(hw::PortAddress port);
};

}  // namespace brennix::sim
