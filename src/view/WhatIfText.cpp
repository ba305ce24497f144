#include "view/WhatIfText.h"

#include "view/PointsSpinBox.h"

QString EnterBirthDateText() {
    return QStringLiteral("Enter a birth date in General Data to see ages and sustainable "
                          "spending");
}

QString HorizonSentence(const Reach& reach, const Plan& plan, std::int32_t firstYear) {
    const std::optional<std::int32_t> years = AgeIn(plan, reach.horizon);
    const QString age = years ? QStringLiteral(", age %1").arg(*years) : QString();
    if (reach.limitYear) {
        const QString stop = QStringLiteral("The projection stops at the calculation limit in %1")
                                 .arg(*reach.limitYear);
        if (reach.horizon < firstYear)
            return stop;
        return QStringLiteral("Money lasts at least until %1%2. %3")
            .arg(reach.horizon)
            .arg(age, stop);
    }
    if (!reach.firstUncoveredYear)
        return QStringLiteral("Money lasts through %1%2, the last year projected")
            .arg(reach.horizon)
            .arg(age);
    if (reach.horizon < firstYear)
        return QStringLiteral("Money does not last the first year, %1").arg(firstYear);
    return QStringLiteral("Money lasts until %1%2").arg(reach.horizon).arg(age);
}

QString SustainableSentence(const SustainableSpending& found, std::int32_t returnPoints) {
    const QString moved = returnPoints == 0
                              ? QString()
                              : QStringLiteral(" with returns %1").arg(PointsText(returnPoints));
    switch (found.status) {
    case SustainStatus::Found:
        return QStringLiteral("%1 % of planned expenses%2").arg(found.percent).arg(moved);
    case SustainStatus::NoneCovered:
        return QStringLiteral("None: the money runs out before then even without expenses%1")
            .arg(moved);
    case SustainStatus::StopsAtLimit:
        return QStringLiteral("Unknown: the projection stops at the calculation limit in %1%2")
            .arg(found.limitYear)
            .arg(moved);
    case SustainStatus::InvalidBirthDate:
        return EnterBirthDateText();
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        break;
    }
    return QStringLiteral("Could not be calculated");
}
