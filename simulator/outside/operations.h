#pragma once
// The generic calls behind the exported functions. Each records itself in the
// journal, honours a scripted failure, refuses a null output pointer and a
// library with no current card, and otherwise acts on the current card's
// board. Nothing here throws.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "simulator/outside/board.h"
#include "simulator/outside/library.h"

namespace brennix::outside {

struct Call {
    Library library;
    std::string_view function;
    std::array<std::int64_t, 3> arguments{};
    std::size_t argumentCount = 0;
    bool outputsPresent = true;
};

template <class... Out>
Call makeCall(Library library, std::string_view function,
              std::initializer_list<std::int64_t> arguments, Out*... outputs) {
    Call call{library, function};
    for (const std::int64_t value : arguments) {
        if (call.argumentCount < call.arguments.size()) {
            call.arguments[call.argumentCount++] = value;
        }
    }
    call.outputsPresent = (true && ... && (outputs != nullptr));
    return call;
}

struct Outcome {
    std::int32_t code = 0;
    std::array<std::int32_t, 2> values{};
    std::size_t valueCount = 0;
};

// Writes the outcome's values through the pointers, on success only.
template <class... Out>
std::int32_t deliver(const Outcome& outcome, Out*... outputs) {
    if (outcome.code == 0) {
        std::size_t next = 0;
        ((*outputs = static_cast<Out>(outcome.values[next++])), ...);
    }
    return outcome.code;
}

// The Fenq library's 16-bit result; every code it can produce fits.
inline std::int16_t narrow(std::int32_t result) {
    return static_cast<std::int16_t>(result);
}

Outcome initial(const Call& call, std::int32_t card, std::optional<std::int32_t> base,
                std::optional<std::int32_t> irq);

Outcome setAdChannel(const Call& call, std::int32_t channel);
Outcome setAdScan(const Call& call, std::int32_t first, std::int32_t last);
Outcome setAdMode(const Call& call, std::int32_t mode);
Outcome setAdRange(const Call& call, std::int32_t range);
Outcome softTrigger(const Call& call);
Outcome acquire(const Call& call);
Outcome channelRead(const Call& call, std::int32_t channel);

Outcome runStatus(const Call& call, RunKind kind);
Outcome runStop(const Call& call, RunKind kind, std::int32_t irq);

Outcome writeDa(const Call& call, std::int32_t channel, std::int32_t value);

Outcome readPort(const Call& call, std::int32_t port);
Outcome writePort(const Call& call, std::int32_t port, std::int32_t value);
Outcome readBack(const Call& call, std::int32_t port);

Outcome timerStart(const Call& call, std::int32_t counter, std::int32_t mode, std::int32_t value);
Outcome timerRead(const Call& call, std::int32_t counter);
Outcome timerStop(const Call& call, std::int32_t counter);

}  // namespace brennix::outside
