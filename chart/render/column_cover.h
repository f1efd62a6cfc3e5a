#pragma once
// The rows that one-colour lines paint in one column when a whole ring's
// worth of points shares it. Every such column joins the same pairs of
// cells, only starting at a different cell, and in one colour the order of
// the joins does not matter; it matters only around the sweep cursor, which
// splits a column into the joins before it and those after. Counting the
// cells from the cursor's cell (the pivot), the joins before it are always a
// tail of that order and those after a head, so each column costs a look-up
// per side instead of a walk through the ring. Which rows a join paints is
// the drawing surface's to say; this only combines them.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brennix::chart {

// Rows first .. last of one column, all painted; none when first > last.
struct RowRun {
    int first = 0;
    int last = 0;

    bool empty() const { return first > last; }
    bool operator==(const RowRun&) const = default;
};

// A set of rows that grows a group at a time, and the set as it stood after
// each group, each under a key that grows from group to group.
class GrowingRows {
  public:
    // Keeps the steps only while they take no more than budget runs in all.
    explicit GrowingRows(std::size_t budget) : budget_(budget) {}

    void add(int row);
    void seal(std::int32_t key);

    // False once the budget ran out; the latest set stays known.
    bool stepsKept() const { return kept_; }
    // The set after the last group sealed with a key at most bound.
    std::span<const RowRun> upTo(std::int32_t bound) const;
    std::span<const RowRun> latest() const { return current_; }

  private:
    struct Step {
        std::int32_t key;
        std::size_t begin;
        std::size_t end;
    };

    std::size_t budget_;
    bool kept_ = true;
    std::vector<RowRun> current_;
    std::vector<RowRun> store_;
    std::vector<Step> steps_;
};

class ColumnCover {
  public:
    // joins[c] holds the rows the join on to cell c paints (from the cell
    // before it; cell 0 joins on to the last cell), each in top .. bottom. The set after each join
    // is kept within a few runs a row; runBudget overrides that, 0 keeping none (every look-up then
    // scans the rows).
    ColumnCover(std::span<const RowRun> joins, int top, int bottom, std::int32_t pivot,
                std::optional<std::size_t> runBudget = std::nullopt);

    std::int32_t pivot() const { return pivot_; }
    // Where a cell stands in the order that starts at the pivot.
    std::int32_t indexOf(std::int32_t cell) const;

    // Rows painted by the joins at indices 0 .. last, and at first .. end.
    std::span<const RowRun> head(std::int32_t last);
    std::span<const RowRun> tail(std::int32_t first);
    // Rows painted by every join.
    std::span<const RowRun> all() const { return head_.latest(); }

  private:
    static constexpr std::int32_t kNone = -1;

    // Rows whose join index passes the test, straight from the per-row
    // indices; for traces so ragged that their steps were not kept.
    template <typename Test>
    std::span<const RowRun> scan(const std::vector<std::int32_t>& index, Test test);

    int top_;
    std::int32_t length_;
    std::int32_t pivot_;
    // Per row, the index of the first and of the last join that paints it.
    std::vector<std::int32_t> firstJoin_;
    std::vector<std::int32_t> lastJoin_;
    GrowingRows head_;
    GrowingRows tail_;  // keyed by the negated index, so keys grow
    std::vector<RowRun> scratch_;
};

}  // namespace brennix::chart
