#include "model/InlineVector.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Small = model::InlineVector<int, 3>;

std::vector<int> items(const Small &v) { return std::vector<int>(v.begin(), v.end()); }

Small counting(int n)
{
    Small v;
    for (int i = 0; i < n; ++i)
        v.push_back(i);
    return v;
}

TEST(InlineVector, GrowingPastTheInlineItemsKeepsEveryItem)
{
    for (int n : {0, 1, 3, 4, 7, 100}) {
        const Small v = counting(n);
        ASSERT_EQ(v.size(), std::size_t(n));
        std::vector<int> expected;
        for (int i = 0; i < n; ++i)
            expected.push_back(i);
        EXPECT_EQ(items(v), expected) << n << " items";
        EXPECT_GE(v.capacity(), v.size());
    }
}

TEST(InlineVector, CopiesAndMovesAreIndependentWhereverTheItemsLive)
{
    for (int n : {2, 5}) { // inside, and beyond the inline items
        Small original = counting(n);
        Small copy = original;
        copy[0] = 42;
        EXPECT_EQ(original[0], 0) << n << ": a copy shares its items";

        Small assigned = counting(1);
        assigned = original;
        EXPECT_EQ(assigned, original);

        Small moved = std::move(original);
        EXPECT_EQ(items(moved), items(assigned));
        EXPECT_TRUE(original.empty()); // NOLINT(bugprone-use-after-move): the moved-from state is specified here
        original.push_back(9);         // a moved-from vector is usable again
        EXPECT_EQ(items(original), std::vector<int>{9});
        EXPECT_EQ(items(moved), items(assigned)) << n << ": reuse of the moved-from vector reached the new owner";

        Small target = counting(6);
        target = std::move(moved);
        EXPECT_EQ(items(target), items(assigned));
    }
}

TEST(InlineVector, EraseResizeAndCompare)
{
    Small v = counting(5);
    v.erase(v.begin() + 1);
    EXPECT_EQ(items(v), (std::vector<int>{0, 2, 3, 4}));
    v.erase(v.end() - 1);
    EXPECT_EQ(items(v), (std::vector<int>{0, 2, 3}));

    v.resize(1);
    v.resize(3, 7);
    EXPECT_EQ(items(v), (std::vector<int>{0, 7, 7})) << "growing again fills with the value, not old items";
    v.resize(6);
    EXPECT_EQ(items(v), (std::vector<int>{0, 7, 7, 0, 0, 0}));

    EXPECT_EQ((Small{1, 2}), (Small{1, 2}));
    EXPECT_NE((Small{1, 2}), (Small{1, 2, 3}));
    EXPECT_NE((Small{1, 2}), (Small{2, 1}));
    Small cleared = counting(5);
    cleared.clear();
    EXPECT_EQ(cleared, Small{});
}

} // namespace
