#include "simulator/machine.h"

#include <cctype>

#include "platform/hw/clock.h"

namespace brennix::sim {

Machine::Machine(const SimulatorConfig& config)
    : journal(config.journalCapacity), masterMask(config.masterMask), slaveMask(config.slaveMask) {
    for (const auto& board : config.boards) {
        if (board.type == BoardType::Dorv) {
            boards_.push_back(std::make_unique<DorvBoard>(board));
        } else {
            boards_.push_back(std::make_unique<AnalogBoard>(board));
        }
    }
}

std::uint64_t Machine::now() {
    return hw::nowMicroseconds();
}

bool Machine::sameDevice(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

Board* Machine::decoder(hw::PortAddress port) {
    for (auto& board : boards_) {
        unsigned base = board->base();
        if (port >= base && port < base + boardSpan(board->type())) {
            return board.get();
        }
    }
    return nullptr;
}

std::uint8_t Machine::read(hw::PortAddress port) {
    switch (port) {
        case 0x21:
            return masterMask;
        case 0xA1:
            return slaveMask;
        case 0x20:
        case 0xA0:
            return 0x00;  // no request pending
        default:
            break;
    }
    if (Board* board = decoder(port)) {
        return board->read(port - board->base(), now());
    }
    return 0xFF;
}

void Machine::write(hw::PortAddress port, std::uint8_t value) {
    switch (port) {
        case 0x21:
            masterMask = value;
            return;
        case 0xA1:
            slaveMask = value;
            return;
        case 0x20:
        case 0xA0:
            return;  // end-of-interrupt and other commands change nothing modelled
        default:
            break;
    }
    if (Board* board = decoder(port)) {
        board->write(port - board->base(), value, now());
    }
}

Board* Machine::boardAt(hw::PortAddress base) {
    for (auto& board : boards_) {
        if (board->base() == base) {
            return board.get();
        }
    }
    return nullptr;
}

AnalogBoard* Machine::analogBoardAt(hw::PortAddress base) {
    return dynamic_cast<AnalogBoard*>(boardAt(base));
}

DorvBoard* Machine::dorvBoardAt(hw::PortAddress base) {
    return dynamic_cast<DorvBoard*>(boardAt(base));
}

std::vector<AnalogBoard*> Machine::analogBoards() {
    std::vector<AnalogBoard*> all;
    for (auto& board : boards_) {
        if (auto* analog = dynamic_cast<AnalogBoard*>(board.get())) {
            all.push_back(analog);
        }
    }
    return all;
}

std::uint32_t recordField(const void* record, std::size_t offset) {
    const auto* bytes = static_cast<const std::uint8_t*>(record) + offset;
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void setRecordField(void* record, std::size_t offset, std::uint32_t value) {
    auto* bytes = static_cast<std::uint8_t*>(record) + offset;
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace brennix::sim
