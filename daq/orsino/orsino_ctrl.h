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

#include "daq/common/board_adapter.h"
#include "daq/common/device_control.h"
#include "daq/orsino/mode_code.h"

namespace brennix::daq::orsino {

class CORSINOCtrl final : public DeviceControl, private InputProgramming {
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
    std::size_t bufferSize() const { return m_buffer.size(); }

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;

  private:
    friend class com::TableBuilder<CORSINOCtrl>;

    enum class Change { Trigger, Transfer };

    // Property handlers.
    void triggerModeChanged() { recomputeMode(Change::Trigger); }
    void transferModeChanged() { recomputeMode(Change::Transfer); }
    bool acceptNumberOfSamples(std::int32_t value);
    void recomputeMode(Change change);

    void ConfigureInput();
    bool allocateBuffers(std::size_t samples);

    // The adapter's programming steps report here.
    bool step(std::int32_t result, std::string_view failure) override;
    void say(std::string_view text) override { DeviceControl::say(text); }
    std::optional<DeviceSettings> settings() override;

    // Block runs.
    bool interruptOrDmaRun();
    void waitForRun();
    // The calls of the current transfer mode on the current board.
    const RunCalls& runCalls() const;
    std::int32_t startRun(const DeviceSettings& settings, std::uint32_t divisor);
    std::int32_t runStatus(std::int32_t& running, std::int32_t& count);
    std::optional<std::int32_t> stopRun(std::int32_t& count);
    void deliver(std::int32_t count);
    // -1 after the message for a step that board lacks.
    std::int32_t refused(std::string_view text);

    std::int16_t m_triggerMode = 1;
    std::int16_t m_overallInputRange = 0;
    bool m_eventEnabled = true;
    std::int16_t m_inputMode = 0;
    std::int16_t m_adGain = 0;
    std::int32_t m_numberOfSamples = 1;
    double m_sampleRate = 1000;
    std::int16_t m_transferMode = 0;
    std::int16_t m_startChannel = 0;
    std::int16_t m_stopChannel = 0;

    std::int32_t m_mode = 0;
    bool m_ready = true;
    std::vector<std::int16_t> m_buffer;
    std::vector<std::int16_t> m_altBuffer;
};

}  // namespace brennix::daq::orsino
