#pragma once
// The analog-input control: single samples with RawInput, and blocks paced
// by the board's timer and moved by interrupt or DMA, delivered to the host
// by OnEventRaw then OnTerminated from within AcquireStart or AcquireStop.
// Invisible at run time; while a form is designed it shows its bitmap.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "daq/common/board_device.h"
#include "daq/orsino/mode_code.h"
#include "platform/com/control.h"

namespace brennix::daq::orsino {

class CORSINOCtrl final : public com::Control {
  public:
    CORSINOCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    // Methods, as dispatch calls them.
    bool OpenDevice();
    std::int16_t RawInput(std::int16_t channel);
    bool AcquireStart();
    bool AcquireStop();

    // State a host cannot see through the interface.
    std::int32_t modeCode() const { return m_mode; }
    bool ready() const { return m_ready; }
    bool opened() const { return m_device.opened(); }
    std::size_t bufferSize() const { return m_buffer.size(); }
    const DeviceAccess& device() const { return m_device; }

  protected:
    gfx::Size onExtentProposed(gfx::Size himetric) override;
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;

  private:
    friend class com::TableBuilder<CORSINOCtrl>;

    enum class Change { Trigger, Transfer };

    // Property handlers.
    void deviceNumberChanged();
    void triggerModeChanged() { recomputeMode(Change::Trigger); }
    void transferModeChanged() { recomputeMode(Change::Transfer); }
    bool acceptNumberOfSamples(std::int32_t value);
    bool acceptSampleRate(double value);
    bool acceptStartChannel(std::int16_t value);
    void recomputeMode(Change change);

    void ConfigureInput();
    bool configureSenu();
    bool allocateBuffers(std::size_t samples);

    // Block runs.
    bool interruptOrDmaRun();
    void waitForRun();
    std::int32_t startRun(const DeviceSettings& settings, std::uint32_t divisor);
    std::int32_t runStatus(std::int32_t& running, std::int32_t& count);
    std::optional<std::int32_t> stopRun(std::int32_t& count);
    void deliver(std::int32_t count);
    // The driver's result, or -1 after the message for a step that board lacks.
    std::int32_t refused(std::string_view text);

    void fail(std::string_view text);
    static void say(std::string_view text);

    std::int32_t m_deviceNumber = -1;
    std::int16_t m_triggerMode = 1;
    std::int16_t m_overallInputRange = 0;
    bool m_eventEnabled = true;
    std::int16_t m_inputMode = 0;
    std::int16_t m_adGain = 0;
    std::int32_t m_errorCode = 0;
    std::int32_t m_numberOfSamples = 1;
    double m_sampleRate = 1000;
    std::int16_t m_transferMode = 0;
    std::int16_t m_startChannel = 0;
    std::int16_t m_stopChannel = 0;

    DeviceAccess m_device;
    std::int32_t m_mode = 0;
    bool m_ready = true;
    std::vector<std::int16_t> m_buffer;
    std::vector<std::int16_t> m_altBuffer;
};

}  // namespace brennix::daq::orsino
