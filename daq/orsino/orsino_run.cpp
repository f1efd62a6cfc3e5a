// Block runs: start by interrupt or DMA, the settling pause, the status
// polls up to the time-out, the stop and the delivery by events.

#include <algorithm>

#include "daq/common/messages.h"
#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_messages.h"
#include "daq/orsino/run_timing.h"
#include "platform/com/safe_array.h"
#include "platform/hw/clock.h"

namespace brennix::daq::orsino {

namespace {

constexpr std::int16_t kInterrupt = 1;
constexpr std::int16_t kDma = 2;

// What a board without block runs does: every step is refused.
constexpr BlockRun kNoBlockRun{};

const BlockRun& blockRunOf(const BoardAdapter* board) {
    return board != nullptr && board->blockRun != nullptr ? *board->blockRun : kNoBlockRun;
}

}  // namespace

std::int32_t CORSINOCtrl::refused(std::string_view text) {
    say(text.empty() ? text::kInvalidBoardType : text);
    return -1;
}

const RunCalls& CORSINOCtrl::runCalls() const {
    const BlockRun& run = blockRunOf(board());
    return m_transferMode == kInterrupt ? run.interrupt : run.dma;
}

bool CORSINOCtrl::AcquireStart() {
    if (!m_device.opened()) {
        fail(text::kDeviceNotOpen);
        return false;
    }
    if (!m_ready) {
        fail(text::kNotComplete);
        return false;
    }
    if (m_transferMode != kInterrupt && m_transferMode != kDma) {
        fail(text::kNotIntOrDma);
        return false;
    }
    // A count loaded from a document is not range-tested, and the count may
    // have grown since OpenDevice sized the buffers: the driver must never
    // write past them.
    if (m_numberOfSamples < 1) {
        fail(text::kSamplesBelowOne);
        return false;
    }
    if (!allocateBuffers(static_cast<std::size_t>(m_numberOfSamples))) {
        fail(text::kAllocateError);
        return false;
    }
    m_ready = false;
    return interruptOrDmaRun();
}

bool CORSINOCtrl::interruptOrDmaRun() {
    const bool dma = m_transferMode == kDma;
    DeviceSettings settings;
    if (!m_device.ReadDeviceSettings(settings)) {
        fail(daq::text::kReadSettingsError);
        return false;
    }
    ConfigureInput();
    if (!(m_sampleRate > 0)) {
        fail(dma ? text::kDmaRateNotPositive : text::kIntRateNotPositive);
        return false;
    }
    // Below a whole kilosample per second the divisor cannot be computed;
    // such rates come only from stored documents.
    if (m_sampleRate < 1000) {
        fail(text::kRateBelow1000);
        return false;
    }
    std::uint32_t divisor = pacerDivisor(m_sampleRate);
    const BlockRun& run = blockRunOf(board());
    if (std::string_view refusal = dma ? run.refusesDma : run.refusesInterrupt; !refusal.empty()) {
        say(refusal);
        return false;
    }
    m_errorCode = startRun(settings, divisor);
    if (m_errorCode != 0) {
        say(dma ? text::kDmaStartError : text::kIntStartError);
        return false;
    }
    waitForRun();
    return true;
}

std::int32_t CORSINOCtrl::startRun(const DeviceSettings& settings, std::uint32_t divisor) {
    const RunCalls& calls = runCalls();
    if (calls.start == nullptr) {
        return refused(calls.noStart);
    }
    return calls.start({m_startChannel, m_adGain, settings.irq1, settings.dma, m_numberOfSamples,
                        m_buffer.data(), kFirstDivisor, divisor});
}

std::int32_t CORSINOCtrl::runStatus(std::int32_t& running, std::int32_t& count) {
    const RunCalls& calls = runCalls();
    if (calls.status == nullptr) {
        return refused(calls.noStatus);
    }
    return calls.status(running, count);
}

std::optional<std::int32_t> CORSINOCtrl::stopRun(std::int32_t& count) {
    if (m_transferMode != kInterrupt && m_transferMode != kDma) {
        // Polling mode has no stop function and so no count to deliver.
        return std::nullopt;
    }
    const RunCalls& calls = runCalls();
    if (calls.stop == nullptr) {
        return refused(calls.noStop);
    }
    return calls.stop(count, m_device.device().m_irq);
}

void CORSINOCtrl::waitForRun() {
    hw::sleep(kSettlingMilliseconds);
    std::int32_t running = 1;
    std::int32_t count = 0;
    const std::uint32_t started = hw::tickCount();
    while (running != 0) {
        if (m_transferMode != kInterrupt && m_transferMode != kDma) {
            say(text::kNeverSetMode);
            return;
        }
        m_errorCode = runStatus(running, count);
        if (m_errorCode != 0) {
            if (m_errorCode == 1) {
                say(text::kInitializeFirst);
            } else if (m_transferMode == kInterrupt && m_errorCode == 27) {
                say(text::kIrqModeFirst);
            } else if (m_transferMode == kDma && m_errorCode == 26) {
                say(text::kDmaModeFirst);
            }
            return;
        }
        // Elapsed time, so that a wrap of the tick count does not matter.
        if (hw::tickCount() - started > kTimeoutMilliseconds) {
            say(text::kTimeout);
            break;
        }
        if (running != 0) {
            hw::sleep(kPollMilliseconds);
        }
    }
    m_errorCode = stopRun(count).value_or(-1);
    if (m_errorCode == 0) {
        deliver(count);
    }
}

bool CORSINOCtrl::AcquireStop() {
    std::int32_t count = 0;
    auto result = stopRun(count);
    if (!result) {
        m_errorCode = -1;
        return false;
    }
    m_errorCode = *result;
    if (m_errorCode != 0) {
        return false;
    }
    deliver(count);
    return true;
}

void CORSINOCtrl::deliver(std::int32_t count) {
    const auto& source = blockRunOf(board()).secondBuffer ? m_altBuffer : m_buffer;
    // A driver never gets to hand out more than the buffer holds.
    std::size_t n =
        count > 0 ? std::min<std::size_t>(static_cast<std::size_t>(count), source.size()) : 0;
    if (m_eventEnabled) {
        auto array = com::SafeArray::fromValues(std::span<const std::int16_t>(source.data(), n));
        com::Variant data;
        if (array) {
            data = com::Variant(std::move(*array));
        } else {
            say(text::kOutOfMemory);
        }
        (void)fireEvent("OnEventRaw",
                        {com::Variant(static_cast<std::int32_t>(n)), std::move(data)});
        (void)fireEvent("OnTerminated", {});
    }
    m_ready = true;
}

}  // namespace brennix::daq::orsino
