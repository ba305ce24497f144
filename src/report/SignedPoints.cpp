#include "report/SignedPoints.h"

std::string SignedPoints(std::int32_t points) {
    return points < 0 ? std::to_string(points) : '+' + std::to_string(points);
}
