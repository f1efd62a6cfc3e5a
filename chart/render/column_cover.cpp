#include "chart/render/column_cover.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace brennix::chart {
namespace {

// Hands out each row of a band once: the first request that reaches a row
// gets it, later ones skip it in near-constant time.
class RowClaims {
  public:
    explicit RowClaims(int rows) : next_(static_cast<std::size_t>(rows) + 1) {
        std::iota(next_.begin(), next_.end(), 0);
    }

    template <typename Take>
    bool claim(int first, int last, Take&& take) {
        bool any = false;
        for (int row = find(first); row <= last; row = find(row)) {
            take(row);
            any = true;
            next_[static_cast<std::size_t>(row)] = row + 1;
        }
        return any;
    }

  private:
    int find(int row) {
        int root = row;
        while (next_[static_cast<std::size_t>(root)] != root) {
            root = next_[static_cast<std::size_t>(root)];
        }
        while (next_[static_cast<std::size_t>(row)] != root) {
            row = std::exchange(next_[static_cast<std::size_t>(row)], root);
        }
        return root;
    }

    std::vector<int> next_;
};

void appendRow(std::vector<RowRun>& runs, int row) {
    if (!runs.empty() && runs.back().last + 1 == row) {
        runs.back().last = row;
    } else {
        runs.push_back({row, row});
    }
}

}  // namespace

void GrowingRows::add(int row) {
    auto after = std::upper_bound(current_.begin(), current_.end(), row,
                                  [](int r, const RowRun& run) { return r < run.first; });
    const bool joinsBefore = after != current_.begin() && std::prev(after)->last + 1 >= row;
    const bool joinsAfter = after != current_.end() && after->first == row + 1;
    if (joinsBefore && joinsAfter) {
        std::prev(after)->last = after->last;
        current_.erase(after);
    } else if (joinsBefore) {
        std::prev(after)->last = std::max(std::prev(after)->last, row);
    } else if (joinsAfter) {
        after->first = row;
    } else {
        current_.insert(after, {row, row});
    }
}

void GrowingRows::seal(std::int32_t key) {
    if (!kept_) {
        return;
    }
    if (store_.size() + current_.size() > budget_) {
        kept_ = false;
        store_.clear();
        steps_.clear();
        return;
    }
    steps_.push_back({key, store_.size(), store_.size() + current_.size()});
    store_.insert(store_.end(), current_.begin(), current_.end());
}

std::span<const RowRun> GrowingRows::upTo(std::int32_t bound) const {
    const auto past = std::upper_bound(steps_.begin(), steps_.end(), bound,
                                       [](std::int32_t b, const Step& s) { return b < s.key; });
    if (past == steps_.begin()) {
        return {};
    }
    const Step& step = *std::prev(past);
    return std::span<const RowRun>(store_).subspan(step.begin, step.end - step.begin);
}

namespace {

// Room for a few runs a row: ordinary traces need far less.
std::size_t budgetFor(int top, int bottom, std::optional<std::size_t> runBudget) {
    return runBudget.value_or(8 * static_cast<std::size_t>(std::max(bottom - top + 1, 1)) + 64);
}

}  // namespace

ColumnCover::ColumnCover(std::span<const RowRun> joins, int top, int bottom, std::int32_t pivot,
                         std::optional<std::size_t> runBudget)
    : top_(top),
      length_(static_cast<std::int32_t>(joins.size())),
      pivot_(pivot),
      head_(budgetFor(top, bottom, runBudget)),
      tail_(budgetFor(top, bottom, runBudget)) {
    const int height = bottom >= top ? bottom - top + 1 : 0;
    firstJoin_.assign(static_cast<std::size_t>(height), kNone);
    lastJoin_.assign(static_cast<std::size_t>(height), kNone);
    if (height == 0 || length_ == 0) {
        return;
    }
    // The rows, relative to top, that the join at an index paints.
    const auto joinAt = [&](std::int32_t index, int& first, int& last) {
        const RowRun& rows = joins[static_cast<std::size_t>((pivot_ + index) % length_)];
        first = std::max(rows.first, top) - top;
        last = std::min(rows.last, bottom) - top;
        return first <= last;
    };
    const auto sweep = [&](GrowingRows& grown, std::vector<std::int32_t>& index, std::int32_t from,
                           std::int32_t step, std::int32_t keySign) {
        RowClaims claims(height);
        for (std::int32_t i = from; i >= 0 && i < length_; i += step) {
            int first = 0;
            int last = 0;
            if (joinAt(i, first, last) && claims.claim(first, last, [&](int row) {
                    index[static_cast<std::size_t>(row)] = i;
                    grown.add(row + top_);
                })) {
                grown.seal(keySign * i);
            }
        }
    };
    sweep(head_, firstJoin_, 0, 1, 1);
    sweep(tail_, lastJoin_, length_ - 1, -1, -1);
}

std::int32_t ColumnCover::indexOf(std::int32_t cell) const {
    const std::int32_t index = (cell - pivot_) % length_;
    return index < 0 ? index + length_ : index;
}

std::span<const RowRun> ColumnCover::head(std::int32_t last) {
    if (head_.stepsKept()) {
        return head_.upTo(last);
    }
    return scan(firstJoin_, [last](std::int32_t join) { return join <= last; });
}

std::span<const RowRun> ColumnCover::tail(std::int32_t first) {
    if (tail_.stepsKept()) {
        return tail_.upTo(-first);
    }
    return scan(lastJoin_, [first](std::int32_t join) { return join >= first; });
}

template <typename Test>
std::span<const RowRun> ColumnCover::scan(const std::vector<std::int32_t>& index, Test test) {
    scratch_.clear();
    for (std::size_t row = 0; row < index.size(); ++row) {
        if (index[row] != kNone && test(index[row])) {
            appendRow(scratch_, static_cast<int>(row) + top_);
        }
    }
    return scratch_;
}

}  // namespace brennix::chart
