// The rows a crowded column's thin lines cover, looked up by head and tail of
// the joins, against painting each join's rows one by one.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "chart/render/column_cover.h"

namespace brennix::chart {
namespace {

constexpr int kTop = 10;
constexpr int kBottom = 40;

// Rows painted by the joins at indices first .. last (counted from pivot).
std::vector<RowRun> painted(const std::vector<RowRun>& joins, std::int32_t pivot,
                            std::int32_t first, std::int32_t last) {
    const auto n = static_cast<std::int32_t>(joins.size());
    std::set<int> hit;
    for (std::int32_t i = first; i <= last; ++i) {
        const RowRun& join = joins[static_cast<std::size_t>((pivot + i) % n)];
        for (int r = join.first; r <= join.last; ++r) {
            hit.insert(r);
        }
    }
    std::vector<RowRun> runs;
    for (const int r : hit) {
        if (!runs.empty() && runs.back().last + 1 == r) {
            runs.back().last = r;
        } else {
            runs.push_back({r, r});
        }
    }
    return runs;
}

std::vector<RowRun> asVector(std::span<const RowRun> runs) {
    return {runs.begin(), runs.end()};
}

TEST(ColumnCover, HeadsAndTailsPaintWhatTheirJoinsPaintWithOrWithoutKeptSteps) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> row(kTop, kBottom);
    for (int trial = 0; trial < 300; ++trial) {
        // Joins of a few rows, of one, of none, and some that repeat.
        std::vector<RowRun> rows(static_cast<std::size_t>(length(random)));
        for (auto& join : rows) {
            const int a = row(random);
            const int b = trial % 7 == 0 ? a : std::clamp(a + row(random) % 9 - 4, kTop, kBottom);
            join = random() % 6 == 0 ? RowRun{a, a - 1} : RowRun{std::min(a, b), std::max(a, b)};
        }
        const auto n = static_cast<std::int32_t>(rows.size());
        const auto pivot = static_cast<std::int32_t>(random() % rows.size());
        for (const std::optional<std::size_t> budget : {std::optional<std::size_t>{}, {0}}) {
            ColumnCover cover(rows, kTop, kBottom, pivot, budget);
            ASSERT_EQ(asVector(cover.all()), painted(rows, pivot, 0, n - 1));
            for (std::int32_t i = 0; i < n; ++i) {
                ASSERT_EQ(asVector(cover.head(i)), painted(rows, pivot, 0, i))
                    << "trial " << trial << ", head to " << i;
                ASSERT_EQ(asVector(cover.tail(i)), painted(rows, pivot, i, n - 1))
                    << "trial " << trial << ", tail from " << i;
            }
            EXPECT_EQ(cover.indexOf(pivot), 0);
            EXPECT_EQ(cover.indexOf((pivot + n - 1) % n), n - 1);
        }
    }
}

TEST(ColumnCover, ABandWithoutRowsCoversNothing) {
    const std::vector<RowRun> rows{{5, 8}, {7, 8}, {9, 9}};
    ColumnCover cover(rows, 8, 7, 1);
    EXPECT_TRUE(cover.all().empty());
    EXPECT_TRUE(cover.head(2).empty());
    EXPECT_TRUE(cover.tail(0).empty());
}

}  // namespace
}  // namespace brennix::chart
