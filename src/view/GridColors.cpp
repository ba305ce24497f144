#include "view/GridColors.h"

QColor BandColor(HorizonBand band) {
    switch (band) {
    case HorizonBand::BeforeRetirement:
        return {0xf7, 0x88, 0x88};
    case HorizonBand::BeforeAge:
        return {0xf7, 0xd2, 0x88};
    case HorizonBand::Lasting:
        return {0x88, 0xf7, 0x88};
    case HorizonBand::UntilLimit:
        return {0x88, 0xe4, 0xf7};
    case HorizonBand::Unknown:
        break;
    }
    return {};
}
