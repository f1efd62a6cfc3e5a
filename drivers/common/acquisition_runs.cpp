#include "drivers/common/acquisition_runs.h"

#include <algorithm>
#include <cstring>

#include "drivers/common/board_io.h"
#include "drivers/common/counter_chip.h"
#include "drivers/common/interrupt_controller.h"
#include "drivers/common/return_codes.h"
#include "outside/device_codes.h"
#include "platform/ui/message_box.h"

namespace brennix::drivers {
namespace {

// Byte length of n 16-bit samples; a negative count transfers nothing.
std::uint32_t sampleBytes(std::int32_t samples) {
    return samples > 0 ? static_cast<std::uint32_t>(samples) * 2U : 0U;
}

void prepareBoard(const RunProfile& profile, const BoardPorts& ports, const RunRequest& request) {
    idlePacer(ports);
    ports.write(kRangeRegister, static_cast<std::uint32_t>(request.code));
    profile.selectChannel(ports, request.channel);
    ports.write(kModeRegister, 0);
    ports.write(kInterruptClear, 0);
}

template <class T>
void store(T* out, T value) {
    if (out != nullptr) {
        *out = value;
    }
}

}  // namespace

bool atBusIrqAllowed(std::int32_t irq) {
    switch (irq) {
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
        case 9:
        case 10:
        case 11:
        case 12:
        case 14:
        case 15:
            return true;
        default:
            return false;
    }
}

std::int32_t checkRunRequest(const RunProfile& profile, const RunRequest& request,
                             const std::int32_t* dmaChannel) {
    if (request.channel < 0 || request.channel > profile.lastChannel) {
        return code::kBadAdChannel;
    }
    if (request.code < 0 || request.code > profile.lastCode) {
        return code::kBadRangeOrGain;
    }
    if (dmaChannel != nullptr && *dmaChannel != 1 && *dmaChannel != 3) {
        return code::kBadDmaChannel;
    }
    if (!profile.irqAllowed(request.irq)) {
        return code::kBadIrq;
    }
    if (!pacerDivisorsAllowed(request.divisor1, request.divisor2)) {
        return code::kBadDivisors;
    }
    return code::kSuccess;
}

std::int32_t startInterruptRun(const RunProfile& profile, RunTarget& target,
                               const RunRequest& request) {
    if (std::int32_t rc = checkRunRequest(profile, request, nullptr)) {
        return rc;
    }
    prepareBoard(profile, target.ports, request);

    AcquisitionSlot& slot = target.slot;
    slot.interruptActive = 1;
    slot.currentCount = request.count;
    slot.requestedCount = request.count;
    slot.interruptBuffer = request.buffer;
    slot.interruptLevel = request.irq;

    InterruptRecord& record = target.protocol.interruptRecord();
    record.set(irec::kReserved, 0U);
    record.set(irec::kBase, target.ports.base());
    record.set(irec::kRequested, request.count);
    record.set(irec::kIrq, request.irq);
    record.set(irec::kCard, target.card);
    if (!target.protocol.send(target.device, braxvexa::kInterruptStart, record)) {
        ui::showMessage("Error", "");
    }
    std::uint32_t bufferBytes = request.buffer != nullptr ? sampleBytes(request.count) : 0U;
    target.protocol.call(target.device, braxvexa::kBufferHandOver, request.buffer, bufferBytes,
                         nullptr, 0);

    slot.savedMask = profile.unmaskAtStart ? unmaskIrq(request.irq) : readIrqMask(request.irq);
    programPacer(target.ports, request.divisor1, request.divisor2);
    target.ports.write(kModeRegister, profile.interruptMode(request.irq));
    return code::kSuccess;
}

std::int32_t interruptRunStatus(RunTarget& target, std::int32_t* running, std::int32_t* count) {
    InterruptRecord& record = target.protocol.interruptRecord();
    target.protocol.exchange(target.device, braxvexa::kInterruptStatus, record);
    std::int32_t collected = record.signedField(irec::kCollected);
    target.slot.currentCount = collected;
    store(running, target.slot.requestedCount > collected ? 1 : 0);
    store(count, collected);
    return code::kSuccess;
}

std::int32_t stopInterruptRun(const RunProfile& profile, RunTarget& target, std::int32_t* count) {
    AcquisitionSlot& slot = target.slot;
    if (slot.interruptActive == 0) {
        return profile.noInterruptRun;
    }
    auto savedMask = static_cast<std::uint8_t>(slot.savedMask);
    if (profile.stopModeFirst) {
        target.ports.write(kModeRegister, profile.stopMode);
        restoreIrqMask(slot.interruptLevel, savedMask);
    } else {
        restoreIrqMask(slot.interruptLevel, savedMask);
        target.ports.write(kModeRegister, profile.stopMode);
    }
    idlePacer(target.ports);

    // The caller's buffer holds the requested count; a device that reports
    // more must not be allowed to write past it.
    std::int32_t readable = std::min(slot.currentCount, slot.requestedCount);
    std::uint32_t bufferBytes = slot.interruptBuffer != nullptr ? sampleBytes(readable) : 0U;
    target.protocol.call(target.device, braxvexa::kSampleRead, nullptr, 0, slot.interruptBuffer,
                         bufferBytes);
    InterruptRecord& record = target.protocol.interruptRecord();
    target.protocol.send(target.device, braxvexa::kInterruptStop, record);

    std::int32_t collected = record.signedField(irec::kCollected);
    slot.currentCount = collected;
    store(count, collected);
    return code::kSuccess;
}

std::int32_t startDmaRun(const RunProfile& profile, RunTarget& target, std::int32_t dmaChannel,
                         const RunRequest& request) {
    if (std::int32_t rc = checkRunRequest(profile, request, &dmaChannel)) {
        return rc;
    }
    AcquisitionSlot& slot = target.slot;
    slot.dmaActive = 1;
    slot.dmaCount = request.count;
    slot.interruptLevel = request.irq;
    prepareBoard(profile, target.ports, request);
    slot.savedMask = readIrqMask(request.irq);
    slot.dmaBuffer = request.buffer;

    DmaRecord& record = target.protocol.dmaRecord();
    record.clear();
    record.set(drec::kCount, request.count);
    record.set(drec::kEnable, 1U);
    target.protocol.exchange(target.device, braxvexa::kDmaStart, record);

    programPacer(target.ports, request.divisor1, request.divisor2);
    target.ports.write(kModeRegister, 2);
    return code::kSuccess;
}

std::int32_t dmaRunStatus(RunTarget& target, std::int32_t* running, std::int32_t* count) {
    if (target.slot.dmaActive == 0) {
        return code::kNoDmaRun;
    }
    DmaRecord& record = target.protocol.dmaRecord();
    target.protocol.exchange(target.device, braxvexa::kDmaStatus, record);
    store(count, static_cast<std::int32_t>(record.field(drec::kLastIndex) + 1U));
    store(running, record.field(drec::kRunning) != 0 ? 1 : 0);
    return code::kSuccess;
}

std::int32_t stopDmaRun(RunTarget& target, std::int32_t* count) {
    AcquisitionSlot& slot = target.slot;
    if (slot.dmaActive == 0) {
        return code::kNoDmaRun;
    }
    restoreIrqMask(slot.interruptLevel, static_cast<std::uint8_t>(slot.savedMask));
    target.ports.write(kInterruptClear, 0);
    target.ports.write(kModeRegister, 1);
    slot.dmaActive = 0;
    idlePacer(target.ports);

    DmaRecord& record = target.protocol.dmaRecord();
    std::int32_t samples = std::min(record.signedField(drec::kCount), slot.dmaCount);
    if (samples > 0 && slot.dmaBuffer != nullptr) {
        // An area the device does not know yields nothing rather than a
        // read through a stale or foreign address.
        const void* area =
            target.device.resolveAddress(record.field(drec::kSampleArea), sampleBytes(samples));
        if (area != nullptr) {
            const auto* bytes = static_cast<const unsigned char*>(area);
            for (std::int32_t i = 0; i < samples; ++i) {
                std::uint16_t word = 0;
                std::memcpy(&word, bytes + 2 * i, sizeof word);
                slot.dmaBuffer[i] = static_cast<std::int16_t>(word & 0x0FFF);
            }
        }
    }
    target.protocol.exchange(target.device, braxvexa::kDmaRelease, record);
    store(count, slot.dmaCount);
    return code::kSuccess;
}

}  // namespace brennix::drivers
