#pragma once
// The Ubrix board: analog input over a channel scan, interrupt and DMA status
// and stop but no start the controls may call, two D/A channels and digital
// ports numbered from 1. None of its results is looked at.

#include "daq/common/board_adapter.h"
#include "outside/ubrix.h"

namespace brennix::daq::boards {

struct UbrixBoard {
    static constexpr std::string_view name = "ISA-Ubrix";
    static constexpr std::string_view driver = "Ubrix";
    static constexpr InitialNoArguments initial = _ubri_initial;

    static std::int32_t setChannel(std::int32_t channel) {
        (void)_ubri_AD_Set_Channel_Scan(channel, channel);
        return 0;
    }
    static void program(InputProgramming& steps, const InputValues& values) {
        (void)_ubri_AD_Set_Mode(values.mode);
        (void)_ubri_AD_Set_Range(values.gain);
        (void)steps.step(0, {});
    }
    static void softTrigger() { (void)_ubri_AD_Soft_Trigger(); }
    static std::int32_t acquire(std::int32_t /*channel*/, std::int32_t& sample) {
        (void)_ubri_AD_Acquire(&sample);
        return 0;
    }
    //                                  trigger: external, software, timer
    static constexpr ModeTable modes{{{{modeCode(0), modeCode(1), modeCode(0)},    // polling
                                       {modeCode(4), modeCode(5), modeCode(6)},    // interrupt
                                       {modeCode(3), modeCode(0), modeCode(2)}}},  // DMA
                                     0};
    static constexpr AnalogInput analogInput{setChannel, program, &modes, 1, softTrigger, acquire};

    static std::int32_t interruptStatus(std::int32_t& running, std::int32_t& count) {
        (void)_ubri_AD_INT_Status(&running, &count);
        return 0;
    }
    static std::int32_t stopInterrupt(std::int32_t& count, std::int32_t irq) {
        (void)_ubri_AD_INT_Stop(&count, irq);
        return 0;
    }
    static std::int32_t dmaStatus(std::int32_t& running, std::int32_t& count) {
        (void)_ubri_AD_DMA_Status(&running, &count);
        return 0;
    }
    static std::int32_t stopDma(std::int32_t& count, std::int32_t irq) {
        (void)_ubri_AD_DMA_Stop(&count, irq);
        return 0;
    }
    // The dash in the two texts is the full-width hyphen.
    static constexpr BlockRun blockRun{{nullptr, interruptStatus, stopInterrupt},
                                       {nullptr, dmaStatus, stopDma},
                                       "Not support ISA\xEF\xBC\x8DUbrix INT mode in this controls",
                                       "Not suport ISA\xEF\xBC\x8DUbrix DMA mode presently",
                                       true};

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        (void)_ubri_DA(channel, value);
        return 0;
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        std::uint8_t byte = 0;
        (void)_ubri_DI(port + 1, &byte);
        value = byte;
        return 0;
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        (void)_ubri_DO(port + 1, value);
        return 0;
    }
    static constexpr DigitalOutput digitalOutput{writePort};

    static constexpr BoardPage page{
        InputPage{16, TransferList::PollingForced, RangeList::AdGain, true}, 2, 2, 0};
};

}  // namespace brennix::daq::boards
