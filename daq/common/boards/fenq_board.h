#pragma once
// The Fenq board: analog input polled only, two D/A channels, one 16-bit
// digital word each way shown as ports 0 and 1, and one user counter. Its
// results are 16 bits wide and sign-extended.

#include "daq/common/board_adapter.h"
#include "daq/common/input_texts.h"
#include "daq/common/port_reads.h"
#include "outside/fenq.h"

namespace brennix::daq::boards {

struct FenqBoard {
    static constexpr std::string_view name = "Brax-Fenq";
    static constexpr std::string_view driver = "Fenq";
    static constexpr InitialCardBaseShort initial = W_Fenq_Initial;

    static std::int32_t setChannel(std::int32_t channel) { return W_Fenq_AD_Set_Channel(channel); }
    static void program(InputProgramming& steps, const InputValues& values) {
        if (!steps.step(W_Fenq_AD_Set_Mode(values.mode), text::kSetModeError)) {
            return;
        }
        // The range follows AdGain; only codes 0 to 3 exist.
        std::int32_t result = -1;
        if (values.gain >= 0 && values.gain <= 3) {
            result = W_Fenq_AD_Set_Range(values.gain);
        } else {
            steps.say(text::kRangeSeeManual);
        }
        (void)steps.step(result, text::kSetRangeError);
    }
    static void softTrigger() { (void)W_Fenq_AD_Soft_Trig(); }
    static std::int32_t acquire(std::int32_t /*channel*/, std::int32_t& sample) {
        std::int16_t value = 0;
        std::int32_t result = W_Fenq_AD_Aquire(&value);
        sample = value;
        return result;
    }
    //                                  trigger: external, software, timer
    static constexpr ModeTable modes{{{{modeCode(4), modeCode(0), modeCode(0)},  // polling
                                       {kNoInterruptMode, kNoInterruptMode, kNoInterruptMode},
                                       {kNoDmaMode, modeCode(0), kNoDmaMode}}},
                                     0};
    static constexpr AnalogInput analogInput{setChannel, program, &modes, 0, softTrigger, acquire};

    static constexpr BlockRun blockRun{{},
                                       {},
                                       "Not support Brax-Fenq INT mode in this conrols",
                                       "Not suport Brax-Fenq DMA mode presently"};

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        return W_Fenq_DA(channel, value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readWordHalf(W_Fenq_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    // The value is the whole word.
    static std::int32_t writeWord(std::int32_t /*port*/, std::int32_t word) {
        return W_Fenq_DO(word);
    }
    static constexpr DigitalOutput digitalOutput{writeWord, nullptr, true};

    static std::int32_t startTimer(std::int16_t /*channel*/, std::int32_t mode,
                                   std::int32_t value) {
        return W_Fenq_TIMER_Start(mode, value);
    }
    static std::int32_t readTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Fenq_TIMER_Read(&count);
    }
    static std::int32_t stopTimer(std::int16_t /*channel*/, std::int32_t& count) {
        return W_Fenq_TIMER_Stop(&count);
    }
    static constexpr Timers timers{startTimer, readTimer, stopTimer, true};

    // The page offers AdGain, the property the control programs the range from.
    static constexpr BoardPage page{
        InputPage{16, TransferList::PollingForced, RangeList::AdGain, true}, 2, 2, 1};
};

}  // namespace brennix::daq::boards
