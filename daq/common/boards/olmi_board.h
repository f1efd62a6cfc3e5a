#pragma once
// The Olmi board: the Vexa set with a gain amplifier in place of range codes,
// no input-mode switch, and no DMA runs.

#include "daq/common/board_adapter.h"
#include "daq/common/boards/vexa_board.h"
#include "daq/common/input_texts.h"
#include "daq/common/port_reads.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"

namespace brennix::daq::boards {

struct OlmiBoard {
    static constexpr std::string_view name = "Brax-Olmi";
    static constexpr std::string_view driver = "Olmi";
    static constexpr InitialCardBase initial = W_Olmi_Initial;
    static constexpr AttachReport attachReport = drivers::olmi::attachReport;

    static std::int32_t setChannel(std::int32_t channel) { return W_Olmi_AD_Set_Channel(channel); }
    static void program(InputProgramming& steps, const InputValues& values) {
        (void)(steps.step(W_Olmi_AD_Set_Mode(values.mode), text::kSetModeError) &&
               steps.step(W_Olmi_AD_Set_Gain(values.gain), text::kSetGainError));
    }
    static void softTrigger() { (void)W_Olmi_AD_Soft_Trig(); }
    static std::int32_t acquire(std::int32_t /*channel*/, std::int32_t& sample) {
        return W_Olmi_AD_Aquire(&sample);
    }
    static constexpr AnalogInput analogInput{setChannel, program,     &kVexaModes,
                                             1,          softTrigger, acquire};

    static std::int32_t startInterrupt(const RunRequest& r) {
        return W_Olmi_AD_INT_Start(r.channel, r.gain, r.irq, r.count, r.buffer, r.firstDivisor,
                                   r.divisor);
    }
    static std::int32_t interruptStatus(std::int32_t& running, std::int32_t& count) {
        return W_Olmi_AD_INT_Status(&running, &count);
    }
    static std::int32_t stopInterrupt(std::int32_t& count, std::int32_t /*irq*/) {
        return W_Olmi_AD_INT_Stop(&count);
    }
    // Each DMA step says so in words of its own.
    static constexpr BlockRun blockRun{
        {startInterrupt, interruptStatus, stopInterrupt},
        {nullptr, nullptr, nullptr, "Olmi not support DMA presently",
         "Olmi board support DMA presently", "Olmi board not support DMA presently"}};

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        return W_Olmi_DA(channel, value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Olmi_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        return W_Olmi_DO(port, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort};

    static std::int32_t startTimer(std::int16_t /*channel*/, std::int32_t mode,
                                   std::int32_t value) {
        return W_Olmi_TIMER_Start(mode, value);
    }
    static std::int32_t readTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Olmi_TIMER_Read(&count);
    }
    static std::int32_t stopTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Olmi_TIMER_Stop(&count);
    }
    static constexpr Timers timers{startTimer, readTimer, stopTimer, true};

    // Two cards; the lines and channels its block runs accept.
    static constexpr BoardResources resources{2, kAtBusIrqLines, lineMask({1, 3})};
    static constexpr BoardPage page{InputPage{16, TransferList::AllThree, RangeList::AdGain}, 2, 2,
                                    1};
};

}  // namespace brennix::daq::boards
