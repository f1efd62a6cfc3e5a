#pragma once
// The counter functions of the boards that the pulse-output and counter
// controls serve. Kilp and Nilb have several counters; Vexa, Olmi and Fenq
// one user counter each, so a start on another channel is refused before any
// call and read and stop ignore the channel.
//
// Inline on purpose: only the libraries that include this header link the
// drivers it calls.

#include <cstdint>
#include <optional>
#include <string_view>

#include "daq/common/board_catalogue.h"
#include "daq/common/io_messages.h"
#include "drivers/olmi/olmi.h"
#include "drivers/vexa/vexa.h"
#include "platform/com/message_box.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/kilp.h"
#include "simulator/outside/nilb.h"

namespace brennix::daq::timer {

inline std::int32_t refuse(std::string_view text) {
    com::showMessage(text);
    return -1;
}

// oneTimer: the control's refusal of a channel other than 0 on a one-counter
// board.
inline std::int32_t start(std::optional<Board> board, std::int16_t channel, std::int32_t mode,
                          std::int32_t value, std::string_view oneTimer) {
    if (!board) {
        return refuse(text::kInvalidBoardType);
    }
    switch (*board) {
        case Board::Kilp:
            return W_Kilp_Timer_Start(channel, mode, value);
        case Board::Nilb:
            return W_Nilb_Timer_Start(channel, mode, value);
        case Board::Vexa:
        case Board::Olmi:
        case Board::Fenq:
            if (channel != 0) {
                return refuse(oneTimer);
            }
            if (*board == Board::Vexa) {
                return W_Vexa_TIMER_Start(mode, value);
            }
            if (*board == Board::Olmi) {
                return W_Olmi_TIMER_Start(mode, value);
            }
            return W_Fenq_TIMER_Start(mode, value);
        default:
            return refuse(text::kInvalidBoardType);
    }
}

inline std::int32_t read(std::optional<Board> board, std::int16_t channel, std::int32_t& count) {
    if (!board) {
        return refuse(text::kInvalidBoardType);
    }
    switch (*board) {
        case Board::Kilp:
            return W_Kilp_Timer_Read(channel, &count);
        case Board::Nilb:
            return W_Nilb_Timer_Read(channel, &count);
        case Board::Vexa:
            return W_Vexa_TIMER_Read(&count);
        case Board::Olmi:
            return W_Olmi_TIMER_Read(&count);
        case Board::Fenq:
            return W_Fenq_TIMER_Read(&count);
        default:
            return refuse(text::kInvalidBoardType);
    }
}

inline std::int32_t stop(std::optional<Board> board, std::int16_t channel, std::int32_t& count) {
    if (!board) {
        return refuse(text::kInvalidBoardType);
    }
    switch (*board) {
        case Board::Kilp:
            return W_Kilp_Timer_Stop(channel, &count);
        case Board::Nilb:
            return W_Nilb_Timer_Stop(channel, &count);
        case Board::Vexa:
            return W_Vexa_TIMER_Stop(&count);
        case Board::Olmi:
            return W_Olmi_TIMER_Stop(&count);
        case Board::Fenq:
            return W_Fenq_TIMER_Stop(&count);
        default:
            return refuse(text::kInvalidBoardType);
    }
}

}  // namespace brennix::daq::timer
