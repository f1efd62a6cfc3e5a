#pragma once
// The Chart's history: one ring per plot, the indices that run through them
// and the window of samples on show, moved on by each appended sample as the
// update mode says. The control owns one of these and passes it the
// properties that shape it; it shows the returned messages itself.
// Rings the host never released go with the history.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "chart/history/history_messages.h"
#include "chart/history/plot_ring.h"
#include "chart/history/update_mode.h"

namespace brennix::chart {

class ChartHistory {
  public:
    static constexpr int kMaxPlots = 8;

    // Where the rings' memory comes from; a failing allocator stands in for
    // an exhausted machine.
    using RingAllocator = std::function<std::optional<PlotRing>(std::int32_t length)>;

    ChartHistory();
    explicit ChartHistory(RingAllocator allocator);

    // Properties the history follows. They arrive already checked by the
    // control; out-of-range values still cannot make the rings be overrun.
    void setPlotNum(std::int16_t plotNum) { plotNum_ = plotNum; }
    void setHistoryLength(std::int32_t length) { historyLength_ = length; }
    void setUpdateMode(std::int16_t mode) { updateMode_ = mode; }
    void setViewNum(std::int32_t viewNum) { viewNum_ = viewNum < 1 ? 1 : viewNum; }
    // The host moving the window starts a fresh sweep.
    void setStartNum(std::int32_t startNum);

    std::int16_t plotNum() const { return plotNum_; }
    std::int32_t historyLength() const { return historyLength_; }
    std::int16_t updateMode() const { return updateMode_; }
    std::int32_t viewNum() const { return viewNum_; }
    std::int32_t startNum() const { return startNum_; }

    // HistoryLength / PlotNum from the current properties; 0 when PlotNum is
    // outside 1..8.
    std::int32_t ringLength() const;

    HistoryMessages initControl();
    HistoryMessages releaseControl();
    // Forgets the samples but keeps the rings and what they hold.
    void clearCharts();
    HistoryMessages resetControl();

    // One PlotCharts call whose array has been read: element i is the new
    // value of plot i+1. Nothing means the array has no data block at all.
    // A sample that the rings cannot take (not allocated, or sized for other
    // properties) is dropped with a message.
    HistoryMessages plotCharts(std::optional<std::span<const double>> values);
    // A PlotCharts call whose array could not be read: noted, nothing added.
    void noteUnreadableArray(std::int64_t elementCount);

    std::int32_t writeIndex() const { return writeIndex_; }
    std::int32_t oldestIndex() const { return oldestIndex_; }
    std::int32_t cycleCount() const { return cycleCount_; }
    bool firstSweep() const { return firstSweep_; }
    bool hasData() const { return hasData_; }
    std::int32_t lastCount() const { return lastCount_; }

    bool empty() const { return oldestIndex_ == -1; }
    bool full() const { return !empty() && writeIndex_ == oldestIndex_; }

    // plot is 0-based; nothing when that ring is absent.
    const PlotRing* ring(int plot) const;
    // Every plot below PlotNum has a ring of ringLength cells.
    bool ringsReady() const;
    // The value a drawing sees in a cell: EmptySample unless the cell was
    // written since the history was last emptied, so that a cleared chart
    // never shows forgotten samples.
    double sampleAt(int plot, std::int32_t cell) const;

  private:
    int plotsInUse() const;
    bool indicesFit(std::int32_t length) const;
    void restartWindow();
    void append(std::span<const double> values, std::int32_t length);
    void advanceWindow(std::int32_t length, HistoryMessages& messages);

    RingAllocator allocator_;
    std::array<std::optional<PlotRing>, kMaxPlots> rings_;

    std::int16_t plotNum_ = 1;
    std::int32_t historyLength_ = 1024;
    std::int16_t updateMode_ = UM_Strip;
    std::int32_t viewNum_ = 100;
    std::int32_t startNum_ = 0;

    std::int32_t writeIndex_ = 0;
    std::int32_t oldestIndex_ = -1;
    std::int32_t cycleCount_ = 0;
    bool firstSweep_ = false;
    bool hasData_ = false;
    std::int32_t lastCount_ = 0;
};

}  // namespace brennix::chart
