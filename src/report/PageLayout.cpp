#include "report/PageLayout.h"

#include <algorithm>
#include <cstddef>

namespace {

double HeadingHeight(const std::vector<double>& headingHeights, std::int32_t table) {
    return table >= 0 && static_cast<std::size_t>(table) < headingHeights.size()
               ? headingHeights[static_cast<std::size_t>(table)]
               : 0;
}

// The height of the blocks from first to last, the first under its table's headings or not.
double GroupHeight(const std::vector<LayoutBlock>& blocks, std::size_t first, std::size_t last,
                   bool headingsFirst, const std::vector<double>& headingHeights) {
    double height = 0;
    std::int32_t previousTable = -1;
    for (std::size_t i = first; i <= last; ++i) {
        const std::int32_t table = blocks[i].table;
        if (table >= 0 && (i == first ? headingsFirst : table != previousTable))
            height += HeadingHeight(headingHeights, table);
        height += blocks[i].height;
        previousTable = table;
    }
    return height;
}

} // namespace

std::vector<PlacedBlock> LayOutPages(const std::vector<LayoutBlock>& blocks, double pageHeight,
                                     const std::vector<double>& headingHeights) {
    std::vector<PlacedBlock> placed;
    placed.reserve(blocks.size());
    std::int32_t page = 0;
    double top = 0;
    std::int32_t previousTable = -1;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const LayoutBlock& block = blocks[i];
        const bool row = block.table >= 0;
        bool headings = row && (block.table != previousTable || top == 0);
        double needed = block.height + (headings ? HeadingHeight(headingHeights, block.table) : 0);
        const std::size_t last = std::min(
            blocks.size() - 1, i + static_cast<std::size_t>(std::max(0, block.keepWithNext)));
        const double kept = GroupHeight(blocks, i, last, headings, headingHeights);
        if (top > 0 && top + kept > pageHeight) {
            ++page;
            top = 0;
            headings = row;
            needed = block.height + (headings ? HeadingHeight(headingHeights, block.table) : 0);
        }
        placed.push_back({page, top, headings});
        top += needed;
        previousTable = block.table;
    }
    return placed;
}
