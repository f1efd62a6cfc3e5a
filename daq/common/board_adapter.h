#pragma once
// One board type as the hardware controls reach it: its Initial, and what it
// does for each capability the controls use. A capability the board lacks is
// a null member, and the control turns that into its refusal and message.
// Each board's adapter lives in its own file under daq/common/boards; a
// control library holds the adapters of the boards it serves, with only the
// capabilities it calls filled in, so it links only the drivers it serves.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "daq/common/board_page.h"
#include "daq/common/board_resources.h"
#include "daq/common/device_settings.h"

namespace brennix::daq {

using InitialCardBase = std::int32_t (*)(std::int32_t card, std::int32_t base);
// A driver whose results are 16 bits wide; they are sign-extended.
using InitialCardBaseShort = std::int16_t (*)(std::int32_t card, std::int32_t base);
using InitialCardBaseIrq = std::int32_t (*)(std::int32_t card, std::int32_t base, std::int32_t irq);
using InitialNoArguments = std::int32_t (*)();

using InitialFunction =
    std::variant<InitialCardBase, InitialCardBaseShort, InitialCardBaseIrq, InitialNoArguments>;

// 1 attached, -1 attached without port access, 0 failed.
using AttachReport = std::int32_t (*)();

// Analog input: what the control programs before a sample or a run.
struct InputValues {
    std::int32_t channel = 0;
    std::int32_t range = 0;  // OverallInputRange
    std::int32_t inputMode = 0;
    std::int32_t gain = 0;  // AdGain
    std::int32_t mode = 0;  // the set-mode code
};

// Where an adapter's programming steps report; the control implements it.
class InputProgramming {
  public:
    // ErrorCode becomes the result; when it is not 0 the failure is shown
    // and false returned.
    virtual bool step(std::int32_t result, std::string_view failure) = 0;
    virtual void say(std::string_view text) = 0;
    // The device's stored settings, or empty after the control's messages.
    virtual std::optional<DeviceSettings> settings() = 0;

  protected:
    ~InputProgramming() = default;
};

enum class ModeRefusal { None, Interrupt, Dma };

struct ModeCode {
    std::int32_t code = 0;
    ModeRefusal refusal = ModeRefusal::None;
};

constexpr ModeCode modeCode(std::int32_t value) {
    return {value, ModeRefusal::None};
}
inline constexpr ModeCode kNoInterruptMode{0, ModeRefusal::Interrupt};
inline constexpr ModeCode kNoDmaMode{0, ModeRefusal::Dma};

// The set-mode code by transfer mode, then trigger mode, each 0 to 2.
struct ModeTable {
    std::array<std::array<ModeCode, 3>, 3> byTransferThenTrigger;
    std::int32_t outOfRange;
};

struct AnalogInput {
    // Its result is ErrorCode.
    std::int32_t (*setChannel)(std::int32_t channel);
    // Range, gain, input mode and mode, in the board's order.
    void (*program)(InputProgramming& steps, const InputValues& values);
    // Null: the mode code stays as it is whatever trigger and transfer are.
    const ModeTable* modes;
    std::optional<std::int32_t> singleConversionMode;
    // Null for a board that converts when it is read. Its result is not
    // looked at.
    void (*softTrigger)();
    std::int32_t (*acquire)(std::int32_t channel, std::int32_t& sample);
};

// Block runs by interrupt or DMA.
struct RunRequest {
    std::int32_t channel;
    std::int32_t gain;
    std::int32_t irq;
    std::int32_t dma;
    std::int32_t count;
    std::int16_t* buffer;
    std::uint32_t firstDivisor;
    std::uint32_t divisor;
};

// One transfer mode. A missing step shows its text, or "Invalid board type"
// when it has none, and counts as -1.
struct RunCalls {
    std::int32_t (*start)(const RunRequest& request) = nullptr;
    std::int32_t (*status)(std::int32_t& running, std::int32_t& count) = nullptr;
    std::int32_t (*stop)(std::int32_t& count, std::int32_t irq) = nullptr;
    std::string_view noStart{};
    std::string_view noStatus{};
    std::string_view noStop{};
};

struct BlockRun {
    RunCalls interrupt;
    RunCalls dma;
    // A board that takes no run says so, by transfer mode, before the start.
    std::string_view refusesInterrupt{};
    std::string_view refusesDma{};
    // The driver delivers into the second buffer.
    bool secondBuffer = false;
};

struct AnalogOutput {
    std::int32_t (*write)(std::int32_t channel, std::int32_t value);
};

// The value is stored only when the driver succeeds.
struct DigitalInput {
    std::int32_t (*read)(std::int32_t port, std::int32_t& value);
};

struct DigitalOutput {
    std::int32_t (*write)(std::int32_t port, std::int32_t value);
    // Null: no read-back; the control reports its shadow of the port.
    std::int32_t (*readBack)(std::int32_t port, std::int32_t& value) = nullptr;
    // Ports 0 and 1 are the halves of one word that is written whole; the
    // other half is what reads back for it.
    bool wordOfTwoPorts = false;
};

struct Timers {
    std::int32_t (*start)(std::int16_t channel, std::int32_t mode, std::int32_t value);
    std::int32_t (*read)(std::int16_t channel, std::int32_t& count);
    std::int32_t (*stop)(std::int16_t channel, std::int32_t& count);
    // One user counter: a start on another channel is refused before any
    // call, and read and stop ignore the channel.
    bool oneCounter = false;
};

// What a control holds of one board it serves.
struct BoardAdapter {
    std::string_view name;
    std::string_view driver;
    InitialFunction initial;
    AttachReport attachReport = nullptr;  // drivers of this system only
    const AnalogInput* analogInput = nullptr;
    const BlockRun* blockRun = nullptr;
    const AnalogOutput* analogOutput = nullptr;
    const DigitalInput* digitalInput = nullptr;
    const DigitalOutput* digitalOutput = nullptr;
    const Timers* timers = nullptr;
};

// The adapter of that exact name, or nullptr.
const BoardAdapter* findAdapter(std::span<const BoardAdapter> adapters, std::string_view name);

// The driver's Initial result as the controls take it: sign-extended, and 0
// for a driver whose result is ignored. Empty without a function.
std::optional<std::int32_t> callInitial(const BoardAdapter& board, std::int32_t card,
                                        std::int32_t base, std::int32_t irq);

}  // namespace brennix::daq
