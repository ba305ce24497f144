#include "report/PageLayout.h"

#include <gtest/gtest.h>

TEST(PageLayoutTest, BlocksFillPagesWithHeadingsAboveEachPagesFirstRow) {
    // Pages 35 high, headings 5 high; rows of table 0 and 1, texts of no table.
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
         {{20}, {5, -1, true}, {10, 0}},
         {{0, 0, false}, {1, 0, false}, {1, 5, true}}},
        {"a block taller than a page starts a page of its own",
         {{10}, {50}, {10}},
         {{0, 0, false}, {1, 0, false}, {2, 0, false}}},
        {"nothing to place", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayOutPages(c.blocks, 35, 5), c.expected) << c.what;
}
