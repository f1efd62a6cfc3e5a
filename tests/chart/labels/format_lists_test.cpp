#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "chart/labels/format_lists.h"

namespace brennix::chart {
namespace {

using Names = std::vector<std::string_view>;

template <typename List>
Names names(List list) {
    return {list.begin(), list.end()};
}

TEST(FormatPageLists, TwoListsReadDifferentlyAfterAClassChange) {
    EXPECT_EQ(names(yFormatNames(2, ListMoment::PageOpened)),
              (Names{"k'V'", "k'Hz'", "k'A'", "k'g'", "k'l'", "'Deg'"}));
    EXPECT_EQ(names(yFormatNames(2, ListMoment::ClassChanged)),
              (Names{"'V'", "'Hz'", "'A'", "'g'", "'l'", "'Deg'"}));
    EXPECT_EQ(names(xFormatNames(2, ListMoment::PageOpened)), (Names{"yy/mm/dd", "mm/dd"}));
    EXPECT_EQ(names(xFormatNames(2, ListMoment::ClassChanged)), (Names{"yyyy/mm/dd", "mm/dd"}));
    EXPECT_EQ(names(yFormatNames(5, ListMoment::ClassChanged)).size(), 8U);
    EXPECT_TRUE(yFormatNames(6, ListMoment::PageOpened).empty());
    EXPECT_TRUE(xFormatNames(3, ListMoment::PageOpened).empty());
}

}  // namespace
}  // namespace brennix::chart
