#pragma once
// Every call the outside libraries received, in order, for tests that pin
// which functions a control calls and with which arguments.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/outside/library.h"

namespace brennix::outside {

struct CallRecord {
    Library library = Library::Zolt;
    std::string function;
    std::vector<std::int64_t> arguments;  // the value arguments, in call order
    std::vector<std::int64_t> outputs;    // what went out through pointers (success only)
    std::int32_t result = 0;              // as the caller sees it, sign-extended
    std::uint64_t microseconds = 0;       // platform clock at the call
};

// "W_Nilb_Timer_Read(2) -> 995 = 0"
std::string describe(const CallRecord& record);

class Journal {
  public:
    explicit Journal(std::size_t capacity = 100000) : capacity_(capacity) {}

    void add(CallRecord record);
    void clear();

    const std::deque<CallRecord>& records() const { return records_; }
    // Oldest records given up to stay within the capacity.
    std::size_t dropped() const { return dropped_; }

    std::vector<CallRecord> callsTo(std::string_view function) const;
    std::vector<CallRecord> callsOf(Library library) const;
    // Each record as describe() writes it.
    std::vector<std::string> lines() const;
    std::vector<std::string> linesOf(Library library) const;

  private:
    std::size_t capacity_;
    std::size_t dropped_ = 0;
    std::deque<CallRecord> records_;
};

}  // namespace brennix::outside
