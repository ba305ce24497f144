#include "app/AppIcon.h"

QIcon OrbelanIcon() {
    return QIcon(QStringLiteral(":/icons/orbelan.svg"));
}
