#pragma once
// The adapters a control library holds: every registered board that has the
// capability the control is built on, with only the capabilities that
// control calls filled in. Instantiated in each control library, so that a
// library refers to the drivers of the boards it serves and to no others.

#include <array>
#include <span>

#include "daq/common/board_adapter.h"
#include "daq/common/board_catalogue.h"
#include "daq/common/boards/all_boards.h"

namespace brennix::daq {

template <class B>
constexpr bool hasAnalogInput = requires {
    B::analogInput;
};
template <class B>
constexpr bool hasBlockRun = requires {
    B::blockRun;
};
template <class B>
constexpr bool hasAnalogOutput = requires {
    B::analogOutput;
};
template <class B>
constexpr bool hasDigitalInput = requires {
    B::digitalInput;
};
template <class B>
constexpr bool hasDigitalOutput = requires {
    B::digitalOutput;
};
template <class B>
constexpr bool hasTimers = requires {
    B::timers;
};
template <class B>
constexpr bool hasAttachReport = requires {
    B::attachReport;
};

// The catalogue column of each control is the capability it is built on.
template <ControlKind K, class B>
constexpr bool servedBy() {
    switch (K) {
        case ControlKind::Orsino:
            return hasAnalogInput<B>;
        case ControlKind::Pellam:
            return hasAnalogOutput<B>;
        case ControlKind::Quillet:
            return hasDigitalInput<B>;
        case ControlKind::Rastow:
            return hasDigitalOutput<B>;
        case ControlKind::Sarnet:
        case ControlKind::Tolvan:
            return hasTimers<B>;
    }
    return false;
}

template <ControlKind K, class B>
BoardAdapter adapterOf() {
    BoardAdapter adapter{B::name, B::driver, InitialFunction{B::initial}};
    if constexpr (hasAttachReport<B>) {
        adapter.attachReport = B::attachReport;
    }
    if constexpr (K == ControlKind::Orsino) {
        adapter.analogInput = &B::analogInput;
        if constexpr (hasBlockRun<B>) {
            adapter.blockRun = &B::blockRun;
        }
    } else if constexpr (K == ControlKind::Pellam) {
        adapter.analogOutput = &B::analogOutput;
    } else if constexpr (K == ControlKind::Quillet) {
        adapter.digitalInput = &B::digitalInput;
    } else if constexpr (K == ControlKind::Rastow) {
        adapter.digitalOutput = &B::digitalOutput;
    } else {
        adapter.timers = &B::timers;
    }
    return adapter;
}

template <ControlKind K, class... B>
std::span<const BoardAdapter> adaptersServing(boards::BoardList<B...> /*all*/) {
    constexpr std::size_t count = (std::size_t{servedBy<K, B>()} + ... + 0);
    static const std::array<BoardAdapter, count> adapters = [] {
        std::array<BoardAdapter, count> served{};
        std::size_t next = 0;
        (
            [&] {
                if constexpr (servedBy<K, B>()) {
                    served[next++] = adapterOf<K, B>();
                }
            }(),
            ...);
        return served;
    }();
    return adapters;
}

// The adapters of the boards control K serves.
template <ControlKind K>
std::span<const BoardAdapter> servedAdapters() {
    return adaptersServing<K>(boards::AllBoards{});
}

}  // namespace brennix::daq
