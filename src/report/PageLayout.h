#pragma once

#include <cstdint>
#include <vector>

// Where the blocks of a printed report go: pages filled top to bottom, a block never split
// across a page break, and a table's column headings repeated above its first row on each page.

struct LayoutBlock {
    double height = 0;
    // The table whose row the block is, or -1 for a block of no table.
    std::int32_t table = -1;
    // How many of the blocks after it go on its page: a heading keeps its first rows.
    std::int32_t keepWithNext = 0;
};

struct PlacedBlock {
    std::int32_t page = 0;
    double top = 0;
    // The table's headings go above this row, from top; the row then starts their height lower.
    bool headingsAbove = false;

    bool operator==(const PlacedBlock& other) const = default;
};

// Places the blocks on pages pageHeight high, table t's headings headingHeights[t] high. A
// block, or a block with those it keeps, taller than a page starts a page of its own.
std::vector<PlacedBlock> LayOutPages(const std::vector<LayoutBlock>& blocks, double pageHeight,
                                     const std::vector<double>& headingHeights);
