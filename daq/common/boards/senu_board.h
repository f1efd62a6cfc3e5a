#pragma once
// The Senu board: eight inputs behind a gain amplifier, the interrupt level
// in its mode register, interrupt runs only, one D/A output, digital ports.

#include "daq/common/board_adapter.h"
#include "daq/common/input_texts.h"
#include "daq/common/port_reads.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"

namespace brennix::daq::boards {

struct SenuBoard {
    static constexpr std::string_view name = "Brax-Senu";
    static constexpr std::string_view driver = "Senu";
    static constexpr InitialCardBase initial = W_Senu_Initial;
    static constexpr AttachReport attachReport = drivers::senu::attachReport;

    static std::int32_t setChannel(std::int32_t channel) { return W_Senu_AD_Set_Channel(channel); }
    static void program(InputProgramming& steps, const InputValues& values) {
        if (!steps.step(W_Senu_AD_Set_Gain(values.gain), text::kSetGainError)) {
            return;
        }
        auto settings = steps.settings();
        if (!settings) {
            return;
        }
        // The mode register holds the interrupt level, 2 to 7.
        std::int32_t result = -1;
        if (settings->irq1 >= 2 && settings->irq1 <= 7) {
            result = W_Senu_AD_Set_Mode(settings->irq1, values.mode);
        } else {
            steps.say(text::kInvalidIrq);
        }
        (void)steps.step(result, text::kSetModeError);
    }
    static void softTrigger() { (void)W_Senu_AD_Soft_Trig(); }
    static std::int32_t acquire(std::int32_t /*channel*/, std::int32_t& sample) {
        return W_Senu_AD_Aquire(&sample);
    }
    //                                       trigger: external, software, timer
    static constexpr ModeTable modes{{{{modeCode(2), modeCode(0), modeCode(4)},  // software polling
                                       {modeCode(3), modeCode(1), modeCode(6)},  // interrupt
                                       {modeCode(0), modeCode(0), modeCode(0)}}},
                                     0};
    static constexpr AnalogInput analogInput{setChannel, program, &modes, 0, softTrigger, acquire};

    static std::int32_t startInterrupt(const RunRequest& r) {
        return W_Senu_AD_INT_Start(r.channel, r.gain, r.irq, r.count, r.buffer, r.firstDivisor,
                                   r.divisor);
    }
    static std::int32_t interruptStatus(std::int32_t& running, std::int32_t& count) {
        return W_Senu_AD_INT_Status(&running, &count);
    }
    static std::int32_t stopInterrupt(std::int32_t& count, std::int32_t /*irq*/) {
        return W_Senu_AD_INT_Stop(&count);
    }
    static constexpr BlockRun blockRun{{startInterrupt, interruptStatus, stopInterrupt}, {}};

    // One output: the channel is not passed.
    static std::int32_t writeOutput(std::int32_t /*channel*/, std::int32_t value) {
        return W_Senu_DA(value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Senu_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        return W_Senu_DO(port, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort};

    // Two cards; the levels its mode register encodes; no DMA.
    static constexpr BoardResources resources{2, lineMask({2, 3, 4, 5, 6, 7, 9}), 0};
    static constexpr BoardPage page{
        InputPage{8, TransferList::PollingAndInterrupt, RangeList::AdGain}, 2, 2, 0};
};

}  // namespace brennix::daq::boards
