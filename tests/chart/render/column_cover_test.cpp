// The rows a crowded column's thin lines cover, looked up by head and tail of
// the joins, against painting each join's rows one by one.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "chart/render/column_cover.h"

namespace brennix::chart {
namespace {

constexpr int kTop = 10;
constexpr int kBottom = 40;

// Rows painted by the joins at indices first .. last (counted from pivot).
std::vector<RowRun> painted(const std::vector<std::int64_t>& rows, std::int32_t pivot,
                            std::int32_t first, std::int32_t last) {
    const auto n = static_cast<std::int32_t>(rows.size());
    std::set<int> hit;
    for (std::int32_t i = first; i <= last; ++i) {
        const std::int32_t cell = (pivot + i) % n;
        const std::int64_t from = rows[static_cast<std::size_t>((cell + n - 1) % n)];
        const std::int64_t to = rows[static_cast<std::size_t>(cell)];
        const bool inBand = from >= kTop && from <= kBottom && to >= kTop && to <= kBottom;
        // A thin line from `from` towards `to`, its end row left out.
        for (std::int64_t r = from; inBand && r != to; r += to > from ? 1 : -1) {
            hit.insert(static_cast<int>(r));
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
    // Rows mostly in the band, some above, below or far away.
    std::uniform_int_distribution<std::int64_t> row(kTop - 4, kBottom + 4);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::int64_t> rows(static_cast<std::size_t>(length(random)));
        for (auto& r : rows) {
            r = trial % 7 == 0 ? kTop + 3 : row(random);
        }
        rows[0] = trial % 5 == 0 ? -1000000000000 : rows[0];
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
    const std::vector<std::int64_t> rows{5, 9, 7};
    ColumnCover cover(rows, 8, 7, 1);
    EXPECT_TRUE(cover.all().empty());
    EXPECT_TRUE(cover.head(2).empty());
    EXPECT_TRUE(cover.tail(0).empty());
}

}  // namespace
}  // namespace brennix::chart
