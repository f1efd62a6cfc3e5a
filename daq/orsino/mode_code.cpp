#include "daq/orsino/mode_code.h"

#include <array>

namespace brennix::daq::orsino {
namespace {

constexpr ModeCode kInt{0, ModeRefusal::Interrupt};
constexpr ModeCode kDma{0, ModeRefusal::Dma};

struct BoardModes {
    std::array<std::array<ModeCode, 3>, 3> byTransferThenTrigger;
    std::int32_t outOfRange;
};

constexpr ModeCode c(std::int32_t code) {
    return {code, ModeRefusal::None};
}

//                                  trigger: external, software, timer
constexpr BoardModes kSenu{{{{c(2), c(0), c(4)},  // software polling
                             {c(3), c(1), c(6)},  // interrupt
                             {c(0), c(0), c(0)}}},
                           0};
constexpr BoardModes kVexaOlmi{{{{c(0), c(1), c(7)}, {c(4), c(5), c(6)}, {c(3), c(7), c(2)}}}, 7};
constexpr BoardModes kUbrix{{{{c(0), c(1), c(0)}, {c(4), c(5), c(6)}, {c(3), c(0), c(2)}}}, 0};
constexpr BoardModes kFenq{{{{c(4), c(0), c(0)}, {kInt, kInt, kInt}, {kDma, c(0), kDma}}}, 0};

const BoardModes* modesOf(Board board) {
    switch (board) {
        case Board::Senu:
            return &kSenu;
        case Board::Vexa:
        case Board::Olmi:
            return &kVexaOlmi;
        case Board::Ubrix:
            return &kUbrix;
        case Board::Fenq:
            return &kFenq;
        default:
            return nullptr;
    }
}

}  // namespace

std::optional<ModeCode> modeCodeFor(std::optional<Board> board, std::int32_t trigger,
                                    std::int32_t transfer) {
    const BoardModes* modes = board ? modesOf(*board) : nullptr;
    if (modes == nullptr) {
        return std::nullopt;
    }
    if (trigger < 0 || trigger > 2 || transfer < 0 || transfer > 2) {
        return c(modes->outOfRange);
    }
    return modes->byTransferThenTrigger[transfer][trigger];
}

std::optional<std::int32_t> singleConversionMode(std::optional<Board> board) {
    if (!board) {
        return std::nullopt;
    }
    switch (*board) {
        case Board::Senu:
        case Board::Fenq:
            return 0;
        case Board::Vexa:
        case Board::Olmi:
        case Board::Ubrix:
            return 1;
        default:
            return std::nullopt;
    }
}

}  // namespace brennix::daq::orsino
