#include "simulator/simulator.h"

#include <cctype>
#include <utility>

#include "simulator/devices.h"
#include "simulator/machine.h"

namespace brennix::sim {
namespace {

std::string lowerCase(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

}  // namespace

Simulator::Simulator(SimulatorConfig config) : machine_(std::make_shared<Machine>(config)) {}

Simulator::~Simulator() = default;

std::uint8_t Simulator::readByte(hw::PortAddress port) {
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Read;
    entry.port = port;
    entry.microseconds = Machine::now();
    std::uint8_t value = 0;
    entry.scripted = machine_->script.next(port, value);
    if (!entry.scripted) {
        value = machine_->read(port);
    }
    entry.value = value;
    machine_->journal.add(std::move(entry));
    return value;
}

void Simulator::writeByte(hw::PortAddress port, std::uint8_t value) {
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Write;
    entry.port = port;
    entry.value = value;
    entry.microseconds = Machine::now();
    machine_->journal.add(std::move(entry));
    machine_->write(port, value);
}

std::unique_ptr<hw::Device> Simulator::openDevice(std::string_view name) {
    std::unique_ptr<hw::Device> device;
    if (machine_->unavailable.count(lowerCase(name)) == 0) {
        if (Machine::sameDevice(name, kPortAccessDevice)) {
            device = makePortAccessDevice();
        } else if (Machine::sameDevice(name, kAcquisitionDevice)) {
            device = makeAcquisitionDevice(machine_);
        } else if (Machine::sameDevice(name, kDorvAcquisitionDevice)) {
            device = makeDorvDevice(machine_);
        }
    }
    JournalEntry entry;
    entry.kind = JournalEntry::Kind::Open;
    entry.device = std::string(name);
    entry.ok = device != nullptr;
    entry.microseconds = Machine::now();
    machine_->journal.add(std::move(entry));
    if (!device) {
        return nullptr;
    }
    return journaled(std::move(device), std::string(name), machine_);
}

Journal& Simulator::journal() {
    return machine_->journal;
}

ReadScript& Simulator::script() {
    return machine_->script;
}

Board* Simulator::boardAt(hw::PortAddress base) {
    return machine_->boardAt(base);
}

AnalogBoard* Simulator::analogBoardAt(hw::PortAddress base) {
    return machine_->analogBoardAt(base);
}

DorvBoard* Simulator::dorvBoardAt(hw::PortAddress base) {
    return machine_->dorvBoardAt(base);
}

std::uint8_t Simulator::masterMask() const {
    return machine_->masterMask;
}

std::uint8_t Simulator::slaveMask() const {
    return machine_->slaveMask;
}

void Simulator::setDeviceAvailable(std::string_view name, bool available) {
    if (available) {
        machine_->unavailable.erase(lowerCase(name));
    } else {
        machine_->unavailable.insert(lowerCase(name));
    }
}

void Simulator::refuseControl(std::uint32_t code, bool refuse) {
    if (code == 0) {
        machine_->refusedCodes.clear();
    } else if (refuse) {
        machine_->refusedCodes.insert(code);
    } else {
        machine_->refusedCodes.erase(code);
    }
}

namespace {

SimulatorConfig withJournal(SimulatorConfig config) {
    if (config.journalCapacity == 0) {
        config.journalCapacity = std::size_t{1} << 20;
    }
    return config;
}

}  // namespace

ScopedSimulator::ScopedSimulator(SimulatorConfig config)
    : simulator_(std::make_shared<Simulator>(withJournal(std::move(config)))),
      clock_(std::make_shared<hw::VirtualClock>()),
      backendScope_(simulator_),
      clockScope_(clock_) {}

ScopedSimulator::~ScopedSimulator() = default;

}  // namespace brennix::sim

extern "C" void brennix_sim_make_backend(std::shared_ptr<brennix::hw::Backend>* out) {
    if (out == nullptr) {
        return;
    }
    try {
        *out = std::make_shared<brennix::sim::Simulator>(brennix::sim::configFromEnvironment());
    } catch (...) {
        out->reset();  // the loader reports a missing backend
    }
}
