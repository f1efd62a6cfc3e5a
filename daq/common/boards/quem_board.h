#pragma once
// The Quem board: two D/A channels and nothing else.

#include "daq/common/board_adapter.h"
#include "outside/quem.h"

namespace brennix::daq::boards {

struct QuemBoard {
    static constexpr std::string_view name = "Brax-Quem";
    static constexpr std::string_view driver = "Quem";
    static constexpr InitialCardBase initial = W_Quem_Initial;

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        return W_Quem_DA(channel, value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static constexpr BoardPage page{std::nullopt, 2, 0, 0};
};

}  // namespace brennix::daq::boards
