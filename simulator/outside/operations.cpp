#include "simulator/outside/operations.h"

#include <utility>

#include "platform/hw/clock.h"
#include "simulator/outside/return_codes.h"
#include "simulator/outside/simulation.h"

namespace brennix::outside {
namespace {

enum class Needs { Nothing, CurrentCard };

template <class Body>
Outcome perform(const Call& call, Needs needs, Body body) {
    Outcome outcome;
    try {
        Simulation& sim = simulation();
        Board* board = nullptr;
        if (needs == Needs::CurrentCard) {
            board = sim.board(call.library, sim.currentCard(call.library));
        }
        if (auto failure = sim.takeFailure(call.function)) {
            outcome.code = *failure;
        } else if (!call.outputsPresent) {
            outcome.code = code::kNoOutput;
        } else if (needs == Needs::CurrentCard && board == nullptr) {
            outcome.code = code::kNotInitialized;
        } else {
            outcome.code = body(board, outcome);
        }
        if (outcome.code != code::kSuccess) {
            outcome.valueCount = 0;
        }

        CallRecord record;
        record.library = call.library;
        record.function = std::string(call.function);
        record.arguments.assign(
            call.arguments.begin(),
            call.arguments.begin() + static_cast<std::ptrdiff_t>(call.argumentCount));
        record.outputs.assign(
            outcome.values.begin(),
            outcome.values.begin() + static_cast<std::ptrdiff_t>(outcome.valueCount));
        record.result = call.library == Library::Fenq ? narrow(outcome.code) : outcome.code;
        record.microseconds = hw::nowMicroseconds();
        sim.journal().add(std::move(record));
    } catch (...) {
        // Out of memory in the simulation itself; the caller sees a plain failure.
        outcome = Outcome{code::kInternal};
    }
    return outcome;
}

// The board call's result, with its single output value kept on success.
template <class Act>
Outcome withValue(const Call& call, Act act) {
    return perform(call, Needs::CurrentCard, [&](Board* board, Outcome& outcome) {
        std::int32_t value = 0;
        const std::int32_t result = act(*board, value);
        outcome.values[0] = value;
        outcome.valueCount = 1;
        return result;
    });
}

template <class Act>
Outcome plain(const Call& call, Act act) {
    return perform(call, Needs::CurrentCard, [&](Board* board, Outcome&) { return act(*board); });
}

}  // namespace

Outcome initial(const Call& call, std::int32_t card, std::optional<std::int32_t> base,
                std::optional<std::int32_t> irq) {
    return perform(call, Needs::Nothing, [&](Board*, Outcome&) {
        return simulation().initial(call.library, card, base, irq);
    });
}

Outcome setAdChannel(const Call& call, std::int32_t channel) {
    return plain(call, [&](Board& board) { return board.selectChannel(channel); });
}

Outcome setAdScan(const Call& call, std::int32_t first, std::int32_t last) {
    return plain(call, [&](Board& board) { return board.selectScan(first, last); });
}

Outcome setAdMode(const Call& call, std::int32_t mode) {
    return plain(call, [&](Board& board) { return board.setMode(mode); });
}

Outcome setAdRange(const Call& call, std::int32_t range) {
    return plain(call, [&](Board& board) { return board.setRange(range); });
}

Outcome softTrigger(const Call& call) {
    return plain(call, [](Board& board) { return board.trigger(); });
}

Outcome acquire(const Call& call) {
    return withValue(call,
                     [](Board& board, std::int32_t& sample) { return board.acquire(sample); });
}

Outcome channelRead(const Call& call, std::int32_t channel) {
    return withValue(
        call, [&](Board& board, std::int32_t& sample) { return board.convert(channel, sample); });
}

Outcome runStatus(const Call& call, RunKind kind) {
    return perform(call, Needs::CurrentCard, [&](Board* board, Outcome& outcome) {
        const std::int32_t result = board->runStatus(kind, outcome.values[0], outcome.values[1]);
        outcome.valueCount = 2;
        return result;
    });
}

Outcome runStop(const Call& call, RunKind kind, std::int32_t irq) {
    return withValue(call, [&](Board& board, std::int32_t& count) {
        if (irq < 0 || irq > 15) {
            return code::kBadIrq;
        }
        return board.stopRun(kind, count);
    });
}

Outcome writeDa(const Call& call, std::int32_t channel, std::int32_t value) {
    return plain(call, [&](Board& board) { return board.writeDa(channel, value); });
}

Outcome readPort(const Call& call, std::int32_t port) {
    return withValue(
        call, [&](Board& board, std::int32_t& value) { return board.readInput(port, value); });
}

Outcome writePort(const Call& call, std::int32_t port, std::int32_t value) {
    return plain(call, [&](Board& board) { return board.writeOutput(port, value); });
}

Outcome readBack(const Call& call, std::int32_t port) {
    return withValue(
        call, [&](Board& board, std::int32_t& value) { return board.readBack(port, value); });
}

Outcome timerStart(const Call& call, std::int32_t counter, std::int32_t mode, std::int32_t value) {
    return plain(call, [&](Board& board) { return board.startCounter(counter, mode, value); });
}

Outcome timerRead(const Call& call, std::int32_t counter) {
    return withValue(
        call, [&](Board& board, std::int32_t& count) { return board.readCounter(counter, count); });
}

Outcome timerStop(const Call& call, std::int32_t counter) {
    return withValue(
        call, [&](Board& board, std::int32_t& count) { return board.stopCounter(counter, count); });
}

}  // namespace brennix::outside
