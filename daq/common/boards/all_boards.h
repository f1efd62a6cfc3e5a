#pragma once
// Every board type the hardware controls know, in catalogue order. A new
// board is one adapter file beside these and one entry here.

#include "daq/common/boards/dorv_board.h"
#include "daq/common/boards/fenq_board.h"
#include "daq/common/boards/kilp_board.h"
#include "daq/common/boards/mavo_board.h"
#include "daq/common/boards/nilb_board.h"
#include "daq/common/boards/olmi_board.h"
#include "daq/common/boards/pruv_board.h"
#include "daq/common/boards/quem_board.h"
#include "daq/common/boards/rulk_board.h"
#include "daq/common/boards/senu_board.h"
#include "daq/common/boards/tepa_board.h"
#include "daq/common/boards/tepab_board.h"
#include "daq/common/boards/ubrix_board.h"
#include "daq/common/boards/vexa_board.h"
#include "daq/common/boards/zolt_board.h"

namespace brennix::daq::boards {

template <class... Board>
struct BoardList {
    static constexpr std::size_t size = sizeof...(Board);
};

using AllBoards = BoardList<SenuBoard, VexaBoard, OlmiBoard, DorvBoard, ZoltBoard, FenqBoard,
                            UbrixBoard, QuemBoard, KilpBoard, MavoBoard, RulkBoard, TepaBoard,
                            TepaBBoard, NilbBoard, PruvBoard>;

}  // namespace brennix::daq::boards
