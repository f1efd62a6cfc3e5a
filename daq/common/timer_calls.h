#pragma once
// The counter calls of the pulse-output and counter controls through the
// board's adapter. On a one-counter board a start on another channel is
// refused before any call.

#include <cstdint>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "daq/common/io_messages.h"
#include "platform/com/message_box.h"

namespace brennix::daq::timer {

inline std::int32_t refuse(std::string_view text) {
    com::showMessage(text);
    return -1;
}

// oneTimer: the control's refusal of a channel other than 0 on a one-counter
// board.
inline std::int32_t start(const BoardAdapter* board, std::int16_t channel, std::int32_t mode,
                          std::int32_t value, std::string_view oneTimer) {
    if (board == nullptr || board->timers == nullptr) {
        return refuse(text::kInvalidBoardType);
    }
    if (board->timers->oneCounter && channel != 0) {
        return refuse(oneTimer);
    }
    return board->timers->start(channel, mode, value);
}

inline std::int32_t read(const BoardAdapter* board, std::int16_t channel, std::int32_t& count) {
    if (board == nullptr || board->timers == nullptr) {
        return refuse(text::kInvalidBoardType);
    }
    return board->timers->read(channel, count);
}

inline std::int32_t stop(const BoardAdapter* board, std::int16_t channel, std::int32_t& count) {
    if (board == nullptr || board->timers == nullptr) {
        return refuse(text::kInvalidBoardType);
    }
    return board->timers->stop(channel, count);
}

}  // namespace brennix::daq::timer
