// The Dorv driver: eight card slots with an interrupt level each, six D/A
// channels written high byte first, digital ports at the top of the register
// window, and a per-card table of D/A ports the "\\.\Braxon" device serves.

#include <array>
#include <optional>

#include "drivers/common/acquisition_slot.h"
#include "drivers/common/board_io.h"
#include "drivers/common/driver_call.h"
#include "drivers/common/library_state.h"
#include "drivers/dorv/braxon_device.h"
#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"
#include "outside/device_codes.h"

namespace brennix::drivers::dorv {
namespace {

constexpr DigitalLayout kDigital{15, 14, 13, 12};
constexpr AnalogOutLayout kAnalogOut{6, 0, ByteOrder::HighFirst};
constexpr std::int32_t kFree = -1;

struct OperationTable {
    std::array<std::int32_t, kOperationSlots> ports{kFree, kFree, kFree, kFree, kFree, kFree};
    std::array<std::int32_t*, kOperationSlots> buffers{};
};

struct DorvSlot : CardSlot {
    std::int32_t interruptLevel = 0;
    std::int32_t interruptActive = 0;
    std::optional<OperationTable> operations;
};

using Library = LibraryState<DorvSlot, 8, BraxonDevice>;

Library& library() {
    static Library state(
        AttachPolicy{kBraxonDeviceName, "Couldn't open Braxon interrupt device\n", true});
    return state;
}

const AttachAtLoad<Library, library> attachAtLoad;

template <class Operation>
std::int32_t onCard(Operation&& operation) {
    return withReadyCard(library().cards, operation);
}

// Base addresses may not be shared by initialized cards; an interrupt level
// may not be shared with any other slot, initialized or not.
std::int32_t conflictWithOthers(std::int32_t card, std::int32_t base, std::int32_t irq) {
    auto& cards = library().cards;
    for (std::int32_t other = 0; other < cards.kCards; ++other) {
        if (other == card) {
            continue;
        }
        const DorvSlot& slot = cards.slot(other);
        if (slot.initialized() && slot.base == base) {
            return code::kBaseInUse;
        }
        if (slot.interruptLevel == irq) {
            return code::kLevelInUse;
        }
    }
    return code::kSuccess;
}

std::optional<std::int32_t> firstFreeSlot(const OperationTable& table) {
    for (std::int32_t k = 0; k < kOperationSlots; ++k) {
        if (table.ports[static_cast<std::size_t>(k)] == kFree) {
            return k;
        }
    }
    return std::nullopt;
}

}  // namespace
}  // namespace brennix::drivers::dorv

namespace drv = brennix::drivers;
namespace dorv = brennix::drivers::dorv;
using brennix::drivers::BoardPorts;
using brennix::drivers::dorv::DorvSlot;

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_Initial(std::int32_t card, std::int32_t base,
                                                  std::int32_t irq) {
    return drv::guarded([&] {
        auto& cards = dorv::library().cards;
        if (std::int32_t rc = cards.checkInitial(card, base)) {
            return rc;
        }
        if (std::int32_t rc = dorv::conflictWithOthers(card, base, irq)) {
            return rc;
        }
        cards.take(card, base).interruptLevel = irq;
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_Switch_Card_No(std::int32_t card) {
    return drv::guarded([&] { return dorv::library().cards.switchTo(card); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_DI(std::int32_t port, std::uint8_t* value) {
    return dorv::onCard([&](DorvSlot&, const BoardPorts& ports) {
        return drv::readDigitalPort(ports, dorv::kDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_DI_Channel(std::int32_t channel, std::int32_t* value) {
    return dorv::onCard([&](DorvSlot&, const BoardPorts& ports) {
        return drv::readDigitalBit(ports, dorv::kDigital, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_DO(std::int32_t port, std::int32_t value) {
    return dorv::onCard([&](DorvSlot&, const BoardPorts& ports) {
        return drv::writeDigitalPort(ports, dorv::kDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_DA(std::int32_t channel, std::int32_t value) {
    return dorv::onCard([&](DorvSlot&, const BoardPorts& ports) {
        return drv::writeAnalog(ports, dorv::kAnalogOut, channel, value);
    });
}

// Arms the device for the current card whatever its state.
BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_INT_Start(std::int32_t count) {
    return drv::guarded([&] {
        auto& lib = dorv::library();
        DorvSlot& slot = lib.cards.currentSlot();
        slot.interruptActive = 1;
        auto& record = lib.records.record();
        for (std::size_t k = 0; k < dorv::kOperationSlots; ++k) {
            record.set(dorv::brec::kSlotEnable + 4 * k, 1U);
        }
        record.set(dorv::brec::kBase, slot.base);
        record.set(dorv::brec::kCount, count);
        lib.records.send(lib.frame.acquisitionDevice(), drv::braxon::kInterruptStart, record);
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_INT_Status(std::int32_t*, std::int32_t* count) {
    return dorv::onCard([&](DorvSlot&, const BoardPorts&) {
        auto& lib = dorv::library();
        auto& record = lib.records.record();
        lib.records.exchange(lib.frame.acquisitionDevice(), drv::braxon::kInterruptStatus, record);
        if (count != nullptr) {
            *count = record.signedField(dorv::brec::kDeviceCount);
        }
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Dorv_INT_Stop(std::int32_t* count) {
    return dorv::onCard([&](DorvSlot& slot, const BoardPorts&) {
        if (slot.interruptActive == 0) {
            return drv::code::kNoInterruptRun;
        }
        auto& lib = dorv::library();
        auto& record = lib.records.record();
        lib.records.send(lib.frame.acquisitionDevice(), drv::braxon::kInterruptStop, record);
        if (slot.operations) {
            slot.operations->ports.fill(dorv::kFree);
        }
        if (count != nullptr) {
            *count = record.signedField(dorv::brec::kDeviceCount);
        }
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t Set_INT_Op(std::int32_t channel, std::int32_t* buffer) {
    return dorv::onCard([&](DorvSlot& slot, const BoardPorts& ports) {
        if (!slot.operations) {
            slot.operations.emplace();
        }
        dorv::OperationTable& table = *slot.operations;
        // A seventh registration has no slot to take: refused, table as it was.
        std::optional<std::int32_t> free = dorv::firstFreeSlot(table);
        if (!free || channel < 0 || channel >= dorv::kOperationSlots) {
            return drv::code::kBadDaChannel;
        }
        auto k = static_cast<std::size_t>(*free);
        std::int32_t port = ports.base() + 2 * channel;
        table.ports[k] = port;
        table.buffers[k] = buffer;
        auto& lib = dorv::library();
        auto& record = lib.records.record();
        record.set(dorv::brec::kSlotPort + 4 * k, port);
        // Four bytes per count of the last start; nothing for a negative
        // count or a missing buffer.
        std::int32_t words = record.signedField(dorv::brec::kCount);
        std::uint32_t bytes =
            buffer != nullptr && words > 0 ? static_cast<std::uint32_t>(words) * 4U : 0U;
        lib.records.call(lib.frame.acquisitionDevice(),
                         drv::braxon::slotBuffer(static_cast<std::uint32_t>(k)), buffer, bytes,
                         nullptr, 0);
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t Reset_INT_Op() {
    return drv::guarded([&] {
        dorv::library().cards.currentSlot().operations.reset();
        return drv::code::kSuccess;
    });
}

namespace brennix::drivers::dorv {
namespace {

const std::array kExports{
    ExportEntry{1, "W_Dorv_Initial", anyFunction(W_Dorv_Initial)},
    ExportEntry{2, "W_Dorv_Switch_Card_No", anyFunction(W_Dorv_Switch_Card_No)},
    ExportEntry{3, "W_Dorv_DI", anyFunction(W_Dorv_DI)},
    ExportEntry{4, "W_Dorv_DI_Channel", anyFunction(W_Dorv_DI_Channel)},
    ExportEntry{5, "W_Dorv_DO", anyFunction(W_Dorv_DO)},
    ExportEntry{6, "W_Dorv_DA", anyFunction(W_Dorv_DA)},
    ExportEntry{7, "W_Dorv_INT_Start", anyFunction(W_Dorv_INT_Start)},
    ExportEntry{8, "W_Dorv_INT_Status", anyFunction(W_Dorv_INT_Status)},
    ExportEntry{9, "W_Dorv_INT_Stop", anyFunction(W_Dorv_INT_Stop)},
    ExportEntry{10, "Set_INT_Op", anyFunction(Set_INT_Op)},
    ExportEntry{11, "Reset_INT_Op", anyFunction(Reset_INT_Op)},
};

}  // namespace

std::int32_t attachReport() {
    return library().frame.attachReport();
}

std::int32_t reload() {
    return library().reload();
}

std::span<const ExportEntry> exports() {
    return kExports;
}

}  // namespace brennix::drivers::dorv
