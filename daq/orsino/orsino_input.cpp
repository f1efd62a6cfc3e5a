// OpenDevice, the per-board programming of channel, range, gain and mode,
// and single samples.

#include <new>

#include "daq/common/messages.h"
#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_messages.h"
#include "drivers/olmi/olmi.h"
#include "drivers/senu/senu.h"
#include "drivers/vexa/vexa.h"
#include "platform/com/safe_array.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/ubrix.h"
#include "simulator/outside/zolt.h"

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

bool CORSINOCtrl::configureSenu() {
    m_errorCode = W_Senu_AD_Set_Gain(m_adGain);
    if (m_errorCode != 0) {
        say(text::kSetGainError);
        return false;
    }
    DeviceSettings settings;
    if (!m_device.ReadDeviceSettings(settings)) {
        fail(daq::text::kReadSettingsError);
        return false;
    }
    if (settings.irq1 >= 2 && settings.irq1 <= 7) {
        m_errorCode = W_Senu_AD_Set_Mode(settings.irq1, m_mode);
    } else {
        say(text::kInvalidIrq);
        m_errorCode = -1;
    }
    if (m_errorCode != 0) {
        say(text::kSetModeError);
        return false;
    }
    return true;
}

void CORSINOCtrl::ConfigureInput() {
    auto board = m_device.board();
    const std::int32_t channel = m_startChannel;
    if (!board) {
        fail(text::kIncorrectBoardType);
    } else {
        switch (*board) {
            case Board::Senu:
                m_errorCode = W_Senu_AD_Set_Channel(channel);
                break;
            case Board::Vexa:
                m_errorCode = W_Vexa_AD_Set_Channel(channel);
                break;
            case Board::Olmi:
                m_errorCode = W_Olmi_AD_Set_Channel(channel);
                break;
            case Board::Fenq:
                m_errorCode = W_Fenq_AD_Set_Channel(channel);
                break;
            case Board::Zolt:
                m_errorCode = W_Zolt_AD_Set_Channel(channel);
                break;
            case Board::Ubrix:
                (void)_ubri_AD_Set_Channel_Scan(channel, channel);
                m_errorCode = 0;
                break;
            default:
                fail(text::kIncorrectBoardType);
                break;
        }
    }
    if (m_errorCode != 0) {
        say(text::kSetChannelError);
        return;
    }
    // A failing step reports and ends the programming.
    auto step = [this](std::int32_t result, std::string_view message) {
        m_errorCode = result;
        if (result != 0) {
            say(message);
        }
        return result == 0;
    };
    switch (*board) {
        case Board::Senu:
            (void)configureSenu();
            break;
        case Board::Vexa:
            (void)(step(W_Vexa_AD_Set_Range(m_overallInputRange), text::kSetRangeError) &&
                   step(W_Vexa_AD_Input_Mode(m_inputMode), text::kSetInputModeError) &&
                   step(W_Vexa_AD_Set_Mode(m_mode), text::kSetModeError));
            break;
        case Board::Zolt:
            (void)step(W_Zolt_AD_Set_Gain(m_adGain), text::kSerGainError);
            break;
        case Board::Olmi:
            (void)(step(W_Olmi_AD_Set_Mode(m_mode), text::kSetModeError) &&
                   step(W_Olmi_AD_Set_Gain(m_adGain), text::kSetGainError));
            break;
        case Board::Fenq: {
            if (!step(W_Fenq_AD_Set_Mode(m_mode), text::kSetModeError)) {
                break;
            }
            std::int32_t range = -1;
            if (m_adGain >= 0 && m_adGain <= 3) {
                range = W_Fenq_AD_Set_Range(m_adGain);
            } else {
                say(text::kRangeSeeManual);
            }
            (void)step(range, text::kSetRangeError);
            break;
        }
        case Board::Ubrix:
            (void)_ubri_AD_Set_Mode(m_mode);
            (void)_ubri_AD_Set_Range(m_adGain);
            m_errorCode = 0;
            break;
        default:
            break;
    }
}

std::int16_t CORSINOCtrl::RawInput(std::int16_t channel) {
    if (!m_device.opened()) {
        fail(text::kDeviceNotOpen);
        return -1;
    }
    m_startChannel = channel;
    auto board = m_device.board();
    if (auto mode = singleConversionMode(board)) {
        m_mode = *mode;
    }
    ConfigureInput();

    // The trigger's result is not looked at. Dorv stands for any board this
    // control does not serve.
    switch (board.value_or(Board::Dorv)) {
        case Board::Senu:
            (void)W_Senu_AD_Soft_Trig();
            break;
        case Board::Vexa:
            (void)W_Vexa_AD_Soft_Trig();
            break;
        case Board::Olmi:
            (void)W_Olmi_AD_Soft_Trig();
            break;
        case Board::Fenq:
            (void)W_Fenq_AD_Soft_Trig();
            break;
        case Board::Ubrix:
            (void)_ubri_AD_Soft_Trigger();
            break;
        case Board::Zolt:
            break;
        default:
            say(text::kInvalidBoardType);
            break;
    }

    std::int32_t value = 0;
    switch (board.value_or(Board::Dorv)) {
        case Board::Zolt:
            m_errorCode = W_Zolt_AD_Channel_Read(m_startChannel, &value);
            break;
        case Board::Senu:
            m_errorCode = W_Senu_AD_Aquire(&value);
            break;
        case Board::Vexa:
            m_errorCode = W_Vexa_AD_Aquire(&value);
            break;
        case Board::Olmi:
            m_errorCode = W_Olmi_AD_Aquire(&value);
            break;
        case Board::Fenq: {
            std::int16_t sample = 0;
            m_errorCode = W_Fenq_AD_Aquire(&sample);
            value = sample;
            break;
        }
        case Board::Ubrix:
            (void)_ubri_AD_Acquire(&value);
            m_errorCode = 0;
            break;
        default:
            say(text::kInvalidBoardType);
            m_errorCode = -1;
            break;
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
