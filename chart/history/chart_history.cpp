#include "chart/history/chart_history.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace brennix::chart {
namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

std::int64_t wrap(std::int64_t value, std::int64_t length) {
    const std::int64_t r = value % length;
    return r < 0 ? r + length : r;
}

// Scope and sweep pages push StartNum up without end; this keeps room for the
// pages still to come. Huge windows keep no room at all rather than a
// negative one, which would throw the history away after every sample.
std::int64_t startNumCeiling(std::int64_t viewNum) {
    return std::max<std::int64_t>(0, 2 * (1073741820 - viewNum));
}

}  // namespace

ChartHistory::ChartHistory() : ChartHistory(&PlotRing::allocate) {}

ChartHistory::ChartHistory(RingAllocator allocator) : allocator_(std::move(allocator)) {}

void ChartHistory::setStartNum(std::int32_t startNum) {
    startNum_ = startNum;
    firstSweep_ = true;
}

std::int32_t ChartHistory::ringLength() const {
    if (plotNum_ < 1 || plotNum_ > kMaxPlots) {
        return 0;
    }
    return historyLength_ / plotNum_;
}

int ChartHistory::plotsInUse() const {
    return std::clamp<int>(plotNum_, 0, kMaxPlots);
}

HistoryMessages ChartHistory::initControl() {
    HistoryMessages messages;
    firstSweep_ = true;
    const std::int32_t length = ringLength();
    for (int i = 0; i < plotsInUse(); ++i) {
        auto& slot = rings_[static_cast<std::size_t>(i)];
        if (slot) {
            messages.push_back(kAlreadyAllocated);
            continue;
        }
        slot = allocator_ ? allocator_(length) : std::nullopt;
        if (!slot || slot->length() != length) {
            // Half a set of rings is no use to anyone: leave none.
            for (auto& ring : rings_) {
                ring.reset();
            }
            return messages;
        }
    }
    return messages;
}

HistoryMessages ChartHistory::releaseControl() {
    HistoryMessages messages;
    for (int i = 0; i < plotsInUse(); ++i) {
        auto& slot = rings_[static_cast<std::size_t>(i)];
        if (slot) {
            slot.reset();
        } else {
            messages.push_back(kAlreadyReleased);
        }
    }
    return messages;
}

void ChartHistory::clearCharts() {
    hasData_ = false;
    lastCount_ = 0;
    restartWindow();
}

HistoryMessages ChartHistory::resetControl() {
    HistoryMessages messages;
    for (int i = 0; i < plotsInUse(); ++i) {
        auto& slot = rings_[static_cast<std::size_t>(i)];
        if (slot) {
            slot->fillEmpty();
        } else {
            messages.push_back(kNotInitialized);
        }
    }
    hasData_ = false;
    lastCount_ = 0;
    restartWindow();
    return messages;
}

void ChartHistory::restartWindow() {
    startNum_ = 0;
    cycleCount_ = 0;
    oldestIndex_ = -1;
    writeIndex_ = 0;
}

void ChartHistory::noteUnreadableArray(std::int64_t elementCount) {
    hasData_ = true;
    lastCount_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(elementCount, 0, kInt32Max));
}

HistoryMessages ChartHistory::plotCharts(std::optional<std::span<const double>> values) {
    HistoryMessages messages;
    noteUnreadableArray(values ? static_cast<std::int64_t>(values->size()) : 0);
    if (!values) {
        return messages;
    }
    if (!ringsReady()) {
        messages.push_back(kNotInitialized);
        return messages;
    }
    const std::int32_t length = ringLength();
    if (!indicesFit(length)) {
        // The rings were sized anew under indices of an older size.
        restartWindow();
    }
    append(*values, length);
    advanceWindow(length, messages);
    return messages;
}

bool ChartHistory::indicesFit(std::int32_t length) const {
    if (writeIndex_ < 0 || writeIndex_ >= length || oldestIndex_ < -1 || oldestIndex_ >= length) {
        return false;
    }
    // Until the rings are full the oldest sample is in cell 0.
    return oldestIndex_ <= 0 || oldestIndex_ == writeIndex_;
}

void ChartHistory::append(std::span<const double> values, std::int32_t length) {
    for (int i = 0; i < plotsInUse(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        rings_[index]->set(writeIndex_, index < values.size() ? values[index] : 0.0);
    }
    if (writeIndex_ == oldestIndex_) {
        ++oldestIndex_;
    }
    if (++writeIndex_ == length) {
        writeIndex_ = 0;
    }
    if (oldestIndex_ == length || oldestIndex_ == -1) {
        oldestIndex_ = 0;
    }
}

void ChartHistory::advanceWindow(std::int32_t length, HistoryMessages& messages) {
    const std::int64_t before = startNum_;
    const std::int64_t view = viewNum_;
    const std::int64_t t = before + view;
    std::int64_t start = before;

    if (full()) {
        switch (updateMode_) {
            case UM_Strip:
                start = writeIndex_ - view - 1;
                break;
            case UM_Scope:
            case UM_Sweep:
                if (writeIndex_ == wrap(t + 2, length)) {
                    start = t;
                    if (updateMode_ == UM_Sweep) {
                        firstSweep_ = false;
                    }
                }
                break;
            default:
                break;
        }
        if (start < 0) {
            start += length;
        }
    } else if (writeIndex_ == t + 2) {
        switch (updateMode_) {
            case UM_Strip:
                start = before + 1;
                break;
            case UM_Scope:
                start = t;
                break;
            case UM_Sweep:
                start = t;
                firstSweep_ = false;
                break;
            default:
                break;
        }
    }

    // Counted once per move, not once per sample while a page stands still.
    if (start != before && start != 0 && start % (length - 1) == 0) {
        cycleCount_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(cycleCount_) + 1U);
    }

    if (start > startNumCeiling(view) || start < kInt32Min) {
        auto reset = resetControl();
        messages.insert(messages.end(), reset.begin(), reset.end());
        return;
    }
    startNum_ = static_cast<std::int32_t>(start);
}

const PlotRing* ChartHistory::ring(int plot) const {
    if (plot < 0 || plot >= kMaxPlots) {
        return nullptr;
    }
    const auto& slot = rings_[static_cast<std::size_t>(plot)];
    return slot ? &*slot : nullptr;
}

bool ChartHistory::ringsReady() const {
    const std::int32_t length = ringLength();
    if (length < 2) {
        return false;
    }
    for (int i = 0; i < plotsInUse(); ++i) {
        const PlotRing* r = ring(i);
        if (r == nullptr || r->length() != length) {
            return false;
        }
    }
    return true;
}

double ChartHistory::sampleAt(int plot, std::int32_t cell) const {
    const PlotRing* r = ring(plot);
    if (r == nullptr || cell < 0 || cell >= r->length() || empty()) {
        return EmptySample;
    }
    if (!full() && cell >= writeIndex_) {
        return EmptySample;
    }
    return r->at(cell);
}

}  // namespace brennix::chart
