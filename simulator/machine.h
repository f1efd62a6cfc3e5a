#pragma once
// The state every handle of one simulator shares: bus, boards, interrupt
// controller masks, journal, scripts and injected faults.

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/boards.h"
#include "simulator/config.h"
#include "simulator/journal.h"

namespace brennix::sim {

class Machine {
  public:
    explicit Machine(const SimulatorConfig& config);

    std::uint8_t read(hw::PortAddress port);
    void write(hw::PortAddress port, std::uint8_t value);

    Board* boardAt(hw::PortAddress base);
    AnalogBoard* analogBoardAt(hw::PortAddress base);
    DorvBoard* dorvBoardAt(hw::PortAddress base);
    std::vector<AnalogBoard*> analogBoards();

    static std::uint64_t now();
    // Device names compare as the platform compares them, ignoring case.
    static bool sameDevice(std::string_view a, std::string_view b);

    Journal journal;
    ReadScript script;
    std::uint8_t masterMask;
    std::uint8_t slaveMask;
    std::set<std::string> unavailable;  // lower-case names
    std::set<std::uint32_t> refusedCodes;
    std::uint32_t nextAreaToken = 0x00400000;

  private:
    Board* decoder(hw::PortAddress port);
    std::vector<std::unique_ptr<Board>> boards_;
};

// Little-endian 32-bit fields of the device records.
std::uint32_t recordField(const void* record, std::size_t offset);
void setRecordField(void* record, std::size_t offset, std::uint32_t value);

}  // namespace brennix::sim
