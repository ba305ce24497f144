#include "report/PageLayout.h"

#include <gtest/gtest.h>

TEST(PageLayoutTest, BlocksFillPagesWithHeadingsAboveEachPagesFirstRow) {
    // Pages 35 high, headings 5 high for table 0 and 1, 8 for table 2; rows of tables 0 to 2,
    // texts of no table.
    const struct {
        const char* what;
        std::vector<LayoutBlock> blocks;
        std::vector<PlacedBlock> expected;
    } cases[] = {
        {"a row that does not fit starts the next page, under the headings again",
         {{10}, {10, 0}, {10, 0}, {10, 0}, {10}},
         {{0, 0, false}, {0, 10, true}, {0, 25, false}, {1, 0, true}, {1, 15, false}}},
        {"a block that fits exactly stays", {{20}, {15}}, {{0, 0, false}, {0, 20, false}}},
        {"a second table gets its own headings on the same page",
         {{10, 0}, {10, 1}},
         {{0, 0, true}, {0, 15, true}}},
        {"a heading goes with its first row to the next page",
         {{20}, {5, -1, 1}, {10, 0}},
         {{0, 0, false}, {1, 0, false}, {1, 5, true}}},
        {"a heading that keeps three rows goes with them, though it and one would fit",
         {{15}, {5, -1, 3}, {5, 0}, {5, 0}, {5, 0}, {5, 0}},
         {{0, 0, false},
          {1, 0, false},
          {1, 5, true},
          {1, 15, false},
          {1, 20, false},
          {1, 25, false}}},
        {"a heading keeping more blocks than there are keeps those there are",
         {{10}, {5, -1, 3}, {10}},
         {{0, 0, false}, {0, 10, false}, {0, 15, false}}},
        {"taller headings of a table are counted on every page",
         {{10, 2}, {10, 2}, {10, 2}},
         {{0, 0, true}, {0, 18, false}, {1, 0, true}}},
        {"a block taller than a page starts a page of its own",
         {{10}, {50}, {10}},
         {{0, 0, false}, {1, 0, false}, {2, 0, false}}},
        {"nothing to place", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayOutPages(c.blocks, 35, {5, 5, 8}), c.expected) << c.what;
}
