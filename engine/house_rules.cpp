#include "engine/house_rules.h"

#include <cmath>

namespace lumikan::engine {

int houseByCusps(double longitudeDeg, const std::vector<CuspPosition>& cusps)
{
    if (cusps.size() != 12)
        return -1;
    for (int i = 1; i <= 11; ++i) {
        const double c1 = cusps[i - 1].longitude;
        const double c2 = cusps[i].longitude;
        if (c2 < c1) {
            if (longitudeDeg >= c1 || longitudeDeg < c2)
                return i;
        } else if (longitudeDeg >= c1 && longitudeDeg < c2) {
            return i;
        }
    }
    return 12;
}

int houseOf(double longitudeDeg, const std::vector<CuspPosition>& cusps)
{
    if (cusps.size() < 12)
        return 0;
    for (int i = 1; i <= 12; ++i) {
        const double c1 = cusps[i - 1].longitude;
        double c2 = cusps[i % 12].longitude;
        if (c2 < c1)
            c2 += 360.0;
        double l = longitudeDeg;
        if (l < c1)
            l += 360.0;
        if (c1 <= l && l < c2)
            return i;
    }
    return 0;
}

double arcDistance(double aDeg, double bDeg)
{
    const double d = std::fabs(aDeg - bDeg);
    return d > 180.0 ? 360.0 - d : d;
}

}  // namespace lumikan::engine
