// OpenDevice, the programming of channel, range, gain and mode through the
// board's adapter, and single samples.

#include <new>

#include "daq/common/messages.h"
#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_messages.h"
#include "platform/com/safe_array.h"

namespace brennix::daq::orsino {

namespace {

// The largest block a buffer holds: what one event array can carry.
constexpr std::size_t kMaxSamples = com::SafeArray::kMaxBytes / sizeof(std::int16_t);

}  // namespace

bool CORSINOCtrl::allocateBuffers(std::size_t samples) {
    if (samples > kMaxSamples) {
        return false;
    }
    try {
        if (m_buffer.size() < samples) {
            m_buffer.assign(samples, 0);
        }
        if (m_altBuffer.size() < samples) {
            m_altBuffer.assign(samples, 0);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CORSINOCtrl::OpenDevice() {
    m_device.ResolveBoardName(m_deviceNumber);
    setModified(true);
    recomputeMode(Change::Trigger);
    recomputeMode(Change::Transfer);
    if (!m_device.initialiseBoard(m_errorCode)) {
        return false;
    }
    // Buffers that exist already stay as they are.
    if (m_buffer.empty() && m_numberOfSamples > 0 &&
        !allocateBuffers(static_cast<std::size_t>(m_numberOfSamples))) {
        m_buffer.clear();
        m_altBuffer.clear();
        fail(text::kAllocateError);
        return false;
    }
    m_device.markOpened();
    return true;
}

bool CORSINOCtrl::step(std::int32_t result, std::string_view failure) {
    m_errorCode = result;
    if (result != 0) {
        say(failure);
    }
    return result == 0;
}

std::optional<DeviceSettings> CORSINOCtrl::settings() {
    DeviceSettings settings;
    if (!m_device.ReadDeviceSettings(settings)) {
        fail(daq::text::kReadSettingsError);
        return std::nullopt;
    }
    return settings;
}

void CORSINOCtrl::ConfigureInput() {
    const BoardAdapter* served = board();
    const AnalogInput* input = served != nullptr ? served->analogInput : nullptr;
    if (input == nullptr) {
        fail(text::kIncorrectBoardType);
        say(text::kSetChannelError);
        return;
    }
    m_errorCode = input->setChannel(m_startChannel);
    if (m_errorCode != 0) {
        say(text::kSetChannelError);
        return;
    }
    // A failing step reports and ends the programming.
    input->program(*this, {m_startChannel, m_overallInputRange, m_inputMode, m_adGain, m_mode});
}

std::int16_t CORSINOCtrl::RawInput(std::int16_t channel) {
    if (!m_device.opened()) {
        fail(text::kDeviceNotOpen);
        return -1;
    }
    m_startChannel = channel;
    const BoardAdapter* served = board();
    const AnalogInput* input = served != nullptr ? served->analogInput : nullptr;
    if (auto mode = singleConversionMode(served)) {
        m_mode = *mode;
    }
    ConfigureInput();

    // The trigger's result is not looked at.
    if (input == nullptr) {
        say(text::kInvalidBoardType);
    } else if (input->softTrigger != nullptr) {
        input->softTrigger();
    }

    std::int32_t value = 0;
    if (input == nullptr) {
        say(text::kInvalidBoardType);
        m_errorCode = -1;
    } else {
        m_errorCode = input->acquire(m_startChannel, value);
    }
    if (m_errorCode != 0) {
        say(text::kGetDataError);
        return -1;
    }

    m_triggerMode = 1;
    m_transferMode = 0;

    auto array = com::SafeArray::fromValues(std::span<const std::int32_t>(&value, 1));
    if (!array) {
        say(text::kOutOfMemory);
    }
    if (m_eventEnabled) {
        (void)fireEvent("OnEventRaw", {com::Variant(std::int32_t{1}),
                                       array ? com::Variant(std::move(*array)) : com::Variant()});
        (void)fireEvent("OnTerminated", {});
    }
    return static_cast<std::int16_t>(value & 0xFFFF);
}

}  // namespace brennix::daq::orsino
