#include "view/GridColors.h"

namespace {

QColor LightHue(int degrees) {
    return QColor::fromHsv(degrees, 115, 247);
}

} // namespace

QColor BandColor(HorizonBand band) {
    switch (band) {
    case HorizonBand::BeforeRetirement:
        return LightHue(0);
    case HorizonBand::BeforeAge:
        return LightHue(40);
    case HorizonBand::Lasting:
        return LightHue(120);
    case HorizonBand::Unknown:
        break;
    }
    return {};
}

std::vector<GridLegendEntry> GridLegend(const Plan& plan, std::int32_t age) {
    if (!plan.birthDate.IsValid())
        return {{HorizonBand::Lasting, QStringLiteral("Lasts through the last year projected")}};
    const std::int64_t ageYear = std::int64_t{plan.birthDate.GetYear()} + age;
    return {
        {HorizonBand::BeforeRetirement,
         QStringLiteral("Runs out before retirement in %1").arg(plan.retirementDate.GetYear())},
        {HorizonBand::BeforeAge,
         QStringLiteral("Runs out before age %1 in %2").arg(age).arg(ageYear)},
        {HorizonBand::Lasting, QStringLiteral("Lasts to age %1 or longer").arg(age)},
    };
}

QString AtLeastUntilNote() {
    return QStringLiteral("A year with + is the last one reached before the projection stops "
                          "at the calculation limit: the money lasts at least until then");
}
