#pragma once
// The Vexa board: sixteen inputs with range codes and an input-mode switch,
// interrupt and DMA runs, D/A outputs, digital ports and one user counter.

#include "daq/common/board_adapter.h"
#include "daq/common/input_texts.h"
#include "daq/common/port_reads.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"

namespace brennix::daq::boards {

// Vexa and Olmi share their mode codes.
//                                      trigger: external, software, timer
inline constexpr ModeTable kVexaModes{{{{modeCode(0), modeCode(1), modeCode(7)},    // polling
                                        {modeCode(4), modeCode(5), modeCode(6)},    // interrupt
                                        {modeCode(3), modeCode(7), modeCode(2)}}},  // DMA
                                      7};

struct VexaBoard {
    static constexpr std::string_view name = "Brax-VexaL";
    static constexpr std::string_view driver = "Vexa";
    static constexpr InitialCardBase initial = W_Vexa_Initial;
    static constexpr AttachReport attachReport = drivers::vexa::attachReport;

    static std::int32_t setChannel(std::int32_t channel) { return W_Vexa_AD_Set_Channel(channel); }
    static void program(InputProgramming& steps, const InputValues& values) {
        (void)(steps.step(W_Vexa_AD_Set_Range(values.range), text::kSetRangeError) &&
               steps.step(W_Vexa_AD_Input_Mode(values.inputMode), text::kSetInputModeError) &&
               steps.step(W_Vexa_AD_Set_Mode(values.mode), text::kSetModeError));
    }
    static void softTrigger() { (void)W_Vexa_AD_Soft_Trig(); }
    static std::int32_t acquire(std::int32_t /*channel*/, std::int32_t& sample) {
        return W_Vexa_AD_Aquire(&sample);
    }
    static constexpr AnalogInput analogInput{setChannel, program,     &kVexaModes,
                                             1,          softTrigger, acquire};

    static std::int32_t startInterrupt(const RunRequest& r) {
        return W_Vexa_AD_INT_Start(r.channel, r.gain, r.irq, r.count, r.buffer, r.firstDivisor,
                                   r.divisor);
    }
    static std::int32_t interruptStatus(std::int32_t& running, std::int32_t& count) {
        return W_Vexa_AD_INT_Status(&running, &count);
    }
    static std::int32_t stopInterrupt(std::int32_t& count, std::int32_t /*irq*/) {
        return W_Vexa_AD_INT_Stop(&count);
    }
    static std::int32_t startDma(const RunRequest& r) {
        return W_Vexa_AD_DMA_Start(r.channel, r.gain, r.dma, r.irq, r.count, r.buffer,
                                   r.firstDivisor, r.divisor);
    }
    static std::int32_t dmaStatus(std::int32_t& running, std::int32_t& count) {
        return W_Vexa_AD_DMA_Status(&running, &count);
    }
    static std::int32_t stopDma(std::int32_t& count, std::int32_t /*irq*/) {
        return W_Vexa_AD_DMA_Stop(&count);
    }
    static constexpr BlockRun blockRun{{startInterrupt, interruptStatus, stopInterrupt},
                                       {startDma, dmaStatus, stopDma}};

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        return W_Vexa_DA(channel, value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Vexa_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        return W_Vexa_DO(port, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort};

    static std::int32_t startTimer(std::int16_t /*channel*/, std::int32_t mode,
                                   std::int32_t value) {
        return W_Vexa_TIMER_Start(mode, value);
    }
    static std::int32_t readTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Vexa_TIMER_Read(&count);
    }
    static std::int32_t stopTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Vexa_TIMER_Stop(&count);
    }
    static constexpr Timers timers{startTimer, readTimer, stopTimer, true};

    // Two cards; the lines and channels its block runs accept.
    static constexpr BoardResources resources{2, kAtBusIrqLines, lineMask({1, 3})};
    static constexpr BoardPage page{
        InputPage{16, TransferList::AllThree, RangeList::OverallInputRange, false, true}, 2, 2, 1};
};

}  // namespace brennix::daq::boards
