#include "report/PointsText.h"

std::string PointsText(std::int32_t points) {
    return points < 0 ? std::to_string(points) : '+' + std::to_string(points);
}
