#include "report/PageLayout.h"

#include <cstddef>

std::vector<PlacedBlock> LayOutPages(const std::vector<LayoutBlock>& blocks, double pageHeight,
                                     double headingHeight) {
    std::vector<PlacedBlock> placed;
    placed.reserve(blocks.size());
    std::int32_t page = 0;
    double top = 0;
    std::int32_t previousTable = -1;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const LayoutBlock& block = blocks[i];
        const bool row = block.table >= 0;
        bool headings = row && (block.table != previousTable || top == 0);
        double needed = block.height + (headings ? headingHeight : 0);
        double kept = needed;
        if (block.keepWithNext && i + 1 < blocks.size())
            kept += blocks[i + 1].height + (blocks[i + 1].table >= 0 ? headingHeight : 0);
        if (top > 0 && top + kept > pageHeight) {
            ++page;
            top = 0;
            headings = row;
            needed = block.height + (headings ? headingHeight : 0);
        }
        placed.push_back({page, top, headings});
        top += needed;
        previousTable = block.table;
    }
    return placed;
}
