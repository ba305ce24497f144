#include "view/GridColors.h"

#include <gtest/gtest.h>

#include <set>

TEST(GridColorsTest, EachKnownBandHasItsOwnColour) {
    std::set<QRgb> colours;
    for (const HorizonBand band : {HorizonBand::BeforeRetirement, HorizonBand::BeforeAge,
                                   HorizonBand::Lasting, HorizonBand::UntilLimit})
        colours.insert(BandColor(band).rgb());
    EXPECT_EQ(colours.size(), 4u);
    EXPECT_FALSE(BandColor(HorizonBand::Unknown).isValid());
}
